#include "core/ProjectFile.h"
#include "core/engine/BuildChecks.h"
#include "platform/NativeName.h"
#include "platform/Platform.h"

namespace tolvane {

QByteArray ProjectFile::encode(const QStringList &paths)
{
    QByteArray out;
    qsizetype length = 0;
    for (const QString &path : paths)
        length += path.size() + 2;
    out.reserve(length);
    for (const QString &path : paths) {
        out += nativename::encode(path);
        out += "\r\n";
    }
    return out;
}

WriteResult ProjectFile::write(Platform &platform, const QString &filePath,
                               const QStringList &paths)
{
    const int broken = buildchecks::firstPathWithLineBreak(paths);
    if (broken >= 0) {
        return WriteResult::failure(
            QStringLiteral("The path \"%1\" holds a line break and cannot be stored in a "
                           "project file.")
                .arg(QString(paths.at(broken))
                         .replace(QLatin1Char('\r'), QLatin1Char(' '))
                         .replace(QLatin1Char('\n'), QLatin1Char(' '))));
    }
    return TextFile::writeBytes(platform, filePath, encode(paths));
}

namespace {
// A line's own text. A byte order mark at its start is a character of the name and stays: the
// system's decoding would drop it, and the write-back would lose it.
QString lineText(const QByteArray &line)
{
    static const QByteArray bom("\xef\xbb\xbf");
    if (line.startsWith(bom))
        return QChar(0xfeff) + nativename::decode(line.mid(bom.size()));
    return nativename::decode(line);
}
} // namespace

QStringList ProjectFile::parse(const QByteArray &bytes)
{
    QByteArray data = bytes;
    const int zero = data.indexOf('\0');
    if (zero >= 0)
        data.truncate(zero);
    QStringList out;
    int start = 0;
    int i = 0;
    while (i < data.size()) {
        const char c = data.at(i);
        if (c == '\r' || c == '\n') {
            out << lineText(data.mid(start, i - start));
            if (c == '\r' && i + 1 < data.size() && data.at(i + 1) == '\n')
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < data.size())
        out << lineText(data.mid(start));
    return out;
}

QString ProjectFile::projectsFolder(const QString &programFolder)
{
    return Platform::folderWithSeparator(programFolder) + QStringLiteral("Projects");
}

qint32 ProjectFile::quickSaveNumber(qint64 tickCount)
{
    return static_cast<qint32>(tickCount / 333);
}

QString ProjectFile::quickSaveName(const QString &programFolder, qint64 tickCount)
{
    return quickSaveNameFor(programFolder, quickSaveNumber(tickCount));
}

QString ProjectFile::quickSaveNameFor(const QString &programFolder, qint32 number)
{
    // The projects folder keeps the case setup gave it: on a case-sensitive file system an
    // upper-cased folder name would be another, missing folder.
    return Platform::folderWithSeparator(projectsFolder(programFolder)) + QStringLiteral("PF") +
           QString::number(number) + QStringLiteral(".TPF");
}

} // namespace tolvane
