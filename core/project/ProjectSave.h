#pragma once

#include <QStringList>

namespace tolvane {

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

    // The folder a quick save leaves the load dialog in: the program folder without its last
    // component; a root keeps its separator.
    static QString parentFolder(const QString &folder);
};

} // namespace tolvane
