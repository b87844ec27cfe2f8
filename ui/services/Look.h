#pragma once

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tolvane {

// The windows are laid out to fixed sizes for an 8-point face.
inline void useWindowFace(QWidget *window)
{
    QFont base = window->font();
    base.setPointSize(8);
    window->setFont(base);
}

// The width a window needs to show its whole title. The title bar is drawn by the desktop in a
// face of its own, commonly larger than the windows' and bold, beside its icon and buttons; a
// window narrower than this has its title cut in the middle.
inline int titleBarWidth(const QString &title)
{
    QFont face = QApplication::font();
    face.setBold(true);
    face.setPointSizeF(face.pointSizeF() * 1.25);
    int width = QFontMetrics(face).horizontalAdvance(title) + 160;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        width = qMin(width, screen->availableGeometry().width());
    return width;
}

} // namespace tolvane
