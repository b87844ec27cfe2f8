#include "platform/AtomicFile.h"

#include "platform/NativeFile.h"
#include "platform/NativeName.h"

#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tolvane {

namespace {

bool fail(QString *why, int error)
{
    if (why)
        *why = error ? nativefile::errorText(error) : QStringLiteral("write failed");
    return false;
}

// A new file beside target, under a name nobody else has: created exclusively, so a file or a
// link planted under that name is never written through.
int createBeside(const QString &target, mode_t mode, QString *temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *temporary =
            target + QStringLiteral(".%1").arg(QRandomGenerator::global()->generate() & 0xFFFFFF, 6,
                                               36, QLatin1Char('0'));
        const int fd = nativefile::open(*temporary, O_WRONLY | O_CREAT | O_EXCL, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeWhole(int fd, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

} // namespace

bool AtomicFile::write(const QString &path, const QByteArray &bytes, QString *why)
{
    if (path.isEmpty())
        return fail(why, ENOENT);
    // A link keeps pointing where it did: the new file takes the place of what it names.
    const QString target = nativefile::writeTarget(path);
    mode_t mode = 0666; // less the umask, as for any new file
    const std::optional<struct stat> existing = nativefile::status(target);
    if (existing) {
        if (S_ISDIR(existing->st_mode))
            return fail(why, EISDIR);
        if (::access(nativename::encode(target).constData(), W_OK) != 0)
            return fail(why, errno);
        mode = existing->st_mode & 07777;
    }
    QString temporary;
    const int fd = createBeside(target, mode, &temporary);
    if (fd < 0)
        return fail(why, errno);
    const QByteArray temporaryBytes = nativename::encode(temporary);
    auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(temporaryBytes.constData());
        return fail(why, error);
    };
    // Every byte written and on the disk before the old file goes: a full disk shows in a write or
    // in the sync, and then the old file stays as it was.
    if (!writeWhole(fd, bytes))
        return abandon(errno);
    if (existing && ::fchmod(fd, mode) != 0)
        return abandon(errno);
    if (::fsync(fd) != 0)
        return abandon(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporaryBytes.constData());
        return fail(why, error);
    }
    if (::rename(temporaryBytes.constData(), nativename::encode(target).constData()) != 0) {
        const int error = errno;
        ::unlink(temporaryBytes.constData());
        return fail(why, error);
    }
    return true;
}

} // namespace tolvane
