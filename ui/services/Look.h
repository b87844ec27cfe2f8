#pragma once

#include <QFont>
#include <QWidget>

namespace tolvane {

// The windows are laid out to fixed sizes for an 8-point face.
inline void useWindowFace(QWidget *window)
{
    QFont base = window->font();
    base.setPointSize(8);
    window->setFont(base);
}

} // namespace tolvane
