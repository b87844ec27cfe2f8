// dcc32 LIBRARY.dpr: links the .res files that a resource-only library project names into
// LIBRARY.dll beside the project (a 32-bit Windows DLL, through lld-link). Errors are printed as
// "FILE(LINE) Error: ..." with exit code 1, and no DLL is left behind.
#include "platform/NativeName.h"
#include "tools/common/ResFile.h"
#include "tools/common/SignalCleanup.h"
#include "tools/common/Toolbox.h"
#include "tools/dcc32/LibraryProject.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tolvane::tools;
namespace nativename = tolvane::nativename;

namespace {

// A 32-bit library cannot hold 2 GB of resources: no 32-bit process could map such an image, and
// its section sizes would not fit the fields a 32-bit image has for them.
constexpr qint64 resourceLimit = qint64(1) << 31;

// The compiler's file system ignores case: "ICONS.RES" finds icons.res, and as the project
// writer upper-cases, "STRASSE.RES" finds Straße.res. A backslash is a character of a file name
// here; it is read as a Windows separator only when no file has the name as written.
QString findBeside(const QString &dir, const QString &name)
{
    QStringList forms = {name};
    if (name.contains(QLatin1Char('\\')))
        forms << QString(name).replace(QLatin1Char('\\'), QLatin1Char('/'));
    for (const QString &n : forms) {
        const QString wanted = n.startsWith(QLatin1Char('/')) ? n : dir + QLatin1Char('/') + n;
        if (statusOf(wanted).exists)
            return wanted;
        const QString folder = folderOf(wanted);
        const QString wantedName = fileNameOf(wanted);
        // Folders, FIFOs and devices are listed too, so that the error names what is there.
        QStringList entries = folderEntries(folder);
        entries.sort();
        for (const QString &entry : std::as_const(entries))
            if (entry.compare(wantedName, Qt::CaseInsensitive) == 0)
                return folder + QLatin1Char('/') + entry;
        const QString upper = wantedName.toUpper();
        for (const QString &entry : std::as_const(entries))
            if (entry.toUpper() == upper)
                return folder + QLatin1Char('/') + entry;
    }
    return QString();
}

// A file opened for reading its pieces: a large .res is walked header by header, one read each,
// without its data ever being read or mapped.
class PieceFile
{
  public:
    explicit PieceFile(const QString &path)
    {
        m_fd = ::open(nativename::encode(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (m_fd < 0) {
            m_error = QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        struct stat st
        {
        };
        if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            m_error = QStringLiteral("is not a regular file");
            return;
        }
        m_size = qint64(st.st_size);
    }
    ~PieceFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    PieceFile(const PieceFile &) = delete;
    PieceFile &operator=(const PieceFile &) = delete;
    const QString &error() const { return m_error; }
    qint64 size() const { return m_size; }

    // Exactly `length` bytes from `offset`, or false: a file that shrinks under the walk is
    // not read as if it had been shorter from the start.
    bool read(qint64 offset, qint64 length, QByteArray &out, QString &error) const
    {
        out.resize(length);
        qint64 done = 0;
        while (done < length) {
            const ssize_t n =
                ::pread(m_fd, out.data() + done, size_t(length - done), off_t(offset + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                error = n < 0 ? QString::fromLocal8Bit(std::strerror(errno))
                              : QStringLiteral("the file ended at offset %1 while it was read")
                                    .arg(offset + done);
                return false;
            }
            done += n;
        }
        return true;
    }

  private:
    int m_fd = -1;
    qint64 m_size = 0;
    QString m_error;
};

QString typeName(const QString &type)
{
    static const QMap<QString, QString> names = {
        {"#1", "CURSOR"},      {"#2", "BITMAP"},        {"#3", "ICON"},
        {"#4", "MENU"},        {"#5", "DIALOG"},        {"#6", "STRINGTABLE"},
        {"#7", "FONTDIR"},     {"#8", "FONT"},          {"#9", "ACCELERATORS"},
        {"#10", "RCDATA"},     {"#11", "MESSAGETABLE"}, {"#12", "GROUP_CURSOR"},
        {"#14", "GROUP_ICON"}, {"#16", "VERSIONINFO"},  {"#21", "ANICURSOR"},
        {"#22", "ANIICON"},    {"#23", "HTML"},         {"#24", "MANIFEST"}};
    return names.value(type, type.startsWith(QLatin1Char('#')) ? type.mid(1) : type);
}

QString resourceText(const Resource &r)
{
    return QStringLiteral("%1 %2 (language %3)")
        .arg(typeName(r.type), r.name.startsWith(QLatin1Char('#')) ? r.name.mid(1) : r.name)
        .arg(r.language);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    tolvane::signalcleanup::install();
    const QStringList args = nativeArguments(argc, argv).mid(1);
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-'))) {
        say(QStringLiteral("Library compiler (Tolvane stand-in)"));
        say(QStringLiteral("Syntax: dcc32 LIBRARY.dpr"));
        return 2;
    }
    QString project = args.first();
    if (!fileNameOf(project).contains(QLatin1Char('.')) && !statusOf(project).exists)
        project += QStringLiteral(".dpr");
    const QString shownName = fileNameOf(project);
    const QString projectFolder = folderOf(project);
    const int dot = int(shownName.lastIndexOf(QLatin1Char('.')));
    const QString baseName = dot > 0 ? shownName.left(dot) : shownName;
    const QString target = projectFolder + QLatin1Char('/') + baseName + QStringLiteral(".dll");
    if (sameFile(project, target)) {
        say(QStringLiteral("%1(1) Error: The library would replace the project itself; name the "
                           "project with the extension .dpr")
                .arg(shownName));
        return 1;
    }
    QByteArray projectBytes;
    QString projectProblem;
    if (!readWhole(project, projectBytes, projectProblem)) {
        say(QStringLiteral("%1(1) Error: Could not open project file: %2")
                .arg(shownName, projectProblem));
        return 1;
    }
    const QString text = nativename::decode(projectBytes);

    LibraryProject parsed;
    int errorLine = 0;
    QString error;
    if (!parseLibraryProject(text, parsed, errorLine, error)) {
        say(QStringLiteral("%1(%2) Error: %3").arg(shownName, QString::number(errorLine), error));
        return 1;
    }

    QTemporaryDir work;
    if (!work.isValid()) {
        say(QStringLiteral("%1(1) Error: Could not make a work folder in the temporary folder (%2)")
                .arg(shownName, work.errorString()));
        return 1;
    }
    tolvane::signalcleanup::removeOnSignal(QFile::encodeName(work.path()).toStdString());
    // Runs before the folder's own removal: after a signal, the watcher removes it alone.
    const auto leaveToWatcher = qScopeGuard([&work] {
        if (tolvane::signalcleanup::stopping())
            work.setAutoRemove(false);
    });
    const QString workFolder = work.path();
    QStringList inputs;
    QStringList inputNames;          // as the project names them, for lld-link's messages
    QMap<QString, QString> holderOf; // resource -> the file that holds it
    qint64 total = 0;
    bool failed = false;
    for (const ResourceDirective &r : parsed.resources) {
        QString file = r.file;
        if (file.startsWith(QLatin1String("*.")))
            file = baseName + file.mid(1);
        auto fail = [&](const QString &message) {
            say(QStringLiteral("%1(%2) Error: %3")
                    .arg(shownName, QString::number(r.line), message));
            failed = true;
        };
        const QString path = findBeside(projectFolder, file);
        if (path.isEmpty()) {
            fail(QStringLiteral("File not found: '%1'").arg(file));
            continue;
        }
        if (sameFile(path, target)) {
            fail(QStringLiteral("'%1' is the library this project makes").arg(file));
            continue;
        }
        const QString why = regularFileProblem(path);
        if (!why.isEmpty()) {
            fail(QStringLiteral("Could not read resource file '%1': %2").arg(file, why));
            continue;
        }
        const PieceFile opened(path);
        if (!opened.error().isEmpty()) {
            fail(QStringLiteral("Could not read resource file '%1': %2").arg(file, opened.error()));
            continue;
        }
        QList<Resource> resources;
        bool unreadable = false;
        const ResReader pieces = [&opened, &unreadable](qint64 offset, qint64 length,
                                                        QByteArray &out, QString &reason) {
            unreadable = !opened.read(offset, length, out, reason);
            return !unreadable;
        };
        if (!walkResFile(opened.size(), pieces, resources, error, false)) {
            if (unreadable) {
                fail(QStringLiteral("Could not read resource file '%1': %2").arg(file, error));
                continue;
            }
            fail(QStringLiteral("'%1' is not a valid resource file: %2").arg(file, error));
            continue;
        }
        bool duplicate = false;
        for (const Resource &res : resources) {
            total += (res.dataSize + 3) & ~qint64(3);
            const QString key = resourceText(res);
            const QString holder = holderOf.value(key);
            if (holder.isNull()) {
                holderOf.insert(key, file);
            } else if (!duplicate) {
                duplicate = true;
                fail(holder == file
                         ? QStringLiteral("'%1' holds the resource %2 twice").arg(file, key)
                         : QStringLiteral("'%1' and '%2' both hold the resource %3")
                               .arg(holder, file, key));
            }
        }
        if (total >= resourceLimit) {
            fail(QStringLiteral("The resources up to '%1' take %2 bytes; a 32-bit library holds "
                                "less than 2 GB (%3 bytes)")
                     .arg(file, QString::number(total), QString::number(resourceLimit)));
            break;
        }
        // lld-link takes a leading '/' for an option: a link with a plain name keeps paths out
        // of its way.
        const QString linkName = QStringLiteral("r%1.res").arg(inputs.size());
        if (!makeLink(path, workFolder + QLatin1Char('/') + linkName)) {
            fail(QStringLiteral("Could not prepare '%1' in the temporary folder %2")
                     .arg(file, workFolder));
            continue;
        }
        inputs << linkName; // lld-link runs in the work folder
        inputNames << file;
    }
    if (failed)
        return 1;
    if (inputs.isEmpty()) {
        // A library without resources still links: give lld-link an empty resource file.
        const QString empty = QDir(workFolder).filePath(QStringLiteral("empty.res"));
        QFile f(empty);
        f.open(QIODevice::WriteOnly);
        const char header[32] = {0,          0,          0, 0, 32,         0,          0, 0,
                                 char(0xFF), char(0xFF), 0, 0, char(0xFF), char(0xFF), 0, 0};
        f.write(header, sizeof header);
        f.close();
        inputs << QFileInfo(empty).fileName();
    }

    const QString linker =
        findProgram({QStringLiteral("lld-link"), QStringLiteral("lld-link-16"),
                     QStringLiteral("lld-link-15"), QStringLiteral("lld-link-14")});
    if (linker.isEmpty()) {
        say(QStringLiteral("%1(1) Error: lld-link is not installed").arg(shownName));
        return 1;
    }
    // Linked beside the target under a passing name and renamed into place when whole. The
    // target's folder reaches lld-link through a link: its path may hold bytes that are not
    // UTF-8, or start with a '/' that it takes for an option.
    const QString partialName =
        QStringLiteral(".tolvane-%1.dll.partial").arg(QCoreApplication::applicationPid());
    const QString built = projectFolder + QLatin1Char('/') + partialName;
    if (!makeLink(projectFolder, workFolder + QStringLiteral("/target"))) {
        say(QStringLiteral(
                "%1(1) Error: Could not prepare the folder %2 in the temporary folder %3")
                .arg(shownName, projectFolder, workFolder));
        return 1;
    }
    QStringList linkArgs = {
        QStringLiteral("/dll"), QStringLiteral("/noentry"), QStringLiteral("/machine:x86"),
        QStringLiteral("/nodefaultlib"), QStringLiteral("/Brepro"),
        // The import library stays in the work folder: a resource-only
        // library exports nothing, and the project's folder gets the DLL alone.
        QStringLiteral("/implib:import.lib"), QStringLiteral("/out:./target/") + partialName};
    tolvane::signalcleanup::removeOnSignal(nativename::encode(built).toStdString());
    linkArgs << inputs;
    QString output;
    const int code = runProgram(linker, linkArgs, &output, workFolder);
    if (code != 0 || !statusOf(built).exists) {
        removeFile(built);
        for (int i = 0; i < inputNames.size(); ++i)
            output.replace(inputs.at(i), inputNames.at(i));
        const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (QString line : lines) {
            line.remove(QStringLiteral("lld-link: "));
            line.remove(QStringLiteral("error: "));
            say(QStringLiteral("%1(%2) Error: %3")
                    .arg(shownName, QString::number(parsed.resources.value(0).line), line));
        }
        if (lines.isEmpty())
            say(QStringLiteral("%1(1) Error: linking failed").arg(shownName));
        return 1;
    }

    if (!replaceFile(built, target)) {
        removeFile(built);
        say(QStringLiteral("%1(1) Error: Could not create output file '%2'")
                .arg(shownName, target));
        return 1;
    }
    return 0;
}
