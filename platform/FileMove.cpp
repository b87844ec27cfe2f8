#include "platform/FileMove.h"
#include "platform/NativeName.h"

#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace tolvane::filemove {

namespace {

// Closes a descriptor when it goes out of scope.
class Fd
{
  public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return m_fd; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    explicit operator bool() const { return m_fd >= 0; }

  private:
    int m_fd;
};

// A path as the folder it lies in and its own name, both as the system's bytes.
struct Split
{
    QByteArray folder;
    QByteArray name;
};

Split split(const QString &path)
{
    const QByteArray bytes = nativename::encode(path);
    const int slash = bytes.lastIndexOf('/');
    if (slash < 0)
        return {QByteArrayLiteral("."), bytes};
    return {slash == 0 ? QByteArrayLiteral("/") : bytes.left(slash), bytes.mid(slash + 1)};
}

int openFolder(const QByteArray &folder)
{
    return ::open(folder.isEmpty() ? "." : folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

bool isUsableName(const QByteArray &name)
{
    return !name.isEmpty() && name != "." && name != "..";
}

// The names a file may take, in order; empty when there is none left.
using Candidates = std::function<QByteArray(int n)>;

Candidates exactly(const QByteArray &name)
{
    return [name](int n) { return n == 1 ? name : QByteArray(); };
}

enum class Step
{
    Done,
    Taken,
    OtherDevice,
    Failed
};

// Gives fromDir/from the name toDir/to unless something of that name is there.
Step renameExclusive(int fromDir, const char *from, int toDir, const char *to)
{
    if (::renameat2(fromDir, from, toDir, to, RENAME_NOREPLACE) == 0)
        return Step::Done;
    if (errno == EEXIST)
        return Step::Taken;
    if (errno == EXDEV)
        return Step::OtherDevice;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return Step::Failed;
    // A file system without that rename: a hard link claims the name just as atomically.
    if (::linkat(fromDir, from, toDir, to, 0) == 0) {
        ::unlinkat(fromDir, from, 0);
        return Step::Done;
    }
    if (errno == EEXIST)
        return Step::Taken;
    if (errno == EXDEV)
        return Step::OtherDevice;
    // Neither (some network and removable file systems): look, then rename. Only here can a
    // file that appears in between be lost, and there is no better call to make.
    struct stat st;
    if (::fstatat(toDir, to, &st, AT_SYMLINK_NOFOLLOW) == 0)
        return Step::Taken;
    return ::renameat(fromDir, from, toDir, to) == 0 ? Step::Done : Step::Failed;
}

bool procFdUsable()
{
    static const bool usable = ::access("/proc/self/fd", X_OK) == 0;
    return usable;
}

// A file being written in the target folder: unnamed (it vanishes with the process, however it
// ends) where the system can give it a name later, else under a hidden name of its own.
struct Temp
{
    Fd fd;
    QByteArray name; // empty while unnamed
    int folder = -1;

    ~Temp() { discard(); }
    void discard()
    {
        if (fd && !name.isEmpty())
            ::unlinkat(folder, name.constData(), 0);
        fd.reset();
    }
    bool open(int dir, bool unnamed)
    {
        folder = dir;
        if (unnamed && procFdUsable()) {
            const int f = ::openat(dir, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
            if (f >= 0) {
                fd.reset(f);
                return true;
            }
        }
        for (int attempt = 0; attempt < 16; ++attempt) {
            const QByteArray candidate =
                ".tolvane-" + QByteArray::number(::getpid()) + '-' +
                QByteArray::number(QRandomGenerator::global()->generate64(), 16) + ".part";
            const int f = ::openat(dir, candidate.constData(),
                                   O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (f >= 0) {
                fd.reset(f);
                name = candidate;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }
    // Gives the whole file a name that nothing holds yet.
    Step claim(const QByteArray &target)
    {
        if (!name.isEmpty()) {
            const Step s = renameExclusive(folder, name.constData(), folder, target.constData());
            if (s == Step::Done)
                name.clear();
            return s;
        }
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd.get());
        if (::linkat(AT_FDCWD, self.constData(), folder, target.constData(), AT_SYMLINK_FOLLOW) ==
            0)
            return Step::Done;
        return errno == EEXIST ? Step::Taken : Step::Failed;
    }
};

// Every byte of in into out, each write checked, then the flush.
bool copyData(int in, int out)
{
    constexpr size_t chunk = 1 << 16;
    const std::unique_ptr<char[]> buffer(new char[chunk]);
    for (;;) {
        const ssize_t got = ::read(in, buffer.get(), chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(out, buffer.get() + done, size_t(got - done));
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0)
                return false;
            done += put;
        }
    }
    return ::fsync(out) == 0;
}

struct Placed
{
    Outcome outcome = Outcome::Failed;
    QByteArray name;
};

// A whole copy of in, placed in dir under the first free name of names.
Placed copyInto(int in, const struct stat &source, int dir, const Candidates &names)
{
    Temp temp;
    if (!temp.open(dir, true) || !copyData(in, temp.fd.get()))
        return {};
    ::fchmod(temp.fd.get(), source.st_mode & 07777); // some file systems keep no modes
    struct stat written;
    if (::fstat(temp.fd.get(), &written) != 0 || written.st_size != source.st_size)
        return {};
    for (int n = 1;; ++n) {
        const QByteArray name = names(n);
        if (name.isEmpty())
            return {Outcome::NameTaken, {}};
        const Step s = temp.claim(name);
        if (s == Step::Done)
            return {Outcome::Done, name};
        if (s != Step::Taken)
            return {};
    }
}

// Moves dir/from to the first free name of names in target: a rename on one file system, a
// checked copy across two.
Placed moveNamed(int dir, const QByteArray &from, int target, const Candidates &names)
{
    struct stat source;
    if (!isUsableName(from) ||
        ::fstatat(dir, from.constData(), &source, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(source.st_mode))
        return {Outcome::SourceMissing, {}};
    for (int n = 1;; ++n) {
        const QByteArray name = names(n);
        if (name.isEmpty())
            return {Outcome::NameTaken, {}};
        const Step s = renameExclusive(dir, from.constData(), target, name.constData());
        if (s == Step::Done)
            return {Outcome::Done, name};
        if (s == Step::OtherDevice)
            break;
        if (s != Step::Taken)
            return {};
    }
    const Fd in(::openat(dir, from.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!in)
        return {Outcome::SourceMissing, {}};
    const Placed placed = copyInto(in.get(), source, target, names);
    // The source goes only once its copy is whole and named.
    if (placed.outcome == Outcome::Done)
        ::unlinkat(dir, from.constData(), 0);
    return placed;
}

bool sameFile(int a, int b)
{
    struct stat sa, sb;
    return ::fstat(a, &sa) == 0 && ::fstat(b, &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

} // namespace

QString numberedName(const QString &fileName, int n)
{
    if (n <= 1)
        return fileName;
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > 0 ? fileName.left(dot) : fileName;
    const QString ext = dot > 0 ? fileName.mid(dot) : QString();
    return base + QStringLiteral(" (%1)").arg(n) + ext;
}

QString moveInto(const QString &source, const QString &folder)
{
    const Split from = split(source);
    const Fd dir(openFolder(from.folder));
    const Fd target(openFolder(nativename::encode(folder)));
    if (!dir || !target || !isUsableName(from.name))
        return QString();
    struct stat st;
    if (::fstatat(dir.get(), from.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(st.st_mode))
        return QString();
    // A file moved onto itself stays as it is, under the name it was made with.
    if (sameFile(dir.get(), target.get()))
        return source;
    const QString fileName = nativename::decode(from.name);
    const Placed placed = moveNamed(dir.get(), from.name, target.get(), [&](int n) {
        return n > 9999 ? QByteArray() : nativename::encode(numberedName(fileName, n));
    });
    if (placed.outcome != Outcome::Done)
        return QString();
    return Platform::folderWithSeparator(folder) + nativename::decode(placed.name);
}

Outcome moveTo(const QString &from, const QString &to)
{
    const Split a = split(from), b = split(to);
    const Fd dirA(openFolder(a.folder)), dirB(openFolder(b.folder));
    if (!dirA)
        return Outcome::SourceMissing;
    if (!dirB || !isUsableName(b.name))
        return Outcome::Failed;
    return moveNamed(dirA.get(), a.name, dirB.get(), exactly(b.name)).outcome;
}

Outcome copyTo(const QString &from, const QString &to)
{
    // The source may be a link to the file: only the target's name is never followed.
    const Fd in(::open(nativename::encode(from).constData(), O_RDONLY | O_CLOEXEC));
    struct stat source;
    if (from.isEmpty() || !in || ::fstat(in.get(), &source) != 0 || !S_ISREG(source.st_mode))
        return Outcome::SourceMissing;
    const Split b = split(to);
    const Fd dir(openFolder(b.folder));
    if (!dir || !isUsableName(b.name))
        return Outcome::Failed;
    struct stat there;
    if (::fstatat(dir.get(), b.name.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0)
        return Outcome::NameTaken;
    return copyInto(in.get(), source, dir.get(), exactly(b.name)).outcome;
}

bool replace(const QString &from, const QString &to)
{
    const Split a = split(from), b = split(to);
    const Fd dirA(openFolder(a.folder)), dirB(openFolder(b.folder));
    struct stat source, there;
    if (!dirA || !dirB || !isUsableName(a.name) || !isUsableName(b.name) ||
        ::fstatat(dirA.get(), a.name.constData(), &source, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(source.st_mode))
        return false;
    if (::fstatat(dirB.get(), b.name.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISDIR(there.st_mode))
        return false;
    // On one file system rename(2) swaps the target in a single step; a link there is replaced,
    // never written through.
    if (::renameat(dirA.get(), a.name.constData(), dirB.get(), b.name.constData()) == 0)
        return true;
    if (errno != EXDEV)
        return false;
    const Fd in(::openat(dirA.get(), a.name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    Temp temp;
    if (!in || !temp.open(dirB.get(), false) || !copyData(in.get(), temp.fd.get()))
        return false;
    ::fchmod(temp.fd.get(), source.st_mode & 07777);
    struct stat written;
    if (::fstat(temp.fd.get(), &written) != 0 || written.st_size != source.st_size ||
        ::renameat(dirB.get(), temp.name.constData(), dirB.get(), b.name.constData()) != 0)
        return false;
    temp.name.clear();
    ::unlinkat(dirA.get(), a.name.constData(), 0);
    return true;
}

std::optional<Space> spaceOf(const QString &path)
{
    struct statvfs st;
    if (path.isEmpty() || ::statvfs(nativename::encode(path).constData(), &st) != 0)
        return std::nullopt;
    const qint64 block = st.f_frsize ? qint64(st.f_frsize) : qint64(st.f_bsize);
    return Space{qint64(st.f_bavail) * block, block};
}

} // namespace tolvane::filemove
