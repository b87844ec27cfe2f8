#include "core/setup/Uninstaller.h"
#include "core/Product.h"
#include "core/ProgramFolder.h"
#include "core/setup/SetupBox.h"
#include "platform/Platform.h"

namespace tolvane {

Uninstaller::Uninstaller(Platform &platform, UninstallReport &report)
    : m_platform(platform), m_report(report)
{
}

bool Uninstaller::run(const QString &mainFolder, const QString &projectsFolder,
                      const QString &abortText)
{
    const Message aborted = setupbox::make(Message::Id::RemovalAborted, product::titleCopyright(),
                                           abortText, Message::Icon::Warning);
    // Everything is decided, and every deletion agreed to, before anything goes: a "no" removes
    // neither a key nor a file.
    const RemovalPlan plan =
        ProgramFolder::removalPlan(m_platform, mainFolder, projectsFolder, m_platform.homeFolder());
    for (const QString &tree : plan.trees) {
        const Message confirm = setupbox::make(
            Message::Id::ConfirmFolderDelete, QStringLiteral("Confirm Folder Delete"),
            QStringLiteral("Are you sure you want to remove the folder '") + tree +
                QStringLiteral("' and all its contents?"),
            Message::Icon::Question, Message::Yes | Message::No, Message::Owner::SetupWizard);
        if (m_report.ask(confirm) != Message::Yes) {
            m_report.ask(aborted);
            return false;
        }
    }

    // The folder goes even when a key stays: each is told on its own.
    const Message keyFailed = setupbox::make(Message::Id::KeyNotRemoved, product::title(),
                                             QString(), Message::Icon::Error);
    if (const QString error = m_report.removeSettingsKeys(); !error.isEmpty()) {
        Message m = keyFailed;
        m.text = error;
        m_report.ask(m);
    }
    m_report.pause(2000);
    if (const QString error = m_report.removeHistory(); !error.isEmpty()) {
        Message m = keyFailed;
        m.text = error;
        m_report.ask(m);
    }

    if (plan.kind == RemovalPlan::Missing) {
        m_report.ask(setupbox::make(Message::Id::ProgramFolderNotFound, QStringLiteral("Error"),
                                    plan.message, Message::Icon::Error));
        return false;
    }
    if (plan.kind == RemovalPlan::Refused) {
        m_report.ask(setupbox::make(Message::Id::RemovalRefused, QStringLiteral("Error"),
                                    plan.message, Message::Icon::Error));
        m_report.ask(aborted);
        return false;
    }
    bool removed = true;
    for (const QString &tree : plan.trees)
        removed = m_platform.removeFolderTree(tree) && removed;
    for (const QString &file : plan.files)
        removed = m_platform.removeFile(file) && removed;
    if (!removed) {
        m_report.ask(aborted);
        return false;
    }
    if (plan.kind == RemovalPlan::SetupItems)
        m_report.ask(setupbox::make(Message::Id::FolderKept, product::titleCopyright(),
                                    plan.message, Message::Icon::Information));
    return true;
}

} // namespace tolvane
