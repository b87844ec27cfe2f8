#include "platform/ToolRunner.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>

namespace tolvane {

int ToolRunner::run(const QString &program, const QStringList &arguments, QString *output,
                    const QString &workingFolder)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);

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

    if (QCoreApplication::instance()) {
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        if (process.state() != QProcess::NotRunning)
            loop.exec(QEventLoop::ExcludeUserInputEvents);
    } else {
        while (process.state() != QProcess::NotRunning) {
            process.waitForReadyRead(-1);
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
    }
    // Killed or crashed: an error, never success, told apart by its signal as shells do (Qt gives
    // the signal as the exit code of a crashed process).
    if (process.exitStatus() == QProcess::CrashExit)
        return 128 + (process.exitCode() > 0 ? process.exitCode() : 9);
    return process.exitCode();
}

} // namespace tolvane
