#pragma once

#include "core/Message.h"

#include <QStringList>
#include <optional>

namespace tolvane {

class Platform;

// What saving a project asks of the main window: the save dialog, the questions, the progress
// through the entries, and the list back in view before the last word.
class SaveReporter
{
  public:
    virtual ~SaveReporter() = default;
    // The button pressed (Message::Button).
    virtual int ask(const Message &message) = 0;
    virtual void pause(int ms) = 0;
    // The save dialog: the chosen path, or nothing when it was cancelled.
    virtual std::optional<QString> chooseFile() = 0;
    // The selected entries, in list order.
    virtual QStringList selectedEntries() const = 0;
    virtual QString programFolder() const = 0;
    virtual bool settingsKeyExists() const = 0;
    // Entry done of total is being taken.
    virtual void progress(int done, int total, const QString &entry) = 0;
    // The entries are taken: the list comes back before the result is told.
    virtual void restoreList() = 0;
    // Where the load dialog opens next.
    virtual void setLoadFolder(const QString &folder) = 0;
};

// "Save &List...": the selected entries as a project file, under a name the user chooses
// (prompted) or under a new name in the projects folder (quick). Either way the file is written
// once, whole, after the progress has run: a failed save leaves what was there.
class ProjectSaveSequence
{
  public:
    enum class End
    {
        Saved,
        Cancelled, // the dialog was cancelled
        Blank,     // the name holds a blank
        Dot,       // the name holds a dot
        Kept,      // "No" to replacing an existing project
        NoProjectsFolder,
        Failed // nothing was written; the user was told why
    };

    ProjectSaveSequence(Platform &platform, SaveReporter &reporter);
    End prompted();
    // ticks: the tick count taken when the save began.
    End quick(qint64 ticks);
    // The file the last save wrote.
    QString written() const { return m_written; }

  private:
    QStringList takeEntries();

    Platform &m_platform;
    SaveReporter &m_reporter;
    QString m_written;
};

} // namespace tolvane
