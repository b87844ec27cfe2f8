// Times the folder scan with recursion on a generated tree next to `find DIR -type f | sort` on
// the same tree, as a ratio: the core's scan alone (with the duplicate test and the list's
// order), and the main window's scan with its panel, painting once per screen refresh. Wall time
// and processor time (user + system) are given; on a busy machine the latter is the steadier.
// Each side runs five times in turn on the same tree; the medians are given.
// Usage: bench_scan [FILES ...]   default: 10000 100000; 100 files per folder, in groups of 10.
#include "bench/BenchWindows.h"
#include "core/FileList.h"
#include "core/StringTable.h"
#include "core/drop/DropList.h"
#include "core/scan/FolderScan.h"
#include "platform/LinuxPlatform.h"
#include "ui/Windows.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

using namespace tolvane;

namespace {

// What the main window does for each file, without its windows.
class Collector : public ScanListener
{
  public:
    void visiting(const QString &, const QString &) override {}
    bool isDuplicate(const QString &path) override { return list.containsExact(path); }
    void add(const QString &path) override { list.add(path); }
    DropList list;
};

// FOLDERS folders of 100 files each, in groups of ten; every eighth file is no resource.
void makeTree(const QString &root, int files)
{
    static const char *kinds[] = {".bmp", ".ico", ".wav", ".cur", ".ani", ".avi", ".gif", ".txt"};
    const int folders = files / 100;
    for (int f = 0; f < folders; ++f) {
        const QString folder = QStringLiteral("%1/group%2/set%3").arg(root).arg(f / 10).arg(f);
        QDir().mkpath(folder);
        for (int i = 0; i < 100; ++i) {
            QFile file(QStringLiteral("%1/file%2%3").arg(folder).arg(i).arg(kinds[i % 8]));
            file.open(QIODevice::WriteOnly);
        }
    }
}

struct Times
{
    double wall = 0;
    double cpu = 0;
};

double cpuMs(int who)
{
    rusage u{};
    getrusage(who, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 +
           (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

// Times a piece of work of this process.
template <typename F> Times measure(F work)
{
    QElapsedTimer t;
    const double cpu = cpuMs(RUSAGE_SELF);
    t.start();
    work();
    return {t.nsecsElapsed() / 1e6, cpuMs(RUSAGE_SELF) - cpu};
}

Times findAndSort(const QString &root)
{
    QElapsedTimer t;
    const double cpu = cpuMs(RUSAGE_CHILDREN);
    t.start();
    QProcess p;
    p.start(QStringLiteral("sh"),
            {QStringLiteral("-c"), QStringLiteral("find \"$1\" -type f | sort > /dev/null"),
             QStringLiteral("sh"), root});
    p.waitForFinished(-1);
    return {t.nsecsElapsed() / 1e6, cpuMs(RUSAGE_CHILDREN) - cpu};
}

constexpr int rounds = 5;

// The middle of the rounds, wall and processor time each on its own.
Times median(std::vector<Times> runs)
{
    Times m;
    const size_t mid = runs.size() / 2;
    std::nth_element(runs.begin(), runs.begin() + long(mid), runs.end(),
                     [](const Times &a, const Times &b) { return a.wall < b.wall; });
    m.wall = runs[mid].wall;
    std::nth_element(runs.begin(), runs.begin() + long(mid), runs.end(),
                     [](const Times &a, const Times &b) { return a.cpu < b.cpu; });
    m.cpu = runs[mid].cpu;
    return m;
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

    std::printf("%7s %7s | %-19s | %-25s | %-25s\n", "", "", "find | sort", "core scan",
                "main window scan");
    std::printf("%7s %7s | %9s %9s | %9s %9s %5s | %9s %9s %5s\n", "files", "folders", "wall",
                "cpu", "wall", "cpu", "ratio", "wall", "cpu", "ratio");
    for (int n : sizes) {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("tree"));
        makeTree(root, n);
        LinuxPlatform platform;
        findAndSort(root); // warm the directory cache for both sides alike
        std::vector<Times> finds, cores, windowRuns;
        QStringList found;
        int listed = 0, asked = 0;
        for (int round = 0; round < rounds; ++round) {
            finds.push_back(findAndSort(root));

            cores.push_back(measure([&] {
                Collector collector;
                FolderScan(platform, collector).run(root, true, 0);
                found = collector.list.takePending();
                FileList::sort(found);
            }));

            Pacer pacer;
            bench::BenchWindows bench(dir.filePath(QStringLiteral("r%1.reg").arg(round)), pacer,
                                      Box::Ok);
            Windows &windows = bench.windows;
            MainWindow &m = windows.main();
            windows.tool().findChild<QCheckBox *>(QStringLiteral("Rfx"))->setChecked(true);
            m.show();
            QApplication::processEvents();
            windowRuns.push_back(measure([&] {
                m.findFiles(root);
                QApplication::processEvents();
            }));
            listed = m.list().count();
            asked += bench.prompter.asked;
        }
        const Times find = median(finds), core = median(cores), window = median(windowRuns);

        int perFolder = 0;
        for (int i = 0; i < 100; ++i)
            perFolder += i % 8 != 7;
        const int expected = n / 100 * perFolder;
        if (found.size() != expected || listed != expected || asked != 0)
            std::printf("unexpected: %lld and %d entries of %d, %d boxes\n",
                        static_cast<long long>(found.size()), listed, expected, asked);
        std::printf("%7d %7d | %7.0fms %7.0fms | %7.0fms %7.0fms %5.2f | %7.0fms %7.0fms %5.2f\n",
                    n, n / 100, find.wall, find.cpu, core.wall, core.cpu, core.cpu / find.cpu,
                    window.wall, window.cpu, window.cpu / find.cpu);
    }
    return 0;
}
