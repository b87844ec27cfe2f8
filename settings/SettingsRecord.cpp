#include "settings/SettingsRecord.h"

namespace tolvane {

const QList<SettingRow> &SettingsRecord::rows()
{
    using T = ValueType;
    static const QList<SettingRow> table = {
        {QStringLiteral("Tolvane minor Version"), T::Text, QStringLiteral("3.06.10"), QString()},
        {QStringLiteral("Tolvane Release"), T::Text, QStringLiteral("3.06b\u00a9"), QString()},
        {QStringLiteral("Company Name"), T::Text, QStringLiteral("Kelvadore\u00ae.Inc"), QString()},
        {QStringLiteral("Delphi"), T::Text, QVariant(), QStringLiteral("Edit1")},
        {QStringLiteral("Delphi Version"), T::Integer, QVariant(), QStringLiteral("SpinEdit1")},
        {QStringLiteral("Install Date"), T::Text, QVariant(), QString()},
        {QStringLiteral("Compiler1"), T::Text, QVariant(), QStringLiteral("Edit2")},
        {QStringLiteral("Compiler2"), T::Text, QVariant(), QStringLiteral("Edit3")},
        {QStringLiteral("Program Folder"), T::Text, QVariant(), QStringLiteral("Edit3")},
        {QStringLiteral("TempDir1"), T::Text, QString(), QStringLiteral("Edit4")},
        {QStringLiteral("TempDir2"), T::Text, QVariant(), QStringLiteral("Edit5")},
        {QStringLiteral("Recent Folder"), T::Text, QVariant(), QStringLiteral("Edit2")},
        {QStringLiteral("Prompt Res ID"), T::Integer, 0, QStringLiteral("Idx1")},
        {QStringLiteral("Recent Local"), T::Integer, 0, QStringLiteral("Edit2")},
        {QStringLiteral("Script Name"), T::Text, QStringLiteral("Untitled"),
         QStringLiteral("Edit1")},
        {QStringLiteral("Library Name"), T::Text, QStringLiteral("Untitled"),
         QStringLiteral("Edit3")},
        {QStringLiteral("Res Name"), T::Text, QStringLiteral("Untitled"), QStringLiteral("Edit4")},
        {QStringLiteral("Script Type"), T::Integer, 0, QStringLiteral("ResBox")},
        {QStringLiteral("Prompt Recurse"), T::Flag, false, QStringLiteral("Rfx")},
        {QStringLiteral("Prompt Name"), T::Flag, true, QStringLiteral("Rad1")},
        {QStringLiteral("Prompt Not"), T::Flag, false, QStringLiteral("Rad2")},
        {QStringLiteral("Prompt Drag"), T::Flag, false, QStringLiteral("Dx1")},
        {QStringLiteral("Prompt FileInfo"), T::Flag, false, QStringLiteral("Cx8")},
        {QStringLiteral("Prompt Close"), T::Flag, false, QStringLiteral("Rx2")},
        {QStringLiteral("Prompt Sound"), T::Flag, false, QStringLiteral("Cx11")},
        {QStringLiteral("Prompt Auto Sort"), T::Flag, false, QStringLiteral("AutoX")},
        {QStringLiteral("Prompt ReName"), T::Flag, false, QStringLiteral("Cx14")},
        {QStringLiteral("Prompt Summary"), T::Flag, false, QStringLiteral("Cx13")},
        {QStringLiteral("Prompt Compile"), T::Flag, true, QStringLiteral("Cx10")},
        {QStringLiteral("Prompt sHint"), T::Flag, true, QStringLiteral("Cx6")},
        {QStringLiteral("Prompt Class"), T::Flag, true, QStringLiteral("Cx1")},
        {QStringLiteral("Prompt Window"), T::Flag, true, QStringLiteral("Cx2")},
        {QStringLiteral("Prompt Dialog"), T::Flag, false, QStringLiteral("Cx3")},
        {QStringLiteral("Prompt Position"), T::Flag, false, QStringLiteral("Cx12")},
        {QStringLiteral("Color"), T::Colour, windowBackground, QStringLiteral("Edit1")},
        {QStringLiteral("Font"), T::Colour, 0u, QStringLiteral("Edit1")},
        {QStringLiteral("hColor"), T::Colour, buttonFace, QStringLiteral("Label4")},
        {QStringLiteral("hFColor"), T::Colour, 0u, QStringLiteral("Label4")},
        {QStringLiteral("Main Left"), T::Integer, QVariant(), QStringLiteral("TForm1")},
        {QStringLiteral("Main Top"), T::Integer, QVariant(), QStringLiteral("TForm1")},
        {QStringLiteral("Tool Left"), T::Integer, QVariant(), QStringLiteral("TForm2")},
        {QStringLiteral("Tool Top"), T::Integer, QVariant(), QStringLiteral("TForm2")},
        {QStringLiteral("Filter Type"), T::Text, QVariant(), QStringLiteral("ResBox")},
    };
    return table;
}

const SettingRow *SettingsRecord::find(const QString &name)
{
    for (const SettingRow &row : rows())
        if (row.name.compare(name, Qt::CaseInsensitive) == 0)
            return &row;
    return nullptr;
}

namespace sequences {

static Sequence plain(const QStringList &names)
{
    Sequence s;
    for (const QString &n : names)
        s << SequenceItem{n, QString()};
    return s;
}

QStringList colourTargets()
{
    return {QStringLiteral("Idx1"),    QStringLiteral("Edit1"), QStringLiteral("ResBox"),
            QStringLiteral("Edit2"),   QStringLiteral("Edit3"), QStringLiteral("Edit4"),
            QStringLiteral("ListBox1")};
}

Sequence mainWindowLoad()
{
    return plain({"Filter Type", "Compiler1", "Compiler2", "Program Folder", "TempDir1", "TempDir2",
                  "Main Left", "Main Top"});
}

Sequence toolWindowLoad()
{
    Sequence s = plain({"Recent Local",    "Script Name",      "Library Name",   "Res Name",
                        "Prompt Res ID",   "Script Type",      "Prompt Recurse", "Prompt Name",
                        "Prompt Not",      "Prompt FileInfo",  "Prompt Close",   "Prompt Drag",
                        "Prompt Sound",    "Prompt Auto Sort", "Prompt ReName",  "Prompt Summary",
                        "Prompt Position", "Prompt Compile",   "Prompt sHint",   "Prompt Class",
                        "Prompt Window",   "Prompt Dialog"});
    // Each target reads its pair afresh.
    for (const QString &target : colourTargets())
        s << SequenceItem{QStringLiteral("Color"), target}
          << SequenceItem{QStringLiteral("Font"), target};
    s << plain({"hColor", "hFColor", "Tool Left", "Tool Top"});
    return s;
}

Sequence setupWizardLoad()
{
    return {{QStringLiteral("Delphi"), QString()},
            {QStringLiteral("Compiler1"), QString()},
            {QStringLiteral("Compiler2"), QString()},
            {QStringLiteral("Program Folder"), QStringLiteral("main folder")},
            {QStringLiteral("Program Folder"), QStringLiteral("projects folder")},
            {QStringLiteral("Program Folder"), QStringLiteral("existence check")}};
}

Sequence stringEditorLoad()
{
    return plain({"Color", "Font"});
}

Sequence toolWindowSave()
{
    return plain({"Script Name",    "Library Name",     "Res Name",       "Filter Type",
                  "Recent Folder",  "TempDir1",         "TempDir2",       "Recent Local",
                  "Script Type",    "Prompt Res ID",    "Prompt Recurse", "Prompt Name",
                  "Prompt Not",     "Prompt FileInfo",  "Prompt Drag",    "Prompt Close",
                  "Prompt Sound",   "Prompt Auto Sort", "Prompt ReName",  "Prompt Summary",
                  "Prompt Compile", "Prompt Position",  "Prompt sHint",   "Prompt Class",
                  "Prompt Window",  "Prompt Dialog",    "Color",          "Font",
                  "hColor",         "hFColor"});
}

Sequence mainWindowExitSave()
{
    return plain({"Main Left", "Main Top", "Tool Left", "Tool Top", "TempDir1"});
}

Sequence setupWrite()
{
    Sequence s;
    for (const SettingRow &row : SettingsRecord::rows())
        if (row.name != QLatin1String("Filter Type"))
            s << SequenceItem{row.name, QString()};
    return s;
}

} // namespace sequences

} // namespace tolvane
