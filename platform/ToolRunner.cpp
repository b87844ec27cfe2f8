#include "platform/ToolRunner.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <csignal>
#include <sys/prctl.h>

namespace tolvane {

QString ToolRunner::timeoutLine(const QString &program, int timeoutMs)
{
    const int seconds = (timeoutMs + 999) / 1000;
    return QStringLiteral("%1 did not end within %2 second%3 and was stopped.")
        .arg(QFileInfo(program).fileName())
        .arg(seconds)
        .arg(seconds == 1 ? QString() : QStringLiteral("s"));
}

int ToolRunner::run(const QString &program, const QStringList &arguments, QString *output,
                    const QString &workingFolder, int timeoutMs, bool *timedOut)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    // A compiler left running by a caller that was killed would go on writing into a working
    // folder that nobody removes any more.
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });

    QByteArray captured;
    auto drain = [&] {
        const QByteArray chunk = process.readAll();
        if (captured.size() < captureLimit)
            captured.append(chunk.left(captureLimit - captured.size()));
    };
    QObject::connect(&process, &QProcess::readyRead, drain);

    process.start();
    if (!process.waitForStarted(-1))
        return -1;

    bool expired = false;
    const QDeadlineTimer deadline =
        timeoutMs > 0 ? QDeadlineTimer(timeoutMs) : QDeadlineTimer(QDeadlineTimer::Forever);
    // Asked first, so a program of ours can remove its temporary files; killed if it will not go.
    auto end = [&] {
        expired = true;
        process.terminate();
        if (!process.waitForFinished(graceMs))
            process.kill();
    };
    if (QCoreApplication::instance()) {
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, &loop, [&] {
            end();
            loop.quit();
        });
        if (timeoutMs > 0)
            limit.start(timeoutMs);
        if (process.state() != QProcess::NotRunning)
            loop.exec(QEventLoop::ExcludeUserInputEvents);
    } else {
        while (process.state() != QProcess::NotRunning) {
            if (deadline.hasExpired()) {
                end();
                break;
            }
            process.waitForReadyRead(timeoutMs > 0 ? int(qMax<qint64>(1, deadline.remainingTime()))
                                                   : -1);
            drain();
        }
    }
    process.waitForFinished(-1);
    drain();

    if (output) {
        const int zero = captured.indexOf('\0');
        if (zero >= 0)
            captured.truncate(zero);
        *output = QString::fromLocal8Bit(captured);
        if (expired) {
            if (!output->isEmpty() && !output->endsWith(QLatin1Char('\n')))
                *output += QLatin1Char('\n');
            *output += timeoutLine(program, timeoutMs);
        }
    }
    if (timedOut)
        *timedOut = expired;
    // Killed or crashed: an error, never success, told apart by its signal as shells do (Qt gives
    // the signal as the exit code of a crashed process).
    if (process.exitStatus() == QProcess::CrashExit)
        return 128 + (process.exitCode() > 0 ? process.exitCode() : 9);
    // A program that ended cleanly when asked to stop still failed to finish its work.
    if (expired && (process.exitCode() == 0 || process.exitCode() == -1))
        return 128 + SIGTERM;
    return process.exitCode();
}

} // namespace tolvane
