#pragma once

#include "core/TextFile.h"

#include <QStringList>

namespace tolvane {

class Platform;

// The decisions of saving a list as a project file that need no window.
class ProjectSave
{
  public:
    enum class NameCheck
    {
        Ok,
        Blank, // the typed name holds a blank
        Dot    // the typed name holds a "." (the extension is ours to add)
    };
    static NameCheck checkName(const QString &name);
    // The one name a prompted save writes and moves: upper-cased name + ".TPF", in folder.
    static QString fileIn(const QString &folder, const QString &name);

    // The quick-save file: "PF" + the tick count / 333, or the next number up when a file of that
    // name exists already (two saves within a third of a second keep two files).
    static QString freeQuickSaveName(Platform &platform, const QString &programFolder,
                                     qint64 tickCount);

    // Outcomes of moving the written file into the chosen folder, as a tool's exit code would
    // give them: 0 moved, -1 the move could not start (no file to move), 1 it failed.
    static int moveInto(Platform &platform, const QString &from, const QString &to);

    // The folder a quick save leaves the load dialog in: the program folder without its last
    // component; a root keeps its separator.
    static QString parentFolder(const QString &folder);
};

} // namespace tolvane
