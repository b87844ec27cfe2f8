#pragma once

#include <QString>
#include <QStringList>

namespace tolvane {

class Platform;

// What uninstall may delete of the program folder, decided before anything is deleted.
struct RemovalPlan
{
    enum Kind
    {
        Missing,     // nothing there: say so, delete nothing
        Refused,     // never deleted (a drive's root, the home folder): say why, delete nothing
        WholeFolder, // setup created it: the folder with everything in it
        SetupItems   // the folder was there before setup: only what setup put into it
    };
    Kind kind = Missing;
    QString message;   // why nothing was deleted, or why the folder was kept
    QString folder;    // the folder the setting names, with its links resolved
    QStringList trees; // folders to delete with everything in them, each confirmed
    QStringList files; // files to delete (the manual, the link the setting names)
};

// The program folder that setup creates, and the guard on removing it again.
class ProgramFolder
{
  public:
    // Setup leaves this file in each folder it made itself; only a folder holding it is deleted
    // whole.
    static QString markerName() { return QStringLiteral(".tolvane-program-folder"); }
    // In a folder that was there before setup, this file says that the manual beside it is
    // setup's; without it a file of the manual's name is the user's.
    static QString manualMarkerName() { return QStringLiteral(".tolvane-manual"); }
    // The files setup puts into the main folder besides its subfolder.
    static QStringList setupFiles();

    // Decides from the folder as it is on disk, links resolved: folder is the main folder,
    // projects its projects subfolder, home the user's home folder.
    static RemovalPlan removalPlan(Platform &platform, const QString &folder,
                                   const QString &projects, const QString &home);
};

} // namespace tolvane
