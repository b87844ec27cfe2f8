#pragma once

#include <QString>
#include <QStringList>

namespace tolvane {

// Runs one program and waits for it, without a time limit unless one is given. While it waits
// the event loop keeps painting but takes no user input. Output is read as it arrives, so a tool
// that prints more than a pipe holds never blocks; only the first captureLimit bytes are kept.
// The program ends with its caller: it gets SIGTERM when the caller dies, even by SIGKILL.
class ToolRunner
{
  public:
    static constexpr int captureLimit = 16384;
    // How long a program that was asked to end (SIGTERM) may take to clean up before it is
    // killed.
    static constexpr int graceMs = 5000;

    // With timeoutMs above 0, a program still running after that long is ended (SIGTERM, then
    // SIGKILL after graceMs); the result is then that of the ended program (never 0 or -1), the
    // output ends with a line that says so, and *timedOut is set.
    static int run(const QString &program, const QStringList &arguments, QString *output,
                   const QString &workingFolder = QString(), int timeoutMs = 0,
                   bool *timedOut = nullptr);

    // The line added to the output of a program ended for taking too long.
    static QString timeoutLine(const QString &program, int timeoutMs);
};

} // namespace tolvane
