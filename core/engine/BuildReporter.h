#pragma once

#include "core/Message.h"

#include <QString>
#include <QVariant>

namespace tolvane {

// How a build reaches the user: its questions, its progress texts, its pauses and the few changes
// it makes to the file list and the settings. The tool window implements it with its progress
// panel; a command-line build answers by policy and prints lines.
class BuildReporter
{
  public:
    enum class Line
    {
        Msg2,
        Msg3,
        Msg4
    };
    enum class Bar
    {
        Bar1,
        Bar2
    };
    enum class Panel
    {
        Options,     // the options panel
        Progress,    // the progress panel with its status lines and bars
        Closing,     // the closing panel inside the progress panel
        StatusLines, // the three status lines
    };
    enum class WindowStep
    {
        MinimiseMain,
        RestoreMain,
        HideMain,
        EnableMain,
        ActivateMain,
        ShowTool,
        HideTool,
        ActivateTool,
    };
    enum class ListAction
    {
        ClearAll,    // as "Clear All"
        RemoveEntry, // one entry, by row
        ClearItems,  // as "Clear It&em(s)" on the only entry
        RemoveUnselected,
        ResourceErrorReset, // the empty list with its buttons off, after a resource compile error
        DisableFilterButton,
        HideResIdBanner,
    };
    enum class Setting
    {
        ExecuteOnLoad,  // bool
        PrefixPosition, // int
        ScriptName,     // QString
        LibraryName,    // QString
        ResName,        // QString
        Destination,    // QString: the folder the next build goes to
    };
    enum Answer
    {
        Ok = Message::Ok,
        Yes = Message::Yes,
        No = Message::No,
        Abort = Message::Abort
    };

    virtual ~BuildReporter() = default;

    virtual Answer ask(const Message &message) = 0;
    // A fixed pause that paces the display.
    virtual void pause(int ms) = 0;
    virtual void playSound(const QString &name) = 0;

    virtual void setLine(Line line, const QString &text) = 0;
    virtual void setBarValue(Bar bar, int value) = 0;
    virtual void setBarMaximum(Bar bar, int maximum) = 0;
    virtual void setBarVisible(Bar bar, bool visible) = 0;
    virtual void setPanelVisible(Panel panel, bool visible) = 0;
    virtual void setBusyLamp(bool on) = 0;
    virtual void setCloseButton(bool enabled) = 0;
    virtual void setCloseDefault(bool isDefault) = 0;
    virtual void setDiskLabel(const QString &text) = 0;
    virtual void setBusyCursor(bool busy) = 0;

    // The taskbar identity: its title and picture ("logo", "warning", "error", "printer").
    virtual void setTitle(const QString &title) = 0;
    virtual void setIdentity(const QString &title, const QString &icon) = 0;
    virtual void setIcon(const QString &icon) = 0;

    // The windows around the progress display: minimised, restored, hidden while a build runs.
    virtual void window(WindowStep step) = 0;
    // The file list follows the engine's own copy: an entry removed, the list cleared.
    virtual void fileList(ListAction action, int row = -1) = 0;
    // A setting the build changed (a name filled in, "execute on load" switched off); it is kept
    // where the settings live, and saved when they are saved.
    virtual void settingChanged(Setting setting, const QVariant &value) = 0;
};

} // namespace tolvane
