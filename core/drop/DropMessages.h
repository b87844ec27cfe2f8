#pragma once

#include "core/Message.h"

namespace tolvane {

// The boxes the drop shows; line breaks are single carriage returns.
namespace dropmessages {

Message box(Message::Id id, const QString &caption, const QString &text, Message::Icon icon,
            int buttons = Message::Ok, Message::Owner owner = Message::Owner::MainWindow);
Message dialog(Message::Id id, Message::Icon icon, const QString &text, int buttons);

Message entriesSelected();
Message resetFilter();
Message clearList(const QString &project);
Message noData(const QString &project);
Message cannotOpen(const QString &project);
Message notText(const QString &project);
Message nothingAdded();
// The folders a scan could not read, said once when it is done.
Message foldersUnread(const QString &text);
Message duplicate(const QString &folder);
Message nameTaken(const QString &path);
Message copyFailed(const QString &error);
Message renameFailed(const QString &project);
Message renamedToBackup(const QString &project);
Message noValidLinks(const QString &shortProject);
Message updated(const QString &project);
Message someInvalid(const QString &shortProject);
Message repairFailed(const QString &error);
Message missingProgramFolder();
Message sameFolder(const QString &last);

} // namespace dropmessages

} // namespace tolvane
