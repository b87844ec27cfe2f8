#include "platform/NativeFile.h"

#include "platform/NativeName.h"

#include <QFile>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace tolvane::nativefile {

namespace {

QByteArray absoluteBytes(const QByteArray &path)
{
    if (path.startsWith('/'))
        return path;
    char buffer[PATH_MAX];
    if (!::getcwd(buffer, sizeof buffer))
        return path;
    return QByteArray(buffer) + '/' + path;
}

std::optional<QByteArray> realPath(const QByteArray &path)
{
    char *real = ::realpath(path.constData(), nullptr);
    if (!real)
        return std::nullopt;
    QByteArray out(real);
    std::free(real);
    return out;
}

} // namespace

int open(const QString &path, int flags, mode_t mode)
{
    if (path.isEmpty()) {
        errno = ENOENT;
        return -1;
    }
    const QByteArray bytes = nativename::encode(path);
    int fd;
    do
        fd = ::open(bytes.constData(), flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

bool openForReading(QFile &file, const QString &path)
{
    const int fd = open(path, O_RDONLY);
    if (fd < 0)
        return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

std::optional<QByteArray> readAll(const QString &path, QString *why)
{
    const int fd = open(path, O_RDONLY);
    if (fd < 0) {
        if (why)
            *why = errorText(errno);
        return std::nullopt;
    }
    QByteArray data;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            if (why)
                *why = errorText(errno);
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        data.append(buffer, n);
    }
    ::close(fd);
    return data;
}

std::optional<struct stat> status(const QString &path, bool followLinks)
{
    if (path.isEmpty())
        return std::nullopt;
    const QByteArray bytes = nativename::encode(path);
    struct stat st;
    const int rc = followLinks ? ::stat(bytes.constData(), &st) : ::lstat(bytes.constData(), &st);
    if (rc != 0)
        return std::nullopt;
    return st;
}

std::optional<QDateTime> lastWriteTime(const QString &path)
{
    const int fd = open(path, O_RDONLY);
    if (fd < 0)
        return std::nullopt;
    struct stat st;
    const bool ok = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
    ::close(fd);
    if (!ok)
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(qint64(st.st_mtim.tv_sec) * 1000 +
                                          st.st_mtim.tv_nsec / 1000000);
}

QString resolved(const QString &path)
{
    if (path.isEmpty())
        return QString();
    const std::optional<QByteArray> real = realPath(nativename::encode(path));
    return real ? nativename::decode(*real) : QString();
}

QString writeTarget(const QString &path)
{
    if (path.isEmpty())
        return path;
    QByteArray current = absoluteBytes(nativename::encode(path));
    // As many links as the system itself follows before it gives up.
    for (int hops = 0; hops < 40; ++hops) {
        const int slash = current.lastIndexOf('/');
        const QByteArray name = current.mid(slash + 1);
        if (name.isEmpty() || name == "." || name == "..")
            return path;
        const std::optional<QByteArray> folder =
            realPath(slash == 0 ? QByteArray("/") : current.left(slash));
        if (!folder)
            return path;
        const QByteArray full = (*folder == "/" ? QByteArray() : *folder) + '/' + name;
        struct stat st;
        if (::lstat(full.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return nativename::decode(full);
        char target[PATH_MAX];
        const ssize_t n = ::readlink(full.constData(), target, sizeof target);
        if (n <= 0 || n == ssize_t(sizeof target))
            return nativename::decode(full);
        const QByteArray link(target, n);
        current = link.startsWith('/') ? link : full.left(full.lastIndexOf('/') + 1) + link;
    }
    return path;
}

bool createFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QByteArray bytes = nativename::encode(path);
    // Each folder from the top down; one that is there already (or appears meanwhile) is fine.
    for (qsizetype cut = bytes.indexOf('/', 1);; cut = bytes.indexOf('/', cut + 1)) {
        const QByteArray folder = cut < 0 ? bytes : bytes.left(cut);
        if (!folder.endsWith('/') && ::mkdir(folder.constData(), 0777) != 0 && errno != EEXIST)
            return false;
        if (cut < 0)
            break;
    }
    struct stat st;
    return ::stat(bytes.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool renameWithoutReplacing(const QString &from, const QString &to)
{
    const QByteArray source = nativename::encode(from);
    const QByteArray target = nativename::encode(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without that kind of rename: a second name, claimed only when free, then
    // the first one goes.
    if (::link(source.constData(), target.constData()) != 0)
        return false;
    ::unlink(source.constData());
    return true;
}

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace tolvane::nativefile
