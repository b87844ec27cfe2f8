#include "core/FilterTexts.h"

namespace tolvane::filtertexts {

QString addDialogFilter()
{
    return QStringLiteral(
        "All Files (*.*)|*.gif;*.jpg;*.avi;*.bmp;*.ico;*.cab;*.cur;*.exe;*.wav;*.ttf;*.fon;*.ani|"
        "Animated Cursor (*.ani)|*.ani|Audio Video Interleaved (*.avi)|*.avi|Bitmap Image "
        "(*.bmp)|*.bmp|Cabinet File (*.cab)|*.cab|Cursor Image (*.cur)|*.cur|Executable "
        "(*.exe)|*.exe|Icon Image (*.ico)|*.ico|JPEG Image (*.jpg)|*.jpg|GIF Image "
        "(*.gif)|*.gif|Font File (*.fon)|*.fon|True Type Font (*.ttf)|*.ttf|Wave Sound "
        "(*.wav)|*.wav");
}

QStringList filterNames(const QString &stored)
{
    const QStringList parts = stored.split(QLatin1Char('|'));
    QStringList names;
    for (int i = 0; i < parts.size(); i += 2)
        names << parts.at(i);
    return names;
}

QStringList dialogFilters(const QString &stored)
{
    const QStringList parts = stored.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i < parts.size(); i += 2) {
        QStringList patterns;
        if (i + 1 < parts.size())
            for (const QString &p : parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts))
                patterns << p.trimmed();
        if (patterns.isEmpty())
            patterns << QStringLiteral("*");
        out << parts.at(i) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                   QLatin1Char(')');
    }
    return out;
}

QStringList dropFilterEntries()
{
    return {QStringLiteral("All Resource Files (*.*)"), QStringLiteral("Animated Cursors (*.ani)"),
            QStringLiteral("Audio Video  (*.AVI)"),     QStringLiteral("Bitmap Image (*.bmp)"),
            QStringLiteral("Cabinet File (*.cab)"),     QStringLiteral("Cursor Image (*.cur)"),
            QStringLiteral("Executable (*.exe)"),       QStringLiteral("Icon Image (*.ico)"),
            QStringLiteral("JPEG Image (*.jpg)"),       QStringLiteral("GIF Image (*.gif)"),
            QStringLiteral("Font File (*.fon)"),        QStringLiteral("TTF Font (*.ttf)"),
            QStringLiteral("Wave Sound (*.wav)")};
}

QString maskOf(const QString &entry)
{
    const int open = entry.lastIndexOf(QLatin1Char('('));
    return open >= 0 ? entry.mid(open) : entry;
}

QString addDialogHeader(int entry)
{
    static const char *const masks[] = {"*.*",   "*.ani", "*.avi", "*.bmp", "*.cab",
                                        "*.cur", "*.exe", "*.ico", "*.jpg", "*.gif",
                                        "*.fon", "*.ttf", "*.wav"};
    if (entry < 1 || entry > 13)
        return QString();
    return QStringLiteral("Filter (") + QLatin1String(masks[entry - 1]) + QLatin1Char(')');
}

QString dropFilterHeader(const QString &mask)
{
    return QStringLiteral("Filter: ") + mask;
}

QString storedFilterHeader(const QString &stored, const QString &dropMask)
{
    return dropFilterHeader(stored.isEmpty() ? dropMask : stored);
}

} // namespace tolvane::filtertexts
