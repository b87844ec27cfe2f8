#include "core/TextFile.h"

#include <QSaveFile>

namespace tolvane {

QByteArray TextFile::encode(const QStringList &lines)
{
    QByteArray out;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    out.reserve(size);
    for (const QString &line : lines) {
        out += line.toLocal8Bit();
        out += "\r\n";
    }
    return out;
}

WriteResult TextFile::writeBytes(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return WriteResult::failure(cannotCreate(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return WriteResult::failure(cannotCreate(path));
    if (file.write(bytes) != bytes.size() || !file.commit())
        return WriteResult::failure(cannotCreate(path));
    return {};
}

WriteResult TextFile::write(const QString &path, const QStringList &lines)
{
    return writeBytes(path, encode(lines));
}

} // namespace tolvane
