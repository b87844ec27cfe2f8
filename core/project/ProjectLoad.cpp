#include "core/project/ProjectLoad.h"

#include "core/FileList.h"
#include "core/ProjectFile.h"
#include "core/project/ProjectTexts.h"
#include "platform/Platform.h"

#include <QFileInfo>
#include <algorithm>

namespace tolvane {

ProjectOpen ProjectLoad::open(Platform &platform, const QString &path)
{
    ProjectOpen result;
    if (platform.fileSize(path) == 0) {
        result.outcome = ProjectOpen::NoData;
        return result;
    }
    if (!platform.fileExists(path)) {
        result.outcome = ProjectOpen::Missing;
        return result;
    }
    bool ok = false;
    result.entries = ProjectFile::read(path, &ok);
    result.outcome = ok ? ProjectOpen::Loaded : ProjectOpen::Unreadable;
    return result;
}

QStringList ProjectLoad::sorted(QStringList entries)
{
    FileList::sort(entries);
    return entries;
}

QList<int> ProjectLoad::missingRows(Platform &platform, const QStringList &entries)
{
    QList<int> rows;
    for (int row = int(entries.size()) - 1; row >= 0; --row) {
        if (!platform.fileExists(entries.at(row)))
            rows << row;
    }
    return rows;
}

QStringList ProjectLoad::without(const QStringList &entries, const QList<int> &rows)
{
    QList<bool> gone(entries.size(), false);
    for (int row : rows) {
        if (row >= 0 && row < entries.size())
            gone[row] = true;
    }
    QStringList out;
    out.reserve(entries.size() - rows.size());
    for (int i = 0; i < entries.size(); ++i) {
        if (!gone.at(i))
            out << entries.at(i);
    }
    return out;
}

WriteResult ProjectLoad::writeBack(const QString &path, const QStringList &remaining)
{
    return ProjectFile::write(path, remaining);
}

QString ProjectLoad::backupName(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const int dot = int(name.lastIndexOf(QLatin1Char('.')));
    const QString folder = path.left(path.size() - name.size());
    return folder + (dot > 0 ? name.left(dot) : name) + QStringLiteral(".bck");
}

ProjectLoadReport ProjectLoad::loadAndSweep(Platform &platform, const QString &path, bool repair)
{
    ProjectLoadReport report;
    const ProjectOpen opened = open(platform, path);
    report.outcome = opened.outcome;
    if (opened.outcome != ProjectOpen::Loaded)
        return report;
    const QStringList entries = sorted(opened.entries);
    const QList<int> rows = missingRows(platform, entries);
    for (int row : rows)
        report.removed << entries.at(row);
    report.entries = without(entries, rows);
    if (!repair || rows.isEmpty())
        return report;
    const WriteResult written = writeBack(path, report.entries);
    if (!written) {
        report.error = written.error;
        return report;
    }
    report.repaired = true;
    if (report.entries.isEmpty()) {
        const QString backup = backupName(platform.shortPath(path));
        if (platform.renameFile(platform.shortPath(path), backup))
            report.backup = backup;
        else
            report.error = projecttexts::renameFailed(path);
    }
    return report;
}

} // namespace tolvane
