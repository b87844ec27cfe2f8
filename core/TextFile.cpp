#include "core/TextFile.h"

#include "platform/AtomicFile.h"
#include "platform/NativeName.h"

namespace tolvane {

QByteArray TextFile::encode(const QStringList &lines)
{
    QByteArray out;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    out.reserve(size);
    for (const QString &line : lines) {
        // UTF-8, except that a file name's bytes that are not stand in the line as they are.
        out += nativename::encode(line);
        out += "\r\n";
    }
    return out;
}

WriteResult TextFile::writeBytes(const QString &path, const QByteArray &bytes)
{
    // A file cut short by a full disk is never committed: the old one stays as it was.
    if (path.isEmpty() || !AtomicFile::write(path, bytes))
        return WriteResult::failure(cannotCreate(path));
    return {};
}

WriteResult TextFile::write(const QString &path, const QStringList &lines)
{
    return writeBytes(path, encode(lines));
}

} // namespace tolvane
