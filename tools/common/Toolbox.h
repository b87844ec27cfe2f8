#pragma once

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

// Empty when path names a regular file that can be read; else why not ("is a folder", ...).
// A FIFO or a device is never opened: reading one would hang or never end.
QString regularFileProblem(const QString &path);
// True when both paths name the same file (through links too), existing or not.
bool sameFile(const QString &a, const QString &b);
// The path as a helper running in workingFolder should get it: relative, and starting with "."
// so that no helper takes it for one of its '/' or '-' options.
QString argumentPath(const QString &path, const QString &workingFolder);

} // namespace tolvane::tools
