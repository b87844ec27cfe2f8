#include "core/project/ProjectSaveSequence.h"

#include "core/Product.h"
#include "core/ProjectFile.h"
#include "core/drop/DropMessages.h"
#include "core/drop/DropRules.h"
#include "core/project/ProjectLoad.h"
#include "core/project/ProjectSave.h"
#include "core/project/ProjectTexts.h"
#include "platform/Platform.h"

namespace tolvane {

namespace {
using dropmessages::box;
// Names tried past a taken one before a quick save gives up.
constexpr int quickSaveTries = 10000;
} // namespace

ProjectSaveSequence::ProjectSaveSequence(Platform &platform, SaveReporter &reporter)
    : m_platform(platform), m_reporter(reporter)
{
}

QStringList ProjectSaveSequence::takeEntries()
{
    const QStringList entries = m_reporter.selectedEntries();
    const int total = int(entries.size());
    for (int i = 0; i < total; ++i) {
        m_reporter.pause(1);
        m_reporter.progress(i + 1, total, entries.at(i));
    }
    return entries;
}

ProjectSaveSequence::End ProjectSaveSequence::prompted()
{
    m_written.clear();
    const std::optional<QString> chosen = m_reporter.chooseFile();
    const QString name = chosen ? DropRules::fileNamePart(*chosen) : QString();
    if (name.isEmpty())
        return End::Cancelled;
    switch (ProjectSave::checkName(name)) {
    case ProjectSave::NameCheck::Blank:
        m_reporter.ask(box(Message::Id::BlankName, QStringLiteral("Whoops!"),
                           projecttexts::blankName(), Message::Icon::Warning, Message::Ok,
                           Message::Owner::None));
        return End::Blank;
    case ProjectSave::NameCheck::Dot:
        m_reporter.ask(box(Message::Id::DotName, product::name(), projecttexts::dotName(name),
                           Message::Icon::Warning, Message::Ok, Message::Owner::None));
        return End::Dot;
    case ProjectSave::NameCheck::Ok:
        break;
    }

    // The dialog's own question saw the bare name; the file written is NAME.TPF, so ask about
    // that one before an earlier project of that name is replaced.
    const QString target = ProjectSave::fileIn(ProjectLoad::folderOf(*chosen), name);
    if (m_platform.pathState(target).kind != Platform::PathState::Missing &&
        m_reporter.ask(box(Message::Id::ReplaceProject, product::name(),
                           projecttexts::replaceQuestion(DropRules::fileNamePart(target)),
                           Message::Icon::Question, Message::Yes | Message::No,
                           Message::Owner::MainWindow)) != Message::Yes)
        return End::Kept;

    const QStringList entries = takeEntries();
    // Written beside the target under a name of its own and moved into place in one step: no
    // shared folder is involved, and a full disk leaves the earlier file as it was.
    const WriteResult written = ProjectFile::write(m_platform, target, entries);
    m_reporter.restoreList();
    if (!written) {
        m_reporter.ask(box(Message::Id::SaveFailed, product::name(), written.error,
                           Message::Icon::Error, Message::Ok, Message::Owner::MainWindow));
        return End::Failed;
    }
    m_written = target;
    m_reporter.ask(box(Message::Id::Saved, product::name(), projecttexts::created(name),
                       Message::Icon::Information, Message::Ok, Message::Owner::MainWindow));
    return End::Saved;
}

ProjectSaveSequence::End ProjectSaveSequence::quick(qint64 ticks)
{
    m_written.clear();
    const QString programFolder = m_reporter.programFolder();
    const QString folder = ProjectFile::projectsFolder(programFolder);
    if (m_platform.pathState(folder).kind != Platform::PathState::Folder ||
        !m_reporter.settingsKeyExists()) {
        m_reporter.ask(box(Message::Id::NoProjectsFolder, product::titleCopyright(),
                           projecttexts::noProjectsFolder(), Message::Icon::Information,
                           Message::Ok, Message::Owner::None));
        return End::NoProjectsFolder;
    }
    const QStringList entries = takeEntries();

    // The name is claimed by creating it exclusively: another copy of the program saving in the
    // same third of a second takes the next number instead of this file.
    qint32 number = ProjectFile::quickSaveNumber(ticks);
    QString file;
    Platform::Claim claim = Platform::Claim::Failed;
    for (int tries = 0; tries < quickSaveTries; ++tries) {
        file = ProjectFile::quickSaveNameFor(programFolder, number);
        claim = m_platform.claimFile(file);
        if (claim != Platform::Claim::Taken)
            break;
        number = qint32(quint32(number) + 1u);
    }
    WriteResult written = claim == Platform::Claim::Claimed
                              ? ProjectFile::write(m_platform, file, entries)
                              : WriteResult::failure(TextFile::cannotCreate(file));
    if (!written && claim == Platform::Claim::Claimed)
        m_platform.removeFile(file);

    m_reporter.restoreList();
    m_reporter.setLoadFolder(ProjectSave::parentFolder(programFolder));
    if (!written) {
        m_reporter.ask(box(Message::Id::SaveFailed, product::name(), written.error,
                           Message::Icon::Error, Message::Ok, Message::Owner::MainWindow));
        return End::Failed;
    }
    m_written = file;
    Message done = box(Message::Id::Saved, QString(), projecttexts::quickSaved(file),
                       Message::Icon::None, Message::Ok, Message::Owner::None);
    done.style = Message::Style::Plain;
    m_reporter.ask(done);
    return End::Saved;
}

} // namespace tolvane
