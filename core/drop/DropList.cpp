#include "core/drop/DropList.h"
#include "core/drop/DropRules.h"

namespace tolvane {

void DropList::bump(QHash<QString, int> &hash, const QString &key, int step)
{
    int &n = hash[key];
    n += step;
    if (n <= 0)
        hash.remove(key);
}

void DropList::count(const QString &path, int step)
{
    bump(m_paths, path, step);
    if (m_namesBuilt)
        bump(m_names, DropRules::fileNamePart(path), step);
    m_count += step;
}

bool DropList::hasFileName(const QString &fileName)
{
    if (!m_namesBuilt) {
        m_names.clear();
        m_names.reserve(m_paths.size());
        for (auto it = m_paths.cbegin(); it != m_paths.cend(); ++it)
            bump(m_names, DropRules::fileNamePart(it.key()), it.value());
        m_namesBuilt = true;
    }
    return m_names.value(fileName) > 0;
}

void DropList::reset(const QStringList &entries)
{
    m_paths.clear();
    m_names.clear();
    m_namesBuilt = false;
    m_pending.clear();
    m_count = 0;
    m_paths.reserve(entries.size());
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
