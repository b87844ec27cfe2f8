#include "core/Product.h"
#include "core/setup/SetupChoices.h"
#include "settings/SettingsRecord.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/setup/SetupWizard.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

namespace tolvane {

void SetupWizard::finish()
{
    // Pressed again while a position pauses, or during the removal: the running sequence keeps
    // its place.
    if (m_installer.busy() || m_removing)
        return;
    if (fieldsIncomplete()) {
        m_s.prompter.ask(
            this, QStringLiteral("Incomplete form...!"),
            QStringLiteral("One or more required fields are not complete,\rplease review all "
                           "fields before continuing application!"),
            Box::Warning);
        return;
    }
    if (SetupChoices::onFloppyDrive(m_mainFolderLabel->text())) {
        m_s.prompter.ask(Prompter::dialog(
            Box::Error, QStringLiteral("Cannot create program folders on floppy disc drives!"),
            Box::Ok));
        return;
    }
    m_progressLabel->show();
    m_progressBar->show();
    // A running sequence goes on; a stopped one starts again with the folders now shown, so that
    // another folder chosen after a failure is the one created.
    if (!m_timer.isActive())
        m_installer.start(installPlan());
    m_timer.start();
    update();
}

QVariant SetupWizard::current(const SequenceItem &item) const
{
    switch (item.key) {
    case Setting::Delphi:
        return m_delphiFolderEdit->text();
    case Setting::DelphiVersion:
        return m_versionSpin->value();
    case Setting::InstallDate:
        return QLocale().toString(m_s.clock.now().date(), QLocale::ShortFormat);
    case Setting::Compiler1:
        return m_brccEdit->text();
    case Setting::Compiler2:
        return m_dccEdit->text();
    case Setting::ProgramFolder:
        return m_mainFolderLabel->text();
    case Setting::RecentAddFolder:
        return QString();
    case Setting::RecentProjectFolder:
        return m_projectsFolderLabel->text();
    case Setting::RecentFolder:
        return Platform::folderWithSeparator(m_s.platform.shortPath(m_s.platform.currentFolder()));
    case Setting::MainLeft:
        return m_main.x();
    case Setting::MainTop:
        return m_main.y();
    case Setting::ToolLeft:
        return m_tool.x();
    case Setting::ToolTop:
        return m_tool.y();
    default:
        break;
    }
    // The three fixed texts; everything else is the tool window's state.
    const SettingRow &row = SettingsRecord::row(item.key);
    if (row.control.isEmpty())
        return row.fresh;
    return m_tool.current(item);
}

InstallPlan SetupWizard::installPlan() const
{
    InstallPlan plan;
    plan.mainFolder = m_mainFolderLabel->text();
    plan.projectsFolder = m_projectsFolderLabel->text();
    QFile cabinet(QStringLiteral(":/cabfile/ACROBAT"));
    if (cabinet.open(QIODevice::ReadOnly))
        plan.cabinet = cabinet.readAll();
    const QString extract =
        Platform::resolveExecutable(Platform::folderWithSeparator(m_s.platform.toolchainFolder()) +
                                    QStringLiteral("bin/extract"));
    plan.extractProgram = extract.isEmpty() ? QStringLiteral("extract") : extract;
    return plan;
}

void SetupWizard::tick()
{
    // A tick while a position pauses waits for that position.
    if (m_installer.busy())
        return;
    const bool more = m_installer.advance();
    if (m_cancelPending) {
        m_cancelPending = false;
        askToCancel();
        return;
    }
    if (!more)
        m_timer.stop();
}

void SetupWizard::progress(int position)
{
    m_progressBar->setValue(position);
}

void SetupWizard::showCancel()
{
    m_cancelButton->show();
    m_cancelButton->raise();
}

void SetupWizard::status(const QString &text)
{
    m_progressLabel->setText(text);
}

void SetupWizard::pause(int milliseconds)
{
    m_s.pacer.pause(milliseconds);
}

QString SetupWizard::writeSettings()
{
    repaint();
    QString error;
    if (m_s.settings.createSettingsKey(&error))
        error = m_s.settings.save(sequences::setupWrite(), *this);
    m_finishButton->setEnabled(false);
    return error;
}

void SetupWizard::complete()
{
    m_timer.stop();
    m_progressBar->hide();
    m_progressLabel->clear();
    endProgram();
}

void SetupWizard::cancel()
{
    if (m_removing)
        return;
    if (m_installer.busy()) {
        // Pressed while a position pauses: the position ends at its next step, and the question
        // comes once it has, so that what it made is known and marked.
        m_cancelPending = true;
        m_installer.requestStop();
        m_timer.stop();
        return;
    }
    askToCancel();
}

void SetupWizard::askToCancel()
{
    m_timer.stop();
    m_progressBar->hide();
    m_progressLabel->clear();
    if (m_s.prompter.ask(this, QStringLiteral("Abort Installation!"),
                         QStringLiteral("Setup is not complete! Are you sure you want to cancel?"),
                         Box::Warning, Box::Yes | Box::No) != Box::Yes) {
        m_progressBar->show();
        m_timer.start();
        return;
    }
    removal(QStringLiteral("Operation Aborted by User!"));
}

} // namespace tolvane
