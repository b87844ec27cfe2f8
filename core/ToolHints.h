#pragma once

#include <QString>
#include <optional>

namespace tolvane::toolhints {

// The controls of the tool window that show a help text or set a tooltip under the mouse.
enum class Control
{
    ScriptNameCaption,
    ScriptName,
    ResNameHelp,
    HelpPanel, // the "ResName / ResId" caption panel
    DestinationCaption,
    DestinationList,
    Browse,
    HintLine,
    OptionsGroup,
    FileInfo,
    Sounds,
    ExecuteOnLoad,
    Repair,
    AutoSort,
    PromptedSave,
    QuickSave,
    DropFilterCaption,
    KeepProject,
    Summary,
    ScriptsOnly,
    Hints,
    HideOnBuild,
    Recurse,
    HintBackground,
    HintText,
    WindowColour,
    FontColour,
    UnitsGroup,
    UnitsCaption,
    LibraryName,
    IdleLamp,
    Close,
};

struct State
{
    bool hintsOn = true;
    bool keyExists = false;
    int destinations = 0;  // entries of the destination list
    QString programFolder; // as the main window holds it
};

// What the mouse over a control changes: the tool hint line, the control's tooltip, the
// application's tooltip display time, and the tooltip of the help text beside the name field
// (which the caption panel changes). What is not given stays.
struct Hint
{
    std::optional<QString> line;
    std::optional<QString> toolTip;
    std::optional<int> toolTipTime;
    std::optional<QString> helpToolTip;
};

Hint forControl(Control control, const State &state);

// The help text's own tooltip, given while hints are off or before any other.
QString helpToolTip();

} // namespace tolvane::toolhints
