#include "core/ResourceKinds.h"

namespace tolvane {

const QList<ResourceKind> &ResourceKinds::all()
{
    static const QList<ResourceKind> kinds = {
        {QStringLiteral(".BMP"), QStringLiteral("BITMAP")},
        {QStringLiteral(".ICO"), QStringLiteral("ICON")},
        {QStringLiteral(".CAB"), QStringLiteral("CABFILE")},
        {QStringLiteral(".CUR"), QStringLiteral("CURSOR")},
        {QStringLiteral(".WAV"), QStringLiteral("WAVE")},
        {QStringLiteral(".EXE"), QStringLiteral("EXEFILE")},
        {QStringLiteral(".FON"), QStringLiteral("FON")},
        {QStringLiteral(".TTF"), QStringLiteral("TTF")},
        {QStringLiteral(".ANI"), QStringLiteral("ANICUR")},
        {QStringLiteral(".AVI"), QStringLiteral("AVI")},
        {QStringLiteral(".GIF"), QStringLiteral("GIF")},
        {QStringLiteral(".JPG"), QStringLiteral("JPEG")},
    };
    return kinds;
}

QString ResourceKinds::extensionOf(const QString &path)
{
    const int slash = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < slash)
        return QString();
    return path.mid(dot).toUpper();
}

std::optional<QString> ResourceKinds::keyword(const QString &path)
{
    const QString ext = extensionOf(path);
    for (const ResourceKind &kind : all())
        if (kind.extension == ext)
            return kind.keyword;
    return std::nullopt;
}

} // namespace tolvane
