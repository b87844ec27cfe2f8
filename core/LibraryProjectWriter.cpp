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
        QStringLiteral("{$R ") + s.scriptName.toUpper() + QStringLiteral(".RES}"),
        QStringLiteral("Begin"),
        QStringLiteral("End.")};
}

WriteResult LibraryProjectWriter::write(const LibrarySettings &s)
{
    return TextFile::write(projectPath(s), lines(s));
}

} // namespace tolvane
