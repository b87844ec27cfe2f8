#include "ui/mainwindow/BuildRunner.h"
#include "core/StringTable.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/toolwindow/ProgressPanel.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QApplication>
#include <QListView>
#include <QPushButton>

namespace tolvane {

BuildRunner::BuildRunner(Services &services, MainWindow &main, ToolWindow &tool, QObject *parent)
    : QObject(parent), m_s(services), m_main(main), m_tool(tool),
      m_engine(services.platform, services.clock, *this)
{
}

void BuildRunner::run()
{
    // A drop filter put aside while a project was dropped comes back first.
    if (!m_main.rememberedFilter().isEmpty()) {
        m_tool.setDropFilterPosition(m_main.rememberedFilter().toInt());
        m_main.setHeaderText(0, QStringLiteral("Filter: ") + m_tool.dropFilterMask());
    }
    m_tool.setResNameVisible(m_main.selectedCount() <= 1);
    m_summary = m_engine.run(options(), entries(), m_s.strings.lines());
    if (m_busyCursor)
        setBusyCursor(false);
}

BuildOptions BuildRunner::options() const
{
    BuildOptions o;
    o.scriptName = m_tool.scriptName();
    o.libraryName = m_tool.libraryName();
    o.resName = m_tool.resName();
    o.prefixPosition = m_tool.prefixPosition();
    o.destination = m_tool.destination();
    o.compiler1 = m_main.compiler1();
    o.compiler2 = m_main.compiler2();
    o.programFolder = m_main.programFolder();
    o.tempFolder = m_main.tempFolder();
    o.settingsKeyExists = m_s.settings.settingsKeyExists();
    o.scriptsOnly = m_tool.scriptsOnly();
    o.autoSort = m_tool.autoSort();
    o.fileInfo = m_tool.fileInfo();
    o.hideOnBuild = m_tool.hideOnBuild();
    o.sounds = m_tool.soundsOn();
    o.summary = m_tool.summary();
    o.keepProject = m_tool.keepProject();
    o.classes = m_tool.classes();
    o.windowsUnit = m_tool.windowsUnit();
    o.dialogs = m_tool.dialogs();
    o.highColour = m_main.highColour();
    o.dropFlag = m_main.dropFlag();
    o.lastAddedPath = m_main.lastAddedPath();
    return o;
}

QList<ListEntry> BuildRunner::entries() const
{
    QList<ListEntry> out;
    const FileListModel &list = m_main.list();
    const QList<int> selected = m_main.selectedRows();
    int next = 0;
    for (int i = 0; i < list.count(); ++i) {
        const bool on = next < selected.size() && selected.at(next) == i;
        if (on)
            ++next;
        out << ListEntry{list.at(i), on};
    }
    return out;
}

BuildReporter::Answer BuildRunner::ask(const Message &m)
{
    Box b;
    b.caption = m.caption;
    b.text = m.text;
    b.buttons = m.buttons;
    switch (m.icon) {
    case Message::Icon::None:
        b.icon = Box::NoIcon;
        break;
    case Message::Icon::Information:
        b.icon = Box::Information;
        break;
    case Message::Icon::Warning:
        b.icon = Box::Warning;
        break;
    case Message::Icon::Error:
        b.icon = Box::Error;
        break;
    case Message::Icon::Question:
        b.icon = Box::Question;
        break;
    }
    switch (m.owner) {
    case Message::Owner::None:
        break;
    case Message::Owner::FileList:
        b.owner = m_main.listView();
        break;
    case Message::Owner::MainWindow:
        b.owner = &m_main;
        break;
    case Message::Owner::ToolWindow:
        b.owner = &m_tool;
        break;
    case Message::Owner::BesideToolWindow:
        b.position = m_tool.pos() + QPoint(-60, 220);
        break;
    }
    if (m.windowsDisabled) {
        m_main.setEnabled(false);
        m_tool.setEnabled(false);
    }
    const Box::Button answer = m_s.prompter.ask(b);
    if (m.windowsDisabled) {
        m_main.setEnabled(true);
        m_tool.setEnabled(true);
    }
    return Answer(int(answer));
}

void BuildRunner::pause(int ms)
{
    m_s.pacer.pause(ms);
}

void BuildRunner::playSound(const QString &name)
{
    m_s.sound.play(name);
}

void BuildRunner::setLine(Line line, const QString &text)
{
    m_tool.progress().setLine(line, text);
}

void BuildRunner::setBarValue(Bar bar, int value)
{
    m_tool.progress().setBarValue(bar, value);
}

void BuildRunner::setBarMaximum(Bar bar, int maximum)
{
    m_tool.progress().setBarMaximum(bar, maximum);
}

void BuildRunner::setBarVisible(Bar bar, bool visible)
{
    m_tool.progress().setBarVisible(bar, visible);
}

void BuildRunner::setPanelVisible(Panel panel, bool visible)
{
    m_tool.progress().setPanelVisible(panel, visible);
}

void BuildRunner::setBusyLamp(bool on)
{
    m_tool.progress().setBusyLamp(on);
}

void BuildRunner::setCloseButton(bool enabled)
{
    m_tool.closeButton()->setEnabled(enabled);
}

void BuildRunner::setCloseDefault(bool isDefault)
{
    m_tool.closeButton()->setDefault(isDefault);
}

void BuildRunner::setDiskLabel(const QString &text)
{
    m_tool.setDiskLabel(text);
}

void BuildRunner::setBusyCursor(bool busy)
{
    if (busy == m_busyCursor)
        return;
    m_busyCursor = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void BuildRunner::setTitle(const QString &title)
{
    m_s.taskbar.setTitle(title);
}

void BuildRunner::setIdentity(const QString &title, const QString &icon)
{
    m_s.taskbar.set(title, icon);
}

void BuildRunner::setIcon(const QString &icon)
{
    m_s.taskbar.setIcon(icon);
}

void BuildRunner::window(WindowStep step)
{
    switch (step) {
    case WindowStep::MinimiseMain:
        m_main.showMinimized();
        break;
    case WindowStep::RestoreMain:
        m_main.showNormal();
        break;
    case WindowStep::HideMain:
        m_main.hide();
        break;
    case WindowStep::EnableMain:
        m_main.setEnabled(true);
        break;
    case WindowStep::ActivateMain:
        m_main.activateWindow();
        break;
    case WindowStep::ShowTool:
        m_tool.show();
        break;
    case WindowStep::HideTool:
        m_tool.hide();
        break;
    case WindowStep::ActivateTool:
        m_tool.activateWindow();
        break;
    }
}

void BuildRunner::fileList(ListAction action, int row)
{
    switch (action) {
    case ListAction::ClearAll:
        m_main.clearAll();
        break;
    case ListAction::RemoveEntry:
        m_main.list().removeAt(row);
        break;
    case ListAction::ClearItems:
        m_main.setSelected(row, true);
        m_main.clearItems();
        break;
    case ListAction::RemoveUnselected:
        m_main.removeUnselected();
        break;
    case ListAction::ResourceErrorReset:
        m_main.resetAfterResourceError();
        break;
    case ListAction::DisableFilterButton:
        m_main.setFilterButtonEnabled(false);
        break;
    case ListAction::HideResIdBanner:
        m_main.hideResIdBanner();
        break;
    }
}

void BuildRunner::settingChanged(Setting setting, const QVariant &value)
{
    switch (setting) {
    case Setting::ExecuteOnLoad:
        m_tool.setExecuteOnLoad(value.toBool());
        break;
    case Setting::PrefixPosition:
        m_tool.setPrefixPosition(value.toInt());
        break;
    case Setting::ScriptName:
        m_tool.setScriptName(value.toString());
        break;
    case Setting::LibraryName:
        m_tool.setLibraryName(value.toString());
        break;
    case Setting::ResName:
        m_tool.setResName(value.toString());
        break;
    case Setting::Destination:
        m_tool.chooseDestination(value.toString());
        break;
    }
}

} // namespace tolvane
