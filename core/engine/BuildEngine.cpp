#include "core/engine/BuildEngine.h"
#include "core/BuildTexts.h"
#include "core/Identifiers.h"
#include "core/NameChecks.h"
#include "core/Product.h"
#include "core/engine/BuildChecks.h"
#include "platform/Platform.h"

#include <QFileInfo>

namespace tolvane {

namespace {
const QString productTitle = product::title();
} // namespace

BuildEngine::BuildEngine(Platform &platform, const Clock &clock, BuildReporter &reporter)
    : m_platform(platform), m_clock(clock), m_reporter(reporter)
{
}

BuildReporter::Answer BuildEngine::ask(Id id, Owner owner, const QString &caption,
                                       const QString &text, Icon icon, int buttons)
{
    Message m;
    m.id = id;
    m.owner = owner;
    m.caption = caption;
    m.text = text;
    m.icon = icon;
    m.buttons = buttons;
    return m_reporter.ask(m);
}

void BuildEngine::setBar(Bar bar, int value)
{
    const int i = bar == Bar::Bar1 ? 0 : 1;
    m_barValue[i] = qMin(value, m_barMaximum[i]);
    m_reporter.setBarValue(bar, m_barValue[i]);
}

void BuildEngine::setBarMaximum(Bar bar, int maximum)
{
    const int i = bar == Bar::Bar1 ? 0 : 1;
    m_barMaximum[i] = maximum;
    if (m_barValue[i] > maximum)
        m_barValue[i] = 0;
    m_reporter.setBarMaximum(bar, maximum);
}

void BuildEngine::setExecuteOnLoad(bool on)
{
    m_reporter.settingChanged(BuildReporter::Setting::ExecuteOnLoad, on);
}

int BuildEngine::selectedCount() const
{
    int n = 0;
    for (const ListEntry &e : m_entries)
        n += e.selected ? 1 : 0;
    return n;
}

QStringList BuildEngine::paths() const
{
    QStringList out;
    out.reserve(m_entries.size());
    for (const ListEntry &e : m_entries)
        out << e.path;
    return out;
}

void BuildEngine::removeUnselected()
{
    for (int i = m_entries.size() - 1; i >= 0; --i)
        if (!m_entries.at(i).selected)
            m_entries.removeAt(i);
    m_reporter.fileList(BuildReporter::ListAction::RemoveUnselected);
}

BuildSummary BuildEngine::run(const BuildOptions &options, const QList<ListEntry> &entries,
                              const QStringList &stringTable)
{
    m_options = options;
    m_entries = entries;
    m_stringTable = stringTable;
    m_summary = BuildSummary();
    if (prepare() && writeScript())
        finish();
    m_summary.listPaths = paths();
    return m_summary;
}

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
        const int empty = buildchecks::firstEmptyFile(m_platform, paths());
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

