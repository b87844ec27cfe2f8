#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace tolvane::tools {

// One resource of a compiled .res file.
struct Resource
{
    QString type; // "#2" for a numbered type, else its name
    QString name; // "#1" for a numbered name, else its name
    quint16 language = 0;
    qint64 dataSize = 0; // as the header gives it, also when the data is not kept
    QByteArray data;
};

// Fills `out` with `length` bytes from `offset` (never past the end the walk was given); false,
// with the reason in `error`, when they cannot be read.
using ResReader =
    std::function<bool(qint64 offset, qint64 length, QByteArray &out, QString &error)>;

// The longest resource header read: names of half a million characters. A longer one is taken
// for a damaged file rather than read into memory.
constexpr qint64 maxResHeader = qint64(1) << 20;

// Reads the 32-bit resource file format: a 32-byte empty entry, then one header and data per
// resource, each aligned to four bytes. False, with the reason, when the file is not of that form.
// With keepData off only the names and sizes are kept, for a quick check of a large file; offsets
// are 64-bit, so a file of any size is walked without wrapping.
bool parseResFile(const QByteArray &bytes, QList<Resource> &out, QString &error,
                  bool keepData = true);

// The same walk over a file of `size` bytes that `read` gives piece by piece: only the headers
// are read (and the data with keepData), so a large file costs a read per resource.
bool walkResFile(qint64 size, const ResReader &read, QList<Resource> &out, QString &error,
                 bool keepData = false);

} // namespace tolvane::tools
