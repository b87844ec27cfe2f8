#pragma once

#include "core/engine/BuildEngine.h"
#include "ui/services/Services.h"

#include <QObject>

namespace tolvane {

class MainWindow;
class ToolWindow;

// Runs the build engine for the windows: fills its options from the tool window's controls and
// the main window's file list, and shows what it reports on the tool window's progress panel, in
// message boxes and on the windows themselves.
class BuildRunner : public QObject, private BuildReporter
{
    Q_OBJECT

  public:
    BuildRunner(Services &services, MainWindow &main, ToolWindow &tool, QObject *parent = nullptr);

    void run();
    const BuildSummary &summary() const { return m_summary; }
    bool errorFlag() const { return m_summary.errorFlag; }
    bool unselectedNote() const { return m_summary.unselectedNote; }
    QString capturedOutput() const { return m_engine.capturedOutput(); }
    const OutputNames &names() const { return m_summary.names; }

  private:
    BuildOptions options() const;
    QList<ListEntry> entries() const;

    // BuildReporter
    Answer ask(const Message &message) override;
    void pause(int ms) override;
    void playSound(const QString &name) override;
    void setLine(Line line, const QString &text) override;
    void setBarValue(Bar bar, int value) override;
    void setBarMaximum(Bar bar, int maximum) override;
    void setBarVisible(Bar bar, bool visible) override;
    void setPanelVisible(Panel panel, bool visible) override;
    void setBusyLamp(bool on) override;
    void setCloseButton(bool enabled) override;
    void setCloseDefault(bool isDefault) override;
    void setDiskLabel(const QString &text) override;
    void setBusyCursor(bool busy) override;
    void setTitle(const QString &title) override;
    void setIdentity(const QString &title, const QString &icon) override;
    void setIcon(const QString &icon) override;
    void window(WindowStep step) override;
    void fileList(ListAction action, int row) override;
    void settingChanged(Setting setting, const QVariant &value) override;

    Services &m_s;
    MainWindow &m_main;
    ToolWindow &m_tool;
    BuildEngine m_engine;
    BuildSummary m_summary;
    bool m_busyCursor = false;
};

} // namespace tolvane
