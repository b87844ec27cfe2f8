#pragma once

#include "app/headless/HeadlessBuild.h"

#include <QString>

namespace tolvane {
class Registry;
class SettingsStore;
} // namespace tolvane

namespace tolvane::headless {

struct SettingsCheck
{
    Status status = Built; // Built: the build may go on
    QString text;          // for the error stream, each line ending in a line break
};

// Whether the build may go on with the settings file: a file that cannot be read or is not a
// settings file stops it (a build server must not take fresh settings for its own); so does a
// file named on the command line that is not there. Without settings the build goes on, and the
// text says which apply and how to give others.
SettingsCheck checkSettings(Registry &registry, SettingsStore &settings, bool named);

} // namespace tolvane::headless
