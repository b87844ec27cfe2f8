// The typed accessors the other windows read the live settings through, and the progress
// display the build drives.
#include "core/FilterTexts.h"
#include "ui/toolwindow/ProgressPanel.h"
#include "ui/toolwindow/ToolWindow.h"
#include "ui/widgets/TFileLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tolvane {

namespace {
bool on(const QCheckBox *box)
{
    return box->checkState() == Qt::Checked; // a greyed box counts as off
}
} // namespace

QString ToolWindow::scriptName() const
{
    return m_scriptName->text();
}
void ToolWindow::setScriptName(const QString &name)
{
    m_scriptName->setText(name);
}
QString ToolWindow::libraryName() const
{
    return m_libraryName->text();
}
void ToolWindow::setLibraryName(const QString &name)
{
    m_libraryName->setText(name);
}
QString ToolWindow::resName() const
{
    return m_resName->text();
}
void ToolWindow::setResName(const QString &name)
{
    m_resName->setText(name);
}
void ToolWindow::setResNameVisible(bool visible)
{
    m_resName->setVisible(visible);
}
bool ToolWindow::resNameVisible() const
{
    return !m_resName->isHidden();
}
int ToolWindow::prefixPosition() const
{
    return m_prefixList->currentIndex();
}
void ToolWindow::setPrefixPosition(int position)
{
    m_prefixList->setCurrentIndex(position >= 0 && position < 24 ? position : -1);
}
QString ToolWindow::destination() const
{
    return m_destinationList->currentText();
}
int ToolWindow::dropFilterPosition() const
{
    return m_dropFilterList->currentIndex();
}
void ToolWindow::setDropFilterPosition(int position)
{
    m_dropFilterList->setCurrentIndex(position);
}
bool ToolWindow::hintsOn() const
{
    return on(m_hintsBox);
}
bool ToolWindow::soundsOn() const
{
    return on(m_soundsBox);
}
bool ToolWindow::executeOnLoad() const
{
    return on(m_executeOnLoadBox);
}
void ToolWindow::setExecuteOnLoad(bool value)
{
    m_executeOnLoadBox->setChecked(value);
}
bool ToolWindow::recurse() const
{
    return on(m_recurseBox);
}
bool ToolWindow::scriptsOnly() const
{
    return on(m_scriptsOnlyBox);
}
bool ToolWindow::autoSort() const
{
    return on(m_autoSortBox);
}
bool ToolWindow::fileInfo() const
{
    return on(m_fileInfoBox);
}
bool ToolWindow::hideOnBuild() const
{
    return on(m_hideOnBuildBox);
}
bool ToolWindow::summary() const
{
    return on(m_summaryBox);
}
bool ToolWindow::keepProject() const
{
    return on(m_keepProjectBox);
}
bool ToolWindow::repairProjects() const
{
    return on(m_repairBox);
}
bool ToolWindow::classes() const
{
    return on(m_classesBox);
}
bool ToolWindow::windowsUnit() const
{
    return on(m_windowsUnitBox);
}
bool ToolWindow::dialogs() const
{
    return on(m_dialogsBox);
}
bool ToolWindow::promptedSave() const
{
    return m_promptedSaveButton->isChecked();
}
bool ToolWindow::quickSave() const
{
    return m_quickSaveButton->isChecked();
}
bool ToolWindow::saveModesDiffer() const
{
    return m_promptedSaveButton->isEnabled() != m_quickSaveButton->isEnabled();
}
void ToolWindow::setQuickSaveEnabled(bool enabled)
{
    m_quickSaveButton->setEnabled(enabled);
}
void ToolWindow::setManualEnabled(bool enabled)
{
    m_manualButton->setEnabled(enabled);
}
void ToolWindow::setDiskLabel(const QString &text)
{
    m_diskLabel->setText(text);
}
QString ToolWindow::diskLabel() const
{
    return m_diskLabel->text();
}
QString ToolWindow::hintLine() const
{
    return m_hintLine->fileName();
}
QColor ToolWindow::entryBackground() const
{
    return m_scriptName->palette().color(QPalette::Base);
}
QColor ToolWindow::entryText() const
{
    return m_scriptName->palette().color(QPalette::Text);
}

QString ToolWindow::dropFilterMask()
{
    if (m_dropFilterList->count() == 0)
        return QStringLiteral("*.*");
    if (m_dropFilterList->currentIndex() < 0)
        m_dropFilterList->setCurrentIndex(m_dropFilterList->count() - 1);
    return filtertexts::maskOf(m_dropFilterList->currentText());
}

void ToolWindow::setProgressLine(BuildReporter::Line line, const QString &text)
{
    m_progress->setLine(line, text);
}
void ToolWindow::setProgressBarValue(BuildReporter::Bar bar, int value)
{
    m_progress->setBarValue(bar, value);
}
void ToolWindow::setProgressBarMaximum(BuildReporter::Bar bar, int maximum)
{
    m_progress->setBarMaximum(bar, maximum);
}
void ToolWindow::setProgressBarVisible(BuildReporter::Bar bar, bool visible)
{
    m_progress->setBarVisible(bar, visible);
}
void ToolWindow::setProgressPart(BuildReporter::Panel part, bool visible)
{
    m_progress->setPanelVisible(part, visible);
}
void ToolWindow::setBusyLamp(bool on)
{
    m_progress->setBusyLamp(on);
}
void ToolWindow::setCloseEnabled(bool enabled)
{
    m_closeButton->setEnabled(enabled);
}
void ToolWindow::setCloseDefault(bool isDefault)
{
    m_closeButton->setDefault(isDefault);
}

void ToolWindow::showProgress(const QString &firstLine)
{
    using Line = BuildReporter::Line;
    using Panel = BuildReporter::Panel;
    update();
    m_progress->setLine(Line::Msg2, firstLine);
    m_progress->setLine(Line::Msg3, QString());
    m_progress->setLine(Line::Msg4, QString());
    m_progress->setPanelVisible(Panel::Options, false);
    m_progress->setPanelVisible(Panel::StatusLines, true);
    m_progress->setPanelVisible(Panel::Progress, true);
    m_closeButton->setEnabled(false);
    m_progress->setBarValue(BuildReporter::Bar::Bar1, 0);
    m_progress->setBarValue(BuildReporter::Bar::Bar2, 0);
}

void ToolWindow::showOptionsAgain()
{
    m_closeButton->setEnabled(true);
    m_panel1->show();
    show();
}

} // namespace tolvane
