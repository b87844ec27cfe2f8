#include "tools/common/Toolbox.h"
#include "platform/NativeName.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvane::tools {

namespace {
QByteArray bytesOf(const QString &path)
{
    return nativename::encode(path);
}

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
} // namespace

QString findProgram(const QStringList &names)
{
    for (const QString &name : names) {
        const QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

int runProgram(const QString &program, const QStringList &arguments, QString *output,
               const QString &workingFolder)
{
    QProcess p;
    if (!workingFolder.isEmpty())
        p.setWorkingDirectory(workingFolder);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(program, arguments);
    if (!p.waitForStarted(-1))
        return -1;
    p.waitForFinished(-1);
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    if (p.exitStatus() != QProcess::NormalExit)
        return 1;
    return p.exitCode();
}

void say(const QString &line)
{
    std::fputs(nativename::display(line).toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

QStringList nativeArguments(int argc, char **argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << nativename::decode(QByteArray(argv[i]));
    return args;
}

QString folderOf(const QString &path)
{
    const int slash = int(path.lastIndexOf(QLatin1Char('/')));
    if (slash == 0)
        return QStringLiteral("/");
    const QString folder = slash < 0 ? QString() : path.left(slash);
    if (folder.startsWith(QLatin1Char('/')))
        return folder;
    const QString current = QDir::currentPath();
    return folder.isEmpty() ? current : current + QLatin1Char('/') + folder;
}

QString fileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QStringList folderEntries(const QString &folder)
{
    QStringList names;
    DIR *dir = ::opendir(bytesOf(folder).constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << nativename::decode(name);
    }
    ::closedir(dir);
    return names;
}

FileStatus statusOf(const QString &path)
{
    FileStatus s;
    struct stat st
    {
    };
    if (::stat(bytesOf(path).constData(), &st) != 0)
        return s;
    s.exists = true;
    s.regular = S_ISREG(st.st_mode);
    s.folder = S_ISDIR(st.st_mode);
    s.size = qint64(st.st_size);
    s.device = quint64(st.st_dev);
    s.inode = quint64(st.st_ino);
    return s;
}

QString kindProblem(const FileStatus &status)
{
    if (!status.exists)
        return QStringLiteral("file not found");
    if (status.folder)
        return QStringLiteral("is a folder, not a file");
    if (!status.regular)
        return QStringLiteral("is not a regular file");
    return QString();
}

QString readProblem(const QString &path, const FileStatus &status, QByteArray *head,
                    qint64 headBytes)
{
    const QString kind = kindProblem(status);
    if (!kind.isEmpty())
        return kind;
    // Non-blocking, and checked again once open: a FIFO put there meanwhile is not waited on.
    const int fd = ::open(bytesOf(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return QStringLiteral("cannot open file (%1)").arg(errorText(errno));
    QString problem;
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        problem = QStringLiteral("is not a regular file");
    } else if (head) {
        head->resize(qMax<qint64>(0, qMin<qint64>(headBytes, st.st_size)));
        qint64 got = 0;
        while (got < head->size()) {
            const ssize_t n = ::pread(fd, head->data() + got, size_t(head->size() - got), got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += n;
        }
        head->resize(got);
    }
    ::close(fd);
    return problem;
}

QString regularFileProblem(const QString &path)
{
    return readProblem(path, statusOf(path));
}

bool readWhole(const QString &path, QByteArray &out, QString &error)
{
    const FileStatus status = statusOf(path);
    error = readProblem(path, status, &out, status.size);
    return error.isEmpty();
}

bool makeLink(const QString &target, const QString &link)
{
    return ::symlink(bytesOf(target).constData(), bytesOf(link).constData()) == 0;
}

bool removeFile(const QString &path)
{
    return ::unlink(bytesOf(path).constData()) == 0;
}

bool replaceFile(const QString &from, const QString &to)
{
    return ::rename(bytesOf(from).constData(), bytesOf(to).constData()) == 0;
}

bool sameFile(const QString &a, const QString &b)
{
    const FileStatus sa = statusOf(a);
    const FileStatus sb = statusOf(b);
    if (sa.exists || sb.exists)
        return sa.sameAs(sb);
    // Neither is there yet: the same name is the same file.
    return QDir::cleanPath(QDir::current().absoluteFilePath(a)) ==
           QDir::cleanPath(QDir::current().absoluteFilePath(b));
}

namespace {
QString canonicalOrClean(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    // Not there yet: its folder may still be reached through a link.
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath())
                            : folder + QLatin1Char('/') + info.fileName();
}
} // namespace

QString argumentPath(const QString &path, const QString &workingFolder)
{
    QString base = QDir(workingFolder).canonicalPath();
    if (base.isEmpty())
        base = QDir(workingFolder).absolutePath();
    const QString relative = QDir(base).relativeFilePath(canonicalOrClean(path));
    return relative.startsWith(QLatin1Char('.')) ? relative : QStringLiteral("./") + relative;
}

} // namespace tolvane::tools
