// The library project parser on any bytes.
#include "tools/dcc32/LibraryProject.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    tolvane::tools::LibraryProject parsed;
    int line = 0;
    QString error;
    const bool ok = tolvane::tools::parseLibraryProject(text, parsed, line, error);
    // A failure always says where and what; every directive names a file.
    if (!ok && (line < 1 || error.isEmpty()))
        __builtin_trap();
    for (const tolvane::tools::ResourceDirective &r : parsed.resources)
        if (r.file.isEmpty() || r.line < 1)
            __builtin_trap();
    return 0;
}
