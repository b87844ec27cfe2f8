#include "core/Identifiers.h"

namespace tolvane {

QStringList Identifiers::items()
{
    QStringList list;
    for (char c = 'A'; c <= 'S'; ++c)
        list << QString(QLatin1Char(c));
    list << QStringLiteral("U") << QStringLiteral("V") << QStringLiteral("W") << QStringLiteral("#")
         << QStringLiteral("X");
    return list;
}

QString Identifiers::prefix(int position)
{
    if (position < 0 || position > lastItem)
        position = lastItem;
    if (position == numberItem)
        return QString();
    // Asked once per entry of a build: the list is made once.
    static const QStringList list = items();
    return list.at(position);
}

QString Identifiers::identifier(int listPosition, int selectedCount, const QString &resName,
                                int prefixPosition)
{
    if (selectedCount == 1)
        return resName;
    return prefix(prefixPosition) + QString::number(listPosition + 1);
}

bool Identifiers::resIdConflict(int prefixPosition, int selectedCount, int stringTableCount)
{
    return prefixPosition == numberItem && selectedCount > 1 && stringTableCount > 0;
}

} // namespace tolvane
