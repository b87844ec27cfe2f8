#include "core/Product.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/services/MessagePresenter.h"
#include "ui/setup/SetupWizard.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QLabel>

namespace tolvane {

// The sequences' boxes, shown through the one presenter. A box closed without an answer is a No.
Message::Button SetupWizard::ask(const Message &m)
{
    MessageOwners owners;
    owners.mainWindow = &m_main;
    owners.toolWindow = &m_tool;
    owners.setupWizard = this;
    const Message::Answer answer = MessagePresenter(m_s.prompter, owners).show(m);
    return answer == Message::Cancel ? Message::No : answer;
}

void SetupWizard::uninstall()
{
    if (m_removing || m_installer.busy())
        return;
    if (m_s.prompter.ask(this, product::brand() + QStringLiteral(" Uninstall!"),
                         QStringLiteral("This will remove all registry and program folder "
                                        "information.\rTerminate the current session anyway?"),
                         Box::Warning, Box::Yes | Box::No) == Box::Yes)
        removal(QStringLiteral("Operation Aborted!"));
}

void SetupWizard::removal(const QString &abortText)
{
    m_removing = true;
    m_timer.stop();
    Uninstaller(m_s.platform, *this)
        .run(m_mainFolderLabel->text(), m_projectsFolderLabel->text(), abortText);
    endProgram();
}

QString SetupWizard::removeSettingsKeys()
{
    m_s.settings.removeCompanyKey();
    if (!m_s.settings.settingsKeyExists())
        return QString();
    return QStringLiteral("Could not remove the registry key HKEY_LOCAL_MACHINE") +
           SettingsStore::companyKeyPath();
}

QString SetupWizard::removeHistory()
{
    m_s.settings.removeHistory();
    if (!m_s.settings.registry().keyExists(RegRoot::Users, SettingsStore::historyRemovalKeyPath()))
        return QString();
    return QStringLiteral("Could not remove the registry key HKEY_USERS\\") +
           SettingsStore::historyRemovalKeyPath();
}

void SetupWizard::endProgram()
{
    m_ended = true;
    m_timer.stop();
    emit quitRequested();
}

} // namespace tolvane
