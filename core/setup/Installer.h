#pragma once

#include "core/Message.h"

#include <QByteArray>
#include <QString>

namespace tolvane {

class Platform;

// What one installation makes: the folders as the wizard shows them, and the manual.
struct InstallPlan
{
    QString mainFolder;
    QString projectsFolder;
    QByteArray cabinet;     // the manual's cabinet, as the program carries it
    QString extractProgram; // the cabinet expander, started as "extract CABINET /L FOLDER"
};

// How the install sequence reaches the wizard: its display, its pauses, its boxes and the
// settings write, which belongs to the settings layer.
class InstallReport
{
  public:
    virtual ~InstallReport() = default;
    virtual void progress(int position) = 0;
    virtual void showCancel() = 0;
    virtual void status(const QString &text) = 0;
    virtual void pause(int milliseconds) = 0;
    // Shows a box and returns the button pressed.
    virtual Message::Button ask(const Message &message) = 0;
    // Creates the settings key and writes the settings in setup's order; empty on success, else
    // the error text.
    virtual QString writeSettings() = 0;
    // The last position, after its box: the program is installed.
    virtual void complete() = 0;
};

// The install sequence, one position per timer tick from 1 to 100. The positions pace the display;
// a few of them act.
class Installer
{
  public:
    Installer(Platform &platform, InstallReport &report);

    void start(const InstallPlan &plan);
    // Moves on one position and does what it does. False once the sequence has stopped: at a
    // folder that could not be made (advance again to resume), after a stop request or at its end.
    bool advance();
    int position() const { return m_position; }
    // True while a position acts; a pause inside it lets other events in.
    bool busy() const { return m_busy; }
    // Asked while a position acts: it ends at its next step, and a later advance runs that
    // position again from its start.
    void requestStop() { m_stopRequested = true; }

    static constexpr int lastPosition = 100;

  private:
    enum class Step
    {
        Done,
        Failed, // told; the sequence stops and resumes with the next position
        Stopped // asked to stop; the sequence resumes with this position
    };
    Step makeFolder(const QString &folder, int waitMs);
    void writeSettings();
    void removeOldManual();
    void writeCabinet();
    void extractManual();
    void dropCabinet();
    void failed(const QString &text);
    QString inMainFolder(const QString &name) const;

    Platform &m_platform;
    InstallReport &m_report;
    InstallPlan m_plan;
    int m_position = 0;
    bool m_busy = false;
    bool m_stopRequested = false;
    bool m_manualBlocked = false; // the user's own files hold the manual's names
};

} // namespace tolvane
