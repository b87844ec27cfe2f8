// The status line and tooltip texts the main window shows as the mouse moves over it.
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
    // An empty list says nothing, unless nothing is set up yet: then it says where to start.
    const QString empty = m_s.settings.settingsKeyExists() ? QString() : firstRunText();
    setHint(m_model->count() == 0
                ? empty
                : QStringLiteral("Click on individual files to show file's property.\rHold-down "
                                 "CTRL-KEY and click on items to deselect."));
    QWidget::mouseMoveEvent(event);
}

void MainWindow::hover(QObject *w)
{
    const bool hints = hintsOn();
    const bool key = m_s.settings.settingsKeyExists();
    if (w == m_selectAllButton && hints)
        setHint(QStringLiteral("(Alt+A) Selects && auto-scrolls all files in the list..."));
    else if (w == m_invertButton && hints)
        setHint(QStringLiteral("(Alt+V) Inverts currently selected file(s)."));
    else if (w == m_clearItemsButton && hints)
        setHint(QStringLiteral("(Alt+E) Clears highlighted ( Selected ),files from list."));
    else if (w == m_toolsButton && hints)
        setHint(QStringLiteral("(Alt+T) Displays program's Tool Window..."));
    else if (w == m_clearAllButton) {
        if (hints)
            setHint(QStringLiteral("(Alt+C) Removes all items from list at one time!\r(Resets) all "
                                   "items in the files list."));
        m_clearAllButton->setToolTip(QStringLiteral("Dragons be gone... "));
        setToolTipTime(m_clearAllButton, 5000);
    } else if (w == m_pathsButton) {
        if (!key)
            setHint(QStringLiteral(
                "(Alt+P) Setup the program's command line to interface\rwith the Borland family of "
                "command line compilers, press here\rto open the setup dialog for command line "
                "parameters (Optional)."));
        else if (hints)
            setHint(QStringLiteral(
                "(Alt+P) Displays the directory of Brcc32/Dcc32 compilers.\rRight-click to open "
                "current destination folder via Tools Window.\rOpen setup dialog for program "
                "uninstallation and or modifications."));
        m_pathsButton->setToolTip(key ? QStringLiteral("Compilers on line ")
                                      : QStringLiteral("Compilers off line "));
        setToolTipTime(m_pathsButton, 8000);
    } else if (w == m_buildButton) {
        if (hints)
            setHint(QStringLiteral(
                "(Alt+B)...Executes program...(Dual function)\rdiplays multiple hint messages "
                "pending Tool window settings."));
        setBuildTarget(m_tool ? m_tool->destination() : QString());
        if (hints)
            setToolTipTime(m_buildButton, 7000);
    } else if (w == m_saveListButton) {
        const bool quick = m_tool && m_tool->quickSave();
        if (hints)
            setHint(
                quick
                    ? QStringLiteral(
                          "(Alt+L) When file(s) are loaded into the program, use this\rbutton to "
                          "save the(Selected) list as a favorite. Current mode\rwill stored file "
                          "to the projects folder as a(.tpf) file.")
                    : QStringLiteral(
                          "(Alt+L) When file(s) are loaded into the program, use this\rbutton to "
                          "save the(Selected) list as a favorite. Current mode\rwill use the Save "
                          "dialog box, to name and store file anywhere."));
        if (m_tool && m_tool->saveModesDiffer())
            m_saveTipOff = true;
        m_saveListButton->setToolTip(
            m_saveTipOff ? QString()
            : quick      ? QStringLiteral("Will create unique file name for project file ")
                         : QStringLiteral("Will prompt for name of project file"));
    } else if (w == m_list || w == m_list->viewport()) {
        if (hints && m_model->count() == 0)
            setHint(QStringLiteral(
                "Drag file(s) or folders from anywhere to auto load, or use the\rdrop down menu "
                "to load both Resource type && project(.tpf) files.\rDrag files types "
                "(.pas),(.dpr) "
                "and (.rc) to program to copy as text."));
        updateResIdBanner();
    } else if (w == m_executeOffLamp) {
        setHint(QStringLiteral("Displays Execute-on-drop status, Green active' Clear inactive."));
    } else if (w == m_executeOnLamp || w == m_recurseOnLamp) {
        setToolTipTime(static_cast<QWidget *>(w), 8000);
    }
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
