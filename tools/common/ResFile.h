#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

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

// Reads the 32-bit resource file format: a 32-byte empty entry, then one header and data per
// resource, each aligned to four bytes. False, with the reason, when the file is not of that form.
// With keepData off only the names and sizes are kept, for a quick check of a large file; offsets
// are 64-bit, so a mapped file of any size is walked without wrapping.
bool parseResFile(const QByteArray &bytes, QList<Resource> &out, QString &error,
                  bool keepData = true);

} // namespace tolvane::tools
