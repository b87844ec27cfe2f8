#include "ui/services/MessagePresenter.h"
#include "ui/services/Prompter.h"

#include <QWidget>

namespace tolvane {

MessagePresenter::MessagePresenter(Prompter &prompter, MessageOwners owners)
    : m_prompter(prompter), m_owners(owners)
{
}

namespace {
Box::Icon iconOf(Message::Icon icon)
{
    switch (icon) {
    case Message::Icon::Information:
        return Box::Information;
    case Message::Icon::Warning:
        return Box::Warning;
    case Message::Icon::Error:
        return Box::Error;
    case Message::Icon::Question:
        return Box::Question;
    case Message::Icon::None:
        break;
    }
    return Box::NoIcon;
}

// The buttons as given: a sequence may offer Cancel as the box knows it.
int buttonsOf(int buttons)
{
    return buttons;
}
} // namespace

Box MessagePresenter::box(const Message &m) const
{
    int buttons = buttonsOf(m.buttons);
    if (buttons == 0)
        buttons = Box::Ok;
    switch (m.style) {
    case Message::Style::Dialog:
        return Prompter::dialog(iconOf(m.icon), m.text, buttons);
    case Message::Style::Plain:
        return Prompter::plain(m.text);
    case Message::Style::Box:
        break;
    }
    Box b;
    b.caption = m.caption;
    b.text = m.text;
    b.icon = iconOf(m.icon);
    b.buttons = buttons;
    switch (m.owner) {
    case Message::Owner::None:
        break;
    case Message::Owner::FileList:
        b.owner = m_owners.fileList ? m_owners.fileList : m_owners.mainWindow;
        break;
    case Message::Owner::MainWindow:
        b.owner = m_owners.mainWindow;
        break;
    case Message::Owner::ToolWindow:
        b.owner = m_owners.toolWindow;
        break;
    case Message::Owner::SetupWizard:
        b.owner = m_owners.setupWizard;
        break;
    case Message::Owner::BesideToolWindow:
        // No owner, so it is not centred over the window; it stands left of and below its top
        // left corner.
        if (m_owners.toolWindow)
            b.position = m_owners.toolWindow->pos() + QPoint(-60, 220);
        break;
    }
    return b;
}

Message::Answer MessagePresenter::show(const Message &m) const
{
    QWidget *disabled[] = {m.windowsDisabled ? m_owners.mainWindow : nullptr,
                           m.windowsDisabled ? m_owners.toolWindow : nullptr};
    for (QWidget *w : disabled)
        if (w)
            w->setEnabled(false);
    const Box::Button answer = m_prompter.ask(box(m));
    for (QWidget *w : disabled)
        if (w)
            w->setEnabled(true);
    return Message::Answer(int(answer));
}

} // namespace tolvane
