#pragma once

#include <QString>
#include <QStringList>

namespace tolvane {

// The texts a build shows that can be formed without windows.
namespace buildtexts {

// The status line while the resource compiler runs; empty for 100 to 249 entries (keep the text).
QString processingText(int selectedCount);
// The empty-file question of the build and of Select All.
QString zeroByteQuestion(const QString &path);
// The box of a destination that is not there; names the folder when one was given.
QString noDestination(const QString &missingFolder);
// The box of a build that finds another one at work in its program folder.
QString buildRunning(const QString &programFolder);
// The current folder as it is spelled, where the next build goes.
QString recentDirectoryMessage(const QString &currentFolder);
QString configurationProblem(bool resourceCompiler, const QString &path);
struct SummarySizes
{
    qint64 script, resource, library, project;
};
// Names the files as they arrived in the destination (a collision gives "Art (2).rc").
struct SummaryFiles
{
    QString script, resource, library, project;
};
QString fileSummary(const SummaryFiles &files, const SummarySizes &sizes, const QString &totalText,
                    const QString &destinationScriptName);
// The outputs a failed move left behind, one full path a line.
QString moveFailed(const QString &destinationFolder, const QStringList &kept);
// The error text of a compiler that printed nothing: how it ended.
QString silentTool(const QString &program, int exitCode);
QString spaceFailure(const QString &destinationFolder, const QString &totalText,
                     const QString &freeText);
QString credit();
QString ownership();
QString contact();

} // namespace buildtexts

} // namespace tolvane
