#include "ui/widgets/TFileLabel.h"

#include <QEvent>
#include <QFontMetrics>

namespace tolvane {

TFileLabel::TFileLabel(QWidget *parent) : QLabel(parent), m_separator(QStringLiteral("/"))
{
    setWordWrap(false);
    setTextFormat(Qt::PlainText);
}

void TFileLabel::setFileName(const QString &text)
{
    if (text == m_fileName)
        return;
    m_fileName = text;
    relayout();
}

void TFileLabel::setSeparator(const QString &separator)
{
    if (separator == m_separator)
        return;
    m_separator = separator;
    relayout();
}

void TFileLabel::setDirection(PathLayout::Direction direction)
{
    if (direction == m_direction)
        return;
    m_direction = direction;
    relayout();
}

void TFileLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    relayout();
}

void TFileLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        relayout();
}

void TFileLabel::relayout()
{
    ++m_layouts;
    const QFontMetrics fm(font());
    const int width = contentsRect().width();
    const QString shown =
        PathLayout::layout(m_fileName, m_separator, m_direction, width,
                           [&fm](const QString &s) { return fm.horizontalAdvance(s); });
    // A text with no folders left to drop is cut at its end, so that it never spills over.
    setText(fm.horizontalAdvance(shown) > width ? fm.elidedText(shown, Qt::ElideRight, width)
                                                : shown);
}

} // namespace tolvane
