#include "app/headless/WorkingFolder.h"
#include "platform/NativeName.h"
#include "tools/common/SignalCleanup.h"

#include <QRandomGenerator>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvane::headless {

namespace {

QByteArray joined(const QString &parent, const QByteArray &name)
{
    QByteArray folder = nativename::encode(parent);
    if (!folder.endsWith('/'))
        folder += '/';
    return folder + name;
}

void removeTree(const QByteArray &path)
{
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(path.toStdString()), ignored);
}

// The folder's lock file is taken under a passing name and renamed into place locked, so a
// lock file that another build can see is always locked while its build lives.
int takeLock(const QByteArray &folder)
{
    const QByteArray passing = folder + "/.lock-new";
    const int fd = ::open(passing.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    const QByteArray owner = QByteArray::number(qint64(::getpid())) + '\n';
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 ||
        ::write(fd, owner.constData(), size_t(owner.size())) != owner.size() ||
        ::rename(passing.constData(), (folder + '/' + WorkingFolder::lockName).constData()) != 0) {
        ::close(fd);
        ::unlink(passing.constData());
        return -1;
    }
    return fd;
}

// A folder from before its lock file: ".tolvane-build-PID-..." whose process is gone.
bool ownerGone(const QByteArray &name)
{
    const QByteArray rest = name.mid(qstrlen(WorkingFolder::prefix));
    bool ok = false;
    const qint64 pid = rest.left(rest.indexOf('-')).toLongLong(&ok);
    return ok && pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

WorkingFolder::WorkingFolder(const QString &parent)
{
    for (int attempt = 0; attempt < 8 && m_path.isEmpty(); ++attempt) {
        const QString name = QStringLiteral("%1%2-%3")
                                 .arg(QLatin1String(prefix))
                                 .arg(qint64(::getpid()))
                                 .arg(QRandomGenerator::global()->generate64(), 0, 16);
        const QByteArray folder = joined(parent, name.toLatin1());
        if (::mkdir(folder.constData(), 0700) != 0) {
            if (errno == EEXIST)
                continue;
            break;
        }
        // Registered before anything is put in it, so a signal from now on removes it.
        m_signalId = signalcleanup::removeOnSignal(folder.toStdString());
        m_lock = takeLock(folder);
        if (m_lock < 0) {
            removeTree(folder);
            signalcleanup::forget(m_signalId);
            m_signalId = 0;
            break;
        }
        m_path = nativename::decode(folder);
    }
    if (m_path.isEmpty())
        m_tried = nativename::decode(joined(parent, QByteArray(prefix) + "..."));
}

WorkingFolder::~WorkingFolder()
{
    if (m_path.isEmpty())
        return;
    removeTree(nativename::encode(m_path));
    signalcleanup::forget(m_signalId);
    ::close(m_lock);
}

QStringList WorkingFolder::removeLeftovers(const QString &parent)
{
    QStringList removed;
    const QByteArray folder = nativename::encode(parent);
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return removed;
    QList<QByteArray> candidates;
    while (const dirent *entry = ::readdir(dir))
        if (qstrncmp(entry->d_name, prefix, qstrlen(prefix)) == 0)
            candidates << QByteArray(entry->d_name);
    ::closedir(dir);
    for (const QByteArray &name : candidates) {
        const QByteArray path = joined(parent, name);
        struct stat st;
        if (::lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
            continue; // never a link: only what a build made itself goes
        const int fd = ::open((path + '/' + lockName).constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
        bool stale = false;
        if (fd >= 0)
            stale = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        else
            stale = errno == ENOENT && ownerGone(name);
        if (stale) {
            removeTree(path);
            removed << nativename::decode(path);
        }
        if (fd >= 0)
            ::close(fd);
    }
    return removed;
}

} // namespace tolvane::headless
