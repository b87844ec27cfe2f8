// Writes the script for N selected entries (no pauses) and reports time and peak memory.
// Usage: bench_script [N ...]   default: 2500 5000 10000 20000
#include "core/ScriptWriter.h"
#include "platform/LinuxPlatform.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

using namespace tolvane;

static long peakKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << QString::fromLocal8Bit(argv[i]).toInt();
    if (sizes.isEmpty())
        sizes = {2500, 5000, 10000, 20000};

    QTemporaryDir dir;
    LinuxPlatform platform;
    Clock clock;
    ScriptWriter writer(platform, clock);
    const int largest = *std::max_element(sizes.begin(), sizes.end());
    QList<ListEntry> all;
    for (int i = 0; i < largest; ++i) {
        const QString path =
            dir.filePath(QStringLiteral("res%1.bmp").arg(i, 6, 10, QLatin1Char('0')));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("BM");
        all << ListEntry{path, true};
    }
    std::printf("%10s %12s %14s %14s\n", "entries", "ms", "us/entry", "peak RSS KB");
    for (int n : sizes) {
        ScriptSettings s;
        s.scriptName = QStringLiteral("Bench");
        s.fileInfo = true;
        s.programFolder = dir.path();
        s.settingsKeyExists = true;
        const QList<ListEntry> entries = all.mid(0, n);
        int steps = 0;
        QElapsedTimer timer;
        timer.start();
        const WriteResult r =
            writer.write(entries, {}, s, [&](const ScriptProgress &) { ++steps; });
        const double ms = timer.nsecsElapsed() / 1e6;
        if (!r || steps != n) {
            std::fprintf(stderr, "write failed: %s\n", qPrintable(r.error));
            return 1;
        }
        std::printf("%10d %12.1f %14.2f %14ld\n", n, ms, ms * 1000 / n, peakKb());
    }
    return 0;
}
