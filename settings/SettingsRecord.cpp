#include "settings/SettingsRecord.h"

namespace tolvane {

namespace {
SettingRow value(Setting key, const char *name, ValueType type, const QVariant &fresh,
                 const QList<Holder> &holders)
{
    return {key,     QString::fromUtf8(name),
            type,    fresh,
            holders, holders.isEmpty() ? QString() : holders.first().control};
}

Holder inMain(const char *control)
{
    return {QString::fromLatin1(mainWindowName), QString::fromLatin1(control)};
}
Holder inTool(const char *control)
{
    return {QString::fromLatin1(toolWindowName), QString::fromLatin1(control)};
}
Holder inSetup(const char *control)
{
    return {QString::fromLatin1(setupWizardName), QString::fromLatin1(control)};
}
} // namespace

const QList<SettingRow> &SettingsRecord::rows()
{
    using S = Setting;
    using T = ValueType;
    const QVariant worked{}; // setup works the value out when it writes it
    static const QList<SettingRow> table = {
        value(S::MinorVersion, "Tolvane minor Version", T::Text, QStringLiteral("3.06.10"), {}),
        value(S::Release, "Tolvane Release", T::Text, QStringLiteral("3.06b\u00a9"), {}),
        value(S::CompanyName, "Company Name", T::Text, QStringLiteral("Kelvadore\u00ae.Inc"), {}),
        value(S::Delphi, "Delphi", T::Text, worked, {inSetup("Edit1")}),
        value(S::DelphiVersion, "Delphi Version", T::Integer, worked, {inSetup("SpinEdit1")}),
        value(S::InstallDate, "Install Date", T::Text, worked, {}),
        value(S::Compiler1, "Compiler1", T::Text, worked, {inMain("Edit1"), inSetup("Edit2")}),
        value(S::Compiler2, "Compiler2", T::Text, worked, {inMain("Edit2"), inSetup("Edit3")}),
        value(S::ProgramFolder, "Program Folder", T::Text, worked,
              {inMain("Edit3"), inSetup("Label13")}),
        value(S::RecentAddFolder, "TempDir1", T::Text, QString(), {inMain("Edit4")}),
        value(S::RecentProjectFolder, "TempDir2", T::Text, worked,
              {inMain("Edit5"), inSetup("Label14")}),
        value(S::RecentFolder, "Recent Folder", T::Text, worked, {inTool("Edit2")}),
        value(S::PrefixPosition, "Prompt Res ID", T::Integer, 0, {inTool("Idx1")}),
        value(S::RecentLocal, "Recent Local", T::Integer, 0, {inTool("Edit2")}),
        value(S::ScriptName, "Script Name", T::Text, QStringLiteral("Untitled"), {inTool("Edit1")}),
        value(S::LibraryName, "Library Name", T::Text, QStringLiteral("Untitled"),
              {inTool("Edit3")}),
        value(S::ResName, "Res Name", T::Text, QStringLiteral("Untitled"), {inTool("Edit4")}),
        value(S::ScriptType, "Script Type", T::Integer, 0, {inTool("ResBox")}),
        value(S::Recurse, "Prompt Recurse", T::Flag, false, {inTool("Rfx")}),
        value(S::PromptedSave, "Prompt Name", T::Flag, true, {inTool("Rad1")}),
        value(S::QuickSave, "Prompt Not", T::Flag, false, {inTool("Rad2")}),
        value(S::ExecuteOnLoad, "Prompt Drag", T::Flag, false, {inTool("Dx1")}),
        value(S::FileInfo, "Prompt FileInfo", T::Flag, false, {inTool("Cx8")}),
        value(S::HideOnBuild, "Prompt Close", T::Flag, false, {inTool("Rx2")}),
        value(S::Sounds, "Prompt Sound", T::Flag, false, {inTool("Cx11")}),
        value(S::AutoSort, "Prompt Auto Sort", T::Flag, false, {inTool("AutoX")}),
        value(S::RepairProjects, "Prompt ReName", T::Flag, false, {inTool("Cx14")}),
        value(S::Summary, "Prompt Summary", T::Flag, false, {inTool("Cx13")}),
        value(S::ScriptsOnly, "Prompt Compile", T::Flag, true, {inTool("Cx10")}),
        value(S::Hints, "Prompt sHint", T::Flag, true, {inTool("Cx6")}),
        value(S::UnitClasses, "Prompt Class", T::Flag, true, {inTool("Cx1")}),
        value(S::UnitWindows, "Prompt Window", T::Flag, true, {inTool("Cx2")}),
        value(S::UnitDialogs, "Prompt Dialog", T::Flag, false, {inTool("Cx3")}),
        value(S::KeepProject, "Prompt Position", T::Flag, false, {inTool("Cx12")}),
        value(S::EntryColour, "Color", T::Colour, windowBackground, {inTool("Edit1")}),
        value(S::EntryFont, "Font", T::Colour, 0u, {inTool("Edit1")}),
        value(S::HintColour, "hColor", T::Colour, buttonFace, {inTool("Label4")}),
        value(S::HintFont, "hFColor", T::Colour, 0u, {inTool("Label4")}),
        value(S::MainLeft, "Main Left", T::Integer, worked, {inMain(leftEdge)}),
        value(S::MainTop, "Main Top", T::Integer, worked, {inMain(topEdge)}),
        value(S::ToolLeft, "Tool Left", T::Integer, worked, {inTool(leftEdge)}),
        value(S::ToolTop, "Tool Top", T::Integer, worked, {inTool(topEdge)}),
        value(S::FilterType, "Filter Type", T::Text, worked, {inTool("ResBox")}),
    };
    return table;
}

const SettingRow &SettingsRecord::row(Setting key)
{
    // The table follows the enumeration, row for value.
    return rows().at(static_cast<int>(key));
}

const SettingRow *SettingsRecord::find(const QString &name)
{
    for (const SettingRow &r : rows())
        if (r.name.compare(name, Qt::CaseInsensitive) == 0)
            return &r;
    return nullptr;
}

SequenceItem::SequenceItem(Setting setting, const QString &control)
    : key(setting), name(SettingsRecord::row(setting).name), target(control)
{
}

namespace sequences {

static Sequence plain(std::initializer_list<Setting> keys)
{
    Sequence s;
    for (Setting key : keys)
        s << SequenceItem(key);
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
    using S = Setting;
    return plain({S::FilterType, S::Compiler1, S::Compiler2, S::ProgramFolder, S::RecentAddFolder,
                  S::RecentProjectFolder, S::MainLeft, S::MainTop});
}

Sequence toolWindowLoad()
{
    using S = Setting;
    Sequence s =
        plain({S::RecentLocal, S::ScriptName,    S::LibraryName,  S::ResName,   S::PrefixPosition,
               S::ScriptType,  S::Recurse,       S::PromptedSave, S::QuickSave, S::FileInfo,
               S::HideOnBuild, S::ExecuteOnLoad, S::Sounds,       S::AutoSort,  S::RepairProjects,
               S::Summary,     S::KeepProject,   S::ScriptsOnly,  S::Hints,     S::UnitClasses,
               S::UnitWindows, S::UnitDialogs});
    // Each target reads its pair afresh.
    for (const QString &target : colourTargets())
        s << SequenceItem(S::EntryColour, target) << SequenceItem(S::EntryFont, target);
    s << plain({S::HintColour, S::HintFont, S::ToolLeft, S::ToolTop});
    return s;
}

Sequence setupWizardLoad()
{
    using S = Setting;
    return {SequenceItem(S::Delphi),
            SequenceItem(S::Compiler1),
            SequenceItem(S::Compiler2),
            SequenceItem(S::ProgramFolder, QStringLiteral("main folder")),
            SequenceItem(S::ProgramFolder, QStringLiteral("projects folder")),
            SequenceItem(S::ProgramFolder, QStringLiteral("existence check"))};
}

Sequence stringEditorLoad()
{
    return plain({Setting::EntryColour, Setting::EntryFont});
}

Sequence toolWindowSave()
{
    using S = Setting;
    return plain({S::ScriptName,          S::LibraryName,  S::ResName,
                  S::FilterType,          S::RecentFolder, S::RecentAddFolder,
                  S::RecentProjectFolder, S::RecentLocal,  S::ScriptType,
                  S::PrefixPosition,      S::Recurse,      S::PromptedSave,
                  S::QuickSave,           S::FileInfo,     S::ExecuteOnLoad,
                  S::HideOnBuild,         S::Sounds,       S::AutoSort,
                  S::RepairProjects,      S::Summary,      S::ScriptsOnly,
                  S::KeepProject,         S::Hints,        S::UnitClasses,
                  S::UnitWindows,         S::UnitDialogs,  S::EntryColour,
                  S::EntryFont,           S::HintColour,   S::HintFont});
}

Sequence mainWindowExitSave()
{
    using S = Setting;
    return plain({S::MainLeft, S::MainTop, S::ToolLeft, S::ToolTop, S::RecentAddFolder});
}

Sequence setupWrite()
{
    Sequence s;
    for (const SettingRow &r : SettingsRecord::rows())
        if (r.key != Setting::FilterType)
            s << SequenceItem(r.key);
    return s;
}

} // namespace sequences

} // namespace tolvane
