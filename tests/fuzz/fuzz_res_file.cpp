// The .res reader on any bytes, with and without the data kept.
#include "tools/common/ResFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<tolvane::tools::Resource> kept, names;
    QString error;
    const bool ok = tolvane::tools::parseResFile(bytes, kept, error, true);
    // Both ways read the same entries, and the data kept are as large as the headers say.
    if (ok != tolvane::tools::parseResFile(bytes, names, error, false) ||
        kept.size() != names.size())
        __builtin_trap();
    for (const tolvane::tools::Resource &r : kept)
        if (r.data.size() != r.dataSize)
            __builtin_trap();
    if (!ok && error.isEmpty())
        __builtin_trap();
    return 0;
}
