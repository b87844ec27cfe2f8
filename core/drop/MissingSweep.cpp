#include "core/drop/MissingSweep.h"
#include "core/ProjectFile.h"

namespace tolvane {

QList<int> MissingSweep::missingRows(Platform &platform, const QStringList &entries)
{
    QList<int> rows;
    for (int i = 0; i < entries.size(); ++i)
        if (!platform.fileExists(entries.at(i)))
            rows << i;
    return rows;
}

QStringList MissingSweep::without(const QStringList &entries, const QList<int> &rows)
{
    QStringList kept;
    kept.reserve(entries.size() - rows.size());
    int next = 0;
    for (int i = 0; i < entries.size(); ++i) {
        if (next < rows.size() && rows.at(next) == i) {
            ++next;
            continue;
        }
        kept << entries.at(i);
    }
    return kept;
}

WriteResult MissingSweep::writeBack(const QString &projectFile, const QStringList &remaining)
{
    return ProjectFile::write(projectFile, remaining);
}

} // namespace tolvane
