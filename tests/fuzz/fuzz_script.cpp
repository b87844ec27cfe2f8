// The script checker on any bytes: comment removal, then the check of every statement line,
// with relative file names looked up in a folder that holds one file of each checked shape.
#include "tools/brcc32/ScriptCheck.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

QString sampleFolder()
{
    static QTemporaryDir dir;
    static bool filled = false;
    if (!filled) {
        filled = true;
        const QByteArray icon("\0\0\1\0\1\0\20\20\0\0\1\0\40\0\10\0\0\0\26\0\0\0bodybody", 30);
        QByteArray bitmap("BM", 2);
        bitmap += QByteArray(12, '\0') + QByteArray("\50\0\0\0", 4) + QByteArray(36, '\0');
        const QList<QPair<QString, QByteArray>> files = {
            {"a.ico", icon},
            {"a.cur", QByteArray(icon).replace(2, 1, "\2")},
            {"a.bmp", bitmap},
            {"a.wav", "RIFF\4\0\0\0WAVE"}};
        for (const auto &f : files) {
            QFile out(dir.filePath(f.first));
            if (out.open(QIODevice::WriteOnly))
                out.write(f.second);
        }
    }
    return dir.path();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString stripped = tolvane::tools::ScriptCheck::stripComments(text);
    const tolvane::tools::CheckedScript checked =
        tolvane::tools::ScriptCheck::check(stripped, {sampleFolder()});
    // Blanking comments and naming links never moves a statement to another line.
    if (checked.compilable.count(QLatin1Char('\n')) != stripped.count(QLatin1Char('\n')))
        __builtin_trap();
    tolvane::tools::ScriptCheck::iconProblem(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)), 1);
    tolvane::tools::ScriptCheck::bitmapProblem(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
