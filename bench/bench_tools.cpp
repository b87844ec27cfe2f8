// Compiles and links N resources of S bytes each with the stand-ins (brcc32 + dcc32) and with
// llvm-rc + lld-link run directly on the same input, and prints both times and their ratio.
// Usage: bench_tools [N [S]]   default: 2000 resources of 105000 bytes (about 210 MB)
#include "core/LibraryProjectWriter.h"
#include "core/ScriptWriter.h"
#include "platform/LinuxPlatform.h"
#include "tools/brcc32/ScriptCheck.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

using namespace tolvane;

static double timed(const QString &program, const QStringList &args)
{
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(-1);
    if (p.exitCode() != 0) {
        std::fprintf(stderr, "%s failed:\n%s\n", qPrintable(program), p.readAll().constData());
        std::exit(1);
    }
    return t.nsecsElapsed() / 1e9;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? atoi(argv[1]) : 2000;
    const int size = argc > 2 ? atoi(argv[2]) : 105000;
    const QString bin = QStringLiteral(TOOLCHAIN_BIN);

    QTemporaryDir dir;
    QList<ListEntry> entries;
    QByteArray data(size, '\0');
    for (int i = 0; i < n; ++i) {
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(data.data()), size / 4);
        const QString path =
            dir.filePath(QStringLiteral("data/r%1.wav").arg(i, 5, 10, QLatin1Char('0')));
        if (i == 0)
            QDir().mkpath(dir.filePath(QStringLiteral("data")));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(data);
        entries << ListEntry{path, true};
    }
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

    const double brcc =
        timed(bin + QStringLiteral("/brcc32"), {dir.filePath(QStringLiteral("Bench.rc"))});
    const double dcc =
        timed(bin + QStringLiteral("/dcc32"), {dir.filePath(QStringLiteral("BenchLib.dpr"))});

    QFile script(dir.filePath(QStringLiteral("Bench.rc")));
    script.open(QIODevice::ReadOnly);
    QFile plain(dir.filePath(QStringLiteral("plain.rc")));
    plain.open(QIODevice::WriteOnly);
    plain.write(tools::ScriptCheck::stripComments(QString::fromUtf8(script.readAll())).toUtf8());
    plain.close();
    const double rc =
        timed(QStringLiteral("llvm-rc"),
              {QStringLiteral("-no-preprocess"), QStringLiteral("-C"), QStringLiteral("65001"),
               QStringLiteral("-fo"), dir.filePath(QStringLiteral("plain.res")),
               dir.filePath(QStringLiteral("plain.rc"))});
    const double link = timed(QStringLiteral("lld-link"),
                              {QStringLiteral("/dll"), QStringLiteral("/noentry"),
                               QStringLiteral("/machine:x86"), QStringLiteral("/nodefaultlib"),
                               QStringLiteral("/out:") + dir.filePath(QStringLiteral("plain.dll")),
                               dir.filePath(QStringLiteral("plain.res"))});
    std::printf("resources: %d, input: %.1f MB\n", n, double(n) * size / 1048576.0);
    std::printf("brcc32 %.2f s + dcc32 %.2f s = %.2f s\n", brcc, dcc, brcc + dcc);
    std::printf("llvm-rc %.2f s + lld-link %.2f s = %.2f s\n", rc, link, rc + link);
    std::printf("ratio (stand-ins / direct): %.2f\n", (brcc + dcc) / (rc + link));
    return 0;
}
