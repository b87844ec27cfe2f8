#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace tolvane {

class Platform;

// The size and date texts shown in scripts and in the build's summary, in the user's locale.
class FileTexts
{
  public:
    // " 0 Bytes", "512 Bytes", "12 KB", "1.5 MB".
    static QString sizeText(qint64 size, const QLocale &locale = QLocale());
    // "5,000" style totals with the exact count: "4 KB (5,000 Bytes)", "1.5 MB (1,572,864 Bytes)".
    static QString totalSizeText(qint64 total, const QLocale &locale = QLocale());
    // Short date, a blank and the long time; the time is left out at exactly midnight.
    static QString dateTimeText(const QDateTime &moment, const QLocale &locale = QLocale());
    // The file's last-write time to two seconds, or "Unknown" when there is no such file.
    static QString dateText(Platform &platform, const QString &path,
                            const QLocale &locale = QLocale());
};

} // namespace tolvane
