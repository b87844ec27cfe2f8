#include "core/engine/BuildEngine.h"
#include "core/BuildTexts.h"
#include "core/NameChecks.h"
#include "core/Product.h"
#include "core/engine/BuildChecks.h"
#include "platform/Platform.h"

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
    m_sizesFresh = false;
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

// The first entry of zero bytes, from the sizes the file check saw when no box came between;
// else each file is asked again.
int BuildEngine::firstEmptyEntry()
{
    if (!m_sizesFresh || m_checkedSizes.size() != m_entries.size())
        return buildchecks::firstEmptyFile(m_platform, paths());
    for (int i = 0; i < m_entries.size(); ++i) {
        const qint64 known = m_checkedSizes.at(i);
        if ((known >= 0 ? known : m_platform.fileSize(m_entries.at(i).path)) == 0)
            return i;
    }
    return -1;
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
    // Held to the end: two builds in one program folder would take each other's outputs. It is
    // taken first, so a build that finds another at work changes nothing, not even this engine.
    std::unique_ptr<Platform::Lock> lock;
    if (!lockProgramFolder(options.programFolder, lock)) {
        BuildSummary stopped;
        for (const ListEntry &e : entries)
            stopped.listPaths << e.path;
        return stopped;
    }
    m_options = options;
    m_entries = entries;
    m_stringTable = stringTable;
    m_summary = BuildSummary();
    m_freeBefore.reset();
    if (prepare() && writeScript())
        finish();
    m_summary.listPaths = paths();
    return m_summary;
}

bool BuildEngine::lockProgramFolder(const QString &folder, std::unique_ptr<Platform::Lock> &lock)
{
    Platform::LockState state = Platform::LockState::Unavailable;
    lock = m_platform.lockFolder(folder, &state);
    // A folder that takes no lock is left to the checks that follow (a missing one is reported).
    if (state != Platform::LockState::Busy)
        return true;
    ask(Id::BuildRunning, Owner::None, productTitle, buildtexts::buildRunning(folder),
        Icon::Warning);
    return false;
}

void BuildEngine::diskReport(bool adjusted)
{
    const QString root = m_platform.driveRoot(m_options.destination);
    // Asked of the folder itself: a root that is no mount point (a build chroot) has no answer.
    const auto free = m_platform.freeSpace(m_options.destination);
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
    // With the program folder as destination the script is already where it belongs.
    if (m_summary.moved.value(0) != n.workingScript)
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
