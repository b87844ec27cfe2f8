#include "core/setup/Uninstaller.h"
#include "core/ProgramFolder.h"
#include "platform/Platform.h"

namespace tolvane {

Uninstaller::Uninstaller(Platform &platform, UninstallReport &report)
    : m_platform(platform), m_report(report)
{
}

bool Uninstaller::run(const QString &mainFolder, const QString &projectsFolder)
{
    // The folder goes even when a key stays: each is told on its own.
    const QString settingsError = m_report.removeSettingsKeys();
    if (!settingsError.isEmpty())
        m_report.keyFailed(settingsError);
    m_report.pause(2000);
    const QString historyError = m_report.removeHistory();
    if (!historyError.isEmpty())
        m_report.keyFailed(historyError);

    // Everything is decided before the first deletion, so a "no" deletes nothing.
    const RemovalPlan plan =
        ProgramFolder::removalPlan(m_platform, mainFolder, projectsFolder, m_platform.homeFolder());
    if (plan.kind == RemovalPlan::Missing) {
        m_report.folderMissing(plan.message);
        return false;
    }
    if (plan.kind == RemovalPlan::Refused) {
        m_report.refused(plan.message);
        m_report.aborted();
        return false;
    }
    for (const QString &tree : plan.trees) {
        if (!m_report.confirmDelete(tree)) {
            m_report.aborted();
            return false;
        }
    }
    bool removed = true;
    for (const QString &tree : plan.trees)
        removed = m_platform.removeFolderTree(tree) && removed;
    for (const QString &file : plan.files)
        removed = m_platform.removeFile(file) && removed;
    if (!removed) {
        m_report.aborted();
        return false;
    }
    if (plan.kind == RemovalPlan::SetupItems)
        m_report.kept(plan.message);
    return true;
}

} // namespace tolvane
