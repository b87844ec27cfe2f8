#include "core/LibraryProjectWriter.h"
#include "platform/Platform.h"

namespace tolvane {

QString LibraryProjectWriter::projectPath(const LibrarySettings &s)
{
    return Platform::folderWithSeparator(s.programFolder) + s.libraryName + QStringLiteral(".dpr");
}

QString LibraryProjectWriter::usesClause(const LibrarySettings &s)
{
    QString uses = QStringLiteral("uses sysutils");
    if (s.classes)
        uses += QStringLiteral(",classes");
    if (s.windows)
        uses += QStringLiteral(",windows");
    if (s.dialogs)
        uses += QStringLiteral(",dialogs");
    return uses + QLatin1Char(';');
}

QString LibraryProjectWriter::upperFileName(const QString &name)
{
    // Letter by letter, and only where the compiler's case-blind finder still matches the name
    // beside it: "Straße" is "STRAßE", not "STRASSE", and a dotless ı stays as it is.
    QString out;
    out.reserve(name.size());
    for (const char32_t c : name.toUcs4()) {
        const char32_t upper = QChar::toUpper(c);
        const char32_t kept = QChar::toCaseFolded(upper) == QChar::toCaseFolded(c) ? upper : c;
        out += QString::fromUcs4(&kept, 1);
    }
    return out;
}

QString LibraryProjectWriter::resourceDirective(const QString &scriptName)
{
    const QString file = upperFileName(scriptName) + QStringLiteral(".RES");
    const bool blankAtEdge = !file.isEmpty() && (file.front().unicode() <= 0x20);
    if (!file.contains(QLatin1Char('}')) && !file.contains(QLatin1Char('\'')) && !blankAtEdge)
        return QStringLiteral("{$R ") + file + QLatin1Char('}');
    // Quoted, '' for a quote; a brace in the name would end the brace form, so that takes the
    // (*$R ...*) form.
    const QString quoted = QLatin1Char('\'') +
                           QString(file).replace(QLatin1Char('\''), QStringLiteral("''")) +
                           QLatin1Char('\'');
    if (file.contains(QLatin1Char('}')))
        return QStringLiteral("(*$R ") + quoted + QStringLiteral("*)");
    return QStringLiteral("{$R ") + quoted + QLatin1Char('}');
}

QStringList LibraryProjectWriter::lines(const LibrarySettings &s)
{
    return {
        QString(),
        QStringLiteral("Library ") + s.libraryName + QLatin1Char(';'),
        QString(),
        QStringLiteral("{ Important note about DLL memory management: ShareMem must be the"),
        QStringLiteral("first unit in your library's USES clause AND your project's (select"),
        QStringLiteral("View-Project Source) USES clause if your DLL exports any procedures or"),
        QStringLiteral("functions that pass strings as parameters or function results. This"),
        QStringLiteral("applies to all strings passed to and from your DLL--even those that"),
        QStringLiteral("are nested in records and classes. ShareMem is the interface unit to"),
        QStringLiteral("the DELPHIMM.DLL shared memory manager, which must be deployed along"),
        QStringLiteral("with your DLL. To avoid using DELPHIMM.DLL, pass string information"),
        QStringLiteral("using PChar or ShortString parameters. }"),
        usesClause(s),
        resourceDirective(s.scriptName),
        QStringLiteral("Begin"),
        QStringLiteral("End.")};
}

WriteResult LibraryProjectWriter::write(Platform &platform, const LibrarySettings &s)
{
    return TextFile::write(platform, projectPath(s), lines(s));
}

} // namespace tolvane
