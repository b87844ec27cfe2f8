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
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <cerrno>
#include <climits>
#include <cstdio>
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
    if (!QFileInfo::exists(path))
        return false;
    return QProcess::startDetached(QStringLiteral("lp"), {QStringLiteral("--"), path});
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

std::optional<qint64> LinuxPlatform::freeSpace(const QString &root)
{
    QStorageInfo info(root);
    if (!info.isValid() || !info.isReady())
        return std::nullopt;
    return info.bytesAvailable();
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
    return FolderTree::remove(nativename::encode(path));
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
    return FolderTree::list(nativename::encode(folder));
}

QString LinuxPlatform::canonicalFolder(const QString &folder)
{
    return nativefile::resolved(folder);
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
    return folderFromEnvironment("HOME", QDir::rootPath());
}

} // namespace tolvane
