// The headless build of N resources of S bytes each next to its floor, llvm-rc + lld-link run
// directly on the same files; and the stand-ins (brcc32 + dcc32) alone next to the same floor.
// Wall time and processor time (user + system of the processes run) are given, each with its
// ratio to the floor; on a busy machine the processor time is the steadier.
// Usage: bench_tools [N [S]]   default: 1000 resources of 105000 bytes (about 100 MB)
#include "core/LibraryProjectWriter.h"
#include "core/ScriptWriter.h"
#include "platform/LinuxPlatform.h"
#include "platform/Registry.h"
#include "tools/brcc32/ScriptCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

using namespace tolvane;

namespace {

struct Times
{
    double wall = 0;
    double cpu = 0;
    Times operator+(const Times &o) const { return {wall + o.wall, cpu + o.cpu}; }
};

double childCpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

Times timed(const QString &program, const QStringList &args, const QString &folder = QString())
{
    const double cpu = childCpuSeconds();
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (!folder.isEmpty())
        p.setWorkingDirectory(folder);
    p.start(program, args);
    p.waitForFinished(-1);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "%s failed:\n%s\n", qPrintable(program), p.readAll().constData());
        std::exit(1);
    }
    return {t.nsecsElapsed() / 1e9, childCpuSeconds() - cpu};
}

void row(const char *what, const Times &t, const Times &floor)
{
    std::printf("%-28s %8.2f s %8.2f s %7.2f %7.2f\n", what, t.wall, t.cpu, t.wall / floor.wall,
                t.cpu / floor.cpu);
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? atoi(argv[1]) : 1000;
    const int size = argc > 2 ? atoi(argv[2]) : 105000;
    const QString bin = QStringLiteral(TOOLCHAIN_BIN);

    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data"));
    const QString program = dir.filePath(QStringLiteral("program"));
    const QString dest = dir.filePath(QStringLiteral("dest"));
    for (const QString &folder : {data, program, dest})
        QDir().mkpath(folder);
    QList<ListEntry> entries;
    QByteArray project;
    QByteArray bytes(size, '\0');
    for (int i = 0; i < n; ++i) {
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
        const QString path = data + QStringLiteral("/r%1.wav").arg(i, 5, 10, QLatin1Char('0'));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        entries << ListEntry{path, true};
        project += path.toUtf8() + "\r\n";
    }
    QFile tpf(dir.filePath(QStringLiteral("Bench.tpf")));
    tpf.open(QIODevice::WriteOnly);
    tpf.write(project);
    tpf.close();
    const QString registryFile = dir.filePath(QStringLiteral("registry.reg"));
    {
        Registry r(registryFile);
        const QString key = QStringLiteral("\\SOFTWARE\\Kelvadore\\Tolvane");
        r.createKey(RegRoot::LocalMachine, key);
        r.setText(RegRoot::LocalMachine, key, QStringLiteral("Compiler1"), bin + "/brcc32");
        r.setText(RegRoot::LocalMachine, key, QStringLiteral("Compiler2"), bin + "/dcc32");
        r.setText(RegRoot::LocalMachine, key, QStringLiteral("Program Folder"), program);
    }

    // The floor: the script without its comments, compiled and linked by the tools themselves.
    LinuxPlatform platform;
    Clock clock;
    ScriptSettings s;
    s.scriptName = QStringLiteral("Bench");
    s.fileInfo = true;
    s.programFolder = dir.path();
    s.settingsKeyExists = true;
    ScriptWriter(platform, clock).write(entries, {}, s);
    LibraryProjectWriter::write(
        platform, {QStringLiteral("BenchLib"), s.scriptName, true, true, false, dir.path()});
    QFile script(dir.filePath(QStringLiteral("Bench.rc")));
    script.open(QIODevice::ReadOnly);
    QFile plain(dir.filePath(QStringLiteral("plain.rc")));
    plain.open(QIODevice::WriteOnly);
    plain.write(tools::ScriptCheck::stripComments(QString::fromUtf8(script.readAll())).toUtf8());
    plain.close();

    // Once each beforehand, so that every side finds the files in the cache alike. Run in the
    // folder itself: both take a path starting with '/' for an option.
    const auto direct = [&] {
        const Times rc =
            timed(QStringLiteral("llvm-rc"),
                  {QStringLiteral("-no-preprocess"), QStringLiteral("-C"), QStringLiteral("65001"),
                   QStringLiteral("-fo"), QStringLiteral("plain.res"), QStringLiteral("plain.rc")},
                  dir.path());
        return rc + timed(QStringLiteral("lld-link"),
                          {QStringLiteral("/dll"), QStringLiteral("/noentry"),
                           QStringLiteral("/machine:x86"), QStringLiteral("/nodefaultlib"),
                           QStringLiteral("/out:plain.dll"), QStringLiteral("plain.res")},
                          dir.path());
    };
    // In turn: the order of the operands of + is not the order they run in.
    const auto standIns = [&] {
        const Times rc =
            timed(bin + QStringLiteral("/brcc32"), {dir.filePath(QStringLiteral("Bench.rc"))});
        return rc + timed(bin + QStringLiteral("/dcc32"),
                          {dir.filePath(QStringLiteral("BenchLib.dpr"))});
    };
    const auto headless = [&] {
        const Times t = timed(QStringLiteral(TOLVANE_BUILD),
                              {tpf.fileName(), QStringLiteral("--dest"), dest,
                               QStringLiteral("--registry"), registryFile, QStringLiteral("--yes"),
                               QStringLiteral("--quiet"), QStringLiteral("--compile")});
        QDir(dest).removeRecursively();
        QDir().mkpath(dest);
        return t;
    };
    direct();
    standIns();
    headless();
    const Times floor = direct();
    const Times tools = standIns();
    const Times build = headless();

    std::printf("resources: %d of %d bytes, %.1f MB\n", n, size, double(n) * size / 1048576.0);
    std::printf("%-28s %10s %10s %7s %7s\n", "", "wall", "cpu", "ratio", "cpu");
    row("llvm-rc + lld-link", floor, floor);
    row("brcc32 + dcc32", tools, floor);
    row("tolvane-build", build, floor);
    return 0;
}
