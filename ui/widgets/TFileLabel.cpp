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
    // No glyph that shows is narrower than a pixel, so a label never shows more characters than
    // it is wide: only that much of a text is measured or handed on, however long the text.
    const int shows = qMax(width, 0) + 2;
    m_measured = 0;
    const auto measure = [this, &fm, shows](const QString &text) {
        const QString part = text.size() > shows ? text.left(shows) : text;
        m_measured += part.size();
        return fm.horizontalAdvance(part);
    };
    QString shown = PathLayout::layout(m_fileName, m_separator, m_direction, width, measure);
    const bool cut = shown.size() > shows;
    if (cut)
        shown.truncate(shows);
    // A text with no folders left to drop is cut with an ellipsis at the label's edge.
    if (cut || fm.horizontalAdvance(shown) > width)
        shown = fm.elidedText(cut ? shown + QChar(0x2026) : shown, Qt::ElideRight, width);
    setText(shown);
}

} // namespace tolvane
