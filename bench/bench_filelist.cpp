// Times the file list's operations on large lists: adding one by one and all at once, select
// all, invert, clearing the selected entries and clearing all. Runs offscreen.
// Usage: bench_filelist [N ...]   default: 5000 10000 20000
#include "bench/BenchWindows.h"
#include "core/StringTable.h"
#include "platform/LinuxPlatform.h"
#include "ui/Windows.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

using namespace tolvane;

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << QString::fromLocal8Bit(argv[i]).toInt();
    if (sizes.isEmpty())
        sizes = {5000, 10000, 20000};

    std::printf("%8s %10s %10s %10s %10s %10s %10s\n", "entries", "add 1by1", "add all", "select",
                "invert", "clear sel", "clear all");
    for (int n : sizes) {
        QTemporaryDir dir;
        bench::InstantPacer pacer;
        bench::BenchWindows bench(dir.filePath(QStringLiteral("r.reg")), pacer, Box::No);
        Windows &windows = bench.windows;
        MainWindow &m = windows.main();
        m.show();
        QStringList paths;
        for (int i = 0; i < n; ++i) // shuffled order, so every insertion lands somewhere new
            paths << QStringLiteral("/res/%1/file%2.bmp")
                         .arg((i * 7919) % n, 6, 10, QLatin1Char('0'))
                         .arg(i);
        QElapsedTimer t;
        t.start();
        for (const QString &p : paths)
            m.addFile(p);
        QApplication::processEvents();
        const double add = t.nsecsElapsed() / 1e6;
        m.clearAll();
        t.restart();
        m.list().addMany(paths);
        QApplication::processEvents();
        const double addAll = t.nsecsElapsed() / 1e6;
        t.restart();
        m.selectAll();
        QApplication::processEvents();
        const double select = t.nsecsElapsed() / 1e6;
        t.restart();
        m.invertSelection();
        m.invertSelection();
        QApplication::processEvents();
        const double invert = t.nsecsElapsed() / 2e6;
        QList<int> half;
        for (int i = 0; i < n; i += 2)
            half << i;
        m.selectRows(half);
        t.restart();
        m.clearItems();
        QApplication::processEvents();
        const double clearSel = t.nsecsElapsed() / 1e6;
        t.restart();
        m.clearAll();
        QApplication::processEvents();
        const double clearAll = t.nsecsElapsed() / 1e6;
        std::printf("%8d %9.1fms %9.1fms %9.1fms %9.1fms %9.1fms %9.1fms\n", n, add, addAll, select,
                    invert, clearSel, clearAll);
        std::fflush(stdout);
    }
    return 0;
}
