#include "tools/common/Toolbox.h"

#include <QProcess>
#include <QStandardPaths>
#include <cstdio>

namespace tolvane::tools {

QString findProgram(const QStringList &names)
{
    for (const QString &name : names) {
        const QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

int runProgram(const QString &program, const QStringList &arguments, QString *output,
               const QString &workingFolder)
{
    QProcess p;
    if (!workingFolder.isEmpty())
        p.setWorkingDirectory(workingFolder);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(program, arguments);
    if (!p.waitForStarted(-1))
        return -1;
    p.waitForFinished(-1);
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    if (p.exitStatus() != QProcess::NormalExit)
        return 1;
    return p.exitCode();
}

void say(const QString &line)
{
    std::fputs(line.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace tolvane::tools
