#include "core/FileList.h"
#include "core/ResourceKinds.h"

#include <algorithm>

namespace tolvane {

bool FileList::lessThan(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

int FileList::insertPosition(const QStringList &sorted, const QString &text)
{
    return int(std::upper_bound(sorted.begin(), sorted.end(), text, lessThan) - sorted.begin());
}

bool FileList::containsNoCase(const QStringList &sorted, const QString &text)
{
    const auto it = std::lower_bound(sorted.begin(), sorted.end(), text, lessThan);
    return it != sorted.end() && it->compare(text, Qt::CaseInsensitive) == 0;
}

QString FileList::countsBanner(int count, int selected)
{
    return QStringLiteral("Objects: %1  Select: %2  Less: %3")
        .arg(count)
        .arg(selected)
        .arg(count - selected);
}

FileList::Buttons FileList::buttonsFor(int count, int selected)
{
    Buttons b;
    b.filter = count >= 10;
    b.save = b.build = b.clearItems = selected > 0;
    b.clearAll = b.selectAll = b.invert = count > 0;
    return b;
}

bool FileList::hasExtension(const QString &path, const QString &upperExtension)
{
    return ResourceKinds::extensionOf(path) == QLatin1Char('.') + upperExtension;
}

} // namespace tolvane
