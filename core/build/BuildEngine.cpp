#include "core/build/BuildEngine.h"
#include "core/BuildTexts.h"
#include "core/FileTexts.h"
#include "core/Identifiers.h"
#include "core/LibraryProjectWriter.h"
#include "core/NameChecks.h"
#include "core/Product.h"
#include "core/build/BuildChecks.h"
#include "platform/Platform.h"

#include <QFileInfo>

namespace tolvane {

namespace {
const QString productTitle = product::title();
const int resNamePrefix = 22; // "#": identifiers are plain numbers

// A path a tool can never take for one of its options.
QString toolArgument(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}
} // namespace

BuildEngine::BuildEngine(Platform &platform, const Clock &clock, BuildReporter &reporter)
    : m_platform(platform), m_clock(clock), m_reporter(reporter)
{
}

BuildReporter::Answer BuildEngine::ask(Id id, Owner owner, const QString &caption,
                                       const QString &text, Icon icon, int buttons)
{
    BuildMessage m;
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
                Icon::Warning, BuildMessage::Yes | BuildMessage::Abort) != BuildReporter::Yes)
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
                    BuildMessage::Yes | BuildMessage::No) == BuildReporter::Yes) {
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
                Icon::Warning, BuildMessage::Yes | BuildMessage::No) != BuildReporter::Yes)
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
                Icon::Question, BuildMessage::Yes | BuildMessage::No) == BuildReporter::Yes)
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

bool BuildEngine::checkCompiler(const QString &path, bool resourceCompiler)
{
    if (!Platform::resolveExecutable(path).isEmpty())
        return true;
    m_summary.errorFlag = true;
    m_summary.end = BuildSummary::End::ConfigurationProblem;
    m_platform.removeFile(m_summary.names.workingScript);
    m_reporter.setPanelVisible(Panel::Closing, true);
    m_reporter.setCloseButton(true);
    m_reporter.setBarVisible(Bar::Bar1, false);
    line(Line::Msg2, QString());
    line(Line::Msg3, QString());
    m_reporter.setBusyLamp(false);
    line(Line::Msg4, QStringLiteral("Press the close button to reset program...!"));
    ask(Id::ConfigurationProblem, Owner::None, QStringLiteral("Configuration problem"),
        buildtexts::configurationProblem(resourceCompiler, path), Icon::Warning);
    m_reporter.setCloseDefault(true);
    return false;
}

// Runs one compiler on its input; false (with the failure shown) when it did not succeed.
bool BuildEngine::compileStep(buildfailure::Step step, const QString &compiler,
                              const QString &input)
{
    const QString resolved = Platform::resolveExecutable(compiler);
    const QString program = resolved.isEmpty() ? compiler : resolved;
    const int result = m_platform.runTool(program, {toolArgument(input)}, &m_captured);
    if (step == buildfailure::Step::LibraryCompile) {
        // The progress animation runs whatever the compiler said.
        setBarMaximum(Bar::Bar2, 100);
        for (int i = 0; i < 101; ++i) {
            m_reporter.pause(10);
            setBar(Bar::Bar2, m_barValue[1] + 1);
            m_reporter.setBarVisible(Bar::Bar2, true);
            m_reporter.setTitle(QStringLiteral("Updating All %1%").arg(m_barValue[1]));
            line(Line::Msg3, QStringLiteral("Flushing project files  %1 %").arg(m_barValue[1]));
        }
        m_reporter.setBarVisible(Bar::Bar2, false);
    }
    if (const auto failure = buildfailure::fromResult(step, result)) {
        compileFailure(*failure, QFileInfo(program).fileName(), result);
        return false;
    }
    return true;
}

