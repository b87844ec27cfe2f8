// The status line and tooltip texts the main window shows as the mouse moves over it.
#include "core/MainHints.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/services/ToolTipTime.h"
#include "ui/toolwindow/ToolWindow.h"
#include <QEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>

namespace tolvane {

void MainWindow::setHint(const QString &text)
{
    m_statusLine->setProperty("raw", text);
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    m_statusLine->setText(shown);
}

int MainWindow::toolTipDisplayTime() const
{
    return tooltiptime::current();
}

void MainWindow::setToolTipTime(QWidget *, int ms)
{
    tooltiptime::set(ms);
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    // Over the window background.
    m_listCounter->setText(QString::number(m_model->count()));
    updateResIdBanner();
    m_statusLine->show();
    hover(this);
    QWidget::mouseMoveEvent(event);
}

void MainWindow::hover(QObject *w)
{
    using mainhints::Control;
    Control control;
    if (w == this)
        control = Control::Background;
    else if (w == m_selectAllButton)
        control = Control::SelectAll;
    else if (w == m_invertButton)
        control = Control::Invert;
    else if (w == m_clearItemsButton)
        control = Control::ClearItems;
    else if (w == m_toolsButton)
        control = Control::Tools;
    else if (w == m_clearAllButton)
        control = Control::ClearAll;
    else if (w == m_pathsButton)
        control = Control::Paths;
    else if (w == m_buildButton)
        control = Control::Build;
    else if (w == m_saveListButton)
        control = Control::SaveList;
    else if (w == m_list || w == m_list->viewport())
        control = Control::List;
    else if (w == m_executeOffLamp)
        control = Control::ExecuteOffLamp;
    else if (w == m_executeOnLamp || w == m_recurseOnLamp)
        control = Control::Lamp;
    else
        return;
    // The save button's tooltip goes for good once the two save modes differ in being offered.
    if (control == Control::SaveList && m_tool && m_tool->saveModesDiffer())
        m_saveTipOff = true;
    mainhints::State state;
    state.hintsOn = hintsOn();
    state.keyExists = m_s.settings.settingsKeyExists();
    state.quickSave = m_tool && m_tool->quickSave();
    state.listCount = m_model->count();
    state.destination = m_tool ? m_tool->destination() : QString();
    state.saveTipOff = m_saveTipOff;
    const mainhints::Hint hint = mainhints::forControl(control, state);
    if (hint.status)
        setHint(*hint.status);
    if (hint.toolTip)
        static_cast<QWidget *>(w)->setToolTip(*hint.toolTip);
    if (hint.toolTipTime)
        setToolTipTime(static_cast<QWidget *>(w), *hint.toolTipTime);
    if (control == Control::List)
        updateResIdBanner();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::HoverEnter:
        hover(watched);
        break;
    case QEvent::MouseButtonRelease:
        // The press has changed the selection by now: "Properties" follows the new one.
        if (watched == m_list->viewport()) {
            m_propertiesAction->setEnabled(selectedCount() > 0);
            listReleased();
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tolvane
