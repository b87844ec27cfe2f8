#pragma once

#include "core/drop/DropList.h"
#include "core/project/ListReporter.h"
#include "core/project/ProjectLoad.h"
#include "core/scan/FolderScan.h"

#include <QString>
#include <QStringList>

namespace tolvane {

class Platform;

// Paths dropped on the main window, in the order they came: resource files join the list by the
// drop filter, a project file replaces it, text sources get a text copy, a text file goes to the
// text file utility; then the last path is scanned when it is a folder, missing entries are swept
// out and reported, and the closing checks may start a build. It asks and shows through the
// reporter; the flags it keeps last for the whole run.
class DropSequence : private ScanListener
{
  public:
    // Why a drop ended where it did.
    enum class End
    {
        Done,            // every step ran
        EntriesSelected, // the list had selected entries: nothing was taken
        Declined,        // "No" to clearing the list for a project
        NoData,          // a dropped project of 0 bytes
        Failed,          // a project that could not be read, or a text copy that failed
        BuildStarted,    // execute on drop, before the sweep
        RepairFailed,    // the project's repair could not be written or renamed
        ProjectEmpty,    // the sweep left the list empty
        NoProgramFolder,
        SameFolder,
        BuildAfterChecks // execute on drop, after the closing checks
    };

    DropSequence(Platform &platform, ListReporter &reporter);

    End run(const QStringList &paths);
    // The folder scan on its own, as the windows start it.
    void scan(const QString &folder);

    bool duplicateShown() const { return m_duplicateShown; }
    bool textHandled() const { return m_textHandled; }
    bool linksRemoved() const { return m_linksRemoved; }
    bool projectEmpty() const { return m_projectEmpty; }

  private:
    bool handlePath(const QString &path, End &end);
    bool replaceByProject(const QString &path, End &end);
    bool textCopy(const QString &path, const QString &extension, End &end);
    bool textFile(const QString &path, End &end);
    bool sweepAndReport(const QString &last, End &end);
    End closingChecks(const QString &last);
    void flush();
    void showProgress(bool force = false);
    int count() const { return int(m_reporter.entries().size()); }

    // ScanListener
    void visiting(const QString &file, const QString &folder) override;
    bool isDuplicate(const QString &path) override;
    void add(const QString &path) override { m_list.add(path); }
    void entering(const QString &folder) override;

    Platform &m_platform;
    ListReporter &m_reporter;
    DropList m_list;
    bool m_duplicateShown = false;
    bool m_textHandled = false;
    bool m_linksRemoved = false;
    bool m_projectEmpty = false;
    bool m_inDrop = false;
    bool m_recurse = false;
    QString m_visitedFile;
    QString m_visitedFolder;
    // The project this drop put into the list, and what it held: only that file is repaired.
    QString m_loadedProject;
    ProjectOpen m_loaded;
};

} // namespace tolvane
