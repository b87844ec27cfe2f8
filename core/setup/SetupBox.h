#pragma once

#include "core/Message.h"

namespace tolvane::setupbox {

// One box of the install or removal sequence.
inline Message make(Message::Id id, const QString &caption, const QString &text, Message::Icon icon,
                    int buttons = Message::Ok, Message::Owner owner = Message::Owner::None)
{
    Message m;
    m.id = id;
    m.caption = caption;
    m.text = text;
    m.icon = icon;
    m.buttons = buttons;
    m.owner = owner;
    return m;
}

} // namespace tolvane::setupbox
