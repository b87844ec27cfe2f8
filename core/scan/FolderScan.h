#pragma once

#include "platform/Platform.h"

#include <QSet>
#include <QString>

namespace tolvane {

// What a folder scan asks and reports while it runs; the main window answers and shows.
class ScanListener
{
  public:
    virtual ~ScanListener() = default;
    // A file is being looked at: FILE in FOLDER (which ends in a separator).
    virtual void visiting(const QString &file, const QString &folder) = 0;
    // True when the list already holds the path exactly; the listener has then told the user.
    virtual bool isDuplicate(const QString &path) = 0;
    virtual void add(const QString &path) = 0;
    // A folder's scan begins (FOLDER ends in a separator).
    virtual void entering(const QString &folder) { Q_UNUSED(folder) }
};

// Adds the files of a folder that pass the drop filter, optionally with its sub-folders.
// A duplicate ends the scan of the folder it was found in (its sub-folders too); the folders above
// go on with their own remaining sub-folders. A folder reached twice, through a link back to one
// of its parents or to a sibling, is scanned once.
class FolderScan
{
  public:
    FolderScan(Platform &platform, ScanListener &listener);
    // filterPosition: 0 takes all twelve kinds, 1 to 12 one kind each (the drop filter's order).
    void run(const QString &folder, bool recurse, int filterPosition);

    // The drop filter's kinds in the order of its positions 1 to 12.
    static const QStringList &filterExtensions();
    // Whether a path passes the drop filter at a position (by its upper-cased extension).
    static bool passes(const QString &path, int filterPosition);

  private:
    void scan(const QString &folder);

    Platform &m_platform;
    ScanListener &m_listener;
    bool m_recurse = false;
    int m_filter = 0;
    QSet<QString> m_visited;
};

} // namespace tolvane
