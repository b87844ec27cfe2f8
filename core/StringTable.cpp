#include "core/StringTable.h"
#include "core/Product.h"
#include "platform/Platform.h"

namespace tolvane {

int StringTable::insert(const QString &value)
{
    int highest = 0;
    for (const Entry &e : m_entries)
        highest = qMax(highest, e.number);
    m_entries.append({highest + 1, value});
    return highest + 1;
}

void StringTable::removeAt(int index)
{
    if (index >= 0 && index < m_entries.size())
        m_entries.removeAt(index);
}

QString StringTable::line(const Entry &entry)
{
    // The resource compiler reads "" inside a string as one quote.
    QString value = entry.value;
    value.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QString::number(entry.number) + QStringLiteral(", \"") + value + QLatin1Char('"');
}

QStringList StringTable::lines() const
{
    QStringList out;
    out.reserve(m_entries.size());
    for (const Entry &e : m_entries)
        out << line(e);
    return out;
}

QStringList StringTable::exportLines(const QStringList &tableLines)
{
    const QString indent(8, QLatin1Char(' '));
    QStringList out;
    out << QLatin1Char('/') + QString(84, QLatin1Char('*'));
    out << QString();
    out << indent + product::exportCredit();
    out << indent + product::rightsNotice();
    out << indent + QStringLiteral("Send this script' to the Brcc32 compiler, to compile to RES.");
    out << QString();
    out << QString(85, QLatin1Char('*')) + QLatin1Char('/');
    out << QString();
    out << QStringLiteral("STRINGTABLE") << QStringLiteral("{");
    out << tableLines;
    out << QStringLiteral("}") << QString();
    return out;
}

QString StringTable::exportPath(const QString &destinationFolder, const QString &name)
{
    return Platform::folderWithSeparator(destinationFolder) + name + QStringLiteral(".rc");
}

WriteResult StringTable::exportTo(Platform &platform, const QString &path) const
{
    return TextFile::write(platform, path, exportLines(lines()));
}

} // namespace tolvane
