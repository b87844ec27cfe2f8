// The second half of a build: the library project, both compilers and their failures, then the
// export to the destination.
#include "core/BuildTexts.h"
#include "core/FileTexts.h"
#include "core/LibraryProjectWriter.h"
#include "core/Product.h"
#include "core/engine/BuildEngine.h"
#include "platform/Platform.h"

#include <QFileInfo>

namespace tolvane {

namespace {
const QString productTitle = product::title();

// A path a tool can never take for one of its options.
QString toolArgument(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}
} // namespace

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
    const WriteResult project = LibraryProjectWriter::write(m_platform, lib);
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
    if (!spaceCheck())
        return;

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
    Message box;
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

} // namespace tolvane
