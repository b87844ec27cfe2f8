#pragma once

#include <QFont>
#include <QWidget>

class QColor;

namespace tolvane {

// The windows are laid out to fixed sizes for an 8-point face.
inline void useWindowFace(QWidget *window)
{
    QFont base = window->font();
    base.setPointSize(8);
    window->setFont(base);
}

// Gives an entry field, a list or a drop-down list its background and text colour (either may
// be null to keep it). A drop-down list is painted with the button roles, and its open list with
// the base roles: both follow.
void paintEntry(QWidget *w, const QColor *background, const QColor *text);

} // namespace tolvane
