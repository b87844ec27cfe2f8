#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace tolvane {

// What one folder holds, in the system's own order.
struct FolderListing
{
    QStringList files;   // file names, hidden ones included
    QStringList folders; // names of visible sub-folders
    // Empty when the folder was read; else why not.
    QString error;
    // Which folder this is, links followed (0, 0 when not known): a folder reached twice is
    // known without resolving its path.
    quint64 device = 0;
    quint64 inode = 0;
};

// Every operation on the operating system goes through here, so the build logic and the windows
// can run against a fake in tests and stay portable.
class Platform
{
  public:
    virtual ~Platform() = default;

    // Runs a program with an argument list (never a command line split at blanks) and waits for
    // it. Returns the exit code, or -1 when the program cannot be started. When output is given it
    // receives the first 16384 bytes of standard output and error together, up to the first zero
    // byte; it is left alone when the program cannot be started.
    virtual int runTool(const QString &program, const QStringList &arguments, QString *output,
                        const QString &workingFolder = QString()) = 0;

    // Hands a file to the desktop; false when that could not be started.
    virtual bool printFile(const QString &path) = 0;
    virtual bool openFile(const QString &path) = 0;
    virtual bool openFolder(const QString &path) = 0;
    // Asks the desktop's file manager to show a file's properties; false when none answers.
    virtual bool showProperties(const QString &path) = 0;

    // Free bytes of the file system that holds path, asked of path itself; nothing when unknown.
    virtual std::optional<qint64> freeSpace(const QString &path) = 0;
    // Size in bytes, -1 when nothing is found.
    virtual qint64 fileSize(const QString &path) = 0;
    // The short (8.3) form of a path; where the system has none, the path itself.
    virtual QString shortPath(const QString &path) = 0;
    // The root of the volume that holds folder, ending in a separator ("C:\", "/").
    virtual QString driveRoot(const QString &folder) = 0;
    // The folder for temporary outputs, ending in a separator.
    virtual QString tempFolder() = 0;
    // The system's own folder, ending in a separator; setup puts the program folder below it.
    virtual QString windowsFolder() = 0;
    virtual QString systemFontsFolder() = 0;
    virtual QString currentFolder() = 0;

    virtual bool fileExists(const QString &path) = 0;
    virtual bool folderExists(const QString &path) = 0;
    // Creates the folder and every missing folder above it.
    virtual bool createFolder(const QString &path) = 0;
    // Writes a whole file atomically: the old file, or the whole new one. Empty on success, else
    // why it failed.
    virtual QString writeFile(const QString &path, const QByteArray &data) = 0;
    // The path with every link resolved; empty when nothing is there.
    virtual QString resolvedPath(const QString &path) = 0;
    // True when the path itself is a symbolic link (to anything, or to nothing).
    virtual bool isLink(const QString &path) = 0;
    virtual bool removeFile(const QString &path) = 0;
    // Gives a file a new name, never replacing anything of that name (a dangling link included).
    virtual bool renameFile(const QString &from, const QString &to) = 0;
    // Moves a file to a name, replacing a file of that name whole or not at all; a failure leaves
    // both files as they were.
    virtual bool replaceFile(const QString &from, const QString &to) = 0;
    // Deletes a folder with everything in it.
    virtual bool removeFolderTree(const QString &path) = 0;
    // Copies a file to a new name, never replacing a file there; the copy appears whole or not
    // at all.
    enum class CopyResult
    {
        Copied,
        CannotOpen,   // the source cannot be read
        TargetExists, // a file of the new name is there
        CannotCreate  // the copy cannot be written
    };
    virtual CopyResult copyFile(const QString &from, const QString &to) = 0;
    // The entries of a folder ("." and ".." left out); empty, with the reason, when it cannot be
    // read. Names keep bytes that are not UTF-8 (nativename).
    virtual FolderListing listFolder(const QString &folder) = 0;
    // Where a folder really is, links followed; empty when it cannot be resolved.
    virtual QString canonicalFolder(const QString &folder) = 0;
    // Moves files into a folder, keeping anything already there: a moved file whose name is taken
    // (a link counts, and is never followed) gets "NAME (2).EXT" and so on, each name claimed
    // atomically, so two moves at once never share one. A file already in the folder stays as
    // it is. Returns where each source ended up; empty when it failed, and then the source is
    // where it was and nothing of it is in the folder.
    virtual QStringList moveFiles(const QStringList &sources, const QString &destinationFolder) = 0;

    // The folder of the compilers that come with the program (its "bin" holds brcc32 and dcc32);
    // empty when there is none.
    virtual QString toolchainFolder() { return QString(); }
    virtual QString homeFolder() = 0;

    // Milliseconds since the system started.
    virtual qint64 tickCount() = 0;
    // Bits per pixel of the screen; the windows layer knows the screen, this layer does not.
    virtual int colourDepth() { return 32; }

    // A build's hold on its program folder, let go when destroyed or when the process ends.
    class Lock
    {
      public:
        virtual ~Lock() = default;
    };
    enum class LockState
    {
        Locked,
        Busy,       // another build holds the folder
        Unavailable // the folder takes no lock (missing, read-only): nothing to guard
    };
    // Takes the build lock of a folder; null unless state says Locked.
    virtual std::unique_ptr<Lock> lockFolder(const QString &folder, LockState *state) = 0;
    // The unit the file system holding folder allocates a file's data in; nothing when unknown.
    virtual std::optional<qint64> blockSize(const QString &folder) = 0;

    // The program a configured path names: the path itself when it exists, else a file in the same
    // folder whose name matches without regard to case, with or without ".exe" ("BRCC32.EXE"
    // finds brcc32). Empty when there is none.
    static QString resolveExecutable(const QString &path);

    // Used by the project files and the drop: one look at a path, whole-file reads and a name
    // claimed atomically. Names reach the system through nativename::encode.
    struct PathState
    {
        enum Kind
        {
            Missing,
            File,
            Folder,
            Other // a device, a socket, a FIFO
        };
        Kind kind = Missing;
        qint64 size = -1;   // a file's size; -1 otherwise
        QDateTime modified; // the last write, in UTC
    };
    // One stat of the path, links followed.
    virtual PathState pathState(const QString &path) = 0;
    // A regular file's whole content; nothing when it cannot be read.
    virtual std::optional<QByteArray> readFile(const QString &path) = 0;
    // Creates an empty file that must not exist yet (exclusive create, never through a link).
    enum class Claim
    {
        Claimed,
        Taken, // something of that name is there
        Failed
    };
    virtual Claim claimFile(const QString &path) = 0;

    // "" stays "", a folder gets one trailing separator.
    static QString folderWithSeparator(const QString &folder);
    static bool endsWithSeparator(const QString &text);
};

} // namespace tolvane
