#pragma once

#include "core/TextFile.h"

#include <QList>
#include <QStringList>

namespace tolvane {

class Platform;

// What opening a project file found, before the list is touched.
struct ProjectOpen
{
    enum Outcome
    {
        Loaded,
        NoData,    // 0 bytes: refused before the list changes
        Missing,   // no such file
        Unreadable // there, but it cannot be read
    };
    Outcome outcome = Missing;
    QStringList entries; // the file's lines, in file order
};

// A project loaded and swept in one go, for callers without a list of their own.
struct ProjectLoadReport
{
    ProjectOpen::Outcome outcome = ProjectOpen::Missing;
    QStringList entries; // the list after the sweep, in list order
    QStringList removed; // the swept entries, in the order they were removed (last first)
    bool repaired = false;
    QString backup; // where a project left with no valid entry went (repair on)
    QString error;  // a write-back or rename failure, as the user is told
};

// Reading a project into the file list and sweeping out the entries whose files are gone. The
// load command, a dropped project and the headless build share these steps.
class ProjectLoad
{
  public:
    // Refusals in the order the user hears them: no data first, then a missing file.
    static ProjectOpen open(Platform &platform, const QString &path);
    // The list order: ascending without regard to case; equal texts keep the file's order.
    static QStringList sorted(QStringList entries);
    // Rows whose entries name no existing file, from the last to the first (the order they are
    // removed in). An empty line is such an entry. Each path is checked once.
    static QList<int> missingRows(Platform &platform, const QStringList &entries);
    // The entries left once the given rows are gone, in one pass.
    static QStringList without(const QStringList &entries, const QList<int> &rows);
    // The repair write-back: the whole remaining list, written once and atomically, so the file
    // holds exactly what the list holds or stays as it was.
    static WriteResult writeBack(const QString &path, const QStringList &remaining);
    // The name a project left with no valid entry is renamed to: its extension becomes ".bck"
    // (a name without one gets it added).
    static QString backupName(const QString &path);

    // open, sorted, missingRows and, with repair, the write-back and the rename to ".bck".
    static ProjectLoadReport loadAndSweep(Platform &platform, const QString &path, bool repair);
};

} // namespace tolvane
