#pragma once

#include "core/ScriptWriter.h"
#include "core/engine/BuildOptions.h"
#include "core/engine/BuildReporter.h"
#include "core/engine/BuildSummary.h"
#include "platform/Platform.h"

#include <QStringList>
#include <optional>

namespace tolvane {

class Clock;

// One build, from the checks of the file list to the file summary: writes the script and the
// library project, runs both compilers, checks the space, moves the outputs to the destination
// and cleans up. It shows nothing itself: every question, text and pause goes to the reporter.
class BuildEngine
{
  public:
    BuildEngine(Platform &platform, const Clock &clock, BuildReporter &reporter);

    // entries: the whole file list in its order, with the selection; stringTable: its lines.
    BuildSummary run(const BuildOptions &options, const QList<ListEntry> &entries,
                     const QStringList &stringTable);

    // What the last compiler printed; kept from build to build, as a failure to start shows the
    // text of the tool run before it.
    QString capturedOutput() const { return m_captured; }

  private:
    using Icon = Message::Icon;
    using Owner = Message::Owner;
    using Id = Message::Id;
    using Line = BuildReporter::Line;
    using Bar = BuildReporter::Bar;
    using Panel = BuildReporter::Panel;

    bool lockProgramFolder(const QString &folder, std::unique_ptr<Platform::Lock> &lock);
    bool prepare();
    bool checkFiles();
    bool checkDestination();
    bool checkNamesAndPaths();
    bool openProgress();
    bool writeScript();
    void finish();
    void scriptsOnlyEnd();
    void compile();
    bool checkCompiler(const QString &path, bool resourceCompiler);
    bool compileStep(buildfailure::Step step, const QString &compiler, const QString &input);
    void compileFailure(BuildFailure failure, const QString &program, int exitCode);
    bool spaceCheck();
    void spaceFailure();
    bool move(const QStringList &sources);
    void moveFailure(const QStringList &sources, const QStringList &moved);
    void fileSummary();
    void printScript(const QString &script);
    void credits(int firstPause);
    void diskReport(bool adjusted);
    void removeWorkingOutputs();

    BuildReporter::Answer ask(Id id, Owner owner, const QString &caption, const QString &text,
                              Icon icon, int buttons = Message::Ok);
    void line(Line l, const QString &text) { m_reporter.setLine(l, text); }
    void setBar(Bar bar, int value);
    void setBarMaximum(Bar bar, int maximum);
    void setExecuteOnLoad(bool on);
    int selectedCount() const;
    QStringList paths() const;
    int firstEmptyEntry();
    void removeUnselected();

    Platform &m_platform;
    const Clock &m_clock;
    BuildReporter &m_reporter;

    BuildOptions m_options;
    QList<ListEntry> m_entries;
    QStringList m_stringTable;
    BuildSummary m_summary;
    QString m_captured;
    // The destination's free space when the build began; unknown when it could not be asked.
    std::optional<qint64> m_freeBefore;
    int m_selected = 0;
    // Each entry's size as checkFiles() saw it (-1 for a file that is no regular one), good until
    // the next box: the user may change the files while one is open.
    QList<qint64> m_checkedSizes;
    bool m_sizesFresh = false;
    int m_barValue[2] = {0, 0};
    int m_barMaximum[2] = {100, 100};
};

} // namespace tolvane
