#pragma once

class QWidget;

namespace tolvane {

// Moves a window restored from a saved position back onto the screens when its title strip lies
// off them.
void keepTitleOnScreen(QWidget &window);

} // namespace tolvane
