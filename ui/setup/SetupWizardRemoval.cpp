#include "core/Product.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/setup/SetupWizard.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QLabel>

namespace tolvane {

// The sequences' boxes, shown through the prompter.
Message::Button SetupWizard::ask(const Message &m)
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
    case Message::Owner::SetupWizard:
        b.owner = this;
        break;
    case Message::Owner::MainWindow:
        b.owner = &m_main;
        break;
    case Message::Owner::ToolWindow:
        b.owner = &m_tool;
        break;
    default:
        break;
    }
    const Box::Button answer = m_s.prompter.ask(b);
    return answer == Box::Cancel ? Message::No : Message::Button(answer);
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
