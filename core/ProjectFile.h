#pragma once

#include "core/TextFile.h"

#include <QStringList>

namespace tolvane {

class Platform;

// Project files (.tpf): one full path per line, CR LF after each, nothing else. A name is written
// as the bytes the system knows it by, so a name that is not UTF-8 comes back as it was.
class ProjectFile
{
  public:
    static QByteArray encode(const QStringList &paths);
    // Refuses a path that holds a line break: it would come back as two entries.
    static WriteResult write(Platform &platform, const QString &filePath, const QStringList &paths);
    // Splits at CR, LF or the pair; an empty line is an empty entry; a zero byte ends the text.
    static QStringList parse(const QByteArray &data);
    // Quick-save name: the projects folder + "PF" + ticks/333 + ".TPF".
    static QString quickSaveName(const QString &programFolder, qint64 tickCount);
    static QString quickSaveNameFor(const QString &programFolder, qint32 number);
    // Ticks/333 taken as a signed 32-bit value (a minus sign is possible).
    static qint32 quickSaveNumber(qint64 tickCount);
    static QString projectsFolder(const QString &programFolder);
};

} // namespace tolvane
