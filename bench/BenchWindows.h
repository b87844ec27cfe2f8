#pragma once

#include "core/StringTable.h"
#include "platform/LinuxPlatform.h"
#include "ui/Windows.h"
#include "ui/services/Services.h"

#include <QString>

namespace tolvane::bench {

// Shows no box: every one is answered at once with the same button, and counted.
class QuietPrompter : public Prompter
{
  public:
    explicit QuietPrompter(Box::Button answer) : m_answer(answer) {}
    Box::Button ask(const Box &) override
    {
        ++asked;
        return m_answer;
    }
    OpenFilesResult openFiles(const OpenFilesRequest &) override { return {}; }
    using Prompter::chooseFolder;
    QString chooseFolder(QWidget *, const QString &, const QString &) override { return {}; }
    std::optional<QString> saveFile(const SaveFileRequest &) override { return std::nullopt; }
    std::optional<QColor> chooseColour(QWidget *, const QColor &) override { return std::nullopt; }
    std::optional<QString> inputText(QWidget *, const QString &, const QString &,
                                     const QString &) override
    {
        return std::nullopt;
    }
    int asked = 0;

  private:
    Box::Button m_answer;
};

// Pauses cost nothing: the benchmark measures the work, not the pacing. Frames come as the
// screen would show them, and are painted, as they are for a user.
class InstantPacer : public Pacer
{
  public:
    void pause(int) override {}
};

class SilentSoundPlayer : public SoundPlayer
{
  public:
    void play(const QString &) override {}
};

// The program's windows over a settings file of the benchmark's own, silent and box-free; the
// pacer is the caller's, so a benchmark chooses whether the pauses count.
struct BenchWindows
{
    BenchWindows(const QString &registryFile, Pacer &pacer, Box::Button answer)
        : registry(registryFile), settings(registry),
          prompter(answer), services{platform, settings, prompter, pacer,
                                     sound,    taskbar,  clock,    strings},
          windows(services)
    {
    }

    LinuxPlatform platform;
    Registry registry;
    SettingsStore settings;
    QuietPrompter prompter;
    SilentSoundPlayer sound;
    TaskbarIdentity taskbar;
    Clock clock;
    StringTable strings;
    Services services;
    Windows windows;
};

} // namespace tolvane::bench
