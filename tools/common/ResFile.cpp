#include "tools/common/ResFile.h"

#include <QtEndian>

namespace tolvane::tools {

namespace {

// What one read at an entry takes: its sizes and a header with short names, so that most entries
// cost a single read.
constexpr qint64 firstRead = 128;

bool readId(const QByteArray &b, qint64 &pos, qint64 end, QString &out)
{
    end = qMin(end, qint64(b.size()));
    if (pos + 2 > end)
        return false;
    const quint16 first = qFromLittleEndian<quint16>(b.constData() + pos);
    if (first == 0xFFFF) {
        if (pos + 4 > end)
            return false;
        out =
            QLatin1Char('#') + QString::number(qFromLittleEndian<quint16>(b.constData() + pos + 2));
        pos += 4;
        return true;
    }
    QString text;
    while (true) {
        if (pos + 2 > end)
            return false;
        const quint16 c = qFromLittleEndian<quint16>(b.constData() + pos);
        pos += 2;
        if (c == 0)
            break;
        text += QChar(c);
    }
    out = text;
    return true;
}

} // namespace

bool walkResFile(qint64 size, const ResReader &read, QList<Resource> &out, QString &error,
                 bool keepData)
{
    out.clear();
    // Offsets are 64-bit: a file past 2 GB must not wrap them.
    qint64 pos = 0;
    bool first = true;
    QByteArray header;
    while (pos < size) {
        if (pos + 8 > size) {
            error = QStringLiteral("truncated resource header at offset %1").arg(pos);
            return false;
        }
        if (!read(pos, qMin(firstRead, size - pos), header, error))
            return false;
        const qint64 dataSize = qFromLittleEndian<quint32>(header.constData());
        const qint64 headerSize = qFromLittleEndian<quint32>(header.constData() + 4);
        if (headerSize < 32 || pos + headerSize + dataSize > size) {
            error = QStringLiteral("resource entry at offset %1 runs past the end of the file")
                        .arg(pos);
            return false;
        }
        if (headerSize > maxResHeader) {
            error = QStringLiteral("resource header at offset %1 is longer than %2 bytes")
                        .arg(pos)
                        .arg(maxResHeader);
            return false;
        }
        if (headerSize > header.size() && !read(pos, headerSize, header, error))
            return false;
        qint64 p = 8;
        Resource r;
        if (!readId(header, p, headerSize, r.type) || !readId(header, p, headerSize, r.name)) {
            error = QStringLiteral("bad resource name at offset %1").arg(pos);
            return false;
        }
        p = (p + 3) & ~qint64(3);
        if (p + 16 > headerSize || p + 16 > header.size()) {
            error = QStringLiteral("resource header at offset %1 is too short").arg(pos);
            return false;
        }
        r.language = qFromLittleEndian<quint16>(header.constData() + p + 6);
        const qint64 headerEnd = pos + headerSize;
        if (first) {
            // Every .res starts with an empty entry of type 0 and name 0.
            if (dataSize != 0 || r.type != QLatin1String("#0") || r.name != QLatin1String("#0")) {
                error = QStringLiteral("the file does not start with a resource file header");
                return false;
            }
            first = false;
        } else {
            r.dataSize = dataSize;
            if (keepData && dataSize > 0) {
                QByteArray piece;
                if (!read(headerEnd, dataSize, piece, error))
                    return false;
                // The piece may only borrow the reader's bytes; the resource keeps its own.
                r.data = QByteArray(piece.constData(), piece.size());
            }
            out << r;
        }
        pos = (headerEnd + dataSize + 3) & ~qint64(3);
    }
    if (first) {
        error = QStringLiteral("the file is empty");
        return false;
    }
    return true;
}

bool parseResFile(const QByteArray &b, QList<Resource> &out, QString &error, bool keepData)
{
    const ResReader inMemory = [&b](qint64 offset, qint64 length, QByteArray &piece, QString &) {
        piece = QByteArray::fromRawData(b.constData() + offset, length);
        return true;
    };
    return walkResFile(b.size(), inMemory, out, error, keepData);
}

} // namespace tolvane::tools
