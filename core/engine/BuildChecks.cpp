#include "core/engine/BuildChecks.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>

namespace tolvane::buildchecks {

int firstEmptyFile(Platform &platform, const QStringList &paths)
{
    for (int i = 0; i < paths.size(); ++i)
        if (platform.fileSize(paths.at(i)) == 0)
            return i;
    return -1;
}

int firstPathWithLineBreak(const QStringList &paths)
{
    for (int i = 0; i < paths.size(); ++i) {
        const QString &p = paths.at(i);
        if (p.contains(QLatin1Char('\r')) || p.contains(QLatin1Char('\n')) || p.contains(QChar(0)))
            return i;
    }
    return -1;
}

QString lineBreakMessage(const QString &path)
{
    QString shown = path;
    shown.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '))
        .replace(QChar(0), QLatin1Char(' '));
    return QStringLiteral("The path \"%1\" holds a line break and cannot be written to a resource "
                          "script. Rename the file or remove it from the list.")
        .arg(shown);
}

QString outsideFolderMessage(const QString &path)
{
    return QStringLiteral("Cannot create file ") + path +
           QStringLiteral(": it would lie outside the program and destination folders.");
}

bool isDirectlyInside(const QString &path, const QString &folder)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    return QDir::cleanPath(info.absolutePath()) ==
           QDir::cleanPath(
               QFileInfo(folder.isEmpty() ? QStringLiteral(".") : folder).absoluteFilePath());
}

} // namespace tolvane::buildchecks
