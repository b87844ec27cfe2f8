#pragma once

#include "core/engine/BuildReporter.h"

#include <QStringList>
#include <cstdio>
#include <optional>

namespace tolvane::headless {

// The build's reporter without windows: a question is answered by policy (with --yes the answer
// that lets the build go on, otherwise the one that stops it), every box is printed, pauses take
// no time, and the stages of the progress panel become one line each on the error stream.
class ConsoleReporter : public BuildReporter
{
  public:
    ConsoleReporter(bool yes, bool quiet, FILE *stream = stderr);

    Answer ask(const Message &message) override;
    void pause(int) override {}
    void playSound(const QString &) override {}

    void setLine(Line line, const QString &text) override;
    void setBarValue(Bar, int) override {}
    void setBarMaximum(Bar, int) override {}
    void setBarVisible(Bar, bool) override {}
    void setPanelVisible(Panel, bool) override {}
    void setBusyLamp(bool) override {}
    void setCloseButton(bool) override {}
    void setCloseDefault(bool) override {}
    void setDiskLabel(const QString &) override {}
    void setBusyCursor(bool) override {}
    void setTitle(const QString &title) override;
    void setIdentity(const QString &title, const QString &) override { setTitle(title); }
    void setIcon(const QString &) override {}
    void window(WindowStep) override {}
    void fileList(ListAction, int = -1) override {}
    void settingChanged(Setting, const QVariant &) override {}

    // The last box that stopped the build or reported a failure, and what was answered.
    std::optional<Message::Id> lastStop() const { return m_lastStop; }
    std::optional<Message::Id> lastQuestion() const { return m_lastQuestion; }
    Answer lastAnswer() const { return m_lastAnswer; }
    void clearLast();

    // The last stage line, once the outputs are in place.
    void done();
    // Prints one line to the stream, after the program's name.
    void say(const QString &text);
    // A status line of the progress panel as a stage name: its dots and blanks trimmed; empty for
    // a text that is no stage (a per-file or per-percent text).
    static QString stage(const QString &text);

  private:
    void progress(const QString &text);

    bool m_yes;
    bool m_quiet;
    FILE *m_stream;
    QString m_lastStage;
    std::optional<Message::Id> m_lastStop;
    std::optional<Message::Id> m_lastQuestion;
    Answer m_lastAnswer = Ok;
};

} // namespace tolvane::headless
