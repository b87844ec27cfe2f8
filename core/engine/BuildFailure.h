#pragma once

#include <QString>
#include <optional>

namespace tolvane {

// The four ways a compile step fails, each with the code the user quotes.
enum class BuildFailure
{
    ResourceCompilerNotStarted, // -714
    ResourceCompileError,       // 737
    LibraryCompilerNotStarted,  // -810D
    LibraryCompileError         // 834D
};

namespace buildfailure {

enum class Step
{
    ResourceCompile,
    LibraryCompile
};

// What a compiler's result means: nothing for exit code 0, "not started" for the runner's -1,
// an error for anything else.
std::optional<BuildFailure> fromResult(Step step, int exitCode);
// "-714", "737", "-810D", "834D".
QString code(BuildFailure failure);
// "Tolvane Build error " and the code.
QString caption(BuildFailure failure);
bool isLibraryStep(BuildFailure failure);
// The status line under the error box.
QString closingLine(BuildFailure failure);

} // namespace buildfailure

} // namespace tolvane
