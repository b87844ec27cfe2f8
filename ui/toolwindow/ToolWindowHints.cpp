// The tool hint line and the tooltips the tool window shows as the mouse moves over it.
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
    if (w == m_scriptNameCaption)
        hint(QStringLiteral("Enter the script's name in this field"), true);
    else if (w == m_scriptName)
        hint(QStringLiteral("Enter script's name here"));
    else if (w == m_resNameHelp) {
        hint(QStringLiteral("This field assigns the \"ResName\" when processing single files."));
        if (m_resNameHelp->toolTip().isEmpty() || !hintsOn())
            m_resNameHelp->setToolTip(
                QStringLiteral("Consult topic \"Creating the script\" in the help manual...\nYou "
                               "can also right click in this area to open the manual."));
        setToolTipTime(m_resNameHelp, 20000);
    } else if (w == m_panel2) {
        m_panel2->setToolTip(
            QStringLiteral("Consult topic \"ResName/ResId\" in the help manual...\nYou can also "
                           "right click in this area to open the manual."));
        setToolTipTime(m_panel2, 20000);
        if (hintsOn())
            m_resNameHelp->setToolTip(
                QStringLiteral("Consult the help manual on topics related to this section."));
    } else if (w == m_destinationCaption)
        hint(QStringLiteral("All project files are moved to this location after compilation"));
    else if (w == m_destinationList) {
        if (keyExists() && m_destinationList->count() >= 2) {
            m_destinationList->setToolTip(QStringLiteral(
                "All progam files are moved from the program folder to the location\nentered in "
                "this field. Right click to remove all saved directories...\nRight-click in this "
                "window to remove all saved directories."));
            setToolTipTime(m_destinationList, 30000);
        } else {
            m_destinationList->setToolTip(QStringLiteral(
                "All program files, are moved from the program\nfolder to the location entered in "
                "this field...\nRight-click in this window, to remove all saved directories."));
        }
    } else if (w == m_browseButton)
        hint(
            QStringLiteral("Selects the destination directory right-click to open current folder"));
    else if (w == m_hintLine)
        hint(QStringLiteral(".....Tolvane version 3.06b. Beta release....."), true);
    else if (w == m_optionsGroup)
        hint(QString(56, QLatin1Char('.')), true);
    else if (w == m_fileInfoBox)
        hint(QStringLiteral("Inserts the file sizes and dates of each file into the script"));
    else if (w == m_soundsBox)
        hint(QStringLiteral("Enables audible prompts on button clicks and some error messages..."));
    else if (w == m_executeOnLoadBox)
        hint(QStringLiteral("Starts to compile file(s) upon loading."));
    else if (w == m_repairBox) {
        hint(QStringLiteral(".......Repairs corrupt project files (Recommended)"));
        m_repairBox->setToolTip(
            QStringLiteral("Removes invalid file names from project (.TPF) files.\nRenames file "
                           "extension to(.BCK) pending no existing links."));
        setToolTipTime(m_repairBox, 20000);
    } else if (w == m_autoSortBox) {
        hint(QStringLiteral(
            "Automatically removes unselected items from File List, upon execution."));
        m_autoSortBox->setToolTip(
            QStringLiteral("Sorts files in the list before, program executes."));
        setToolTipTime(m_autoSortBox, 20000);
    } else if (w == m_promptedSaveButton) {
        m_promptedSaveButton->setToolTip(
            QStringLiteral("Prompts for file name and location upon creating project files."));
        setToolTipTime(m_promptedSaveButton, 20000);
    } else if (w == m_quickSaveButton) {
        m_quickSaveButton->setToolTip(
            QStringLiteral("Creates a unique file name for project file.Files are\nsaved to the ") +
            m_main.programFolder().toLower() + QStringLiteral("\\projects folder."));
        setToolTipTime(m_quickSaveButton, 20000);
    } else if (w == m_dropFilterCaption) {
        hint(QStringLiteral("Selects the file filter type."));
        m_dropFilterCaption->setToolTip(QStringLiteral(
            "Sets the filter mask of all files and folders dragged onto program.\nAlso corresponds "
            "with that of the \"Add Files\" menu file filters..."));
        setToolTipTime(m_dropFilterCaption, 20000);
    } else if (w == m_keepProjectBox)
        hint(QStringLiteral(
            "Saves a copy of the Delphi Project (.dpr) file to disk after compilation"));
    else if (w == m_summaryBox)
        hint(QStringLiteral(
            "Displays file info after project build and prompts printing of script file."));
    else if (w == m_scriptsOnlyBox) {
        hint(QStringLiteral("Disables compilation' will write scripts only."));
        m_scriptsOnlyBox->setToolTip(
            QStringLiteral("Check mark here, to disable compilation of (.DPR)\nRes File and "
                           "library files, program will only write the script."));
        setToolTipTime(m_scriptsOnlyBox, 50000);
    } else if (w == m_hintsBox)
        hint(QStringLiteral("Click here to disable \" Tolvane Hints \" both windows"), true);
    else if (w == m_hideOnBuildBox)
        hint(QStringLiteral("Hides program's Main && Tool Windows during execution..."));
    else if (w == m_recurseBox) {
        hint(QStringLiteral(
            "Loads contents of additional subdirectories (if any) upon folder drag."));
        m_recurseBox->setToolTip(
            QStringLiteral("When dragging folder(s) onto program, engaging this control\nwill "
                           "include all subdirectories in the search path. Use caution\nnot to "
                           "exceed the system's resources while using this method!"));
        setToolTipTime(m_recurseBox, 50000);
    } else if (w == m_hintBackgroundButton)
        hint(QStringLiteral("Changes hint background color (Right-click) button for default"));
    else if (w == m_hintTextButton)
        hint(QStringLiteral("...Changes hint text color..."));
    else if (w == m_windowColourButton)
        hint(QStringLiteral("Sets window color of all screens right-click for window color..."));
    else if (w == m_fontColourButton)
        hint(QStringLiteral("Sets the font color of all windows..."));
    else if (w == m_unitsGroup)
        hint(QString(49, QLatin1Char('.')));
    else if (w == m_unitsCaption) {
        m_unitsCaption->setToolTip(
            QStringLiteral("Check the units to include into (DLL'S) uses section."));
        setToolTipTime(m_unitsCaption, 50000);
    } else if (w == m_libraryName)
        hint(QStringLiteral(".........Assign name to (DLL) here.........."));
    else if (w == m_clr)
        hint(QStringLiteral("Tool status indicator' Red = busy ,Clear = free"));
    else if (w == m_closeButton)
        hint(QStringLiteral(".......Close Tool Window........"), true);
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
