// dcc32 LIBRARY.dpr: links the .res files that a resource-only library project names into
// LIBRARY.dll beside the project (a 32-bit Windows DLL, through lld-link). Errors are printed as
// "FILE(LINE) Error: ..." with exit code 1, and no DLL is left behind.
#include "tools/dcc32/LibraryProject.h"
#include "tools/common/ResFile.h"
#include "tools/common/Toolbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace tolvane::tools;

namespace {

// The compiler's file system ignores case: "ICONS.RES" finds icons.res.
QString findBeside(const QDir &dir, const QString &name)
{
    QString n = name;
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QFileInfo direct(dir, n);
    if (direct.exists())
        return direct.absoluteFilePath();
    const QFileInfo wanted(dir, n);
    const QDir folder = wanted.dir();
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString &entry : entries)
        if (entry.compare(wanted.fileName(), Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    return QString();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-'))) {
        say(QStringLiteral("Library compiler (Tolvane stand-in)"));
        say(QStringLiteral("Syntax: dcc32 LIBRARY.dpr"));
        return 2;
    }
    QString project = args.first();
    if (QFileInfo(project).suffix().isEmpty() && !QFileInfo::exists(project))
        project += QStringLiteral(".dpr");
    const QFileInfo info(project);
    const QString shownName = info.fileName();
    QFile in(project);
    if (!in.open(QIODevice::ReadOnly)) {
        say(QStringLiteral("%1(1) Error: Could not open project file").arg(shownName));
        return 1;
    }
    const QString text = QString::fromUtf8(in.readAll());
    in.close();

    LibraryProject parsed;
    int errorLine = 0;
    QString error;
    if (!parseLibraryProject(text, parsed, errorLine, error)) {
        say(QStringLiteral("%1(%2) Error: %3").arg(shownName).arg(errorLine).arg(error));
        return 1;
    }

    QTemporaryDir work;
    QStringList inputs;
    bool failed = false;
    for (const ResourceDirective &r : parsed.resources) {
        QString file = r.file;
        if (file.startsWith(QLatin1String("*.")))
            file = info.completeBaseName() + file.mid(1);
        const QString path = findBeside(info.absoluteDir(), file);
        if (path.isEmpty()) {
            say(QStringLiteral("%1(%2) Error: File not found: '%3'")
                    .arg(shownName)
                    .arg(r.line)
                    .arg(file));
            failed = true;
            continue;
        }
        QFile f(path);
        QList<Resource> resources;
        bool valid = f.open(QIODevice::ReadOnly);
        if (valid) {
            // Mapped, so a large file is walked without being read into memory.
            uchar *mapped = f.size() > 0 ? f.map(0, f.size()) : nullptr;
            const QByteArray bytes =
                mapped ? QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), f.size())
                       : f.readAll();
            valid = parseResFile(bytes, resources, error, false);
        }
        if (!valid) {
            say(QStringLiteral("%1(%2) Error: '%3' is not a valid resource file: %4")
                    .arg(shownName)
                    .arg(r.line)
                    .arg(file, error));
            failed = true;
            continue;
        }
        // lld-link takes a leading '/' for an option: a link with a plain name keeps paths out
        // of its way.
        const QString link = work.filePath(QStringLiteral("r%1.res").arg(inputs.size()));
        QFile::link(QFileInfo(path).absoluteFilePath(), link);
        inputs << QFileInfo(link).fileName(); // lld-link runs in the work folder
    }
    if (failed)
        return 1;
    if (inputs.isEmpty()) {
        // A library without resources still links: give lld-link an empty resource file.
        const QString empty = work.filePath(QStringLiteral("empty.res"));
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
    // Linked beside the target under a passing name and renamed into place when whole.
    const QString target =
        info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral(".dll"));
    const QString built =
        target + QStringLiteral(".partial-%1").arg(QCoreApplication::applicationPid());
    QStringList linkArgs = {QStringLiteral("/dll"), QStringLiteral("/noentry"),
                            QStringLiteral("/machine:x86"), QStringLiteral("/nodefaultlib"),
                            QStringLiteral("/Brepro"),
                            // The import library stays in the work folder: a resource-only
                            // library exports nothing, and the project's folder gets the DLL alone.
                            QStringLiteral("/implib:import.lib"),
                            QStringLiteral("/out:") + QDir(work.path()).relativeFilePath(built)};
    linkArgs << inputs;
    QString output;
    const int code = runProgram(linker, linkArgs, &output, work.path());
    if (code != 0 || !QFileInfo::exists(built)) {
        QFile::remove(built);
        const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (QString line : lines) {
            line.remove(QStringLiteral("lld-link: "));
            line.remove(QStringLiteral("error: "));
            say(QStringLiteral("%1(%2) Error: %3")
                    .arg(shownName)
                    .arg(parsed.resources.value(0).line)
                    .arg(line));
        }
        if (lines.isEmpty())
            say(QStringLiteral("%1(1) Error: linking failed").arg(shownName));
        return 1;
    }

    QFile::remove(target);
    if (!QFile::rename(built, target)) {
        QFile::remove(built);
        say(QStringLiteral("%1(1) Error: Could not create output file '%2'")
                .arg(shownName, target));
        return 1;
    }
    return 0;
}
