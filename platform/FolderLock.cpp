#include "platform/FolderLock.h"
#include "platform/NativeName.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvane {

namespace {
const char lockName[] = ".tolvane-build.lock";
} // namespace

std::unique_ptr<FolderLock> FolderLock::take(const QString &folder, Platform::LockState *state)
{
    *state = Platform::LockState::Unavailable;
    const QByteArray path = nativename::encode(folder);
    const int dir =
        ::open(path.isEmpty() ? "." : path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return nullptr;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int fd = ::openat(dir, lockName, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0)
            break;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK)
                *state = Platform::LockState::Busy;
            ::close(fd);
            break;
        }
        struct stat held, named;
        if (::fstat(fd, &held) == 0 && ::fstatat(dir, lockName, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            *state = Platform::LockState::Locked;
            return std::unique_ptr<FolderLock>(new FolderLock(dir, fd));
        }
        // The build before removed the file as it let go: the lock is the file there now.
        ::close(fd);
    }
    ::close(dir);
    return nullptr;
}

FolderLock::~FolderLock()
{
    // Removed while still held, so no one locks a file that is about to go.
    ::unlinkat(m_folderFd, lockName, 0);
    ::close(m_lockFd);
    ::close(m_folderFd);
}

} // namespace tolvane
