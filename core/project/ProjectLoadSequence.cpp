#include "core/project/ProjectLoadSequence.h"

#include "core/FileList.h"
#include "core/Product.h"
#include "core/drop/DropMessages.h"
#include "core/project/ProjectLoad.h"
#include "core/project/ProjectSweep.h"
#include "core/project/ProjectTexts.h"
#include "platform/Platform.h"

namespace tolvane {

namespace {
using dropmessages::box;
using Icon = Message::Icon;
using Id = Message::Id;
constexpr Message::Owner none = Message::Owner::None;
constexpr Message::Owner main = Message::Owner::MainWindow;
} // namespace

ProjectLoadSequence::ProjectLoadSequence(Platform &platform, ListReporter &reporter)
    : m_platform(platform), m_reporter(reporter)
{
}

ProjectLoadSequence::End ProjectLoadSequence::run(const QString &path)
{
    ListReporter &r = m_reporter;
    if (!r.entries().isEmpty() &&
        r.ask(box(Id::ClearList, product::titleSpacedCopyright(), projecttexts::clearQuestion(path),
                  Icon::Question, Message::Yes | Message::No, main)) != Message::Yes)
        return End::Declined;
    r.repaint();
    const QString shortPath = m_platform.shortPath(path);
    r.projectChosen(shortPath);
    r.setBusyCursor(true);

    const ProjectOpen opened = ProjectLoad::open(m_platform, path);
    switch (opened.outcome) {
    case ProjectOpen::NoData:
        r.setBusyCursor(false);
        r.ask(box(Id::ProjectNoData, QStringLiteral("Whoops!"), projecttexts::noData(path),
                  Icon::Warning, Message::Ok, none));
        return End::NoData;
    case ProjectOpen::Missing:
        r.setBusyCursor(false);
        r.ask(box(Id::ProjectMissing, product::shortTitle(), projecttexts::missing(path),
                  Icon::Warning, Message::Ok, none));
        return End::Missing;
    case ProjectOpen::Unreadable:
        r.setBusyCursor(false);
        r.ask(box(Id::ProjectUnreadable, product::shortTitle(), projecttexts::unreadable(path),
                  Icon::Warning, Message::Ok, none));
        return End::Unreadable;
    case ProjectOpen::NotText:
        r.setBusyCursor(false);
        r.ask(box(Id::ProjectNotText, product::shortTitle(), projecttexts::notText(path),
                  Icon::Warning, Message::Ok, none));
        return End::NotText;
    case ProjectOpen::Loaded:
        break;
    }

    r.replaceEntries(opened.entries);
    r.projectLoaded(path, shortPath);
    r.setBusyCursor(false);

    // A build asked for on load runs on the list as read, before the missing entries go.
    if (r.executeOnLoad() && !r.entries().isEmpty()) {
        r.selectAll();
        if (r.selectedCount() == r.entries().size())
            r.build();
    }

    ProjectSweep::Request request;
    if (r.repairProjects()) {
        request.project = path;
        request.renameFrom = shortPath;
        request.opened = &opened;
    }
    request.removalText = [&shortPath](const QString &entry) {
        return projecttexts::removing(shortPath, entry);
    };
    const ProjectSweep::Result swept = ProjectSweep::run(m_platform, r, request);
    if (swept.removed.isEmpty())
        return End::Loaded;
    r.setRemovalPanel(false);
    r.setRemovalText(QString());
    const ProjectSweep::Repair &repair = swept.repair;
    switch (repair.outcome) {
    case ProjectSweep::Repair::WriteFailed:
        r.ask(
            box(Id::RepairFailed, product::title(), repair.error, Icon::Error, Message::Ok, main));
        return End::RepairFailed;
    case ProjectSweep::Repair::RenameFailed:
        r.ask(box(Id::RenameFailed, QStringLiteral("Write Error!"),
                  projecttexts::renameFailed(path), Icon::Error, Message::Ok, none));
        return End::RepairFailed;
    case ProjectSweep::Repair::Renamed:
        r.ask(box(Id::RenamedToBackup, QStringLiteral("Invalid project file...!"),
                  projecttexts::renamedToBackup(path), Icon::Information, Message::Ok, main));
        r.repaint();
        return End::Loaded;
    case ProjectSweep::Repair::None:
    case ProjectSweep::Repair::Written:
        break;
    }
    if (r.entries().isEmpty()) {
        r.setHeader(1, FileList::dots(41));
        r.ask(box(Id::NoValidLinks, product::shortTitle(), projecttexts::noValidLinks(shortPath),
                  Icon::Warning, Message::Ok, main));
        return End::Loaded;
    }
    r.ask(box(Id::SomeInvalid, product::shortTitle(), projecttexts::someInvalid(shortPath),
              Icon::Warning, Message::Ok, main));
    r.repaint();
    return End::Loaded;
}

} // namespace tolvane
