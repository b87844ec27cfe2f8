#include "tools/common/Toolbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

QString regularFileProblem(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("file not found");
    if (info.isDir())
        return QStringLiteral("is a folder, not a file");
    if (!info.isFile())
        return QStringLiteral("is not a regular file");
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot open file (%1)").arg(f.errorString());
    return QString();
}

namespace {
QString canonicalOrClean(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    // Not there yet: its folder may still be reached through a link.
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath())
                            : folder + QLatin1Char('/') + info.fileName();
}
} // namespace

bool sameFile(const QString &a, const QString &b)
{
    return canonicalOrClean(a) == canonicalOrClean(b);
}

QString argumentPath(const QString &path, const QString &workingFolder)
{
    QString base = QDir(workingFolder).canonicalPath();
    if (base.isEmpty())
        base = QDir(workingFolder).absolutePath();
    const QString relative = QDir(base).relativeFilePath(canonicalOrClean(path));
    return relative.startsWith(QLatin1Char('.')) ? relative : QStringLiteral("./") + relative;
}

} // namespace tolvane::tools
