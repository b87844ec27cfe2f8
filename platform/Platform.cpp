#include "platform/Platform.h"
#include "platform/FolderTree.h"
#include "platform/NativeFile.h"
#include "platform/NativeName.h"

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
    // Only the spelling is worked on here; the system is asked by the name's bytes.
    const QFileInfo spelling(path);
    const std::optional<struct stat> st = nativefile::status(path);
    if (st && S_ISREG(st->st_mode))
        return spelling.absoluteFilePath();
    QString wanted = spelling.fileName();
    if (wanted.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        wanted.chop(4);
    const QString folder = spelling.absolutePath();
    QStringList files = FolderTree::list(nativename::encode(folder)).files;
    files.sort(); // the same choice every time when two spellings match
    for (const QString &entry : std::as_const(files)) {
        QString bare = entry;
        if (bare.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
            bare.chop(4);
        if (bare.compare(wanted, Qt::CaseInsensitive) == 0)
            return folderWithSeparator(folder) + entry;
    }
    return QString();
}

} // namespace tolvane
