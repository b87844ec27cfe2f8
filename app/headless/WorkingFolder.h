#pragma once

#include <QString>
#include <QStringList>

namespace tolvane::headless {

// A hidden folder of one build's own, removed with everything in it at the end. It is made in
// the destination, so the outputs reach their place by a rename, whole or not at all, and the
// space check counts the right disk; without a destination, in the temp folder.
//
// While the build runs, the folder holds a lock file that its build keeps locked (flock), so a
// build that was killed is known by its unlocked folder: the next build in the same place
// removes it. A signal (SIGTERM, SIGINT, SIGHUP) removes it at once.
class WorkingFolder
{
  public:
    static constexpr const char *prefix = ".tolvane-build-";
    static constexpr const char *lockName = ".lock";

    explicit WorkingFolder(const QString &parent);
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;

    bool isValid() const { return !m_path.isEmpty(); }
    QString path() const { return m_path; }
    // What could not be made, for the message.
    QString tried() const { return m_tried; }

    // Removes the working folders in parent whose build has ended without removing them: their
    // lock file is not locked, or, made before it had one, the process named in their name is
    // gone. Returns the folders removed.
    static QStringList removeLeftovers(const QString &parent);

  private:
    QString m_path;
    QString m_tried;
    int m_lock = -1;
    int m_signalId = 0;
};

} // namespace tolvane::headless