    if (!m_platform.folderExists(m_options.destination)) {
        setExecuteOnLoad(false);
        m_reporter.setIdentity(QStringLiteral("Whoops!"), QStringLiteral("warning"));
        ask(Id::NoDestination, Owner::MainWindow, productTitle,
            QStringLiteral("No destination directory specified...assuming current!"),
            Icon::Warning);
        m_reporter.setIdentity(productTitle, QStringLiteral("logo"));
        ask(Id::RecentDirectory, Owner::None, productTitle,
            buildtexts::recentDirectoryMessage(m_platform.currentFolder()), Icon::None);
        m_reporter.setCloseButton(true);
        return false;
    }

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

// Every file of the list, selected or not, must still be there: the first missing one clears it.
bool BuildEngine::checkFiles()
{
    for (const ListEntry &e : m_entries) {
        if (m_platform.fileExists(e.path))
            continue;
        setExecuteOnLoad(false);
        ask(Id::InvalidLink, Owner::FileList, QStringLiteral("Invalid file link...!"),
            QStringLiteral("One or more files from the current file list, links to a\rfile "
                           "location that's is no longer valid! Aborting build."),
            Icon::Error);
        m_entries.clear();
        m_reporter.fileList(BuildReporter::ListAction::ClearAll);
        return false;
    }
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
    if (const auto free = m_platform.freeSpace(m_platform.driveRoot(m_options.destination)))
        m_freeBefore = *free;
    return true;
}

void BuildEngine::diskReport(bool adjusted)
{
    const QString root = m_platform.driveRoot(m_options.destination);
    const auto free = m_platform.freeSpace(root);
    if (!free)
        return;
    m_reporter.setDiskLabel(adjusted ? QStringLiteral("Adjusted space on ' ") + root +
                                           QStringLiteral("' ") + QString::number(*free) +
                                           QStringLiteral(" Bytes")
                                     : NameChecks::diskLabel(root, *free));
}

bool BuildEngine::writeScript()
{
    ScriptSettings s;
    s.scriptName = m_options.scriptName;
    s.resName = m_options.resName;
    s.prefixPosition = m_options.prefixPosition;
    s.fileInfo = m_options.fileInfo;
    s.autoSort = m_options.autoSort;
    s.programFolder = m_options.programFolder;
    s.settingsKeyExists = m_options.settingsKeyExists;
    s.tempFolder = m_options.tempFolder;
    s.unselectedNote = m_summary.unselectedNote;

    ScriptWriter writer(m_platform, m_clock);
    const WriteResult result =
        writer.write(m_entries, m_stringTable, s, [&](const ScriptProgress &p) {
            m_reporter.setBarVisible(Bar::Bar1, p.barVisible);
            m_reporter.setTitle(p.title);
            m_reporter.pause(p.pauseMs);
            setBarMaximum(Bar::Bar1, p.barMaximum);
            line(Line::Msg2, p.msg2);
            line(Line::Msg3, p.msg3);
            setBar(Bar::Bar1, m_barValue[0] + p.advance);
        });
    line(Line::Msg2, QStringLiteral(". . .Script complete. . ."));
    m_reporter.setCloseButton(true);
    if (!result) {
        m_summary.end = BuildSummary::End::ScriptNotWritten;
        ask(Id::ScriptNotWritten, Owner::None, productTitle, result.error, Icon::Error);
        return false;
    }
    return true;
}

void BuildEngine::finish()
{
    line(Line::Msg3, QString());
    setBar(Bar::Bar1, 0);
    setBar(Bar::Bar2, 0);
    m_reporter.setBarVisible(Bar::Bar1, false);
    m_reporter.setBarVisible(Bar::Bar2, false);
    if (m_options.compiler1.isEmpty() || m_options.scriptsOnly)
        scriptsOnlyEnd();
    else
        compile();
}

void BuildEngine::credits(int firstPause)
{
    m_reporter.pause(firstPause);
    line(Line::Msg2, buildtexts::credit());
    m_reporter.pause(1000);
    line(Line::Msg3, buildtexts::ownership());
    m_reporter.pause(1000);
    line(Line::Msg4, buildtexts::contact());
}

void BuildEngine::scriptsOnlyEnd()
{
    const OutputNames &n = m_summary.names;
    setBarMaximum(Bar::Bar1, qMax(1, m_selected));
    m_reporter.setPanelVisible(Panel::Closing, true);
    credits(2000);
    m_reporter.setCloseDefault(true);
    m_reporter.pause(2000);
    m_reporter.window(BuildReporter::WindowStep::RestoreMain);
    m_reporter.setBusyLamp(false);
    diskReport(false);
    if (m_platform.fileExists(n.workingScript)) {
        if (!move({n.workingScript}))
            return;
        m_reporter.setTitle(QStringLiteral("Document Complete"));
        if (m_options.hideOnBuild)
            m_reporter.window(BuildReporter::WindowStep::HideTool);
        m_reporter.setPanelVisible(Panel::Options, true);
        m_reporter.setBusyLamp(false);
        m_reporter.setCloseButton(true);
    }
    m_reporter.setIdentity(QStringLiteral("Document Complete..."), QStringLiteral("logo"));
    m_platform.removeFile(n.workingScript);
    m_platform.removeFile(n.workingProject);
    m_reporter.pause(3000);
    m_reporter.setTitle(QStringLiteral("Task Complete..."));
    m_reporter.window(BuildReporter::WindowStep::RestoreMain);
    m_reporter.window(m_options.hideOnBuild ? BuildReporter::WindowStep::HideTool
                                            : BuildReporter::WindowStep::ActivateTool);
    m_reporter.setPanelVisible(Panel::Options, true);
    m_reporter.setPanelVisible(Panel::Closing, false);
    m_reporter.setPanelVisible(Panel::Progress, false);
    m_summary.end = BuildSummary::End::ScriptsOnly;
}

} // namespace tolvane
