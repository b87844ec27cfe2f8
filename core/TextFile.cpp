#include "core/TextFile.h"

#include "platform/NativeName.h"
#include "platform/Platform.h"

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

WriteResult TextFile::writeBytes(Platform &platform, const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty() || !platform.writeFile(path, bytes).isEmpty())
        return WriteResult::failure(cannotCreate(path));
    return {};
}

WriteResult TextFile::write(Platform &platform, const QString &path, const QStringList &lines)
{
    return writeBytes(platform, path, encode(lines));
}

} // namespace tolvane
