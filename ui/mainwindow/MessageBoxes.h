#pragma once

#include "core/Message.h"

class QWidget;

namespace tolvane {

class Prompter;

// A core sequence's message as the prompter shows it, owned by the main window or by nobody.
namespace messageboxes {
// The button pressed (Message::Button).
int ask(Prompter &prompter, QWidget &mainWindow, const Message &message);
} // namespace messageboxes

} // namespace tolvane
