#pragma once

#include <QString>

namespace tolvane {

// The wizard's small decisions: the folder names it proposes, the compiler a chosen file is and
// what Finish refuses.
class SetupChoices
{
  public:
    // "TOLVANE" in the given folder, and its projects subfolder.
    static QString mainFolderIn(const QString &parent);
    static QString projectsFolderOf(const QString &mainFolder);

    enum Compiler
    {
        NotACompiler,
        ResourceCompiler, // BRCC32.EXE
        LibraryCompiler   // DCC32.EXE
    };
    // By the file's name without regard to case; this platform's programs carry no ".exe".
    static Compiler compilerOf(const QString &path);

    // Finish needs the Delphi folder and both compilers.
    static bool complete(const QString &delphiFolder, const QString &resourceCompiler,
                         const QString &libraryCompiler);
    // Folders on the floppy drives A: and B: are refused (as typed, upper case only).
    static bool onFloppyDrive(const QString &mainFolder);
};

} // namespace tolvane
