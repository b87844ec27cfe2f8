#include "core/drop/DropMessages.h"

#include "core/Product.h"
#include "core/drop/DropRules.h"
#include "core/drop/TextCopy.h"

namespace tolvane::dropmessages {

namespace {
const QChar cr = QLatin1Char('\r');
const QChar quote = QLatin1Char('"');
} // namespace

Message box(Message::Id id, const QString &caption, const QString &text, Message::Icon icon,
            int buttons, Message::Owner owner)
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

Message dialog(Message::Id id, Message::Icon icon, const QString &text, int buttons)
{
    Message m = box(id, QString(), text, icon, buttons, Message::Owner::None);
    m.style = Message::Style::Dialog;
    return m;
}

Message entriesSelected()
{
    return box(Message::Id::SelectedEntries, product::name(),
               QStringLiteral("When file(s) are selected in the File List, you") + cr +
                   QStringLiteral("cannot drag files or folders onto the program.") + cr +
                   QStringLiteral("Use the Add Files menu, to load extra files!"),
               Message::Icon::Warning);
}

Message resetFilter()
{
    return box(Message::Id::ResetFilter, QStringLiteral("Project file..."),
               QStringLiteral("When dragging a project file, set the program's filter,") + cr +
                   QStringLiteral("to wildcards. Would you like to temporarily reset the filter?"),
               Message::Icon::Warning, Message::Yes | Message::No);
}

Message clearList(const QString &project)
{
    return box(Message::Id::ClearList, product::name(),
               QStringLiteral("This will clear the currently loaded project file with contents") +
                   cr + QStringLiteral("from ") + quote + project + quote +
                   QStringLiteral(" continue?"),
               Message::Icon::Question, Message::Yes | Message::No);
}

Message noData(const QString &project)
{
    return box(Message::Id::ProjectNoData, QStringLiteral("Whoops!"),
               QStringLiteral("File ") + quote + DropRules::fileNamePart(project) + quote +
                   QStringLiteral(" contains no data !"),
               Message::Icon::Warning);
}

Message cannotOpen(const QString &project)
{
    return box(Message::Id::ProjectUnreadable, product::title(),
               QStringLiteral("Cannot open file ") + project, Message::Icon::Error, Message::Ok,
               Message::Owner::None);
}

Message notText(const QString &project)
{
    return box(Message::Id::ProjectNotText, product::title(),
               QStringLiteral("The file: ") + project + cr +
                   QStringLiteral("holds a zero byte and is not a project file; nothing was "
                                  "loaded and the file was left as it was."),
               Message::Icon::Error, Message::Ok, Message::Owner::None);
}

Message nothingAdded()
{
    return dialog(Message::Id::NothingAdded, Message::Icon::Error,
                  QStringLiteral("Fail to execute, check current program settings!"), Message::Ok);
}

Message duplicate(const QString &folder)
{
    return dialog(Message::Id::Duplicate, Message::Icon::Warning,
                  QStringLiteral("One or more file(s) from folder: ") + folder +
                      QStringLiteral(",") + cr +
                      QStringLiteral("already exist in the current list. Press ok to continue "
                                     "or cancel to clear."),
                  Message::Ok | Message::Cancel);
}

Message foldersUnread(const QString &text)
{
    return dialog(Message::Id::FoldersUnread, Message::Icon::Warning, text, Message::Ok);
}

Message nameTaken(const QString &path)
{
    return dialog(Message::Id::NameTaken, Message::Icon::Error, TextCopy::nameTakenText(path),
                  Message::Abort);
}

Message copyFailed(const QString &error)
{
    return box(Message::Id::CopyFailed, product::title(), error, Message::Icon::Error, Message::Ok,
               Message::Owner::None);
}

Message renameFailed(const QString &project)
{
    return box(Message::Id::RenameFailed, QStringLiteral("Write Error"),
               QStringLiteral("Could not rename file ") + quote + project + quote,
               Message::Icon::Error, Message::Ok, Message::Owner::None);
}

Message renamedToBackup(const QString &project)
{
    return box(Message::Id::RenamedToBackup, QStringLiteral("Invalid project file..."),
               QStringLiteral("The project file: ") + project + quote + cr +
                   QStringLiteral("contained no valid links, file's extension changed to .BCK"),
               Message::Icon::Information);
}

Message noValidLinks(const QString &shortProject)
{
    return box(Message::Id::NoValidLinks, product::shortTitle(),
               QStringLiteral("The project file: ") + shortProject + cr +
                   QStringLiteral("contains no valid file links, or has become corrupted !"),
               Message::Icon::Warning);
}

Message updated(const QString &project)
{
    return box(Message::Id::ProjectUpdated, product::titleCopyright(),
               QStringLiteral("Updated project file: ") + quote + project + quote,
               Message::Icon::Information);
}

Message someInvalid(const QString &shortProject)
{
    return box(Message::Id::SomeInvalid, product::titleCopyright(),
               QStringLiteral("One or more files from: ") + shortProject + QStringLiteral(" \"") +
                   cr +
                   QStringLiteral("contained invalid file links, which were not added to the "
                                  "current list."),
               Message::Icon::Warning);
}

Message repairFailed(const QString &error)
{
    return box(Message::Id::RepairFailed, product::title(), error, Message::Icon::Error,
               Message::Ok, Message::Owner::None);
}

Message missingProgramFolder()
{
    return box(Message::Id::MissingProgramFolder, QStringLiteral("Missing program folder..."),
               QStringLiteral("Cannot locate program's working directory folder. Press") + cr +
                   QStringLiteral("the paths button to create a new folder, and retry your "
                                  "application."),
               Message::Icon::Warning);
}

Message sameFolder(const QString &last)
{
    return box(Message::Id::SameFolder, QStringLiteral("Program's working folder"),
               QStringLiteral("You cannot save ") + quote + last + quote +
                   QStringLiteral(" to the tolvane folder") + cr +
                   QStringLiteral("source and destination directories are the same!"),
               Message::Icon::Warning, Message::Ok, Message::Owner::None);
}

} // namespace tolvane::dropmessages
