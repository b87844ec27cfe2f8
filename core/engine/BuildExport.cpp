// The end of a compiled build: the space check, the move to the destination, the file summary
// and its print copy.
#include "core/BuildTexts.h"
#include "core/FileTexts.h"
#include "core/Product.h"
#include "core/engine/BuildEngine.h"
#include "platform/Platform.h"

#include <QFileInfo>

namespace tolvane {

namespace {
const QString productTitle = product::title();
} // namespace

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
            Icon::Information, Message::Yes | Message::No) == BuildReporter::Yes)
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

// The outputs must fit the destination as its file system stores them: in whole blocks, so a
// file of 11,264 bytes takes 12,288 where blocks are 4,096. An output already in the destination
// (the program folder chosen as destination) takes nothing more. When the free space is unknown
// the move's own checks decide.
bool BuildEngine::spaceCheck()
{
    const OutputNames &n = m_summary.names;
    const qint64 block = qMax<qint64>(1, m_platform.blockSize(m_options.destination).value_or(1));
    const QString destination = m_platform.canonicalFolder(n.destinationFolder);
    m_summary.needed = 0;
    const QList<QPair<qint64, QString>> outputs = {{m_summary.scriptSize, n.workingScript},
                                                   {m_summary.resourceSize, n.workingResource},
                                                   {m_summary.librarySize, n.workingLibrary},
                                                   {m_summary.projectSize, n.workingProject}};
    for (const auto &[size, path] : outputs) {
        const bool there = !destination.isEmpty() &&
                           m_platform.canonicalFolder(QFileInfo(path).path()) == destination;
        if (size > 0 && !there)
            m_summary.needed += (size + block - 1) / block * block;
    }
    if (!m_freeBefore || m_summary.needed <= *m_freeBefore)
        return true;
    spaceFailure();
    return false;
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
                                 FileTexts::totalSizeText(m_summary.needed),
                                 FileTexts::totalSizeText(m_freeBefore.value_or(0))),
        Icon::Warning, Message::Abort);
    m_reporter.pause(1000);
    line(Line::Msg3, QString());
    line(Line::Msg4, QStringLiteral("Press the close button to reset application!"));
    m_reporter.pause(1000);
    m_reporter.setIdentity(productTitle, QStringLiteral("logo"));
}

} // namespace tolvane
