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

} // namespace tolvane::tools
