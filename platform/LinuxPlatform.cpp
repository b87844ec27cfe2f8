#include "platform/LinuxPlatform.h"
#include "platform/AtomicFile.h"
#include "platform/NativeName.h"
#include "platform/ToolRunner.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QUrl>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvane {

int LinuxPlatform::runTool(const QString &program, const QStringList &arguments, QString *output,
                           const QString &workingFolder)
{
    return ToolRunner::run(program, arguments, output, workingFolder);
}

bool LinuxPlatform::printFile(const QString &path)
{
    if (!QFileInfo::exists(path))
        return false;
    return QProcess::startDetached(QStringLiteral("lp"), {QStringLiteral("--"), path});
}

static bool openWithDesktop(const QString &path)
{
    // xdg-open is what the desktop's default handler goes through; starting it detached keeps
    // this layer free of the GUI library.
    return QProcess::startDetached(QStringLiteral("xdg-open"), {path});
}

bool LinuxPlatform::openFile(const QString &path)
{
    return QFileInfo::exists(path) && openWithDesktop(path);
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
    call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
    // The sheet opens on its own; only whether a file manager took the request matters.
    const QDBusMessage reply = bus.call(call, QDBus::Block, 3000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

qint64 LinuxPlatform::fileSize(const QString &path)
{
    QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return -1;
    return info.isDir() ? 0 : info.size();
}

QString LinuxPlatform::shortPath(const QString &path)
{
    return path;
}

QString LinuxPlatform::driveRoot(const QString &folder)
{
    QStorageInfo info(folder);
    if (!info.isValid())
        return QStringLiteral("/");
    return folderWithSeparator(info.rootPath());
}

QString LinuxPlatform::tempFolder()
{
    return folderWithSeparator(QDir::tempPath());
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
    return QDir::currentPath();
}

bool LinuxPlatform::fileExists(const QString &path)
{
    QFileInfo info(path);
    return !path.isEmpty() && info.exists() && !info.isDir();
}

bool LinuxPlatform::folderExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool LinuxPlatform::createFolder(const QString &path)
{
    return !path.isEmpty() && QDir().mkpath(path);
}

QString LinuxPlatform::writeFile(const QString &path, const QByteArray &data)
{
    QString why;
    return AtomicFile::write(path, data, &why) ? QString() : why;
}

QString LinuxPlatform::resolvedPath(const QString &path)
{
    return path.isEmpty() ? QString() : QFileInfo(path).canonicalFilePath();
}

bool LinuxPlatform::isLink(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isSymLink();
}

bool LinuxPlatform::removeFile(const QString &path)
{
    return QFile::remove(path);
}

bool LinuxPlatform::removeFolderTree(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QDir(path).removeRecursively();
}

FolderListing LinuxPlatform::listFolder(const QString &folder)
{
    FolderListing listing;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString name = info.fileName();
        if (info.isDir()) {
            if (!info.isHidden())
                listing.folders << name;
        } else {
            listing.files << name;
        }
    }
    return listing;
}

QString LinuxPlatform::canonicalFolder(const QString &folder)
{
    return QFileInfo(folder).canonicalFilePath();
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
    return QDir::homePath();
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
    state.modified = QDateTime::fromMSecsSinceEpoch(qint64(st.st_mtim.tv_sec) * 1000 +
                                                    st.st_mtim.tv_nsec / 1000000);
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
