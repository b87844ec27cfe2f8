#pragma once

#include "core/Message.h"

class QWidget;

namespace tolvane {

class Prompter;
struct Box;

// The windows a message may belong to. A missing one leaves the box without an owner.
struct MessageOwners
{
    QWidget *mainWindow = nullptr;
    QWidget *fileList = nullptr;
    QWidget *toolWindow = nullptr;
    QWidget *setupWizard = nullptr;
};

// Shows a core sequence's message as the box it describes, through the prompter, and gives back
// the button pressed.
class MessagePresenter
{
  public:
    explicit MessagePresenter(Prompter &prompter, MessageOwners owners = {});

    Message::Answer show(const Message &message) const;
    // The box the message becomes, without showing it.
    Box box(const Message &message) const;

  private:
    Prompter &m_prompter;
    MessageOwners m_owners;
};

} // namespace tolvane
