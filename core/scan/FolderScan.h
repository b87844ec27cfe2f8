#pragma once

#include "platform/Platform.h"

#include <QList>
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

// A folder the scan could not read, and why.
struct UnreadFolder
{
    QString folder; // ends in a separator
    QString reason;
    bool operator==(const UnreadFolder &o) const
    {
        return folder == o.folder && reason == o.reason;
    }
};

// Adds the files of a folder that pass the drop filter, optionally with its sub-folders.
// A duplicate ends the scan of the folder it was found in (its sub-folders too); the folders above
// go on with their own remaining sub-folders. A folder reached twice, through a link back to one
// of its parents or to a sibling, is scanned once. Each folder is read once, and what a listing
// says of its entries is what the scan knows of them.
class FolderScan
{
  public:
    FolderScan(Platform &platform, ScanListener &listener);
    // filterPosition: 0 takes all twelve kinds, 1 to 12 one kind each (the drop filter's order).
    // Returns the folders that could not be read, in the order they were met, so that the caller
    // can say so once when the scan is done.
    QList<UnreadFolder> run(const QString &folder, bool recurse, int filterPosition);

    // The drop filter's kinds in the order of its positions 1 to 12.
    static const QStringList &filterExtensions();
    // Whether a path passes the drop filter at a position (by its upper-cased extension).
    static bool passes(const QString &path, int filterPosition);
    // The message that names the folders a scan could not read (a few, then how many more).
    static QString unreadText(const QList<UnreadFolder> &unread);

  private:
    void scan(const QString &folder);

    Platform &m_platform;
    ScanListener &m_listener;
    bool m_recurse = false;
    int m_filter = 0;
    QSet<QString> m_visitedPaths;
    QSet<QPair<quint64, quint64>> m_visited;
    QList<UnreadFolder> m_unread;
};

} // namespace tolvane
