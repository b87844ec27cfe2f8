// Times the registry file with many values in one key: loading the file, reading every value
// and one change written back. Each should grow in step with the number of values.
// Usage: bench_registry [N ...]   default: 10000 20000 40000
#include "platform/Registry.h"

#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <cstdio>

using namespace tolvane;

int main(int argc, char **argv)
{
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << QString::fromLocal8Bit(argv[i]).toInt();
    if (sizes.isEmpty())
        sizes = {10000, 20000, 40000};

    std::printf("%8s %10s %10s %10s\n", "values", "load ms", "read ms", "change ms");
    for (int n : sizes) {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("r.reg"));
        QByteArray text = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Tolvane]\n"
                          "\n[HKEY_CURRENT_USER\\Tolvane\\History]\n";
        for (int i = 0; i < n; ++i)
            text += "\"n" + QByteArray::number(i) + "\"=\"/home/user/destinations/folder" +
                    QByteArray::number(i) + "\"\n";
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
            return 1;
        out.close();

        QElapsedTimer t;
        t.start();
        Registry registry(file);
        const double load = t.nsecsElapsed() / 1e6;
        t.restart();
        int found = 0;
        for (int i = 0; i < n; ++i)
            found += registry
                         .value(RegRoot::CurrentUser, QStringLiteral("Tolvane\\History"),
                                QStringLiteral("n%1").arg(i))
                         .has_value();
        const double read = t.nsecsElapsed() / 1e6;
        t.restart();
        const bool changed =
            registry.setText(RegRoot::CurrentUser, QStringLiteral("Tolvane\\History"),
                             QStringLiteral("n0"), QStringLiteral("/elsewhere"));
        const double change = t.nsecsElapsed() / 1e6;
        if (found != n || !changed)
            return 2;
        std::printf("%8d %10.1f %10.1f %10.1f\n", n, load, read, change);
    }
    return 0;
}
