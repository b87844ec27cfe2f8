#include "core/PathLayout.h"

namespace tolvane {

QStringList PathLayout::split(const QString &text, const QString &separator)
{
    if (separator.isEmpty())
        return {text};
    return text.split(separator, Qt::KeepEmptyParts);
}

QString PathLayout::layout(const QString &text, const QString &separator, Direction direction,
                           int width, const Measure &measure)
{
    if (text.isEmpty() || measure(text) <= width)
        return text;
    const QStringList parts = split(text, separator);
    const QString ellipsis = QStringLiteral("...") + separator;
    const QString last = parts.last();
    int used = measure(last) + measure(ellipsis);
    if (used >= width)
        return last;
    const QString first = parts.first();
    const bool hasDrive = first.size() > 1 && first.endsWith(QLatin1Char(':'));
    const QString drive = hasDrive ? first + separator : QString();
    const int firstFolder = hasDrive ? 1 : 0;
    if (measure(drive) + used >= width)
        return ellipsis + last;
    used += measure(drive);
    QString middle;
    if (direction == FromLeft) {
        for (int i = parts.size() - 2; i >= firstFolder; --i) {
            const QString candidate = parts.at(i) + separator + middle;
            if (measure(candidate) + used > width)
                break;
            middle = candidate;
        }
        return drive + ellipsis + middle + last;
    }
    for (int i = firstFolder; i <= parts.size() - 2; ++i) {
        const QString candidate = middle + parts.at(i) + separator;
        if (measure(candidate) + used > width)
            break;
        middle = candidate;
    }
    return drive + middle + ellipsis + last;
}

} // namespace tolvane
