#include "core/drop/DropSequence.h"

#include "core/FileList.h"
#include "core/Product.h"
#include "core/drop/DropMessages.h"
#include "core/drop/DropRules.h"
#include "core/drop/TextCopy.h"
#include "core/project/ProjectSweep.h"
#include "platform/NativeName.h"
#include "platform/Platform.h"

namespace tolvane {

namespace dm = dropmessages;

DropSequence::DropSequence(Platform &platform, ListReporter &reporter)
    : m_platform(platform), m_reporter(reporter)
{
}

void DropSequence::flush()
{
    const QStringList pending = m_list.takePending();
    if (!pending.isEmpty())
        m_reporter.addEntries(pending);
}

void DropSequence::showProgress(bool force)
{
    if (!force && !m_reporter.frameDue())
        return;
    // Merging into the list costs its whole length: it waits until the batch is a good part of
    // it, so a long scan merges a handful of times, not once per frame.
    if (force || m_list.pendingCount() * 4 >= count())
        flush();
    m_reporter.setHeader(1, FileList::countsBanner(m_list.count(), m_reporter.selectedCount()));
    if (!m_visitedFile.isEmpty()) {
        m_reporter.scanning(QStringLiteral("File: ") +
                                (m_recurse ? m_visitedFile : QStringLiteral("*.*")).toLower(),
                            QStringLiteral("Directory: ") + m_visitedFolder.toLower());
    }
    if (!force)
        m_reporter.showFrame();
}

DropSequence::End DropSequence::run(const QStringList &paths)
{
    m_reporter.repaint();
    m_linksRemoved = false;
    m_projectEmpty = false;
    m_loadedProject.clear();
    m_loaded = ProjectOpen();
    m_reporter.dropStarted();
    const int oldCount = count();
    m_list.reset(m_reporter.entries());
    m_visitedFile.clear();
    m_inDrop = true;
    struct Leave
    {
        bool &flag;
        ~Leave() { flag = false; }
    } leave{m_inDrop};

    QString last;
    End end = End::Done;
    for (const QString &path : paths) {
        m_reporter.pathStarted();
        last = path;
        if (!handlePath(path, end))
            return end;
        showProgress();
    }
    flush();
    m_reporter.setHeader(1, FileList::countsBanner(count(), m_reporter.selectedCount()));
    m_reporter.repaint();

    // Asked of the file system: a folder may have a dot in its name, a file may have none.
    if (!last.isEmpty() && m_platform.pathState(last).kind == Platform::PathState::Folder) {
        m_reporter.repaint();
        m_reporter.setScanPanel(true);
        scan(last);
        m_reporter.setIdentity(product::title(), QStringLiteral("folder"));
        m_reporter.setCaption(QStringLiteral("Contents of Folder [") + last + QLatin1Char(']'));
        m_reporter.setScanPanel(false);
    }

    if (count() == oldCount && !m_duplicateShown && !m_textHandled) {
        m_reporter.setScanPanel(false);
        m_reporter.ask(dm::nothingAdded());
        m_reporter.repaint();
    }

    if (count() > 0 && m_reporter.executeOnLoad() && !m_linksRemoved) {
        m_reporter.selectFirst();
        m_reporter.selectAll();
        m_reporter.build();
        return End::BuildStarted;
    }

    if (!sweepAndReport(last, end))
        return end;
    if (m_reporter.clearItemsEnabled())
        return closingChecks(last);
    return End::Done;
}

bool DropSequence::handlePath(const QString &path, End &end)
{
    if (m_reporter.selectedCount() > 0) {
        flush();
        m_reporter.ask(dm::entriesSelected());
        end = End::EntriesSelected;
        return false;
    }
    const bool project = DropRules::isProject(path);
    if (project && m_reporter.dropFilter() != 0) {
        const int before = m_reporter.dropFilter();
        if (m_reporter.ask(dm::resetFilter()) == Message::Yes) {
            m_reporter.rememberFilter(before);
            m_reporter.setDropFilter(0);
        }
        m_reporter.setHeader(0, QStringLiteral("Filter: ") + m_reporter.dropFilterMask());
    }
    const int position = m_reporter.dropFilter();
    // Only a project that will be loaded clears the list, so only then is the question asked.
    const bool loads = project && position == 0;
    if (project) {
        if (loads && m_list.count() > 0) {
            flush();
            if (m_reporter.ask(dm::clearList(path)) != Message::Yes) {
                end = End::Declined;
                return false;
            }
        }
        m_reporter.setIdentity(product::name() + QStringLiteral(" Project File"),
                               QStringLiteral("project"));
        m_reporter.setCaption(QStringLiteral("Project File [") + path + QLatin1Char(']'));
        const Platform::PathState state = m_platform.pathState(path);
        if (state.kind == Platform::PathState::File && state.size == 0) {
            flush();
            m_reporter.ask(dm::noData(path));
            end = End::NoData;
            return false;
        }
    }

    // Same-name replacement: an entry whose file name equals this one's goes.
    const QString name = DropRules::fileNamePart(path);
    if (m_list.hasFileName(name)) {
        flush();
        const QStringList entries = m_reporter.entries();
        const QList<int> rows = DropList::rowsNamed(entries, name);
        for (int row : rows)
            m_list.forget(entries.at(row));
        m_reporter.removeRows(rows);
    }

    if (loads) {
        if (!replaceByProject(path, end))
            return false;
    } else if (FolderScan::passes(path, position)) {
        m_list.add(path);
    }

    if (DropRules::isTextSource(path) && !textCopy(path, QStringLiteral(".txt"), end))
        return false;
    if (DropRules::isText(path) && !textFile(path, end))
        return false;
    return true;
}

bool DropSequence::replaceByProject(const QString &path, End &end)
{
    ProjectOpen opened = ProjectLoad::open(m_platform, path);
    if (opened.outcome != ProjectOpen::Loaded) {
        flush();
        m_reporter.ask(opened.outcome == ProjectOpen::NotText ? dm::notText(path)
                                                              : dm::cannotOpen(path));
        end = End::Failed;
        return false;
    }
    m_list.takePending();
    m_reporter.replaceEntries(opened.entries);
    m_list.reset(m_reporter.entries());
    m_loadedProject = path;
    m_loaded = std::move(opened);
    return true;
}

bool DropSequence::textCopy(const QString &path, const QString &extension, End &end)
{
    m_textHandled = true;
    const TextCopy::Result r = TextCopy::copy(m_platform, path, extension);
    switch (r.outcome) {
    case TextCopy::Result::Copied:
        m_reporter.repaint();
        m_reporter.copyAnimation();
        return true;
    case TextCopy::Result::NameTaken:
        m_reporter.ask(dm::nameTaken(path));
        return true;
    case TextCopy::Result::Failed:
        flush();
        m_reporter.ask(dm::copyFailed(r.error));
        end = End::Failed;
        return false;
    }
    return true;
}

bool DropSequence::textFile(const QString &path, End &end)
{
    m_textHandled = true;
    flush();
    const ListReporter::TextOption option = m_reporter.askTextOption(path);
    QString extension;
    switch (option) {
    case ListReporter::TextOption::None:
        return true;
    case ListReporter::TextOption::Print:
        // A print the system did not take is told, as the build's print of its script is.
        if (!m_reporter.print(path)) {
            Message m;
            m.id = Message::Id::PrintFailed;
            m.caption = QStringLiteral("Program error");
            m.text = QStringLiteral("Unable to print file ") + nativename::display(path) +
                     QLatin1Char('!');
            m.icon = Message::Icon::Error;
            m_reporter.ask(m);
        }
        return true;
    case ListReporter::TextOption::Unit:
        extension = QStringLiteral(".pas");
        break;
    case ListReporter::TextOption::Script:
        extension = QStringLiteral(".rc");
        break;
    case ListReporter::TextOption::Project:
        extension = QStringLiteral(".dpr");
        break;
    }
    m_reporter.setTextOptionCaption(path);
    return textCopy(path, extension, end);
}

void DropSequence::scan(const QString &folder)
{
    if (!m_inDrop)
        m_list.reset(m_reporter.entries());
    m_recurse = m_reporter.recurse();
    m_visitedFile.clear();
    const QList<UnreadFolder> unread =
        FolderScan(m_platform, *this).run(folder, m_recurse, m_reporter.dropFilter());
    showProgress(true);
    if (!unread.isEmpty()) {
        m_reporter.setScanPanel(false);
        m_reporter.ask(dm::foldersUnread(FolderScan::unreadText(unread)));
    }
}

void DropSequence::entering(const QString &)
{
    m_reporter.setScanPanel(true);
}

void DropSequence::visiting(const QString &file, const QString &folder)
{
    m_visitedFile = file;
    m_visitedFolder = folder;
    showProgress();
}

bool DropSequence::isDuplicate(const QString &path)
{
    m_duplicateShown = false;
    if (!m_list.containsExact(path))
        return false;
    flush();
    m_reporter.setScanPanel(false);
    if (m_reporter.ask(dm::duplicate(DropRules::folderPart(path))) == Message::Cancel) {
        m_reporter.clearAll();
        m_list.reset(m_reporter.entries());
    }
    m_duplicateShown = true;
    return true;
}

bool DropSequence::sweepAndReport(const QString &last, End &end)
{
    // Only the project this drop loaded is repaired: any other file named last was never read.
    const bool repair =
        m_reporter.repairProjects() && !m_loadedProject.isEmpty() && m_loadedProject == last;
    ProjectSweep::Request request;
    if (repair) {
        request.project = last;
        request.renameFrom = last;
        request.opened = &m_loaded;
    }
    request.removalText = [](const QString &entry) {
        return QStringLiteral("Removing from list: ") + entry;
    };
    request.header = QStringLiteral("Modified.....");
    const ProjectSweep::Result swept = ProjectSweep::run(m_platform, m_reporter, request);
    if (swept.removed.isEmpty())
        return true;
    m_linksRemoved = true;
    const ProjectSweep::Repair &r = swept.repair;
    if (r.outcome == ProjectSweep::Repair::WriteFailed) {
        m_reporter.setRemovalPanel(false);
        m_reporter.setRemovalText(QString());
        m_reporter.ask(dm::repairFailed(r.error));
        end = End::RepairFailed;
        return false;
    }

    if (count() == 0) {
        m_reporter.setScanPanel(false);
        m_projectEmpty = true;
        m_reporter.setRemovalPanel(false);
        m_reporter.setRemovalText(QString());
        if (r.outcome == ProjectSweep::Repair::RenameFailed) {
            m_reporter.ask(dm::renameFailed(last));
            end = End::RepairFailed;
            return false;
        }
        if (r.outcome == ProjectSweep::Repair::Renamed) {
            m_reporter.ask(dm::renamedToBackup(last));
            m_reporter.repaint();
        } else {
            m_reporter.setExecuteOnLoad(false);
            m_reporter.ask(dm::noValidLinks(m_platform.shortPath(last)));
        }
        return true;
    }
    m_reporter.setExecuteOnLoad(false);
    m_reporter.setRemovalPanel(false);
    m_reporter.setRemovalText(QString());
    m_reporter.setTaskbarTitle(QStringLiteral("Bad File Links"));
    if (r.outcome == ProjectSweep::Repair::Written)
        m_reporter.ask(dm::updated(last));
    else
        m_reporter.ask(dm::someInvalid(m_platform.shortPath(last)));
    m_reporter.setIdentity(QStringLiteral("...Modified List..."), QStringLiteral("logo"));
    m_reporter.repaint();
    return true;
}

// Reached only while "Clear It&em(s)" is enabled.
DropSequence::End DropSequence::closingChecks(const QString &last)
{
    if (count() == 0) {
        m_reporter.replaceEntries({});
        m_reporter.setRemovalText(QString());
        m_reporter.setHeader(0, FileList::dots(11));
        m_reporter.disableListButtons();
    }
    if (m_projectEmpty) {
        m_reporter.setRemovalText(QString());
        m_reporter.setHeader(0, FileList::dots(11));
        m_reporter.setHeader(1, FileList::dots(26));
        m_reporter.disableListButtons();
        return End::ProjectEmpty;
    }
    const QString programFolder = m_reporter.programFolder();
    if (m_reporter.settingsKeyExists() &&
        m_platform.pathState(programFolder).kind != Platform::PathState::Folder) {
        m_reporter.setIdentity(QStringLiteral(" Missing program folders!"),
                               QStringLiteral("missing"));
        m_reporter.ask(dm::missingProgramFolder());
        m_reporter.setExecuteOnLoad(false);
        return End::NoProgramFolder;
    }
    // Compared as this file system compares names: with their case.
    if (Platform::folderWithSeparator(programFolder) ==
        Platform::folderWithSeparator(m_reporter.destination())) {
        m_reporter.hideWindows();
        if (m_reporter.soundsOn())
            m_reporter.playSound(QStringLiteral("A3"));
        m_reporter.ask(dm::sameFolder(last));
        m_reporter.showWindowsAgain();
        return End::SameFolder;
    }
    if (m_reporter.executeOnLoad() && !m_projectEmpty && !m_linksRemoved) {
        m_reporter.showBuildProgress();
        m_reporter.build();
        return End::BuildAfterChecks;
    }
    return End::Done;
}

} // namespace tolvane
