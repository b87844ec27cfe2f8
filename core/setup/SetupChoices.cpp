#include "core/setup/SetupChoices.h"
#include "platform/Platform.h"

namespace tolvane {

QString SetupChoices::mainFolderIn(const QString &parent)
{
    return Platform::folderWithSeparator(parent) + QStringLiteral("TOLVANE");
}

QString SetupChoices::projectsFolderOf(const QString &mainFolder)
{
    // Folder names keep their case: on this file system an upper-cased path is another path.
    return Platform::folderWithSeparator(mainFolder) + QStringLiteral("Projects");
}

SetupChoices::Compiler SetupChoices::compilerOf(const QString &path)
{
    QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1).toUpper();
    if (!name.endsWith(QLatin1String(".EXE")))
        name += QStringLiteral(".EXE");
    if (name == QLatin1String("BRCC32.EXE"))
        return ResourceCompiler;
    if (name == QLatin1String("DCC32.EXE"))
        return LibraryCompiler;
    return NotACompiler;
}

bool SetupChoices::complete(const QString &delphiFolder, const QString &resourceCompiler,
                            const QString &libraryCompiler)
{
    return !delphiFolder.isEmpty() && !resourceCompiler.isEmpty() && !libraryCompiler.isEmpty();
}

bool SetupChoices::onFloppyDrive(const QString &mainFolder)
{
    const QString head = mainFolder.left(3);
    return head == QLatin1String("A:\\") || head == QLatin1String("B:\\");
}

} // namespace tolvane
