#include "ui/toolwindow/ProgressPanel.h"
#include "ui/services/ClipPlayer.h"
#include "ui/widgets/Lamp.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>

namespace tolvane {

namespace {
QLabel *statusLine(QWidget *parent, const QString &name, const QRect &g)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(g);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QProgressBar *progressBar(QWidget *parent, const QString &name, const QRect &g)
{
    auto *b = new QProgressBar(parent);
    b->setObjectName(name);
    b->setGeometry(g);
    b->setTextVisible(false);
    b->hide();
    return b;
}
} // namespace

ProgressPanel::ProgressPanel(QWidget *window, QWidget *optionsPanel)
    : QObject(window), m_options(optionsPanel)
{
    m_panel = new QFrame(window);
    m_panel->setObjectName(QStringLiteral("ShowF"));
    m_panel->setFrameShape(QFrame::Panel);
    m_panel->setGeometry(optionsPanel->geometry());
    m_clip = new ClipPlayer(QStringLiteral("A4"), m_panel);
    m_clip->setGeometry(101, 20, 170, 40);
    m_lines[0] = statusLine(m_panel, QStringLiteral("Msg2"), {10, 64, 353, 42});
    m_lines[0]->setWordWrap(true);
    m_lines[1] = statusLine(m_panel, QStringLiteral("Msg3"), {10, 108, 353, 16});
    m_bars[0] = progressBar(m_panel, QStringLiteral("Bar1"), {40, 128, 293, 14});
    auto *rule = new QFrame(m_panel);
    rule->setFrameShape(QFrame::HLine);
    rule->setGeometry(10, 148, 353, 3);
    // Two lines for the longer credits, so they are never cut.
    m_lines[2] = statusLine(m_panel, QStringLiteral("Msg4"), {10, 152, 353, 32});
    m_lines[2]->setWordWrap(true);
    m_bars[1] = progressBar(m_panel, QStringLiteral("Bar2"), {40, 186, 293, 14});
    m_closingPanel = new QFrame(m_panel);
    m_closingPanel->setObjectName(QStringLiteral("CloseF"));
    m_closingPanel->setGeometry(98, 18, 176, 56);
    m_closingPanel->setAutoFillBackground(true);
    m_closingPanel->hide();
    m_panel->hide();

    m_busyLamp = makeLamp(window, QStringLiteral("RED"), QColor(220, 40, 40));
    m_busyLamp->move(10, 432);
    m_busyLamp->setToolTip(QStringLiteral("Execute on-drop \"Enabled\""));
    m_busyLamp->hide();
}

QLabel *ProgressPanel::line(Line line) const
{
    return m_lines[int(line)];
}

QProgressBar *ProgressPanel::bar(Bar bar) const
{
    return m_bars[int(bar)];
}

void ProgressPanel::setLine(Line l, const QString &text)
{
    line(l)->setText(text);
}

void ProgressPanel::setBarValue(Bar b, int value)
{
    bar(b)->setValue(value);
}

void ProgressPanel::setBarMaximum(Bar b, int maximum)
{
    bar(b)->setMaximum(maximum);
}

void ProgressPanel::setBarVisible(Bar b, bool visible)
{
    bar(b)->setVisible(visible);
}

void ProgressPanel::setPanelVisible(Panel panel, bool visible)
{
    switch (panel) {
    case Panel::Options:
        if (visible)
            showOptions();
        else
            m_options->hide();
        break;
    case Panel::Progress:
        m_panel->setVisible(visible);
        if (visible)
            m_panel->raise();
        break;
    case Panel::Closing:
        m_closingPanel->setVisible(visible);
        break;
    case Panel::StatusLines:
        for (QLabel *l : m_lines)
            l->setVisible(visible);
        break;
    }
}

void ProgressPanel::showOptions()
{
    // Both panels take the same place: the one behind would be painted over and take no clicks.
    m_panel->hide();
    m_options->show();
    m_options->raise();
}

void ProgressPanel::setBusyLamp(bool on)
{
    m_busyLamp->setVisible(on && !m_lowColour);
    if (on)
        m_busyLamp->raise();
}

} // namespace tolvane
