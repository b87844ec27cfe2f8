#pragma once

#include "core/StringTable.h"
#include "platform/LinuxPlatform.h"
#include "ui/Windows.h"
#include "ui/services/Pacer.h"
#include "ui/services/Prompter.h"
#include "ui/services/Services.h"
#include "ui/services/SoundPlayer.h"
#include "ui/services/TaskbarIdentity.h"

#include <QQueue>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <memory>

namespace tolvane::test {

// Runs the event loop until done() holds or the time is up. Unlike QTRY_VERIFY, which sleeps
// 10 ms between its looks, it serves every timer event as it comes, so a sequence driven by a
// 1 ms timer runs at its own pace.
bool runUntil(const std::function<bool()> &done, int timeoutMs = 20000);

// A window's control by its objectName; a missing one ends the test run loudly.
template <typename T = QWidget> T *child(QWidget &w, const char *name)
{
    T *c = w.findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

// Answers queued in advance; every box is recorded as it was shown.
class ScriptedPrompter : public Prompter
{
  public:
    Box::Button ask(const Box &box) override;
    OpenFilesResult openFiles(const OpenFilesRequest &request) override;
    QString chooseFolder(QWidget *, const QString &title, const QString &) override;
    std::optional<QString> saveFile(const SaveFileRequest &request) override;
    std::optional<QColor> chooseColour(QWidget *, const QColor &initial) override;
    std::optional<QString> inputText(QWidget *, const QString &caption, const QString &prompt,
                                     const QString &) override;

    QList<Box> boxes;
    QQueue<Box::Button> answers;
    QQueue<OpenFilesResult> files;
    QQueue<int> typeChanges;      // filter entries chosen while the dialog is open
    QQueue<QString> folderVisits; // folders entered while the dialog is open
    QQueue<QString> folders;
    QQueue<std::optional<QString>> saves; // paths typed into the save dialog; nothing cancels
    QList<SaveFileRequest> saveRequests;
    QStringList folderCaptions; // the caption of every folder dialog shown
    QQueue<std::optional<QColor>> colours;
    QQueue<std::optional<QString>> inputs;
    QStringList inputPrompts;
    OpenFilesRequest lastRequest;

    Box last() const { return boxes.isEmpty() ? Box() : boxes.last(); }
};

class FakePlatform : public LinuxPlatform
{
  public:
    int colourDepth() override { return depth; }
    bool openFile(const QString &path) override
    {
        opened << path;
        return openWorks;
    }
    bool openFolder(const QString &path) override
    {
        opened << path;
        return openFolderWorks;
    }
    QString currentFolder() override
    {
        return current.isEmpty() ? LinuxPlatform::currentFolder() : current;
    }
    QString windowsFolder() override
    {
        return windows.isEmpty() ? LinuxPlatform::windowsFolder() : windows;
    }
    QString toolchainFolder() override { return toolchain; }
    QString tempFolder() override { return temp.isEmpty() ? LinuxPlatform::tempFolder() : temp; }
    bool showProperties(const QString &) override { return false; } // our own sheet, always
    bool printFile(const QString &path) override
    {
        printed << path;
        return printWorks;
    }
    bool printWorks = true; // false: the system takes no print (no printer)
    CopyResult copyFile(const QString &from, const QString &to) override
    {
        return copyResult ? *copyResult : LinuxPlatform::copyFile(from, to);
    }
    QString homeFolder() override { return home.isEmpty() ? LinuxPlatform::homeFolder() : home; }
    QString systemFontsFolder() override
    {
        return fonts.isEmpty() ? LinuxPlatform::systemFontsFolder() : fonts;
    }
    int depth = 32;
    bool openWorks = true;
    bool openFolderWorks = true; // false: no file manager starts
    QString current;
    QString fonts;
    QString windows;
    QString toolchain;
    QString home;
    QString temp;
    QStringList opened;
    QStringList printed;
    std::optional<CopyResult> copyResult; // set: every copy ends so
    // Ticks from the system start; a fixed value stands still, as a fast machine's clock would.
    qint64 tickCount() override { return ticks >= 0 ? ticks : LinuxPlatform::tickCount(); }
    qint64 ticks = -1;
    // A move that fails as a full disk would: the target stays as it was.
    bool replaceFile(const QString &from, const QString &to) override
    {
        return replaceWorks && LinuxPlatform::replaceFile(from, to);
    }
    bool replaceWorks = true;
};

// Drops paths on a window as a file manager does (file URLs: enter, move, drop) and lets the
// handling that the drop queued run. False when the window refused the drop.
bool dropFiles(QWidget &target, const QStringList &paths);

// Real windows, real registry file and folders under a temporary folder, scripted seams.
struct Harness
{
    Harness();
    ~Harness();
    // Creates the settings key, as setup would, with the values given.
    void setUp(const QList<QPair<QString, QVariant>> &values = {});
    // Every value of the settings record with its fresh-installation value, then the extras.
    void setUpFresh(const QString &programFolder,
                    const QList<QPair<QString, QVariant>> &extra = {});
    void createWindows();
    QString path(const QString &name) const { return dir.filePath(name); }
    // Makes a file of the given size and returns its path.
    QString file(const QString &name, int size = 10);

    QTemporaryDir dir;
    FakePlatform platform;
    Registry registry;
    SettingsStore settings;
    ScriptedPrompter prompter;
    InstantPacer pacer;
    RecordingSoundPlayer sound;
    TaskbarIdentity taskbar;
    FixedClock clock;
    StringTable strings;
    Services services;
    std::unique_ptr<Windows> windows;
};

} // namespace tolvane::test
