// The first stage of a build: the checks of the list, the names and the folders, and the progress
// panel opened.
#include "core/BuildTexts.h"
#include "core/Identifiers.h"
#include "core/NameChecks.h"
#include "core/Product.h"
#include "core/engine/BuildChecks.h"
#include "core/engine/BuildEngine.h"
#include "platform/NativeName.h"
#include "platform/Platform.h"

#include <QFileInfo>

namespace tolvane {

namespace {
const QString productTitle = product::title();
} // namespace

// Checks the list and the settings, forms the names and opens the progress panel. False when a
// check stopped the build.
bool BuildEngine::prepare()
{
    if (!checkFiles())
        return false;

    if (Identifiers::resIdConflict(m_options.prefixPosition, selectedCount(),
                                   m_stringTable.size())) {
        if (ask(Id::ResIdConflict, Owner::None, QStringLiteral("Warning"),
                QStringLiteral("The current ResId setting, will conflict with your String "
                               "table\rconstants. When calling ResIDs from the resource, one or "
                               "more\rnumbers will be identical. Would you like to use a default "
                               "instead?"),
                Icon::Warning, Message::Yes | Message::Abort) != BuildReporter::Yes)
            return false;
        m_reporter.fileList(BuildReporter::ListAction::HideResIdBanner);
        m_options.prefixPosition = 0;
        m_reporter.settingChanged(BuildReporter::Setting::PrefixPosition, 0);
    }

    if (!m_options.scriptsOnly) {
        const int empty = firstEmptyEntry();
        if (empty >= 0) {
            setExecuteOnLoad(false);
            if (ask(Id::EmptyFile, Owner::None, QStringLiteral("Warning"),
                    buildtexts::zeroByteQuestion(m_entries.at(empty).path), Icon::Warning,
                    Message::Yes | Message::No) == BuildReporter::Yes) {
                if (m_entries.size() > 1) {
                    m_entries.removeAt(empty);
                    m_reporter.fileList(BuildReporter::ListAction::RemoveEntry, empty);
                } else {
                    m_entries.clear();
                    m_reporter.fileList(BuildReporter::ListAction::ClearItems, 0);
                }
            }
            return false;
        }
    }

    if (!m_options.scriptsOnly &&
        m_options.scriptName.compare(m_options.libraryName, Qt::CaseInsensitive) == 0) {
        if (ask(Id::SameNames, Owner::None, QStringLiteral("Warning"),
                QStringLiteral("The current script and library names are identical. This will "
                               "prevent\rthe file(s) .RC .PAS. DPR, to copy as Plain Text when "
                               "dragged onto\rthe program. Its recommended to rename one of the "
                               "fields..continue?"),
                Icon::Warning, Message::Yes | Message::No) != BuildReporter::Yes)
            return false;
    }

    if (!checkDestination())
        return false;

    const bool autoSort = m_options.autoSort;
    m_summary.unselectedNote = m_entries.size() > selectedCount();
    if (m_summary.unselectedNote && autoSort)
        removeUnselected();
    if (m_entries.size() > 100 && m_entries.size() / 4 > selectedCount() && !autoSort) {
        if (ask(Id::RemoveUnselected, Owner::None, QStringLiteral("Confirm"),
                QStringLiteral("Would you like to remove the unselected\rfiles from the list, "
                               "before this script is written?"),
                Icon::Question, Message::Yes | Message::No) == BuildReporter::Yes)
            removeUnselected();
    }

    if (!checkNamesAndPaths())
        return false;
    return openProgress();
}

// A destination that is not there: the build says so, naming it, and takes the current folder
// as the destination of the next build, as its boxes promise.
bool BuildEngine::checkDestination()
{
    const QString destination = m_options.destination;
    if (m_platform.folderExists(destination))
        return true;
    setExecuteOnLoad(false);
    m_reporter.setIdentity(QStringLiteral("Whoops!"), QStringLiteral("warning"));
    ask(Id::NoDestination, Owner::MainWindow, productTitle,
        buildtexts::noDestination(nativename::display(destination)), Icon::Warning);
    m_reporter.setIdentity(productTitle, QStringLiteral("logo"));
    const QString current = Platform::folderWithSeparator(m_platform.currentFolder());
    ask(Id::RecentDirectory, Owner::None, productTitle,
        buildtexts::recentDirectoryMessage(nativename::display(current)), Icon::None);
    m_reporter.settingChanged(BuildReporter::Setting::Destination, current);
    m_reporter.setCloseButton(true);
    return false;
}

// Every file of the list, selected or not, must still be there: the first missing one clears it.
bool BuildEngine::checkFiles()
{
    m_checkedSizes.clear();
    m_checkedSizes.reserve(m_entries.size());
    for (const ListEntry &e : m_entries) {
        // One look at each file serves this check and the zero-byte check after it.
        const Platform::PathState state = m_platform.pathState(e.path);
        if (state.kind == Platform::PathState::File || state.kind == Platform::PathState::Other) {
            m_checkedSizes << (state.kind == Platform::PathState::File ? state.size : -1);
            continue;
        }
        setExecuteOnLoad(false);
        ask(Id::InvalidLink, Owner::FileList, QStringLiteral("Invalid file link...!"),
            QStringLiteral("One or more files from the current file list, links to a\rfile "
                           "location that's is no longer valid! Aborting build."),
            Icon::Error);
        m_entries.clear();
        m_reporter.fileList(BuildReporter::ListAction::ClearAll);
        return false;
    }
    m_sizesFresh = true;
    return true;
}

// The names become file names and the paths script lines: refused before anything is written.
bool BuildEngine::checkNamesAndPaths()
{
    for (const QString &name : {m_options.scriptName, m_options.libraryName}) {
        const QString problem = NameChecks::fileNameProblem(name);
        if (problem.isEmpty())
            continue;
        setExecuteOnLoad(false);
        ask(Id::BadName, Owner::None, productTitle, problem, Icon::Error);
        return false;
    }
    QStringList selected;
    for (const ListEntry &e : m_entries)
        if (e.selected)
            selected << e.path;
    const int broken = buildchecks::firstPathWithLineBreak(selected);
    if (broken >= 0) {
        setExecuteOnLoad(false);
        ask(Id::BadPath, Owner::None, productTitle,
            buildchecks::lineBreakMessage(selected.at(broken)), Icon::Error);
        return false;
    }
    return true;
}

bool BuildEngine::openProgress()
{
    const bool autoSort = m_options.autoSort;
    line(Line::Msg2, QStringLiteral(". . .Loading File List. . ."));
    line(Line::Msg3, QString());
    line(Line::Msg4,
         autoSort ? QStringLiteral("Sorting File List updating as needed.") : QString());
    m_reporter.setPanelVisible(Panel::Options, false);
    m_reporter.setPanelVisible(Panel::StatusLines, true);
    m_reporter.setPanelVisible(Panel::Progress, true);
    m_reporter.setCloseButton(false);
    setBar(Bar::Bar1, 0);
    setBar(Bar::Bar2, 0);

    if (m_options.scriptName.isEmpty()) {
        m_options.scriptName = QStringLiteral("Untitled");
        m_reporter.settingChanged(BuildReporter::Setting::ScriptName, m_options.scriptName);
    }
    if (m_options.libraryName.isEmpty()) {
        m_options.libraryName = QStringLiteral("Untitled");
        m_reporter.settingChanged(BuildReporter::Setting::LibraryName, m_options.libraryName);
    }
    const bool key = m_options.settingsKeyExists;
    const OutputNames &n = m_summary.names =
        OutputNames::form(m_options.programFolder, m_options.tempFolder, m_options.destination,
                          m_options.scriptName, m_options.libraryName, key);

    // The names were checked; this keeps any output from leaving its folder whatever they hold.
    const QString scriptFolder = key ? m_options.programFolder : m_options.tempFolder;
    const QList<QPair<QString, QString>> placed = {{n.workingScript, scriptFolder},
                                                   {n.workingResource, m_options.programFolder},
                                                   {n.workingProject, m_options.programFolder},
                                                   {n.workingLibrary, m_options.programFolder},
                                                   {n.destinationScript, n.destinationFolder},
                                                   {n.destinationResource, n.destinationFolder},
                                                   {n.destinationProject, n.destinationFolder},
                                                   {n.destinationLibrary, n.destinationFolder}};
    for (const auto &[path, folder] : placed) {
        if (buildchecks::isDirectlyInside(path, folder))
            continue;
        m_reporter.setCloseButton(true);
        ask(Id::BadName, Owner::None, productTitle, buildchecks::outsideFolderMessage(path),
            Icon::Error);
        return false;
    }

    if (key && !m_platform.folderExists(m_options.programFolder)) {
        m_reporter.setIdentity(QStringLiteral("Working Folder..."), QStringLiteral("warning"));
        ask(Id::MissingProgramFolder, Owner::MainWindow,
            QStringLiteral("Missing program folder..."),
            QStringLiteral("Cannot locate the program's working directory folder\" press\rthe "
                           "paths button to enter setup and retry your application."),
            Icon::Warning);
        return false;
    }

    // Only where a file came from the dialog or a project: a removable disk taken out since.
    const QString lastAdded = m_options.lastAddedPath;
    if (!m_options.dropFlag && !lastAdded.isEmpty() &&
        !m_platform.folderExists(QFileInfo(lastAdded).absolutePath())) {
        m_reporter.setIdentity(QStringLiteral("...Whoops !..."), QStringLiteral("warning"));
        ask(Id::InvalidLocation, Owner::None, QStringLiteral("Invalid location... "),
            QStringLiteral("Please re-insert drive ' ") +
                Platform::folderWithSeparator(QFileInfo(lastAdded).absolutePath()) +
                QStringLiteral(" ' to continue !"),
            Icon::Warning);
        return false;
    }

    m_reporter.window(m_options.hideOnBuild ? BuildReporter::WindowStep::HideTool
                                            : BuildReporter::WindowStep::ShowTool);
    m_reporter.window(BuildReporter::WindowStep::MinimiseMain);
    m_reporter.setCloseDefault(false);

    diskReport(false);
    m_reporter.setPanelVisible(Panel::Closing, false);

    m_selected = selectedCount();
    if (m_selected == 1 && m_options.resName.isEmpty()) {
        m_options.resName = QStringLiteral("MyResFile");
        m_reporter.settingChanged(BuildReporter::Setting::ResName, m_options.resName);
    }

    // Without a settings key the script is written to the temp folder: the destination must differ.
    if (!key && Platform::folderWithSeparator(m_options.destination) == m_options.tempFolder) {
        m_reporter.window(BuildReporter::WindowStep::HideMain);
        m_reporter.window(BuildReporter::WindowStep::HideTool);
        if (m_options.sounds)
            m_reporter.playSound(QStringLiteral("A3"));
        m_reporter.setIdentity(QStringLiteral("...Whoops !..."), QStringLiteral("warning"));
        ask(Id::SameFolder, Owner::None, product::titleCopyright(),
            QStringLiteral("Cannot save \"") + m_options.scriptName +
                QStringLiteral(".rc\" to this folder! Source and destination are the same."),
            Icon::Warning);
        m_reporter.setCloseButton(true);
        m_reporter.setPanelVisible(Panel::Options, true);
        m_reporter.window(BuildReporter::WindowStep::ShowTool);
        m_reporter.window(BuildReporter::WindowStep::RestoreMain);
        m_reporter.window(BuildReporter::WindowStep::EnableMain);
        return false;
    }

    m_reporter.setBarVisible(Bar::Bar1, false);
    m_reporter.setBusyLamp(m_options.highColour);
    m_reporter.setIcon(QStringLiteral("logo"));
    m_freeBefore = m_platform.freeSpace(m_options.destination);
    return true;
}

} // namespace tolvane
