#pragma once

#include "platform/Platform.h"

#include <QString>
#include <memory>

namespace tolvane {

// The build lock of a folder, held until destroyed; the system drops it when the process ends,
// however it ends, so a lock of a process that is gone is simply taken.
class FolderLock : public Platform::Lock
{
  public:
    ~FolderLock() override;
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    static std::unique_ptr<FolderLock> take(const QString &folder, Platform::LockState *state);

  private:
    FolderLock(int folderFd, int lockFd) : m_folderFd(folderFd), m_lockFd(lockFd) {}
    int m_folderFd;
    int m_lockFd;
};

} // namespace tolvane
