#include "platform/LinuxPlatform.h"
#include "platform/AtomicFile.h"
#include "platform/FolderTree.h"
#include "platform/NativeFile.h"
#include "platform/NativeName.h"
#include "platform/ToolRunner.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStorageInfo>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvane {

int LinuxPlatform::runTool(const QString &program, const QStringList &arguments, QString *output,
                           const QString &workingFolder)
{
    return ToolRunner::run(program, arguments, output, workingFolder);
}

// A file URL spelled from the name's bytes: a name that is not UTF-8 reaches the desktop as it is.
static QString fileUrl(const QString &path)
{
    return QStringLiteral("file://") +
           QString::fromLatin1(nativename::encode(path).toPercentEncoding("/"));
}

bool LinuxPlatform::printFile(const QString &path)
{
    // The file is opened here by its bytes and handed to lp on its standard input, so any name
    // prints. lp queues the job and ends at once; its exit code says whether a printer took it
    // (no printer, no scheduler: a failure the caller reports).
    const int fd = ::open(nativename::encode(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    QFile in;
    if (!in.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    const QString name = nativename::display(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
    QProcess lp;
    lp.setStandardOutputFile(QProcess::nullDevice());
    lp.setStandardErrorFile(QProcess::nullDevice());
    lp.start(QStringLiteral("lp"), {QStringLiteral("-t"), name});
    if (!lp.waitForStarted(-1))
        return false;
    bool sent = true;
    while (sent && !in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        sent = !chunk.isEmpty() && lp.write(chunk) == chunk.size();
        while (sent && lp.bytesToWrite() > 0)
            sent = lp.waitForBytesWritten(-1);
    }
    lp.closeWriteChannel();
    lp.waitForFinished(-1);
    return sent && lp.exitStatus() == QProcess::NormalExit && lp.exitCode() == 0;
}

static bool openWithDesktop(const QString &path)
{
    // xdg-open is what the desktop's default handler goes through; starting it detached keeps
    // this layer free of the GUI library. An argument reaches it as UTF-8, so a name that is not
    // goes as a URL.
    return QProcess::startDetached(QStringLiteral("xdg-open"),
                                   {nativename::hasRawBytes(path) ? fileUrl(path) : path});
}

bool LinuxPlatform::openFile(const QString &path)
{
    return nativefile::status(path) && openWithDesktop(path);
}

bool LinuxPlatform::openFolder(const QString &path)
{
    return openWithDesktop(path.isEmpty() ? QDir::homePath() : path);
}

bool LinuxPlatform::showProperties(const QString &path)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItemProperties"));
    call << QStringList{fileUrl(path)} << QString();
    // The sheet opens on its own; only whether a file manager took the request matters.
    const QDBusMessage reply = bus.call(call, QDBus::Block, 3000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

qint64 LinuxPlatform::fileSize(const QString &path)
{
    const std::optional<struct stat> st = nativefile::status(path);
    if (!st)
        return -1;
    return S_ISDIR(st->st_mode) ? 0 : qint64(st->st_size);
}

QString LinuxPlatform::shortPath(const QString &path)
{
    return path;
}

QString LinuxPlatform::driveRoot(const QString &folder)
{
    if (nativename::hasRawBytes(folder)) {
        // Qt cannot look such a folder up: climb from where it really is while the folder above
        // is on the same device; the last one is where the volume is mounted.
        QByteArray at = nativename::encode(nativefile::resolved(folder));
        struct stat here;
        if (at.isEmpty() || ::stat(at.constData(), &here) != 0)
            return QStringLiteral("/");
        while (at.size() > 1) {
            const int slash = at.lastIndexOf('/');
            const QByteArray up = slash > 0 ? at.left(slash) : QByteArray("/");
            struct stat above;
            if (::stat(up.constData(), &above) != 0 || above.st_dev != here.st_dev)
                break;
            at = up;
        }
        return folderWithSeparator(nativename::decode(at));
    }
    QStorageInfo info(folder);
    if (!info.isValid())
        return QStringLiteral("/");
    return folderWithSeparator(info.rootPath());
}

// A folder the environment names, taken by its bytes (Qt would turn a byte that is not UTF-8
// into U+FFFD); fallback when it is not set.
static QString folderFromEnvironment(const char *variable, const QString &fallback)
{
    const QByteArray value = qgetenv(variable);
    if (value.isEmpty())
        return fallback;
    return QDir::cleanPath(nativename::decode(value));
}

QString LinuxPlatform::tempFolder()
{
    return folderWithSeparator(folderFromEnvironment("TMPDIR", QStringLiteral("/tmp")));
}

QString LinuxPlatform::windowsFolder()
{
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return folderWithSeparator(data);
}

QString LinuxPlatform::systemFontsFolder()
{
    return QStringLiteral("/usr/share/fonts/");
}

QString LinuxPlatform::currentFolder()
{
    char folder[PATH_MAX];
    return ::getcwd(folder, sizeof folder) ? nativename::decode(folder) : QDir::currentPath();
}

bool LinuxPlatform::fileExists(const QString &path)
{
    const std::optional<struct stat> st = nativefile::status(path);
    return st && !S_ISDIR(st->st_mode);
}

bool LinuxPlatform::folderExists(const QString &path)
{
    const std::optional<struct stat> st = nativefile::status(path);
    return st && S_ISDIR(st->st_mode);
}

bool LinuxPlatform::createFolder(const QString &path)
{
    return nativefile::createFolder(path);
}

QString LinuxPlatform::writeFile(const QString &path, const QByteArray &data)
{
    QString why;
    return AtomicFile::write(path, data, &why) ? QString() : why;
}

QString LinuxPlatform::resolvedPath(const QString &path)
{
    return nativefile::resolved(path);
}

bool LinuxPlatform::isLink(const QString &path)
{
    const std::optional<struct stat> st = nativefile::status(path, false);
    return st && S_ISLNK(st->st_mode);
}

bool LinuxPlatform::removeFile(const QString &path)
{
    return !path.isEmpty() && ::unlink(nativename::encode(path).constData()) == 0;
}

bool LinuxPlatform::removeFolderTree(const QString &path)
{
    if (path.isEmpty())
        return false;
    return FolderTree::remove(nativename::encode(path));
}

FolderListing LinuxPlatform::listFolder(const QString &folder)
{
    FolderListing listing;
    DIR *dir = ::opendir(nativename::encode(folder).constData());
    if (!dir) {
        listing.error = QString::fromLocal8Bit(std::strerror(errno));
        return listing;
    }
    const int fd = ::dirfd(dir);
    struct stat st
    {
    };
    if (::fstat(fd, &st) == 0) {
        listing.device = quint64(st.st_dev);
        listing.inode = quint64(st.st_ino);
    }
    // The type comes with the entry; only a link, or a file system that does not say, costs a
    // look of its own.
    errno = 0;
    while (const dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            type = DT_UNKNOWN;
            if (::fstatat(fd, name, &st, 0) == 0)
                type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        const QByteArray bytes = QByteArray::fromRawData(name, qsizetype(std::strlen(name)));
        if (type == DT_DIR) {
            if (name[0] != '.')
                listing.folders << nativename::decode(bytes);
        } else if (type == DT_REG) {
            listing.files << nativename::decode(bytes);
        }
        errno = 0;
    }
    if (errno != 0)
        listing.error = QString::fromLocal8Bit(std::strerror(errno));
    ::closedir(dir);
    return listing;
}

QString LinuxPlatform::canonicalFolder(const QString &folder)
{
    return nativefile::resolved(folder);
}

qint64 LinuxPlatform::tickCount()
{
    return QDeadlineTimer::current(Qt::PreciseTimer).deadline();
}

QString LinuxPlatform::toolchainFolder()
{
    if (!QCoreApplication::instance())
        return QString();
    return toolchainFolderBeside(QCoreApplication::applicationDirPath());
}

QString LinuxPlatform::toolchainFolderBeside(const QString &programFolder)
{
    const QDir app(programFolder);
    // The build folder's toolchain, then an installed copy's (bin/ -> libexec/tolvane).
    for (const QString &candidate : {QStringLiteral("../toolchain"), QStringLiteral("toolchain"),
                                     QStringLiteral("../lib/tolvane/toolchain"),
                                     QStringLiteral(TOLVANE_INSTALLED_TOOLCHAIN)}) {
        const QString folder = QDir::cleanPath(app.filePath(candidate));
        if (QFileInfo(folder + QStringLiteral("/bin/brcc32")).isFile())
            return folder;
    }
    return QString();
}

QString LinuxPlatform::homeFolder()
{
    return folderFromEnvironment("HOME", QDir::rootPath());
}

} // namespace tolvane

// Added for the project files and the drop: POSIX calls on the name's own bytes, so a name that
// is not UTF-8 is found again.
namespace tolvane {

Platform::PathState LinuxPlatform::pathState(const QString &path)
{
    PathState state;
    struct stat st;
    if (path.isEmpty() || ::stat(nativename::encode(path).constData(), &st) != 0)
        return state;
    // In UTC: a local time costs a look at the time zone per call, as much as the stat itself.
    state.modified = QDateTime::fromMSecsSinceEpoch(
        qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000, Qt::UTC);
    if (S_ISREG(st.st_mode)) {
        state.kind = PathState::File;
        state.size = qint64(st.st_size);
    } else {
        state.kind = S_ISDIR(st.st_mode) ? PathState::Folder : PathState::Other;
    }
    return state;
}

std::optional<QByteArray> LinuxPlatform::readFile(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    const int fd = ::open(nativename::encode(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray bytes;
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        bytes.append(chunk, qsizetype(n));
    }
    ::close(fd);
    return bytes;
}

Platform::Claim LinuxPlatform::claimFile(const QString &path)
{
    if (path.isEmpty())
        return Claim::Failed;
    const int fd = ::open(nativename::encode(path).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == EEXIST ? Claim::Taken : Claim::Failed;
    ::close(fd);
    return Claim::Claimed;
}

} // namespace tolvane
