#include "core/FileTexts.h"

#include "platform/Platform.h"

#include <QRegularExpression>

namespace tolvane {

namespace {

constexpr qint64 megabyte = 1048576;

// At most one decimal, rounded; no decimal mark when that digit is zero.
QString oneDecimal(double value, const QLocale &locale)
{
    QString text = locale.toString(value, 'f', 1);
    const QString zero = locale.decimalPoint() + locale.zeroDigit();
    if (text.endsWith(zero))
        text.chop(zero.size());
    return text;
}

QString longTimeFormat(const QLocale &locale)
{
    // Qt's long format names the time zone; a file time reads without it.
    QString format = locale.timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    format.replace(zone, QStringLiteral(" "));
    return format.trimmed();
}

} // namespace

QString FileTexts::sizeText(qint64 size, const QLocale &locale)
{
    QString text;
    if (size > megabyte)
        text = oneDecimal(size * 9.5367431640625e-07, locale) + QStringLiteral(" MB");
    else
        text = locale.toString(size / 1024) + QStringLiteral(" KB");
    if (size < 1024)
        text = locale.toString(size) + QStringLiteral(" Bytes");
    if (size == 0)
        text = QStringLiteral(" 0 Bytes");
    return text;
}

QString FileTexts::totalSizeText(qint64 total, const QLocale &locale)
{
    const QString exact = locale.toString(total) + QStringLiteral(" Bytes");
    if (total < 1024)
        return exact;
    if (total > megabyte)
        return oneDecimal(double(total) / megabyte, locale) + QStringLiteral(" MB (") + exact +
               QLatin1Char(')');
    return locale.toString(total / 1024) + QStringLiteral(" KB (") + exact + QLatin1Char(')');
}

QString FileTexts::dateTimeText(const QDateTime &moment, const QLocale &locale)
{
    const QString date = locale.toString(moment.date(), QLocale::ShortFormat);
    if (moment.time() == QTime(0, 0))
        return date;
    return date + QLatin1Char(' ') + locale.toString(moment.time(), longTimeFormat(locale));
}

QString FileTexts::dateText(Platform &platform, const QString &path, const QLocale &locale)
{
    const Platform::PathState state = platform.pathState(path);
    if (state.kind != Platform::PathState::File)
        return QStringLiteral("Unknown");
    QDateTime stamp = state.modified.toLocalTime();
    const QTime t = stamp.time();
    stamp.setTime(QTime(t.hour(), t.minute(), t.second() - t.second() % 2));
    return dateTimeText(stamp, locale);
}

} // namespace tolvane
