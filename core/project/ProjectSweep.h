#pragma once

#include "core/TextFile.h"
#include "core/project/ProjectLoad.h"

#include <QList>
#include <QStringList>
#include <functional>

namespace tolvane {

class ListReporter;
class Platform;

// The missing-entry sweep: the list entries whose files are gone leave the list, and the project
// file they came from is repaired. The drop and the project load both run it.
class ProjectSweep
{
  public:
    // Rows whose entries name no existing file, from the last to the first (the order they are
    // removed in). An empty line is such an entry. Each path is looked at once.
    static QList<int> missingRows(Platform &platform, const QStringList &entries);

    struct Repair
    {
        enum Outcome
        {
            None,    // nothing to repair
            Written, // the file holds its remaining entries
            Renamed, // nothing was left: the file, as it was, now has the backup name
            RenameFailed,
            WriteFailed
        };
        Outcome outcome = None;
        QString backup;
        QString error; // WriteFailed: the text the user sees
    };
    // The project's own entries less the gone ones, written back once in list order; the lines
    // keep their text (a relative line stays relative). With none left, the file is not emptied
    // but renamed to its backup name, so the backup keeps the list. renameFrom is the name the
    // rename starts from (the project's short form).
    static Repair repair(Platform &platform, const QString &project, const QString &renameFrom,
                         const ProjectOpen &opened, const QStringList &gone);

    struct Request
    {
        // The project this list was loaded from, when the sweep is to repair it.
        QString project;
        QString renameFrom;
        const ProjectOpen *opened = nullptr;
        // The path line's text while an entry goes.
        std::function<QString(const QString &entry)> removalText;
        // What the header shows once the entries are gone; empty leaves it.
        QString header;
    };
    struct Result
    {
        QStringList removed; // the entries that went, last first
        Repair repair;
    };
    // Walks the list from its last entry, shows each missing entry as it goes, removes them in one
    // step, switches "Execute on load..." off, then repairs the project when one is given.
    static Result run(Platform &platform, ListReporter &reporter, const Request &request);
};

} // namespace tolvane