void BuildEngine::compile()
{
    const OutputNames &n = m_summary.names;
    if (m_options.settingsKeyExists) {
        if (!checkCompiler(m_options.compiler1, true) || !checkCompiler(m_options.compiler2, false))
            return;
    }
    m_reporter.setTitle(QStringLiteral("Writing .dpr File"));
    const LibrarySettings lib{m_options.libraryName, m_options.scriptName, m_options.classes,
                              m_options.windowsUnit, m_options.dialogs,    m_options.programFolder};
    const WriteResult project = LibraryProjectWriter::write(lib);
    line(Line::Msg4, QString(35, QLatin1Char('.')));
    m_summary.errorFlag = false;
    if (!project) {
        // A file that cannot be created ends the build where it happens; what was made stays.
        m_summary.errorFlag = true;
        m_summary.end = BuildSummary::End::ProjectNotWritten;
        m_reporter.setPanelVisible(Panel::Closing, true);
        m_reporter.setCloseButton(true);
        m_reporter.setBusyLamp(false);
        ask(Id::ProjectNotWritten, Owner::None, productTitle, project.error, Icon::Error);
        return;
    }

    // Resource compile.
    m_reporter.setTitle(QStringLiteral("Linking: Brcc32"));
    const QString processing = buildtexts::processingText(m_selected);
    if (!processing.isEmpty())
        line(Line::Msg2, processing);
    line(Line::Msg4, QStringLiteral("....Porting Data (Brcc32)...."));
    if (!compileStep(buildfailure::Step::ResourceCompile, m_options.compiler1,
                     Platform::folderWithSeparator(m_options.programFolder) + m_options.scriptName +
                         QStringLiteral(".rc")))
        return;
    line(Line::Msg4, QStringLiteral("....Task complete...."));
    setBar(Bar::Bar1, 0);
    m_reporter.setBarVisible(Bar::Bar1, false);
    setBarMaximum(Bar::Bar1, 100);

    // Library compile.
    m_reporter.setTitle(QStringLiteral("Linking: Dcc32"));
    line(Line::Msg2, QStringLiteral("...Updating project files..."));
    line(Line::Msg4, QStringLiteral("....Porting Data (Dcc32)...."));
    if (!compileStep(buildfailure::Step::LibraryCompile, m_options.compiler2, n.workingProject))
        return;

    // Export.
    line(Line::Msg2, QStringLiteral(". . .Compilation Successful. . ."));
    m_reporter.setTitle(QStringLiteral("Exporting Files"));
    m_reporter.pause(1000);
    const QString s = m_options.scriptName, l = m_options.libraryName;
    const QStringList exported = {s, s + QStringLiteral(".res"), l + QStringLiteral(".dpr"),
                                  l + QStringLiteral(".dll")};
    const QStringList titles = {s + QStringLiteral(".rc"), exported.at(1), exported.at(2),
                                exported.at(3)};
    for (int i = 0; i < exported.size(); ++i) {
        line(Line::Msg4, QStringLiteral("Exporting file ") + exported.at(i));
        m_reporter.setTitle(titles.at(i));
        if (i + 1 < exported.size())
            m_reporter.pause(500);
    }
    m_summary.scriptSize = m_platform.fileSize(n.workingScript);
    m_summary.resourceSize = m_platform.fileSize(n.workingResource);
    m_summary.librarySize = m_platform.fileSize(n.workingLibrary);
    m_summary.projectSize = m_platform.fileSize(n.workingProject);
    m_summary.total = m_summary.scriptSize + m_summary.resourceSize + m_summary.librarySize +
                      m_summary.projectSize;
    m_reporter.pause(1000);
    if (m_summary.total > m_freeBefore) {
        spaceFailure();
        return;
    }

    // Move: a file already in the destination is kept; the moved one gets a new name.
    line(Line::Msg3, QString());
    setBar(Bar::Bar1, 0);
    setBarMaximum(Bar::Bar1, qMax(1, m_selected));
    m_reporter.setBarVisible(Bar::Bar1, false);
    m_reporter.setTitle(QStringLiteral("Moving Files..."));
    m_reporter.setBusyCursor(true);
    line(Line::Msg2, QStringLiteral(". . .Moving project files. . ."));
    if (!move({n.workingScript, n.workingProject, n.workingResource, n.workingLibrary}))
        return;

    m_reporter.pause(1000);
    m_reporter.setTitle(QStringLiteral("Cleaning up"));
    // Only the project file this build moved goes; a file of that name that was there stays.
    if (!m_options.keepProject)
        m_platform.removeFile(m_summary.moved.value(1));
    setBar(Bar::Bar2, 0);
    m_reporter.setBarVisible(Bar::Bar2, false);
    m_reporter.setBusyCursor(false);
    m_reporter.setPanelVisible(Panel::Closing, true);
    m_reporter.pause(1000);
    credits(1000);
    m_reporter.setIdentity(QStringLiteral("...Task Complete..."), QStringLiteral("logo"));
    diskReport(true);
    m_reporter.setCloseButton(true);
    m_reporter.setBusyLamp(false);
    m_summary.end = BuildSummary::End::Compiled;

    if (m_options.summary)
        fileSummary();

    m_reporter.window(BuildReporter::WindowStep::RestoreMain);
    m_reporter.setPanelVisible(Panel::Closing, true);
    m_reporter.setPanelVisible(Panel::Progress, true);
    m_reporter.setIdentity(QStringLiteral("Task Complete"), QStringLiteral("logo"));
    if (m_options.hideOnBuild) {
        m_reporter.setBusyLamp(false);
        m_reporter.window(BuildReporter::WindowStep::HideTool);
    } else {
        m_reporter.window(BuildReporter::WindowStep::ActivateMain);
    }
    m_reporter.pause(3000);
    // The options come back in place of the progress panel, usable at once.
    m_reporter.setPanelVisible(Panel::Options, true);
    m_reporter.setPanelVisible(Panel::Progress, false);
}

