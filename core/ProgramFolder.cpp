#include "core/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace tolvane {

QString ProgramFolder::removalRefusal(const QString &folder, const QString &home, bool hasMarker)
{
    const QString refused = QStringLiteral("The folder \"%1\" was not removed: ").arg(folder);
    if (folder.trimmed().isEmpty())
        return refused + QStringLiteral("no program folder is set.");
    const QFileInfo info(folder);
    const QString path =
        info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
    const QString homePath =
        QFileInfo(home).exists() ? QFileInfo(home).canonicalFilePath() : QDir::cleanPath(home);
    if (QDir(path).isRoot())
        return refused + QStringLiteral("it is the root of a drive.");
    if (!homePath.isEmpty() && (path == homePath || homePath.startsWith(path + QLatin1Char('/'))))
        return refused + QStringLiteral("it is your home folder or holds it.");
    if (!hasMarker)
        return refused + QStringLiteral("Tolvane's setup did not create it.");
    return QString();
}

} // namespace tolvane
