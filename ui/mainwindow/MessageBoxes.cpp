#include "ui/mainwindow/MessageBoxes.h"

#include "ui/services/MessagePresenter.h"

#include <QListView>
#include <QWidget>

namespace tolvane::messageboxes {

int ask(Prompter &prompter, QWidget &mainWindow, const Message &m)
{
    return int(
        MessagePresenter(prompter, {&mainWindow, mainWindow.findChild<QListView *>(), nullptr})
            .show(m));
}

} // namespace tolvane::messageboxes
