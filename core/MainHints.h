#pragma once

#include <QString>
#include <optional>

namespace tolvane::mainhints {

// The controls of the main window that show a help text or set a tooltip under the mouse.
enum class Control
{
    Background,
    SelectAll,
    Invert,
    ClearItems,
    Tools,
    ClearAll,
    Paths,
    Build,
    SaveList,
    List,
    ExecuteOffLamp,
    Lamp, // the execute-on-load and recursing "on" lamps
};

struct State
{
    bool hintsOn = true;
    bool keyExists = false;
    bool quickSave = false;
    int listCount = 0;
    QString destination;
    bool saveTipOff = false; // the save button's tooltip is gone for good
};

// What the mouse over a control changes: the status line text, the control's tooltip and the
// application's tooltip display time; what is not given stays as it is.
struct Hint
{
    std::optional<QString> status;
    std::optional<QString> toolTip;
    std::optional<int> toolTipTime;
};

Hint forControl(Control control, const State &state);

// What the status line of a window that was never set up says.
QString firstRunText();

} // namespace tolvane::mainhints
