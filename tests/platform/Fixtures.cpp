#include "Fixtures.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <ftw.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tolvane::test {

namespace {

bool writeText(const char *path, const QByteArray &text)
{
    QFile f(QString::fromLatin1(path));
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}

// Once per process: a mount namespace of our own, as root or as root of a user namespace.
QString enterMountNamespace()
{
    static bool tried = false;
    static QString failure;
    if (tried)
        return failure;
    tried = true;
    if (::unshare(CLONE_NEWNS) != 0) {
        const uid_t uid = ::geteuid();
        const gid_t gid = ::getegid();
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            failure = QStringLiteral("no mount namespace: %1")
                          .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return failure;
        }
        writeText("/proc/self/setgroups", "deny");
        writeText("/proc/self/uid_map", QByteArray("0 ") + QByteArray::number(uid) + " 1");
        writeText("/proc/self/gid_map", QByteArray("0 ") + QByteArray::number(gid) + " 1");
    }
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        failure = QStringLiteral("cannot make mounts private: %1")
                      .arg(QString::fromLocal8Bit(std::strerror(errno)));
    return failure;
}

} // namespace

QString SmallFileSystem::prepare()
{
    return enterMountNamespace();
}

SmallFileSystem::SmallFileSystem(int pages)
{
    m_root = m_dir.path() + QStringLiteral("/fs");
    QDir().mkpath(m_root);
    m_whyNot = enterMountNamespace();
    if (!m_whyNot.isEmpty())
        return;
    const QByteArray options = "size=" + QByteArray::number(pages * pageSize) + ",mode=0777";
    if (::mount("tolvane-test", QFile::encodeName(m_root).constData(), "tmpfs",
                MS_NOSUID | MS_NODEV, options.constData()) != 0) {
        m_whyNot = QStringLiteral("cannot mount a tmpfs: %1")
                       .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    m_mounted = true;
}

SmallFileSystem::~SmallFileSystem()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_root).constData(), MNT_DETACH);
}

bool SmallFileSystem::leaveFree(int pages)
{
    const QByteArray page(pageSize, 'f');
    int count = 0;
    for (;; ++count) {
        QFile filler(filePath(QStringLiteral("filler-%1").arg(count)));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        if (filler.write(page) != page.size()) {
            filler.close();
            filler.remove();
            break;
        }
    }
    if (count < pages)
        return false;
    for (int i = 0; i < pages; ++i)
        QFile::remove(filePath(QStringLiteral("filler-%1").arg(count - 1 - i)));
    return true;
}

PermissionsApply::PermissionsApply()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    if (::syscall(SYS_capget, &header, m_saved) != 0)
        return;
    __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
    reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    m_changed = ::syscall(SYS_capset, &header, reduced) == 0;
}

PermissionsApply::~PermissionsApply()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    if (m_changed)
        ::syscall(SYS_capset, &header, m_saved);
}

namespace {
int removeOne(const char *path, const struct stat *, int, struct FTW *)
{
    ::remove(path); // what cannot go stays for the test to report
    return 0;
}
} // namespace

void removeTree(const QByteArray &path)
{
    ::nftw(path.constData(), removeOne, 16, FTW_DEPTH | FTW_PHYS);
}

} // namespace tolvane::test
