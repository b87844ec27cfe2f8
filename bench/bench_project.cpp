// Loads and sweeps a project of N entries, some of whose files are gone, next to the least such a
// load can cost: reading the file and checking each path once. Reports both times and the ratio,
// for the core's load (with the repair write-back) and for the main window's load command. The
// figures are processor time.
// Usage: bench_project [N [PERCENT_MISSING]]   default: 100000 10
#include "bench/BenchWindows.h"
#include "core/ProjectFile.h"
#include "core/StringTable.h"
#include "core/project/ProjectLoad.h"
#include "core/project/ProjectSweep.h"
#include "platform/LinuxPlatform.h"
#include "ui/Windows.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

using namespace tolvane;

namespace {

// Processor time of this process: on a shared machine it is steadier than the wall clock.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The floor: read the bytes, split the lines, ask for each path once.
int readAndCheck(const QString &project)
{
    QFile f(project);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    int present = 0;
    for (const QByteArray &line : f.readAll().split('\n')) {
        const QByteArray path = line.endsWith('\r') ? line.chopped(1) : line;
        if (!path.isEmpty() && QFileInfo::exists(QString::fromUtf8(path)))
            ++present;
    }
    return present;
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int n = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    const int missingPercent = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 10;

    QTemporaryDir dir;
    QStringList entries;
    int present = 0;
    for (int i = 0; i < n; ++i) {
        const QString folder =
            dir.filePath(QStringLiteral("art %1").arg(i / 1000, 3, 10, QLatin1Char('0')));
        if (i % 1000 == 0)
            QDir().mkpath(folder);
        const QString path = folder + QStringLiteral("/image %1.bmp").arg(i);
        entries << path;
        if ((i * 37) % 100 < missingPercent)
            continue; // listed, but gone
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        ++present;
    }
    const QString original = dir.filePath(QStringLiteral("Big.tpf"));
    LinuxPlatform platform;
    if (!ProjectFile::write(platform, original, ProjectLoad::sorted(entries))) {
        std::fprintf(stderr, "cannot write the project\n");
        return 1;
    }
    auto copy = [&](const QString &name) {
        const QString p = dir.filePath(name);
        QFile::remove(p);
        QFile::copy(original, p);
        return p;
    };
    readAndCheck(original); // warms the file system's caches for every run below

    double start = cpuMs();
    const int found = readAndCheck(original);
    const double floorMs = cpuMs() - start;

    const QString coreProject = copy(QStringLiteral("Core.tpf"));
    start = cpuMs();
    // The core's part of a load: the read, one look at each entry, the repair.
    const ProjectOpen opened = ProjectLoad::open(platform, coreProject);
    const QStringList listed = ProjectLoad::sorted(opened.entries);
    const QList<int> gone = ProjectSweep::missingRows(platform, listed);
    QStringList goneEntries;
    for (int row : gone)
        goneEntries << listed.at(row);
    ProjectSweep::repair(platform, coreProject, coreProject, opened, goneEntries);
    const int coreLeft = int(listed.size() - gone.size());
    const double coreMs = cpuMs() - start;

    InstantPacer pacer;
    bench::BenchWindows bench(dir.filePath(QStringLiteral("r.reg")), pacer, Box::Ok);
    Windows &windows = bench.windows;
    MainWindow &m = windows.main();
    m.show();
    windows.tool().findChild<QCheckBox *>(QStringLiteral("Cx14"))->setChecked(true);
    const QString uiProject = copy(QStringLiteral("Window.tpf"));
    start = cpuMs();
    m.loadProject(uiProject);
    QApplication::processEvents();
    const double uiMs = cpuMs() - start;

    if (found != present || coreLeft != present || m.list().count() != present) {
        std::fprintf(stderr, "unexpected counts: %d %d %d of %d\n", found, coreLeft,
                     m.list().count(), present);
        return 1;
    }
    std::printf("%8s %8s %14s %12s %8s %14s %8s\n", "entries", "missing", "read+check ms",
                "core load ms", "ratio", "window load ms", "ratio");
    std::printf("%8d %8d %14.1f %12.1f %8.2f %14.1f %8.2f\n", n, n - present, floorMs, coreMs,
                coreMs / floorMs, uiMs, uiMs / floorMs);
    return 0;
}
