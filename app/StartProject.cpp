#include "app/StartProject.h"
#include "ui/mainwindow/MainWindow.h"

#include <QFileInfo>
#include <QTimer>

namespace tolvane {

void loadProjectAtStart(MainWindow &main, const QString &argument)
{
    if (argument.isEmpty())
        return;
    const QString path = QFileInfo(argument).absoluteFilePath();
    QTimer::singleShot(0, &main, [&main, path] { main.loadProject(path); });
}

} // namespace tolvane
