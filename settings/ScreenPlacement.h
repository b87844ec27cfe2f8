#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace tolvane::placement {

// Where a window restored from a saved position may stand: its title strip (the top titleHeight
// pixels across its width) must lie on the screens, or the user cannot take hold of it again.
// Returns the frame's own top left when the strip is on the screens; otherwise the nearest top
// left on the screen that shows most of the window (or lies nearest to it).
QPoint keepTitleOnScreen(const QRect &frame, int titleHeight, const QList<QRect> &screens);

} // namespace tolvane::placement
