#include "platform/FileLock.h"

#include "platform/NativeName.h"

#include <QDeadlineTimer>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvane {

std::unique_ptr<FileLock> FileLock::take(const QString &path, int timeoutMs)
{
    const QByteArray bytes = nativename::encode(path);
    QDeadlineTimer deadline(timeoutMs);
    // The holder writes one small file: ask again soon, a little later each time.
    int pause = 1;
    for (;;) {
        const int fd = ::open(bytes.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EINTR)
            return nullptr;
        if (fd >= 0) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                // The last holder removes the file as it lets go: a lock on a file that is no
                // longer under the name locks nothing, so look again.
                struct stat held, named;
                if (::fstat(fd, &held) == 0 && ::stat(bytes.constData(), &named) == 0 &&
                    held.st_dev == named.st_dev && held.st_ino == named.st_ino)
                    return std::unique_ptr<FileLock>(new FileLock(bytes, fd));
                ::close(fd);
                continue;
            }
            const int error = errno;
            ::close(fd);
            if (error != EWOULDBLOCK && error != EINTR)
                return nullptr;
        }
        if (deadline.hasExpired())
            return nullptr;
        QThread::msleep(pause);
        pause = qMin(pause * 2, 64);
    }
}

FileLock::~FileLock()
{
    ::unlink(m_path.constData());
    ::close(m_handle);
}

} // namespace tolvane
