#include "core/drop/DropRules.h"
#include "core/ResourceKinds.h"
#include "platform/NativeName.h"

namespace tolvane {

namespace {
int lastSeparator(const QString &path)
{
    return qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
}
} // namespace

QStringList DropRules::localPaths(const QList<QUrl> &urls)
{
    QStringList paths;
    paths.reserve(urls.size());
    for (const QUrl &url : urls) {
        if (!url.isLocalFile())
            continue;
        // The path as percent-encoded bytes: QUrl's own text would turn a byte that is not UTF-8
        // into one that names another file.
        QString path = nativename::decode(
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
        // A folder comes as "file:///a/b/" from some file managers; the scan adds its own.
        while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
            path.chop(1);
        if (!path.isEmpty())
            paths << path;
    }
    return paths;
}

QString DropRules::extension(const QString &path)
{
    return ResourceKinds::extensionOf(path);
}

bool DropRules::isTextSource(const QString &path)
{
    const QString e = extension(path);
    return e == QLatin1String(".PAS") || e == QLatin1String(".RC") || e == QLatin1String(".DPR");
}

QString DropRules::fileNamePart(const QString &path)
{
    return path.mid(lastSeparator(path) + 1);
}

QString DropRules::folderPart(const QString &path)
{
    return path.left(lastSeparator(path) + 1);
}

QString DropRules::withExtension(const QString &path, const QString &extension)
{
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > lastSeparator(path) ? path.left(dot) : path;
    return base + extension;
}

} // namespace tolvane
