// A second (and third) running copy for the registry's race tests. Each waits for a line on its
// standard input, so that the test can let two of them go at the same moment.
//   registryhelper open FILE              opens the registry; prints its problem text, if any
//   registryhelper rewrite FILE NAME TEXT sets HKEY_CURRENT_USER\Race NAME to TEXT, then puts the
//                                         file's time back, as a clock that has not ticked since
//                                         (or a file system with one-second times) would show it
//   registryhelper bump FILE NAME COUNT   sets HKEY_CURRENT_USER\Race NAME to 000001 ... COUNT;
//                                         before each write checks, on a fresh reading of the file,
//                                         that the value is still the last one written; exit 1
//                                         with "lost ..." when another copy wrote it back
#include "platform/NativeName.h"
#include "platform/Registry.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

using namespace tolvane;

namespace {
QString numbered(int n)
{
    return QStringLiteral("%1").arg(n, 6, 10, QLatin1Char('0'));
}
} // namespace

int main(int argc, char **argv)
{
    if (argc < 3)
        return 2;
    const QString file = nativename::decode(argv[2]);
    std::puts("ready");
    std::fflush(stdout);
    char line[16];
    if (!std::fgets(line, sizeof line, stdin))
        return 2;
    if (std::strcmp(argv[1], "open") == 0) {
        Registry registry(file);
        std::fputs(registry.problem().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (std::strcmp(argv[1], "rewrite") == 0 && argc == 5) {
        Registry registry(file);
        const QDateTime before = QFileInfo(file).lastModified();
        if (!registry.setText(RegRoot::CurrentUser, "Race", QString::fromLocal8Bit(argv[3]),
                              QString::fromLocal8Bit(argv[4])))
            return 2;
        QFile written(file);
        return written.open(QIODevice::ReadOnly) &&
                       written.setFileTime(before, QFileDevice::FileModificationTime)
                   ? 0
                   : 2;
    }
    if (std::strcmp(argv[1], "bump") == 0 && argc == 5) {
        const QString name = QString::fromLocal8Bit(argv[3]);
        const int count = std::atoi(argv[4]);
        Registry registry(file);
        for (int k = 1; k <= count; ++k) {
            const QString last = numbered(k - 1);
            const auto stored = Registry(file).value(RegRoot::CurrentUser, "Race", name);
            if (!stored || stored->text != last) {
                std::printf("lost %s: %s instead of %s\n", argv[3],
                            stored ? qPrintable(stored->text) : "nothing", qPrintable(last));
                return 1;
            }
            if (!registry.setText(RegRoot::CurrentUser, "Race", name, numbered(k))) {
                std::printf("cannot write %s\n", argv[3]);
                return 2;
            }
        }
        return 0;
    }
    return 2;
}
