#include "ui/mainwindow/MessageBoxes.h"

#include "ui/services/Prompter.h"

#include <QListView>
#include <QWidget>

namespace tolvane::messageboxes {

namespace {
Box::Icon iconOf(Message::Icon icon)
{
    switch (icon) {
    case Message::Icon::None:
        return Box::NoIcon;
    case Message::Icon::Information:
        return Box::Information;
    case Message::Icon::Warning:
        return Box::Warning;
    case Message::Icon::Error:
        return Box::Error;
    case Message::Icon::Question:
        return Box::Question;
    }
    return Box::NoIcon;
}
} // namespace

int ask(Prompter &prompter, QWidget &mainWindow, const Message &m)
{
    Box b;
    switch (m.style) {
    case Message::Style::Dialog:
        b = Prompter::dialog(iconOf(m.icon), m.text, m.buttons);
        break;
    case Message::Style::Plain:
        b = Prompter::plain(m.text);
        break;
    case Message::Style::Box:
        b.caption = m.caption;
        b.text = m.text;
        b.icon = iconOf(m.icon);
        b.buttons = m.buttons;
        if (m.owner == Message::Owner::MainWindow)
            b.owner = &mainWindow;
        else if (m.owner == Message::Owner::FileList)
            b.owner = mainWindow.findChild<QListView *>();
        break;
    }
    return int(prompter.ask(b));
}

} // namespace tolvane::messageboxes
