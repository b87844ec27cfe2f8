#include "ui/services/Placement.h"
#include "settings/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tolvane {

void keepTitleOnScreen(QWidget &window)
{
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    // Before the window is first shown its frame is not known; a caption bar's height stands in.
    const int title = qMax(24, window.geometry().top() - window.frameGeometry().top());
    window.move(
        placement::keepTitleOnScreen(QRect(window.pos(), window.frameSize()), title, screens));
}

} // namespace tolvane
