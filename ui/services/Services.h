#pragma once

#include "Clock.h"
#include "Pacer.h"
#include "Platform.h"
#include "Prompter.h"
#include "SettingsStore.h"
#include "SoundPlayer.h"
#include "TaskbarIdentity.h"

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
