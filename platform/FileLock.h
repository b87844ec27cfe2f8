#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace tolvane {

// A lock between running copies, held on a file beside what it guards. The system holds it
// (flock), so a copy that dies, however it dies, leaves no lock behind; nobody ever breaks a lock
// that is still held, however long it is held.
class FileLock
{
  public:
    // Takes the lock, asking again until timeoutMs have passed; nothing when that fails or the
    // lock file cannot be created.
    static std::unique_ptr<FileLock> take(const QString &path, int timeoutMs);
    ~FileLock(); // removes the lock file, then lets go

  private:
    FileLock(QByteArray path, int handle) : m_path(std::move(path)), m_handle(handle) {}
    Q_DISABLE_COPY(FileLock)
    QByteArray m_path;
    int m_handle;
};

} // namespace tolvane
