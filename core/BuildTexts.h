#pragma once

#include <QString>

namespace tolvane {

// The texts a build shows that can be formed without windows.
namespace buildtexts {

// The status line while the resource compiler runs; empty for 100 to 249 entries (keep the text).
QString processingText(int selectedCount);
// The empty-file question of the build and of Select All.
QString zeroByteQuestion(const QString &path);
QString recentDirectoryMessage(const QString &currentFolder);
QString configurationProblem(bool resourceCompiler, const QString &path);
struct SummarySizes
{
    qint64 script, resource, library, project;
};
QString fileSummary(const QString &scriptName, const QString &libraryName,
                    const SummarySizes &sizes, const QString &totalText,
                    const QString &destinationScriptName);
QString spaceFailure(const QString &destinationFolder, const QString &totalText,
                     const QString &freeText);
QString credit();
QString ownership();
QString contact();

} // namespace buildtexts

} // namespace tolvane
