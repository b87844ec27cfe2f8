// A second and third build for the tests, as separate processes:
//   movehelper move SOURCES DEST TAG COUNT GATES  makes COUNT files SOURCES/TAG/<i>/Out.dll and
//       says "ready"; then, each time it may lock GATES/<i>, moves file i into DEST/<i> and
//       prints "<i> <where it went>" (nothing after the blank when the move failed);
//   movehelper lock FOLDER  takes the build lock of FOLDER, prints "locked" or "busy" and holds
//       it until its input ends;
//   movehelper space ROOT  enters ROOT as its root folder (a chroot whose root is no mount point,
//       with a /proc of its own where mounts can be made private) and prints the free space and
//       block size of "/" as the platform reports them.
#include "platform/LinuxPlatform.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <sched.h>
#include <string>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tolvane;

namespace {

QByteArray contents(const QByteArray &tag, int i)
{
    // Large enough that a copy across file systems takes a while.
    return tag + ' ' + QByteArray::number(i) + '\n' + QByteArray(20000, char('a' + i % 26));
}

int move(const QString &sources, const QString &dest, const QByteArray &tag, int count,
         const QString &gates)
{
    QStringList files;
    for (int i = 0; i < count; ++i) {
        const QString folder =
            QStringLiteral("%1/%2/%3").arg(sources, QString::fromUtf8(tag)).arg(i);
        QDir().mkpath(folder);
        QFile f(folder + QStringLiteral("/Out.dll"));
        if (!f.open(QIODevice::WriteOnly) || f.write(contents(tag, i)) != contents(tag, i).size())
            return 2;
        files << f.fileName();
    }
    std::cout << "ready" << std::endl;
    LinuxPlatform platform;
    // Round i starts when the test lets go of GATES/i: every helper waiting on it wakes at once
    // and moves its file i into DEST/i.
    for (int i = 0; i < count; ++i) {
        const int gate =
            ::open(QFile::encodeName(QStringLiteral("%1/%2").arg(gates).arg(i)).constData(),
                   O_RDONLY | O_CLOEXEC);
        if (gate < 0 || ::flock(gate, LOCK_SH) != 0)
            return 4;
        ::close(gate);
        const QString target = QStringLiteral("%1/%2").arg(dest).arg(i);
        std::cout << i << ' ' << platform.moveFiles({files.at(i)}, target).value(0).toStdString()
                  << std::endl;
    }
    return 0;
}

int lock(const QString &folder)
{
    LinuxPlatform platform;
    Platform::LockState state = Platform::LockState::Unavailable;
    const auto held = platform.lockFolder(folder, &state);
    std::cout << (state == Platform::LockState::Locked ? "locked"
                  : state == Platform::LockState::Busy ? "busy"
                                                       : "unavailable")
              << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}

int space(const QString &root)
{
    // A mount namespace of its own, so the /proc of the chroot goes when this process ends. Inside
    // a chroot already, whose root is no mount point, mounts cannot be made private: the inner
    // chroot then goes without a /proc, as many build chroots do.
    const bool ownMounts = ::unshare(CLONE_NEWNS) == 0 &&
                           ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    if (::chroot(QFile::encodeName(root).constData()) != 0 || ::chdir("/") != 0)
        return 3;
    // As build chroots have it: a /proc whose mount table has no entry for this root.
    if (ownMounts) {
        ::mkdir("/proc", 0755);
        if (::mount("proc", "/proc", "proc", 0, nullptr) != 0)
            return 5;
    }
    LinuxPlatform platform;
    std::cout << platform.freeSpace(QStringLiteral("/")).value_or(-1) << ' '
              << platform.blockSize(QStringLiteral("/")).value_or(-1) << std::endl;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList args = [&] {
        QStringList out;
        for (int i = 1; i < argc; ++i)
            out << QString::fromLocal8Bit(argv[i]);
        return out;
    }();
    if (args.size() == 6 && args.at(0) == QLatin1String("move"))
        return move(args.at(1), args.at(2), args.at(3).toUtf8(), args.at(4).toInt(), args.at(5));
    if (args.size() == 2 && args.at(0) == QLatin1String("lock"))
        return lock(args.at(1));
    if (args.size() == 2 && args.at(0) == QLatin1String("space"))
        return space(args.at(1));
    std::fprintf(stderr, "usage: movehelper move|lock|space ...\n");
    return 1;
}
