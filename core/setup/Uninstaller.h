#pragma once

#include "core/Message.h"

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
    // Shows a box and returns the button pressed.
    virtual Message::Button ask(const Message &message) = 0;
};

// The removal sequence of uninstall and of a cancelled setup: the keys, then the program folder.
class Uninstaller
{
  public:
    Uninstaller(Platform &platform, UninstallReport &report);
    // True when everything the removal plan named was deleted. abortText is what the user is told
    // when something was refused, declined or could not be deleted.
    bool run(const QString &mainFolder, const QString &projectsFolder, const QString &abortText);

  private:
    Platform &m_platform;
    UninstallReport &m_report;
};

} // namespace tolvane
