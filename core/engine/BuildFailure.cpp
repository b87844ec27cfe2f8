#include "core/engine/BuildFailure.h"

namespace tolvane::buildfailure {

std::optional<BuildFailure> fromResult(Step step, int exitCode)
{
    if (exitCode == 0)
        return std::nullopt;
    const bool notStarted = exitCode == -1;
    if (step == Step::ResourceCompile)
        return notStarted ? BuildFailure::ResourceCompilerNotStarted
                          : BuildFailure::ResourceCompileError;
    return notStarted ? BuildFailure::LibraryCompilerNotStarted : BuildFailure::LibraryCompileError;
}

QString code(BuildFailure failure)
{
    switch (failure) {
    case BuildFailure::ResourceCompilerNotStarted:
        return QStringLiteral("-714");
    case BuildFailure::ResourceCompileError:
        return QStringLiteral("737");
    case BuildFailure::LibraryCompilerNotStarted:
        return QStringLiteral("-810D");
    case BuildFailure::LibraryCompileError:
        return QStringLiteral("834D");
    }
    return QString();
}

QString caption(BuildFailure failure)
{
    return QStringLiteral("Tolvane Build error ") + code(failure);
}

bool isLibraryStep(BuildFailure failure)
{
    return failure == BuildFailure::LibraryCompilerNotStarted ||
           failure == BuildFailure::LibraryCompileError;
}

QString closingLine(BuildFailure failure)
{
    switch (failure) {
    case BuildFailure::LibraryCompilerNotStarted:
        return QStringLiteral("Press the close button to stop current session!");
    case BuildFailure::LibraryCompileError:
        return QStringLiteral("Press the close button to reset application!");
    default:
        return QStringLiteral("Press the close button to restore application!");
    }
}

} // namespace tolvane::buildfailure
