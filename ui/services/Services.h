#pragma once

#include "platform/Clock.h"
#include "platform/Platform.h"
#include "settings/SettingsStore.h"
#include "ui/services/Pacer.h"
#include "ui/services/Prompter.h"
#include "ui/services/SoundPlayer.h"
#include "ui/services/TaskbarIdentity.h"

namespace tolvane {

class StringTable;

// What the windows are handed when they are created: every seam to the outside.
struct Services
{
    Platform &platform;
    SettingsStore &settings;
    Prompter &prompter;
    Pacer &pacer;
    SoundPlayer &sound;
    TaskbarIdentity &taskbar;
    const Clock &clock;
    StringTable &strings;
};

} // namespace tolvane
