// Times the folder scan with recursion on a generated tree next to `find DIR -type f | sort` on
// the same tree, as a ratio: the core's scan alone (with the duplicate test and the list's
// order), and the main window's scan with its panel, painting once per screen refresh.
// Usage: bench_scan [FILES ...]   default: 10000 100000; 100 files per folder, in groups of 10.
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

using namespace tolvane;

namespace {
class QuietPrompter : public Prompter
{
  public:
    Box::Button ask(const Box &) override
    {
        ++asked;
        return Box::Ok;
    }
    OpenFilesResult openFiles(const OpenFilesRequest &) override { return {}; }
    QString chooseFolder(QWidget *, const QString &, const QString &) override { return {}; }
    std::optional<QString> saveFile(const SaveFileRequest &) override { return std::nullopt; }
    std::optional<QColor> chooseColour(QWidget *, const QColor &) override { return std::nullopt; }
    std::optional<QString> inputText(QWidget *, const QString &, const QString &,
                                     const QString &) override
    {
        return std::nullopt;
    }
    int asked = 0;
};

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

double findAndSort(const QString &root)
{
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.start(QStringLiteral("sh"),
            {QStringLiteral("-c"), QStringLiteral("find \"$1\" -type f | sort > /dev/null"),
             QStringLiteral("sh"), root});
    p.waitForFinished(-1);
    return t.nsecsElapsed() / 1e6;
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

    std::printf("%8s %8s %10s %10s %10s %10s %10s\n", "files", "folders", "find|sort", "core scan",
                "ratio", "window", "ratio");
    for (int n : sizes) {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("tree"));
        makeTree(root, n);
        LinuxPlatform platform;
        findAndSort(root); // warm the directory cache for both sides alike
        const double find = findAndSort(root);

        QElapsedTimer t;
        t.start();
        Collector collector;
        FolderScan(platform, collector).run(root, true, 0);
        QStringList found = collector.list.takePending();
        std::stable_sort(found.begin(), found.end(), FileList::lessThan);
        const double core = t.nsecsElapsed() / 1e6;

        Registry registry(dir.filePath(QStringLiteral("r.reg")));
        SettingsStore settings(registry);
        QuietPrompter prompter;
        Pacer pacer;
        RecordingSoundPlayer sound;
        TaskbarIdentity taskbar;
        Clock clock;
        StringTable strings;
        Services services{platform, settings, prompter, pacer, sound, taskbar, clock, strings};
        Windows windows(services);
        MainWindow &m = windows.main();
        windows.tool().findChild<QCheckBox *>(QStringLiteral("Rfx"))->setChecked(true);
        m.show();
        QApplication::processEvents();
        t.restart();
        m.findFiles(root);
        QApplication::processEvents();
        const double window = t.nsecsElapsed() / 1e6;

        int perFolder = 0;
        for (int i = 0; i < 100; ++i)
            perFolder += i % 8 != 7;
        const int expected = n / 100 * perFolder;
        if (found.size() != expected || m.list().count() != expected || prompter.asked != 0)
            std::printf("unexpected: %lld and %d entries of %d, %d boxes\n",
                        static_cast<long long>(found.size()), m.list().count(), expected,
                        prompter.asked);
        std::printf("%8d %8d %8.0fms %8.0fms %10.2f %8.0fms %10.2f\n", n, n / 100, find, core,
                    core / find, window, window / find);
    }
    return 0;
}
