#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace tolvane {

enum class ValueType
{
    Text,
    Integer,
    Flag,
    Colour
};

// Every value of the settings key, in the order setup writes them ("Filter Type" last; setup
// leaves it out).
enum class Setting
{
    MinorVersion,
    Release,
    CompanyName,
    Delphi,
    DelphiVersion,
    InstallDate,
    Compiler1,
    Compiler2,
    ProgramFolder,
    RecentAddFolder,     // "TempDir1"
    RecentProjectFolder, // "TempDir2"
    RecentFolder,
    PrefixPosition, // "Prompt Res ID"
    RecentLocal,
    ScriptName,
    LibraryName,
    ResName,
    ScriptType,
    Recurse,      // "Prompt Recurse"
    PromptedSave, // "Prompt Name"
    QuickSave,    // "Prompt Not"
    ExecuteOnLoad,
    FileInfo,
    HideOnBuild, // "Prompt Close"
    Sounds,
    AutoSort,
    RepairProjects, // "Prompt ReName"
    Summary,
    ScriptsOnly, // "Prompt Compile"
    Hints,       // "Prompt sHint"
    UnitClasses,
    UnitWindows,
    UnitDialogs,
    KeepProject, // "Prompt Position"
    EntryColour, // "Color"
    EntryFont,   // "Font"
    HintColour,  // "hColor"
    HintFont,    // "hFColor"
    MainLeft,
    MainTop,
    ToolLeft,
    ToolTop,
    FilterType,
};

// A control that holds a value: the objectName of its window and its own, or leftEdge or
// topEdge for the window's own position.
struct Holder
{
    QString window;
    QString control;
};
inline constexpr char leftEdge[] = "left";
inline constexpr char topEdge[] = "top";

// One value of the settings key. fresh is what setup writes for a tool window left as it comes
// up on a fresh installation; an invalid fresh value means setup works it out at the time (the
// folder it found, the date, a window position).
struct SettingRow
{
    Setting key;
    QString name;
    ValueType type;
    QVariant fresh;
    // Where the value lives, the live value first; none for the fixed texts and the date.
    QList<Holder> holders;
    // The control of the live value (the first holder's), empty when there is none.
    QString control;
};

// Colour values: 0x00BBGGRR, or this flag plus a system colour index.
constexpr quint32 systemColourFlag = 0x80000000u;
constexpr quint32 windowBackground = systemColourFlag + 5;
constexpr quint32 buttonFace = systemColourFlag + 15;

// The objectNames of the windows that hold values.
namespace windows {
inline QString main()
{
    return QStringLiteral("TForm1");
}
inline QString tool()
{
    return QStringLiteral("TForm2");
}
inline QString setup()
{
    return QStringLiteral("TSplash");
}
} // namespace windows

class SettingsRecord
{
  public:
    // Every value, in the order of Setting.
    static const QList<SettingRow> &rows();
    static const SettingRow &row(Setting key);
    static const SettingRow *find(const QString &name);
};

// One step of a load or save sequence: the value, and which control it goes to when one value
// feeds several ("Color" for each of the entry fields).
struct SequenceItem
{
    SequenceItem(Setting key, const QString &target = QString());
    Setting key;
    QString name; // the value's name in the settings key
    QString target;
};
using Sequence = QList<SequenceItem>;

namespace sequences {
Sequence mainWindowLoad();
Sequence toolWindowLoad();
Sequence setupWizardLoad();
Sequence stringEditorLoad();
Sequence toolWindowSave();
Sequence mainWindowExitSave();
Sequence setupWrite();
// The controls that take "Color" and "Font", in load order.
QStringList colourTargets();
} // namespace sequences

} // namespace tolvane
