#include "app/headless/HeadlessBuild.h"
#include "app/headless/ConsoleReporter.h"
#include "app/headless/HeadlessPlatform.h"
#include "app/headless/WorkingFolder.h"
#include "core/BuildTexts.h"
#include "core/Product.h"
#include "core/engine/BuildEngine.h"
#include "core/engine/BuildFailure.h"
#include "core/project/ProjectLoad.h"
#include "core/project/ProjectTexts.h"
#include "platform/Clock.h"
#include "platform/NativeName.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tolvane::headless {

namespace {

using Id = Message::Id;

// The settings of the settings file, or those of a fresh installation when it has none.
class Settings
{
  public:
    explicit Settings(SettingsStore &store) : m_store(store), m_key(store.settingsKeyExists()) {}

    QString text(Setting key)
    {
        QString value;
        if (m_key && m_store.readText(key, value))
            return value;
        return fresh(key).toString();
    }
    bool flag(Setting key)
    {
        bool value = false;
        if (m_key && m_store.readFlag(key, value))
            return value;
        return fresh(key).toBool();
    }
    int integer(Setting key)
    {
        qint32 value = 0;
        if (m_key && m_store.readInteger(key, value))
            return value;
        return fresh(key).toInt();
    }

  private:
    static QVariant fresh(Setting key) { return SettingsRecord::row(key).fresh; }
    SettingsStore &m_store;
    bool m_key;
};

Status statusOf(const BuildSummary &summary, const ConsoleReporter &reporter)
{
    switch (summary.end) {
    case BuildSummary::End::ScriptsOnly:
    case BuildSummary::End::Compiled:
        return Built;
    case BuildSummary::End::ScriptNotWritten:
        return ScriptNotWritten;
    case BuildSummary::End::ConfigurationProblem:
        return ConfigurationProblem;
    case BuildSummary::End::ProjectNotWritten:
        return ProjectNotWritten;
    case BuildSummary::End::SpaceFailure:
        return SpaceFailure;
    case BuildSummary::End::MoveFailed:
        return MoveFailed;
    case BuildSummary::End::CompileFailed:
        switch (summary.failure.value_or(BuildFailure::ResourceCompileError)) {
        case BuildFailure::ResourceCompilerNotStarted:
            return ResourceCompilerNotStarted;
        case BuildFailure::ResourceCompileError:
            return ResourceCompileError;
        case BuildFailure::LibraryCompilerNotStarted:
            return LibraryCompilerNotStarted;
        case BuildFailure::LibraryCompileError:
            return LibraryCompileError;
        }
        return ResourceCompileError;
    case BuildSummary::End::Stopped:
        break;
    }
    switch (reporter.lastStop().value_or(Id::PrintFailed)) {
    case Id::InvalidLink:
        return InvalidLink;
    case Id::EmptyFile:
        return EmptyFile;
    case Id::SameNames:
        return SameNames;
    case Id::NoDestination:
        return NoDestination;
    case Id::BadName:
    case Id::BadPath:
        return BadNameOrPath;
    case Id::InvalidLocation:
        return InvalidLocation;
    default:
        return OtherStop;
    }
}

QString oneLine(const QString &text)
{
    QString t = text;
    return t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// As the file system has it: a name that is not UTF-8 keeps its bytes.
QString absolute(const QString &path, const QString &current)
{
    if (path.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(path);
    return QDir::cleanPath(current + QLatin1Char('/') + path);
}

} // namespace

// Scripts only: the windows stop at the script, a build server wants the .res beside it. The
// exported script is compiled from a copy in the working folder, so the destination only ever
// receives a whole .res; when that fails the script goes too.
Status HeadlessBuild::compileScript(const BuildOptions &options, BuildSummary &summary,
                                    const QString &workingFolder, ConsoleReporter &reporter)
{
    const QString exported = summary.moved.value(0);
    const QString compiler = Platform::resolveExecutable(options.compiler1);
    const auto fail = [&](Status status, const QString &message) {
        reporter.say(message);
        m_platform.removeFile(exported);
        summary.moved.clear();
        return status;
    };
    if (compiler.isEmpty())
        return fail(ConfigurationProblem,
                    QStringLiteral("Configuration problem: ") +
                        oneLine(buildtexts::configurationProblem(true, options.compiler1)));
    // Named as the exported script, so the .res matches it also where the name was taken.
    const QString copy =
        Platform::folderWithSeparator(workingFolder) + QFileInfo(exported).fileName();
    QFile script(exported);
    if (!script.open(QIODevice::ReadOnly) ||
        !TextFile::writeBytes(m_platform, copy, script.readAll()))
        return fail(ScriptNotWritten, TextFile::cannotCreate(copy));
    reporter.setLine(BuildReporter::Line::Msg4, QStringLiteral("....Porting Data (Brcc32)...."));
    QString output;
    const int result = m_platform.runTool(compiler, {copy}, &output, workingFolder);
    if (const auto failure =
            buildfailure::fromResult(buildfailure::Step::ResourceCompile, result)) {
        const QString text = output.trimmed().isEmpty() && result != -1
                                 ? buildtexts::silentTool(QFileInfo(compiler).fileName(), result)
                                 : output;
        return fail(*failure == BuildFailure::ResourceCompilerNotStarted
                        ? ResourceCompilerNotStarted
                        : ResourceCompileError,
                    buildfailure::caption(*failure) + QStringLiteral(": ") + oneLine(text));
    }
    const QString res = Platform::folderWithSeparator(workingFolder) +
                        QFileInfo(exported).completeBaseName() + QStringLiteral(".res");
    const QStringList moved = m_platform.moveFiles({res}, summary.names.destinationFolder);
    if (moved.value(0).isEmpty())
        return fail(MoveFailed,
                    oneLine(buildtexts::moveFailed(summary.names.destinationFolder, {res})));
    summary.moved << moved.value(0);
    return Built;
}

// Scripts only, the windows write no .res and so never ask; here the compiler would refuse the
// file with its own error instead.
bool HeadlessBuild::leaveOutEmptyFiles(QStringList &paths, ConsoleReporter &reporter)
{
    // One look at each file, then one pass: a long list with many empty files is asked about
    // in its order without being read again from the start after each answer.
    QList<qint64> sizes;
    sizes.reserve(paths.size());
    for (const QString &path : std::as_const(paths)) {
        const Platform::PathState state = m_platform.pathState(path);
        if (state.kind == Platform::PathState::Missing || state.kind == Platform::PathState::Folder)
            return true; // the build's own check of the list comes first
        // A device or a FIFO has no size of its own: it counts as empty, as its stat says.
        sizes << (state.kind == Platform::PathState::File ? state.size : 0);
    }
    for (qsizetype i = 0; i < paths.size();) {
        if (sizes.at(i) != 0) {
            ++i;
            continue;
        }
        Message question;
        question.id = Id::EmptyFile;
        question.caption = QStringLiteral("Warning");
        question.text = buildtexts::zeroByteQuestion(paths.at(i));
        question.icon = Message::Icon::Warning;
        question.buttons = Message::Yes | Message::No;
        if (reporter.ask(question) != BuildReporter::Yes)
            return false;
        paths.removeAt(i);
        sizes.removeAt(i);
    }
    return true;
}

HeadlessBuild::HeadlessBuild(HeadlessPlatform &platform, SettingsStore &settings,
                             const Clock &clock, FILE *out, FILE *err)
    : m_platform(platform), m_settings(settings), m_clock(clock), m_out(out), m_err(err)
{
}

Status HeadlessBuild::run(const CommandLine &line)
{
    ConsoleReporter reporter(line.yes, line.quiet, m_err);

    // The list, as loading the project or adding the files would leave it: sorted, all selected.
    QStringList paths;
    QString project;
    const QString current = m_platform.currentFolder();
    if (line.isProject()) {
        project = absolute(line.inputs.first(), current);
        if (m_platform.folderExists(project)) {
            reporter.say(project + QStringLiteral(" is a folder, not a project file."));
            return InputIsFolder;
        }
        const ProjectOpen opened = ProjectLoad::open(m_platform, project);
        switch (opened.outcome) {
        case ProjectOpen::NoData:
            reporter.say(QStringLiteral("Whoops!: ") + projecttexts::noData(project));
            return ProjectEmpty;
        case ProjectOpen::Missing:
            reporter.say(product::shortTitle() + QStringLiteral(": ") +
                         oneLine(projecttexts::missing(project)));
            return ProjectMissing;
        case ProjectOpen::Unreadable:
            reporter.say(product::shortTitle() + QStringLiteral(": ") +
                         oneLine(projecttexts::unreadable(project)));
            return ProjectMissing;
        case ProjectOpen::NotText:
            reporter.say(product::shortTitle() + QStringLiteral(": ") +
                         oneLine(projecttexts::notText(project)));
            return ProjectMissing;
        case ProjectOpen::Loaded:
            break;
        }
        paths = opened.entries;
    } else {
        for (const QString &input : line.inputs) {
            paths << absolute(input, current);
            // The windows would scan a dropped folder; here the files are named one by one.
            if (m_platform.folderExists(paths.last())) {
                reporter.say(paths.last() + QStringLiteral(" is a folder, not a resource file: "
                                                           "name the files in it instead."));
                return InputIsFolder;
            }
        }
    }
    QStringList sorted = ProjectLoad::sorted(paths);

    // The outputs are made apart from everything else, so two builds never meet.
    const QString destination = absolute(line.destination, current);
    const QString parent =
        m_platform.folderExists(destination) ? destination : m_platform.tempFolder();
    for (const QString &left : WorkingFolder::removeLeftovers(parent))
        if (!line.quiet)
            reporter.say(QStringLiteral("removed %1, left by a build that was stopped").arg(left));
    const WorkingFolder working(parent);
    if (!working.isValid()) {
        reporter.say(TextFile::cannotCreate(working.tried()));
        return NoWorkingFolder;
    }

    Settings settings(m_settings);
    BuildOptions o;
    o.scriptName = line.scriptName.value_or(settings.text(Setting::ScriptName));
    o.libraryName = line.libraryName.value_or(settings.text(Setting::LibraryName));
    o.resName = line.resName.value_or(settings.text(Setting::ResName));
    o.prefixPosition = line.prefixPosition.value_or(settings.integer(Setting::PrefixPosition));
    o.fileInfo = line.fileInfo.value_or(settings.flag(Setting::FileInfo));
    o.scriptsOnly = line.scriptsOnly.value_or(settings.flag(Setting::ScriptsOnly));
    o.keepProject = line.keepProject.value_or(settings.flag(Setting::KeepProject));
    o.classes = line.classes.value_or(settings.flag(Setting::UnitClasses));
    o.windowsUnit = line.windowsUnit.value_or(settings.flag(Setting::UnitWindows));
    o.dialogs = line.dialogs.value_or(settings.flag(Setting::UnitDialogs));
    o.compiler1 = settings.text(Setting::Compiler1);
    o.compiler2 = settings.text(Setting::Compiler2);
    const QString standIns = m_platform.toolchainFolder();
    if (o.compiler1.isEmpty() && !standIns.isEmpty())
        o.compiler1 = standIns + QStringLiteral("/bin/brcc32");
    if (o.compiler2.isEmpty() && !standIns.isEmpty())
        o.compiler2 = standIns + QStringLiteral("/bin/dcc32");
    o.destination = destination;
    o.programFolder = working.path();
    o.tempFolder = m_platform.tempFolder();
    o.settingsKeyExists = true;
    o.summary = false;
    o.sounds = false;
    o.highColour = false;
    o.dropFlag = project.isEmpty();
    o.lastAddedPath = project;

    if ((o.scriptsOnly || o.compiler1.isEmpty()) && !leaveOutEmptyFiles(sorted, reporter))
        return EmptyFile;
    if (sorted.isEmpty()) {
        reporter.say(QStringLiteral("no file is left to build"));
        return EmptyFile;
    }

    BuildEngine engine(m_platform, m_clock, reporter);
    BuildSummary summary;
    for (;;) {
        QList<ListEntry> entries;
        for (const QString &path : sorted)
            entries << ListEntry{path, true};
        reporter.clearLast();
        summary = engine.run(o, entries, QStringList());
        // Removing a file of zero bytes stops the build for the user to start again: so does this.
        const bool removedEmpty = summary.end == BuildSummary::End::Stopped &&
                                  reporter.lastQuestion() == Id::EmptyFile &&
                                  reporter.lastAnswer() == BuildReporter::Yes;
        if (!removedEmpty || summary.listPaths == sorted)
            break;
        if (summary.listPaths.isEmpty()) {
            reporter.say(QStringLiteral("no file is left to build"));
            return EmptyFile;
        }
        sorted = summary.listPaths;
    }

    Status status = statusOf(summary, reporter);
    if (status == ResourceCompileError || status == LibraryCompileError)
        status = m_platform.timedOut() ? TimedOut : status;
    if (status == MoveFailed) {
        // What did arrive is taken back out: the destination holds a whole build or nothing of it.
        for (const QString &moved : summary.moved)
            if (!moved.isEmpty())
                m_platform.removeFile(moved);
    }
    if (status == Built && summary.end == BuildSummary::End::ScriptsOnly) {
        status = compileScript(o, summary, working.path(), reporter);
        if (status == ResourceCompileError && m_platform.timedOut())
            status = TimedOut;
    }
    if (status != Built)
        return status;

    m_platform.keepMoved();
    reporter.done();
    for (const QString &moved : summary.moved)
        if (!moved.isEmpty() && m_platform.fileExists(moved))
            fprintf(m_out, "%s\n", nativename::encode(moved).constData());
    fflush(m_out);
    return Built;
}

} // namespace tolvane::headless
