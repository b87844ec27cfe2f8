#include "core/project/ProjectSweep.h"

#include "core/FileList.h"
#include "core/ProjectFile.h"
#include "core/project/ListReporter.h"
#include "platform/Platform.h"

#include <QSet>
#include <algorithm>

namespace tolvane {

QList<int> ProjectSweep::missingRows(Platform &platform, const QStringList &entries)
{
    QList<int> rows;
    for (int row = int(entries.size()) - 1; row >= 0; --row) {
        const Platform::PathState::Kind kind = platform.pathState(entries.at(row)).kind;
        if (kind == Platform::PathState::Missing || kind == Platform::PathState::Folder)
            rows << row;
    }
    return rows;
}

ProjectSweep::Repair ProjectSweep::repair(Platform &platform, const QString &project,
                                          const QString &renameFrom, const ProjectOpen &opened,
                                          const QStringList &gone)
{
    Repair result;
    if (gone.isEmpty())
        return result;
    const QSet<QString> goneSet(gone.begin(), gone.end());
    // The project's entries, not the list's: an entry the list lost for another reason (a
    // zero-byte file taken out on request) still names an existing file.
    QList<int> kept;
    for (int i = 0; i < opened.entries.size(); ++i) {
        if (!goneSet.contains(opened.entries.at(i)))
            kept << i;
    }
    if (kept.isEmpty()) {
        result.backup = ProjectLoad::backupName(renameFrom);
        result.outcome =
            platform.renameFile(renameFrom, result.backup) ? Repair::Renamed : Repair::RenameFailed;
        return result;
    }
    const auto inListOrder = [&opened](int a, int b) {
        return FileList::lessThan(opened.entries.at(a), opened.entries.at(b));
    };
    // A project this program wrote is in order already; one look at each neighbour tells.
    if (!std::is_sorted(kept.begin(), kept.end(), inListOrder))
        std::stable_sort(kept.begin(), kept.end(), inListOrder);
    QStringList lines;
    lines.reserve(kept.size());
    for (int i : kept)
        lines << opened.lines.value(i, opened.entries.at(i));
    const WriteResult written = ProjectFile::write(platform, project, lines);
    if (!written) {
        result.outcome = Repair::WriteFailed;
        result.error = written.error;
        return result;
    }
    result.outcome = Repair::Written;
    return result;
}

ProjectSweep::Result ProjectSweep::run(Platform &platform, ListReporter &reporter,
                                       const Request &request)
{
    Result result;
    const QStringList entries = reporter.entries();
    if (entries.isEmpty())
        return result;
    const QList<int> rows = missingRows(platform, entries);
    if (rows.isEmpty())
        return result;
    reporter.setExecuteOnLoad(false);
    reporter.setRemovalPanel(true);
    reporter.setBusyCursor(true);
    for (int i = 0; i < rows.size(); ++i) {
        const QString &entry = entries.at(rows.at(i));
        reporter.pause(50);
        // The path line is laid out once per frame the screen can show, and for the last entry.
        if (request.removalText && (i + 1 == rows.size() || reporter.frameDue()))
            reporter.setRemovalText(request.removalText(entry));
        result.removed << entry;
    }
    // One removal for the whole walk.
    reporter.removeRows(QList<int>(rows.rbegin(), rows.rend()));
    if (!request.header.isEmpty())
        reporter.setHeader(1, request.header);
    reporter.setBusyCursor(false);
    if (!request.project.isEmpty() && request.opened)
        result.repair =
            repair(platform, request.project, request.renameFrom, *request.opened, result.removed);
    return result;
}

} // namespace tolvane
