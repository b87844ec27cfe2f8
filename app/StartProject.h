#pragma once

#include <QString>

namespace tolvane {

class MainWindow;

// `tolvane PROJECT.tpf`: the project is loaded as "&Load Projects Files..." loads one (its
// refusals, execute on load and the sweep included), as soon as the event loop runs, so its boxes
// show over the main window. A relative path is taken from the folder the program started in.
void loadProjectAtStart(MainWindow &main, const QString &argument);

} // namespace tolvane
