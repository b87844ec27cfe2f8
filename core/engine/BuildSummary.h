#pragma once

#include "core/OutputNames.h"
#include "core/engine/BuildFailure.h"

#include <QStringList>
#include <optional>

namespace tolvane {

// What one build did: how it ended, and the files it made and moved.
struct BuildSummary
{
    enum class End
    {
        Stopped, // a check stopped it before anything was written
        ScriptNotWritten,
        ScriptsOnly, // the script was exported
        ConfigurationProblem,
        ProjectNotWritten,
        CompileFailed, // see failure
        SpaceFailure,
        MoveFailed,
        Compiled // every output exported
    };

    End end = End::Stopped;
    std::optional<BuildFailure> failure;
    bool errorFlag = false;
    bool unselectedNote = false;
    OutputNames names;
    // Where the script, library project, resource file and library went, in that order; empty
    // for a file that did not move.
    QStringList moved;
    // The outputs a failed move left where they were made.
    QStringList kept;
    qint64 scriptSize = -1, resourceSize = -1, projectSize = -1, librarySize = -1;
    qint64 total = 0;
    // The space they take on the destination: whole blocks of its file system.
    qint64 needed = 0;
    // The file list as the build left it (entries removed by its questions are gone).
    QStringList listPaths;

    bool succeeded() const { return end == End::ScriptsOnly || end == End::Compiled; }
};

} // namespace tolvane
