// The project file reader on any bytes.
#include "core/ProjectFile.h"
#include "platform/NativeName.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList entries = tolvane::ProjectFile::parse(bytes);
    // An entry is one line: no line break and no zero character in it.
    QByteArray written;
    for (const QString &entry : entries) {
        if (entry.contains(QLatin1Char('\r')) || entry.contains(QLatin1Char('\n')) ||
            entry.contains(QChar(0)))
            __builtin_trap();
        written += tolvane::nativename::encode(entry) + "\r\n";
    }
    // What a save writes of the list reads back as the same list.
    if (tolvane::ProjectFile::parse(written) != entries)
        __builtin_trap();
    return 0;
}
