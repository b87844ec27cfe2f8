#pragma once

#include "app/headless/CommandLine.h"

#include <QString>
#include <cstdio>

namespace tolvane {
struct BuildOptions;
struct BuildSummary;
class Clock;
class SettingsStore;
} // namespace tolvane

namespace tolvane::headless {

class ConsoleReporter;
class HeadlessPlatform;

// The exit statuses of tolvane-build, one per way a build ends (listed in --help).
enum Status
{
    Built = 0,
    Usage = 2,
    ProjectMissing = 3,
    ProjectEmpty = 4,
    NoWorkingFolder = 5,
    SettingsUnusable = 6,
    SettingsMissing = 7,
    InvalidLink = 10,
    EmptyFile = 11,
    SameNames = 12,
    NoDestination = 13,
    BadNameOrPath = 14,
    InvalidLocation = 15,
    InputIsFolder = 16,
    ScriptNotWritten = 20,
    ConfigurationProblem = 21,
    ProjectNotWritten = 22,
    ResourceCompilerNotStarted = 23, // -714
    ResourceCompileError = 24,       // 737
    LibraryCompilerNotStarted = 25,  // -810D
    LibraryCompileError = 26,        // 834D
    SpaceFailure = 27,
    MoveFailed = 28,
    OtherStop = 29,
    TimedOut = 30
};

// One build without windows: reads the list, takes the settings (the command line over the
// settings file), runs the build engine in a private working folder and moves the outputs into
// the destination. Prints as described in --help; returns the exit status.
class HeadlessBuild
{
  public:
    HeadlessBuild(HeadlessPlatform &platform, SettingsStore &settings, const Clock &clock,
                  FILE *out = stdout, FILE *err = stderr);
    Status run(const CommandLine &line);

  private:
    Status compileScript(const BuildOptions &options, BuildSummary &summary,
                         const QString &workingFolder, ConsoleReporter &reporter);
    // Asks about each file of zero bytes, as the windows do when they compile; false when the
    // build stops there.
    bool leaveOutEmptyFiles(QStringList &paths, ConsoleReporter &reporter);

    HeadlessPlatform &m_platform;
    SettingsStore &m_settings;
    const Clock &m_clock;
    FILE *m_out;
    FILE *m_err;
};

} // namespace tolvane::headless
