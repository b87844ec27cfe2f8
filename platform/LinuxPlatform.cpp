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
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QUrl>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

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

std::optional<qint64> LinuxPlatform::freeSpace(const QString &root)
{
    QStorageInfo info(root);
    if (!info.isValid() || !info.isReady())
        return std::nullopt;
    return info.bytesAvailable();
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

bool LinuxPlatform::renameFile(const QString &from, const QString &to)
{
    if (QFileInfo::exists(to))
        return false;
    return QFile::rename(from, to);
}

bool LinuxPlatform::replaceFile(const QString &from, const QString &to)
{
    if (from.isEmpty() || to.isEmpty() || !QFileInfo(from).isFile() || QFileInfo(to).isDir())
        return false;
    // On one file system rename(2) swaps the target in a single step.
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    // Across file systems: a whole copy beside the target takes its place, then the source goes.
    QFile source(from);
    QSaveFile target(to);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
        return false;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 16);
        if (chunk.isEmpty() || target.write(chunk) != chunk.size())
            return false;
    }
    if (source.error() != QFileDevice::NoError || !target.commit())
        return false;
    source.close();
    source.remove();
    return true;
}

bool LinuxPlatform::removeFolderTree(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QDir(path).removeRecursively();
}

Platform::CopyResult LinuxPlatform::copyFile(const QString &from, const QString &to)
{
    QFile source(from);
    if (!QFileInfo(from).isFile() || !source.open(QIODevice::ReadOnly))
        return CopyResult::CannotOpen;
    source.close();
    if (QFileInfo::exists(to) || QFileInfo(to).isSymLink())
        return CopyResult::TargetExists;
    // QFile::copy writes a temporary file beside the target and renames it without replacing, so
    // a failure leaves no half copy and a file that appeared meanwhile stays.
    if (!source.copy(to))
        return QFileInfo::exists(to) ? CopyResult::TargetExists : CopyResult::CannotCreate;
    return CopyResult::Copied;
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
    return QFileInfo(folder).canonicalFilePath();
}

QString LinuxPlatform::freeNameIn(const QString &folder, const QString &fileName)
{
    const QString dir = folderWithSeparator(folder);
    if (!QFileInfo::exists(dir + fileName))
        return dir + fileName;
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > 0 ? fileName.left(dot) : fileName;
    const QString ext = dot > 0 ? fileName.mid(dot) : QString();
    for (int n = 2;; ++n) {
        const QString candidate = dir + base + QStringLiteral(" (%1)").arg(n) + ext;
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

bool LinuxPlatform::moveFile(const QString &from, const QString &to)
{
    if (QFile::rename(from, to))
        return true;
    // Across file systems: copy first, delete the source only once the copy is whole.
    if (!QFile::copy(from, to))
        return false;
    if (QFileInfo(from).size() != QFileInfo(to).size()) {
        QFile::remove(to);
        return false;
    }
    QFile::remove(from);
    return true;
}

QStringList LinuxPlatform::moveFiles(const QStringList &sources, const QString &destinationFolder)
{
    QStringList results;
    for (const QString &source : sources) {
        QFileInfo info(source);
        if (!info.exists() || !QFileInfo(destinationFolder).isDir()) {
            results << QString();
            continue;
        }
        const QString target = freeNameIn(destinationFolder, info.fileName());
        results << (moveFile(source, target) ? target : QString());
    }
    return results;
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
