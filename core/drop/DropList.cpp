#include "core/drop/DropList.h"
#include "core/drop/DropRules.h"

namespace tolvane {

void DropList::count(const QString &path, int step)
{
    auto bump = [step](QHash<QString, int> &hash, const QString &key) {
        int &n = hash[key];
        n += step;
        if (n <= 0)
            hash.remove(key);
    };
    bump(m_paths, path);
    bump(m_names, DropRules::fileNamePart(path));
    m_count += step;
}

void DropList::reset(const QStringList &entries)
{
    m_paths.clear();
    m_names.clear();
    m_pending.clear();
    m_count = 0;
    m_paths.reserve(entries.size());
    m_names.reserve(entries.size());
    for (const QString &e : entries)
        count(e, 1);
}

void DropList::add(const QString &path)
{
    m_pending << path;
    count(path, 1);
}

void DropList::forget(const QString &path)
{
    if (m_paths.contains(path))
        count(path, -1);
}

QStringList DropList::takePending()
{
    QStringList out;
    out.swap(m_pending);
    return out;
}

QList<int> DropList::rowsNamed(const QStringList &entries, const QString &fileName)
{
    QList<int> rows;
    for (int i = 0; i < entries.size(); ++i) {
        const QString &e = entries.at(i);
        // Compare the tail in place: no copy of every entry's name.
        if (!e.endsWith(fileName))
            continue;
        const int at = int(e.size() - fileName.size());
        if (at == 0 || e.at(at - 1) == QLatin1Char('/') || e.at(at - 1) == QLatin1Char('\\'))
            rows << i;
    }
    return rows;
}

} // namespace tolvane
