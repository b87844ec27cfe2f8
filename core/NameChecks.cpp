#include "core/NameChecks.h"

namespace tolvane {

bool NameChecks::isNumericName(const QString &text)
{
    QString t = text;
    int i = 0;
    while (i < t.size() && t.at(i) == QLatin1Char(' '))
        ++i;
    t = t.mid(i);
    if (t.isEmpty())
        return false;
    bool ok = false;
    qint64 value = 0;
    if (t.startsWith(QLatin1Char('$'))) {
        const QString digits = t.mid(1);
        if (digits.isEmpty() || digits.startsWith(QLatin1Char('+')) ||
            digits.startsWith(QLatin1Char('-')))
            return false;
        const quint64 u = digits.toULongLong(&ok, 16);
        if (!ok || u > 0xFFFFFFFFull)
            return false;
        value = qint32(quint32(u));
    } else {
        const QString digits =
            (t.startsWith(QLatin1Char('+')) || t.startsWith(QLatin1Char('-'))) ? t.mid(1) : t;
        if (digits.isEmpty())
            return false;
        for (QChar c : digits)
            if (!c.isDigit() || c.unicode() > '9')
                return false;
        value = t.toLongLong(&ok, 10);
        if (!ok || value < INT32_MIN || value > INT32_MAX)
            return false;
    }
    return value != -1;
}

QString NameChecks::fileNameProblem(const QString &name)
{
    bool refused = name.contains(QStringLiteral(".."));
    for (QChar c : name)
        refused = refused || c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c);
    if (!refused)
        return QString();
    QString shown = name;
    for (QChar &c : shown)
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    return QStringLiteral("\"%1\" cannot be used as a file name: leave out folder separators "
                          "(/ \\), \"..\", line breaks and the characters : * ? \" < > |")
        .arg(shown);
}

QString NameChecks::diskLabel(const QString &root, qint64 freeBytes, bool lowerBytes)
{
    return QStringLiteral("Available space on drive '") + root + QStringLiteral("' ") +
           QString::number(freeBytes) +
           (lowerBytes ? QStringLiteral(" bytes") : QStringLiteral(" Bytes"));
}

} // namespace tolvane
