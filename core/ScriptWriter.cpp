#include "core/ScriptWriter.h"
#include "core/FileTexts.h"
#include "core/Identifiers.h"
#include "core/Product.h"
#include "core/ResourceKinds.h"
#include "platform/NativeName.h"

#include <QFileInfo>

namespace tolvane {

ScriptWriter::ScriptWriter(Platform &platform, const Clock &clock, const QLocale &locale)
    : m_platform(platform), m_clock(clock), m_locale(locale)
{
}

QString ScriptWriter::scriptPath(const ScriptSettings &s)
{
    const QString folder =
        s.settingsKeyExists ? Platform::folderWithSeparator(s.programFolder) : s.tempFolder;
    return folder + s.scriptName + QStringLiteral(".rc");
}

QString ScriptWriter::resourceLine(const QString &path, const QString &identifier,
                                   int selectedCount, bool fileInfo) const
{
    // A kind without a row still compiles as raw data rather than breaking the line's layout.
    const QString keyword = ResourceKinds::keyword(path).value_or(QStringLiteral("RCDATA"));
    QString scriptPath = m_platform.shortPath(path);
    scriptPath.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    QString line = identifier + QLatin1Char(' ') + keyword + QStringLiteral(" \"") + scriptPath +
                   QLatin1Char('"');
    if (fileInfo) {
        line += QStringLiteral("   ; size: ") +
                FileTexts::sizeText(m_platform.fileSize(path), m_locale) +
                (selectedCount == 1 ? QStringLiteral("  date: ") : QStringLiteral("   date: ")) +
                FileTexts::dateText(m_platform, path, m_locale);
    }
    return line;
}

ScriptProgress ScriptWriter::progressFor(int position, int selectedCount, bool allSelected,
                                         const ScriptSettings &settings)
{
    ScriptProgress p;
    p.position = position;
    p.barVisible = allSelected || selectedCount > 9;
    p.title = QStringLiteral("Writing Script Line ") + QString::number(position + 1);
    if (allSelected)
        p.pauseMs = selectedCount < 100 ? 20 : 2;
    else
        p.pauseMs = selectedCount < 100 ? 60 : 2;
    p.barMaximum = selectedCount;
    p.msg2 = allSelected ? QStringLiteral(". . .Writing: ") + QString::number(position) +
                               QStringLiteral(" script lines. . .")
                         : QStringLiteral(". . .Sorting selected files..please wait. . .");
    p.advance = settings.unselectedNote && !settings.autoSort ? 10 : 1;
    return p;
}

QStringList ScriptWriter::lines(const QList<ListEntry> &entries, const QStringList &stringTable,
                                const ScriptSettings &settings, const ProgressFn &progress) const
{
    int selected = 0;
    for (const ListEntry &e : entries)
        selected += e.selected ? 1 : 0;
    const bool allSelected = selected == entries.size();

    QStringList out;
    out.reserve(20 + stringTable.size() + selected);
    out << QString() << QLatin1Char('/') + QString(84, QLatin1Char('*')) << QString();
    out << QLatin1Char(' ') + product::ownership();
    out << QLatin1Char(' ') + product::contact();
    out << QStringLiteral(" File Generated at: ") +
               FileTexts::dateTimeText(m_clock.now(), m_locale);
    out << QString() << QString(86, QLatin1Char('*')) + QLatin1Char('/');
    if (!stringTable.isEmpty()) {
        out << QString() << QStringLiteral("STRINGTABLE") << QStringLiteral("{");
        out << stringTable;
        out << QStringLiteral("}");
    }
    out << QString();
    out << QLatin1Char(';') + QString(24, QLatin1Char(' ')) + QStringLiteral("[Script Name: ") +
               settings.scriptName.toUpper() + QLatin1Char(']');
    out << QString();

    for (int p = 0; p < entries.size(); ++p) {
        const ListEntry &e = entries.at(p);
        if (!e.selected)
            continue;
        const QString id =
            Identifiers::identifier(p, selected, settings.resName, settings.prefixPosition);
        out << resourceLine(e.path, id, selected, settings.fileInfo);
        if (progress) {
            ScriptProgress step = progressFor(p, selected, allSelected, settings);
            step.msg3 = nativename::display(QFileInfo(e.path).fileName()).toUpper();
            progress(step);
        }
    }
    return out;
}

WriteResult ScriptWriter::write(const QList<ListEntry> &entries, const QStringList &stringTable,
                                const ScriptSettings &settings, const ProgressFn &progress) const
{
    const QStringList text = lines(entries, stringTable, settings, progress);
    bool any = false;
    for (const ListEntry &e : entries)
        any = any || e.selected;
    if (!any)
        return {};
    return TextFile::write(m_platform, scriptPath(settings), text);
}

} // namespace tolvane
