#pragma once

#include "core/engine/BuildReporter.h"

#include <QObject>

class QFrame;
class QLabel;
class QProgressBar;
class QWidget;

namespace tolvane {

class ClipPlayer;

// The tool window's progress display: the panel ShowF with the status lines Msg2 to Msg4, the
// bars Bar1 and Bar2 and the closing panel CloseF, and the busy lamp RED. It takes the place of
// the options panel while a build runs and gives it back when the options are shown.
class ProgressPanel : public QObject
{
    Q_OBJECT

  public:
    using Line = BuildReporter::Line;
    using Bar = BuildReporter::Bar;
    using Panel = BuildReporter::Panel;

    // Made inside window, over the same place as optionsPanel.
    ProgressPanel(QWidget *window, QWidget *optionsPanel);

    void setLine(Line line, const QString &text);
    void setBarValue(Bar bar, int value);
    void setBarMaximum(Bar bar, int maximum);
    void setBarVisible(Bar bar, bool visible);
    void setPanelVisible(Panel panel, bool visible);
    void setBusyLamp(bool on);
    // On a display of 15 bits or fewer the lamp stays hidden.
    void setLowColour(bool low) { m_lowColour = low; }
    // The options panel back on top, usable at once; the progress panel goes.
    void showOptions();

    QLabel *line(Line line) const;
    QProgressBar *bar(Bar bar) const;
    QFrame *panel() const { return m_panel; }
    QFrame *closingPanel() const { return m_closingPanel; }
    QLabel *busyLamp() const { return m_busyLamp; }

  private:
    QWidget *m_options;
    QFrame *m_panel = nullptr;
    ClipPlayer *m_clip = nullptr;
    QLabel *m_lines[3] = {nullptr, nullptr, nullptr};
    QProgressBar *m_bars[2] = {nullptr, nullptr};
    QFrame *m_closingPanel = nullptr;
    QLabel *m_busyLamp = nullptr;
    bool m_lowColour = false;
};

} // namespace tolvane