// Moves the outputs to the destination. Whatever did not arrive there stays where it was made,
// and the build ends with a report instead of a success.
bool BuildEngine::move(const QStringList &sources)
{
    const QStringList moved = m_platform.moveFiles(sources, m_summary.names.destinationFolder);
    m_summary.moved = moved;
    bool complete = moved.size() == sources.size();
    for (const QString &m : moved)
        complete = complete && !m.isEmpty();
    if (!complete) {
        moveFailure(sources, moved);
        return false;
    }
    if (sources.size() == 4)
        m_summary.moved = {moved.at(0), moved.at(1), moved.at(2), moved.at(3)};
    return true;
}

void BuildEngine::moveFailure(const QStringList &sources, const QStringList &moved)
{
    for (int i = 0; i < sources.size(); ++i)
        if (moved.value(i).isEmpty() && m_platform.fileExists(sources.at(i)))
            m_summary.kept << sources.at(i);
    m_summary.errorFlag = true;
    m_summary.end = BuildSummary::End::MoveFailed;
    if (m_options.sounds)
        m_reporter.playSound(QStringLiteral("A3"));
    m_reporter.setBusyCursor(false);
    m_reporter.setBusyLamp(false);
    m_reporter.setCloseButton(true);
    m_reporter.setPanelVisible(Panel::Closing, true);
    m_reporter.setPanelVisible(Panel::Progress, true);
    line(Line::Msg2, QStringLiteral(" . . . . FILE COPY ERROR! . . . ."));
    line(Line::Msg3, QString());
    m_reporter.setIdentity(QStringLiteral("...Oops!..."), QStringLiteral("warning"));
    ask(Id::MoveFailed, Owner::None, productTitle,
        buildtexts::moveFailed(m_summary.names.destinationFolder, m_summary.kept), Icon::Error);
    line(Line::Msg4, QStringLiteral("Press the close button to reset application!"));
}

void BuildEngine::fileSummary()
{
    const OutputNames &n = m_summary.names;
    m_reporter.pause(500);
    m_reporter.setBusyLamp(false);
    m_reporter.setIdentity(QStringLiteral("Print Script?"), QStringLiteral("printer"));
    const QStringList &moved = m_summary.moved;
    const auto name = [&](int i, const QString &fallback) {
        return QFileInfo(moved.value(i).isEmpty() ? fallback : moved.value(i)).fileName();
    };
    const buildtexts::SummaryFiles files{
        name(0, n.destinationScript), name(2, n.destinationResource), name(3, n.destinationLibrary),
        name(1, n.destinationProject)};
    const QString text =
        buildtexts::fileSummary(files,
                                {m_summary.scriptSize, m_summary.resourceSize,
                                 m_summary.librarySize, m_summary.projectSize},
                                FileTexts::totalSizeText(m_summary.total), files.script);
    if (ask(Id::FileSummary, Owner::ToolWindow, QStringLiteral("File Summary"), text,
            Icon::Information, BuildMessage::Yes | BuildMessage::No) == BuildReporter::Yes)
        printScript(moved.value(0).isEmpty() ? n.destinationScript : moved.value(0));
}

// Prints the script this build moved, as a .wri copy, and gives it its name back.
void BuildEngine::printScript(const QString &script)
{
    if (!m_platform.folderExists(m_summary.names.destinationFolder)) {
        ask(Id::InvalidDrive, Owner::MainWindow, QStringLiteral("Invalid Drive..."),
            QStringLiteral("Unable to locate destination directory!"), Icon::Error);
        return;
    }
    const QFileInfo info(script);
    const QString printCopy =
        info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".wri");
    const bool renamed = m_platform.renameFile(script, printCopy);
    if (renamed && !m_platform.printFile(printCopy))
        ask(Id::PrintFailed, Owner::None, QStringLiteral("Program error"),
            QStringLiteral("Unable to print file ") + printCopy + QLatin1Char('!'), Icon::Error);
    m_reporter.pause(1000);
    // Only a copy this build made is renamed back: an unrelated .wri of that name is left alone.
    if (renamed)
        m_platform.renameFile(printCopy, script);
}

