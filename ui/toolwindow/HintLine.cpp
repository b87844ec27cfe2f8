#include "ui/toolwindow/HintLine.h"

#include <QEvent>
#include <QFontMetrics>

namespace tolvane {

HintLine::HintLine(QWidget *parent) : QLabel(parent)
{
    setWordWrap(false);
    setTextFormat(Qt::PlainText);
}

void HintLine::setHint(const QString &text)
{
    m_hint = text;
    relayout();
}

void HintLine::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    relayout();
}

void HintLine::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        relayout();
}

void HintLine::relayout()
{
    const int room = contentsRect().width() - 2 * margin() - 4;
    setText(QFontMetrics(font()).elidedText(m_hint, Qt::ElideRight, qMax(0, room)));
}

} // namespace tolvane
