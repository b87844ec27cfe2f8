#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>

namespace tolvane {

bool Platform::endsWithSeparator(const QString &text)
{
    return text.endsWith(QLatin1Char('/')) || text.endsWith(QDir::separator());
}

QString Platform::folderWithSeparator(const QString &folder)
{
    if (folder.isEmpty() || endsWithSeparator(folder))
        return folder;
    return folder + QLatin1Char('/');
}

QString Platform::resolveExecutable(const QString &path)
{
    if (path.isEmpty())
        return QString();
    const QFileInfo info(path);
    if (info.isFile())
        return info.absoluteFilePath();
    QString wanted = info.fileName();
    if (wanted.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        wanted.chop(4);
    const QDir dir = info.absoluteDir();
    if (!dir.exists())
        return QString();
    for (const QString &entry : dir.entryList(QDir::Files)) {
        QString bare = entry;
        if (bare.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
            bare.chop(4);
        if (bare.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return QString();
}

} // namespace tolvane
