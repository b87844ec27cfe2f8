#include "app/headless/HeadlessBuild.h"
#include "app/headless/ConsoleReporter.h"
#include "core/BuildTexts.h"
#include "core/Product.h"
#include "core/engine/BuildEngine.h"
#include "core/engine/BuildFailure.h"
#include "core/project/ProjectLoad.h"
#include "core/project/ProjectTexts.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace tolvane::headless {

namespace {

using Id = Message::Id;

// The settings of the settings file, or those of a fresh installation when it has none.
class Settings
{
  public:
    explicit Settings(SettingsStore &store) : m_store(store), m_key(store.settingsKeyExists()) {}

    QString text(const QString &name)
    {
        QString value;
        if (m_key && m_store.readText(name, value))
            return value;
        return fresh(name).toString();
    }
    bool flag(const QString &name)
    {
        bool value = false;
        if (m_key && m_store.readFlag(name, value))
            return value;
        return fresh(name).toBool();
    }
    int integer(const QString &name)
    {
        qint32 value = 0;
        if (m_key && m_store.readInteger(name, value))
            return value;
        return fresh(name).toInt();
    }

  private:
    static QVariant fresh(const QString &name)
    {
        const SettingRow *row = SettingsRecord::find(name);
        return row ? row->fresh : QVariant();
    }
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

// A hidden folder of this build's own, removed with everything in it at the end. It is made in
// the destination, so the outputs reach their place by a rename, whole or not at all, and the
// space check counts the right disk; without a destination, in the temp folder.
class WorkingFolder
{
  public:
    WorkingFolder(Platform &platform, const QString &destination) : m_platform(platform)
    {
        const QString parent = m_platform.folderExists(destination)
                                   ? Platform::folderWithSeparator(destination)
                                   : m_platform.tempFolder();
        for (int attempt = 0; attempt < 8 && m_path.isEmpty(); ++attempt) {
            const QString candidate =
                parent + QStringLiteral(".tolvane-build-%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate64(), 0, 16);
            if (!m_platform.folderExists(candidate) && m_platform.createFolder(candidate))
                m_path = candidate;
        }
        if (m_path.isEmpty())
            m_tried = parent + QStringLiteral(".tolvane-build-...");
    }
    ~WorkingFolder()
    {
        if (!m_path.isEmpty())
            m_platform.removeFolderTree(m_path);
    }
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;
    bool isValid() const { return !m_path.isEmpty(); }
    QString path() const { return m_path; }
    QString tried() const { return m_tried; }

  private:
    Platform &m_platform;
    QString m_path;
    QString m_tried;
};

QString oneLine(const QString &text)
{
    QString t = text;
    return t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
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

HeadlessBuild::HeadlessBuild(Platform &platform, SettingsStore &settings, const Clock &clock,
                             FILE *out, FILE *err)
    : m_platform(platform), m_settings(settings), m_clock(clock), m_out(out), m_err(err)
{
}

Status HeadlessBuild::run(const CommandLine &line)
{
    ConsoleReporter reporter(line.yes, line.quiet, m_err);

    // The list, as loading the project or adding the files would leave it: sorted, all selected.
    QStringList paths;
    QString project;
    if (line.isProject()) {
        project = QFileInfo(line.inputs.first()).absoluteFilePath();
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
        for (const QString &input : line.inputs)
            paths << QFileInfo(input).absoluteFilePath();
    }
    QStringList sorted = ProjectLoad::sorted(paths);

    // The outputs are made apart from everything else, so two builds never meet.
    const QString destination = QFileInfo(line.destination).absoluteFilePath();
    const WorkingFolder working(m_platform, destination);
    if (!working.isValid()) {
        reporter.say(TextFile::cannotCreate(working.tried()));
        return NoWorkingFolder;
    }

    Settings settings(m_settings);
    BuildOptions o;
    o.scriptName = line.scriptName.value_or(settings.text(QStringLiteral("Script Name")));
    o.libraryName = line.libraryName.value_or(settings.text(QStringLiteral("Library Name")));
    o.resName = line.resName.value_or(settings.text(QStringLiteral("Res Name")));
    o.prefixPosition =
        line.prefixPosition.value_or(settings.integer(QStringLiteral("Prompt Res ID")));
    o.fileInfo = line.fileInfo.value_or(settings.flag(QStringLiteral("Prompt FileInfo")));
    o.scriptsOnly = line.scriptsOnly.value_or(settings.flag(QStringLiteral("Prompt Compile")));
    o.keepProject = line.keepProject.value_or(settings.flag(QStringLiteral("Prompt Position")));
    o.classes = line.classes.value_or(settings.flag(QStringLiteral("Prompt Class")));
    o.windowsUnit = line.windowsUnit.value_or(settings.flag(QStringLiteral("Prompt Window")));
    o.dialogs = line.dialogs.value_or(settings.flag(QStringLiteral("Prompt Dialog")));
    o.compiler1 = settings.text(QStringLiteral("Compiler1"));
    o.compiler2 = settings.text(QStringLiteral("Compiler2"));
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
    if (status == MoveFailed) {
        // What did arrive is taken back out: the destination holds a whole build or nothing of it.
        for (const QString &moved : summary.moved)
            if (!moved.isEmpty())
                m_platform.removeFile(moved);
    }
    if (status == Built && summary.end == BuildSummary::End::ScriptsOnly)
        status = compileScript(o, summary, working.path(), reporter);
    if (status != Built)
        return status;

    reporter.done();
    for (const QString &moved : summary.moved)
        if (!moved.isEmpty() && m_platform.fileExists(moved))
            fprintf(m_out, "%s\n", qPrintable(QDir::toNativeSeparators(moved)));
    fflush(m_out);
    return Built;
}

} // namespace tolvane::headless