void BuildEngine::removeWorkingOutputs()
{
    const OutputNames &n = m_summary.names;
    for (const QString &f :
         {n.workingScript, n.workingProject, n.workingResource, n.workingLibrary})
        if (m_platform.fileExists(f))
            m_platform.removeFile(f);
}

void BuildEngine::compileFailure(BuildFailure failure, const QString &program, int exitCode)
{
    const OutputNames &n = m_summary.names;
    const bool library = buildfailure::isLibraryStep(failure);
    m_summary.failure = failure;
    m_summary.end = BuildSummary::End::CompileFailed;
    if (m_options.sounds)
        m_reporter.playSound(QStringLiteral("A3"));
    m_reporter.fileList(BuildReporter::ListAction::DisableFilterButton);
    m_summary.errorFlag = true;
    m_reporter.setBusyCursor(false);
    m_reporter.setCloseButton(true);
    m_reporter.setPanelVisible(Panel::Closing, true);
    m_reporter.setBusyLamp(false);
    m_reporter.setIdentity(QStringLiteral("Compilation Error !"), QStringLiteral("error"));
    m_platform.removeFile(n.workingProject);
    m_platform.removeFile(n.workingScript);
    m_platform.removeFile(n.workingResource);
    if (library)
        m_platform.removeFile(n.workingLibrary);
    line(Line::Msg2, QStringLiteral(". . . .Compiler error. . . ."));
    if (!library)
        setExecuteOnLoad(false);

    // A tool that could not start shows what the tool before it printed; one that ran and said
    // nothing is described by how it ended.
    const bool ran = failure == BuildFailure::ResourceCompileError ||
                     failure == BuildFailure::LibraryCompileError;
    BuildMessage box;
    box.id = Id::CompileError;
    box.caption = buildfailure::caption(failure);
    box.text = ran && m_captured.trimmed().isEmpty() ? buildtexts::silentTool(program, exitCode)
                                                     : m_captured;
    box.icon = Icon::Error;
    box.windowsDisabled = library;
    m_reporter.ask(box);

    line(Line::Msg3, QString());
    setBar(Bar::Bar1, 0);
    setBar(Bar::Bar2, 0);
    m_reporter.setBarVisible(Bar::Bar2, false);
    if (failure == BuildFailure::ResourceCompileError) {
        m_entries.clear();
        m_reporter.fileList(BuildReporter::ListAction::ResourceErrorReset);
    }
    line(Line::Msg4, buildfailure::closingLine(failure));
}

void BuildEngine::spaceFailure()
{
    m_summary.end = BuildSummary::End::SpaceFailure;
    m_reporter.playSound(QStringLiteral("A2"));
    if (m_options.sounds)
        m_reporter.playSound(QStringLiteral("A3"));
    setBar(Bar::Bar1, 0);
    m_reporter.setBarVisible(Bar::Bar1, false);
    m_reporter.setCloseButton(true);
    m_reporter.setBusyLamp(false);
    m_reporter.setBusyCursor(false);
    m_reporter.setPanelVisible(Panel::Closing, true);
    line(Line::Msg2, QStringLiteral(" . . . . FILE COPY ERROR! . . . ."));
    line(Line::Msg3, QString());
    removeWorkingOutputs();
    m_reporter.setIdentity(QStringLiteral("...Oops!..."), QStringLiteral("warning"));
    ask(Id::SpaceFailure, Owner::BesideToolWindow, QStringLiteral("Warning"),
        buildtexts::spaceFailure(m_summary.names.destinationFolder,
                                 FileTexts::totalSizeText(m_summary.total),
                                 FileTexts::totalSizeText(m_freeBefore)),
        Icon::Warning, BuildMessage::Abort);
    m_reporter.pause(1000);
    line(Line::Msg3, QString());
    line(Line::Msg4, QStringLiteral("Press the close button to reset application!"));
    m_reporter.pause(1000);
    m_reporter.setIdentity(productTitle, QStringLiteral("logo"));
}

} // namespace tolvane
