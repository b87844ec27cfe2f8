// Times the file list's operations through the main window at several sizes: adding one by one,
// new content at once, merging into a full list, select all, invert, clearing the selected
// entries, removing scattered entries (as the sweep does) and clearing all. Each figure is also
// given per entry, so an operation that grows faster than the list shows as a rising column.
// The figures are processor time.
// Runs offscreen. Usage: bench_filelist [N ...]   default: 10000 100000
#include "bench/BenchWindows.h"
#include "core/StringTable.h"
#include "platform/LinuxPlatform.h"
#include "ui/Windows.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

using namespace tolvane;

namespace {
// Shuffled order, so every insertion lands somewhere new.
QStringList shuffledPaths(int n, int from, const char *kind)
{
    QStringList paths;
    for (int i = 0; i < n; ++i)
        paths << QStringLiteral("/res/%1/file%2.%3")
                     .arg((i * 7919) % n, 6, 10, QLatin1Char('0'))
                     .arg(from + i)
                     .arg(QLatin1String(kind));
    return paths;
}

// Processor time of this process: on a shared machine it is steadier than the wall clock.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

template <typename F> double ms(F work)
{
    const double start = cpuMs();
    work();
    QApplication::processEvents();
    return cpuMs() - start;
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << QString::fromLocal8Bit(argv[i]).toInt();
    if (sizes.isEmpty())
        sizes = {10000, 100000};

    const char *names[] = {"add 1by1", "add all",   "merge", "select",
                           "invert",   "clear sel", "sweep", "clear all"};
    std::printf("%8s", "entries");
    for (const char *name : names)
        std::printf(" %10s", name);
    std::printf("\n");
    for (int n : sizes) {
        QTemporaryDir dir;
        InstantPacer pacer;
        bench::BenchWindows bench(dir.filePath(QStringLiteral("r.reg")), pacer, Box::No);
        Windows &windows = bench.windows;
        MainWindow &m = windows.main();
        m.show();
        const QStringList paths = shuffledPaths(n, 0, "bmp");
        double t[8] = {};
        t[0] = ms([&] {
            for (const QString &p : paths)
                m.addFile(p);
        });
        m.clearAll();
        t[1] = ms([&] { m.list().addMany(paths); });
        m.clearAll();
        m.list().addMany(shuffledPaths(n / 2, 0, "bmp"));
        const QStringList more = shuffledPaths(n / 2, n, "ico");
        t[2] = ms([&] { m.list().addMany(more); });
        t[3] = ms([&] { m.selectAll(); });
        t[4] = ms([&] {
                   m.invertSelection();
                   m.invertSelection();
               }) /
               2;
        QList<int> half;
        for (int i = 0; i < n; i += 2)
            half << i;
        m.selectRows(half);
        t[5] = ms([&] { m.clearItems(); });
        // One in ten of what is left, scattered, with the rest selected: the sweep's removal.
        m.selectAll();
        QList<int> tenth;
        for (int i = 3; i < m.list().count(); i += 10)
            tenth << i;
        t[6] = ms([&] { m.list().removeRows(tenth); });
        t[7] = ms([&] { m.clearAll(); });
        std::printf("%8d", n);
        for (double v : t)
            std::printf(" %8.1fms", v);
        std::printf("\n%8s", "per 1000");
        for (double v : t)
            std::printf(" %8.2fms", v * 1000.0 / n);
        std::printf("\n");
        std::fflush(stdout);
    }
    return 0;
}
