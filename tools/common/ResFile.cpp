#include "tools/common/ResFile.h"

#include <QtEndian>

namespace tolvane::tools {

namespace {

// Offsets are 64-bit: a .res is walked mapped, and a file past 2 GB must not wrap them.
bool readId(const QByteArray &b, qint64 &pos, qint64 end, QString &out)
{
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

bool parseResFile(const QByteArray &b, QList<Resource> &out, QString &error, bool keepData)
{
    out.clear();
    const qint64 size = b.size();
    qint64 pos = 0;
    bool first = true;
    while (pos < size) {
        if (pos + 8 > size) {
            error = QStringLiteral("truncated resource header at offset %1").arg(pos);
            return false;
        }
        const qint64 dataSize = qFromLittleEndian<quint32>(b.constData() + pos);
        const qint64 headerSize = qFromLittleEndian<quint32>(b.constData() + pos + 4);
        if (headerSize < 32 || pos + headerSize + dataSize > size) {
            error = QStringLiteral("resource entry at offset %1 runs past the end of the file")
                        .arg(pos);
            return false;
        }
        const qint64 headerEnd = pos + headerSize;
        qint64 p = pos + 8;
        Resource r;
        if (!readId(b, p, headerEnd, r.type) || !readId(b, p, headerEnd, r.name)) {
            error = QStringLiteral("bad resource name at offset %1").arg(pos);
            return false;
        }
        p = (p + 3) & ~qint64(3);
        if (p + 16 > headerEnd) {
            error = QStringLiteral("resource header at offset %1 is too short").arg(pos);
            return false;
        }
        r.language = qFromLittleEndian<quint16>(b.constData() + p + 6);
        if (first) {
            // Every .res starts with an empty entry of type 0 and name 0.
            if (dataSize != 0 || r.type != QLatin1String("#0") || r.name != QLatin1String("#0")) {
                error = QStringLiteral("the file does not start with a resource file header");
                return false;
            }
            first = false;
        } else {
            r.dataSize = dataSize;
            if (keepData)
                r.data = b.mid(headerEnd, dataSize);
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

} // namespace tolvane::tools
