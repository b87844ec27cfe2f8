#pragma once

#include <QString>

namespace tolvane {

class Platform;

// How the removal sequence reaches the wizard: the registry keys belong to the settings layer,
// the boxes to the windows.
class UninstallReport
{
  public:
    virtual ~UninstallReport() = default;
    // The company key tree, when the settings key exists; empty when the settings key is gone,
    // else what stayed.
    virtual QString removeSettingsKeys() = 0;
    virtual void pause(int milliseconds) = 0;
    // The destination history; empty when it is gone, else what stayed.
    virtual QString removeHistory() = 0;
    // A key that stayed; the removal goes on.
    virtual void keyFailed(const QString &text) = 0;
    // The program folder is not there; nothing is deleted.
    virtual void folderMissing(const QString &text) = 0;
    // The folder must not be deleted; nothing is deleted.
    virtual void refused(const QString &text) = 0;
    // Asks before a folder is deleted with everything in it.
    virtual bool confirmDelete(const QString &folder) = 0;
    // The folder stays, emptied of what setup put there.
    virtual void kept(const QString &text) = 0;
    // Something was refused, declined or could not be deleted.
    virtual void aborted() = 0;
};

// The removal sequence of uninstall and of a cancelled setup: the keys, then the program folder.
class Uninstaller
{
  public:
    Uninstaller(Platform &platform, UninstallReport &report);
    // True when everything the removal plan named was deleted.
    bool run(const QString &mainFolder, const QString &projectsFolder);

  private:
    Platform &m_platform;
    UninstallReport &m_report;
};

} // namespace tolvane
