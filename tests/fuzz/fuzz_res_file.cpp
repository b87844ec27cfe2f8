// The .res reader on any bytes, with and without the data kept, in memory and piece by piece.
#include "tools/common/ResFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<tolvane::tools::Resource> kept, names, pieces;
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
    // A reader that copies, as a file's reader does, and is never asked past the end.
    const tolvane::tools::ResReader copying = [&bytes](qint64 offset, qint64 length,
                                                       QByteArray &out, QString &) {
        if (offset < 0 || length < 0 || offset + length > bytes.size())
            __builtin_trap();
        out = bytes.mid(offset, length);
        return true;
    };
    if (tolvane::tools::walkResFile(bytes.size(), copying, pieces, error, true) != ok ||
        pieces.size() != kept.size())
        __builtin_trap();
    for (qsizetype i = 0; i < pieces.size(); ++i)
        if (pieces.at(i).name != kept.at(i).name || pieces.at(i).data != kept.at(i).data)
            __builtin_trap();
    return 0;
}
