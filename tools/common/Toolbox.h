#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tolvane::tools {

// Finds a helper program (llvm-rc, lld-link, cabextract) on the PATH, trying versioned names.
QString findProgram(const QStringList &names);
// Runs a helper and returns its exit code, or -1 when it cannot be started; output gets
// standard output and error together.
int runProgram(const QString &program, const QStringList &arguments, QString *output,
               const QString &workingFolder = QString());
// Prints one line to standard output (the stream the build shows to the user).
void say(const QString &line);
// The command line's arguments as the system gave them: a byte that is not UTF-8 is kept.
QStringList nativeArguments(int argc, char **argv);

// A path's folder (absolute) and its last part, taken apart as text: a name that is not UTF-8
// keeps its bytes.
QString folderOf(const QString &path);
QString fileNameOf(const QString &path);
// The names in a folder ("." and ".." left out), as the system gives them.
QStringList folderEntries(const QString &folder);

// What one look at a path tells, links followed. Names go to the system as their own bytes.
struct FileStatus
{
    bool exists = false;
    bool regular = false;
    bool folder = false;
    qint64 size = 0;
    quint64 device = 0;
    quint64 inode = 0;
    // The same file as other (both there).
    bool sameAs(const FileStatus &other) const
    {
        return exists && other.exists && device == other.device && inode == other.inode;
    }
};
FileStatus statusOf(const QString &path);
// Why a path with that status is no regular file; empty when it is one. Nothing is opened.
QString kindProblem(const FileStatus &status);
// Why a path with that status is no regular file that can be read; empty when it is one. When
// head is given it receives up to headBytes of the file's start. A FIFO or a device is never
// opened: reading one would hang or never end.
QString readProblem(const QString &path, const FileStatus &status, QByteArray *head = nullptr,
                    qint64 headBytes = 0);
// Empty when path names a regular file that can be read; else why not ("is a folder", ...).
QString regularFileProblem(const QString &path);
// The whole of a regular file; false with the reason when it cannot be read.
bool readWhole(const QString &path, QByteArray &out, QString &error);
// Makes a symbolic link at link to target; false when it cannot.
bool makeLink(const QString &target, const QString &link);
bool removeFile(const QString &path);
// Renames over an existing file in one step.
bool replaceFile(const QString &from, const QString &to);
// True when both paths name the same file (through links too), existing or not.
bool sameFile(const QString &a, const QString &b);
// The path as a helper running in workingFolder should get it: relative, and starting with "."
// so that no helper takes it for one of its '/' or '-' options.
QString argumentPath(const QString &path, const QString &workingFolder);

} // namespace tolvane::tools
