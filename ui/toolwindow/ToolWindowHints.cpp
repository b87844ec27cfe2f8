// The tool hint line and the tooltips the tool window shows as the mouse moves over it.
#include "core/ToolHints.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/services/ToolTipTime.h"
#include "ui/toolwindow/ToolWindow.h"
#include "ui/widgets/TFileLabel.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>

#include <QMouseEvent>

namespace tolvane {

// Hints ---------------------------------------------------------------------------------------

void ToolWindow::hint(const QString &text, bool always)
{
    if (!always && !hintsOn())
        return;
    QString shown = text;
    shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    m_hintLine->setFileName(shown);
}

int ToolWindow::toolTipDisplayTime() const
{
    return tooltiptime::current();
}

void ToolWindow::setToolTipTime(QWidget *, int ms)
{
    tooltiptime::set(ms);
}

void ToolWindow::hover(QObject *w)
{
    using toolhints::Control;
    const std::pair<QObject *, Control> controls[] = {
        {m_scriptNameCaption, Control::ScriptNameCaption},
        {m_scriptName, Control::ScriptName},
        {m_resNameHelp, Control::ResNameHelp},
        {m_panel2, Control::HelpPanel},
        {m_destinationCaption, Control::DestinationCaption},
        {m_destinationList, Control::DestinationList},
        {m_browseButton, Control::Browse},
        {m_hintLine, Control::HintLine},
        {m_optionsGroup, Control::OptionsGroup},
        {m_fileInfoBox, Control::FileInfo},
        {m_soundsBox, Control::Sounds},
        {m_executeOnLoadBox, Control::ExecuteOnLoad},
        {m_repairBox, Control::Repair},
        {m_autoSortBox, Control::AutoSort},
        {m_promptedSaveButton, Control::PromptedSave},
        {m_quickSaveButton, Control::QuickSave},
        {m_dropFilterCaption, Control::DropFilterCaption},
        {m_keepProjectBox, Control::KeepProject},
        {m_summaryBox, Control::Summary},
        {m_scriptsOnlyBox, Control::ScriptsOnly},
        {m_hintsBox, Control::Hints},
        {m_hideOnBuildBox, Control::HideOnBuild},
        {m_recurseBox, Control::Recurse},
        {m_hintBackgroundButton, Control::HintBackground},
        {m_hintTextButton, Control::HintText},
        {m_windowColourButton, Control::WindowColour},
        {m_fontColourButton, Control::FontColour},
        {m_unitsGroup, Control::UnitsGroup},
        {m_unitsCaption, Control::UnitsCaption},
        {m_libraryName, Control::LibraryName},
        {m_clr, Control::IdleLamp},
        {m_closeButton, Control::Close},
    };
    const auto found = std::find_if(std::begin(controls), std::end(controls),
                                    [w](const auto &c) { return c.first == w; });
    if (found == std::end(controls))
        return;
    toolhints::State state;
    state.hintsOn = hintsOn();
    state.keyExists = keyExists();
    state.destinations = m_destinationList->count();
    state.programFolder = m_main.programFolder();
    const toolhints::Hint h = toolhints::forControl(found->second, state);
    auto *widget = static_cast<QWidget *>(w);
    if (h.line)
        hint(*h.line, true);
    // The help text keeps the tooltip the caption panel gave it while hints are on.
    if (found->second == Control::ResNameHelp &&
        (m_resNameHelp->toolTip().isEmpty() || !state.hintsOn))
        m_resNameHelp->setToolTip(toolhints::helpToolTip());
    if (h.toolTip)
        widget->setToolTip(*h.toolTip);
    if (h.toolTipTime)
        setToolTipTime(widget, *h.toolTipTime);
    if (h.helpToolTip)
        m_resNameHelp->setToolTip(*h.helpToolTip);
}

bool ToolWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter)
        hover(watched);
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == m_resNameHelp || watched == m_panel2)) {
        const auto *me = static_cast<QMouseEvent *>(event);
        openManual(me->button() == Qt::RightButton, true);
    }
    return QWidget::eventFilter(watched, event);
}

// A press on any free part of the surface moves the window, as a title bar would.
} // namespace tolvane
