#pragma once

#include "core/Message.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tolvane {

// What the drop and the project load ask of the windows: the questions, what to show while they
// run, the file list, the tool window's choices and the main window's commands, each by intent.
// The main window implements it; tests record it.
class ListReporter
{
  public:
    virtual ~ListReporter() = default;

    // The button pressed (Message::Button).
    virtual int ask(const Message &message) = 0;
    // A fixed pause that paces the display.
    virtual void pause(int ms) = 0;
    // True when the screen would show a new frame now; showFrame() paints it.
    virtual bool frameDue() = 0;
    virtual void showFrame() = 0;

    // The file list: its entries in list order, how many are selected, and changes to it. The
    // list keeps itself sorted.
    virtual QStringList entries() const = 0;
    virtual int selectedCount() const = 0;
    virtual void addEntries(const QStringList &paths) = 0;
    virtual void replaceEntries(const QStringList &paths) = 0;
    // Ascending rows.
    virtual void removeRows(const QList<int> &rows) = 0;
    virtual void selectFirst() = 0;
    // The main window's commands, as their buttons do them.
    virtual void selectAll() = 0;
    virtual void clearAll() = 0;
    virtual void build() = 0;
    // "Clear It&em(s)" is enabled (the list had selected entries when it was last drawn).
    virtual bool clearItemsEnabled() const = 0;
    // The list's six buttons go off until the list is next drawn.
    virtual void disableListButtons() = 0;

    // The tool window's choices.
    virtual int dropFilter() const = 0;
    virtual QString dropFilterMask() const = 0;
    virtual void setDropFilter(int position) = 0;
    // The drop filter is put aside while a project is dropped; the next build brings it back.
    virtual void rememberFilter(int position) = 0;
    virtual bool executeOnLoad() const = 0;
    virtual void setExecuteOnLoad(bool on) = 0;
    virtual bool repairProjects() const = 0;
    virtual bool recurse() const = 0;
    virtual bool soundsOn() const = 0;
    virtual QString destination() const = 0;
    virtual QString programFolder() const = 0;
    virtual bool settingsKeyExists() const = 0;

    // What the windows show.
    virtual void repaint() = 0;
    virtual void setHeader(int section, const QString &text) = 0;
    virtual void setCaption(const QString &text) = 0;
    virtual void setIdentity(const QString &title, const QString &icon) = 0;
    virtual void setTaskbarTitle(const QString &title) = 0;
    virtual void setBusyCursor(bool busy) = 0;
    virtual void playSound(const QString &name) = 0;
    // The folder scan's panel.
    virtual void setScanPanel(bool visible) = 0;
    // The file and the folder the scan looks at, as the two path lines show them.
    virtual void scanning(const QString &fileLine, const QString &folderLine) = 0;
    // The removal panel with its path line, while missing entries go.
    virtual void setRemovalPanel(bool visible) = 0;
    virtual void setRemovalText(const QString &text) = 0;

    // A drop begins (the window takes drops again and remembers that files were dropped); a
    // dropped path is taken up (the window has the focus, the status line goes).
    virtual void dropStarted() = 0;
    virtual void pathStarted() = 0;
    // The text copy's progress run.
    virtual void copyAnimation() = 0;
    // The text file utility for a dropped text file: the option chosen.
    enum class TextOption
    {
        None,
        Print,
        Unit,
        Script,
        Project
    };
    virtual TextOption askTextOption(const QString &path) = 0;
    virtual void setTextOptionCaption(const QString &path) = 0;
    virtual bool print(const QString &path) = 0;
    // Both windows go out of sight for a warning, and come back with the tool window's options.
    virtual void hideWindows() = 0;
    virtual void showWindowsAgain() = 0;
    // The tool window's progress panel as a build from a drop starts it.
    virtual void showBuildProgress() = 0;

    // A project is being loaded: its short form, then its folder once the list holds it.
    virtual void projectChosen(const QString &shortPath) = 0;
    virtual void projectLoaded(const QString &path, const QString &shortPath) = 0;
};

} // namespace tolvane
