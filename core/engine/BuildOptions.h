#pragma once

#include <QString>

namespace tolvane {

// Everything a build reads from the settings, as plain values: the windows fill it from their
// controls, a command-line build from the registry or its options.
struct BuildOptions
{
    QString scriptName;
    QString libraryName;
    QString resName;        // the name used when exactly one entry is selected
    int prefixPosition = 0; // position in the identifier prefix list; 22 is "#"
    QString destination;    // the destination folder text
    QString compiler1;      // the resource compiler
    QString compiler2;      // the library compiler
    QString programFolder;  // where the outputs are made
    QString tempFolder;     // the script's folder without a settings key, ending in a separator
    bool settingsKeyExists = true;
    bool scriptsOnly = false;
    bool autoSort = false;
    bool fileInfo = false;
    bool hideOnBuild = false;
    bool sounds = false;
    bool summary = false;
    bool keepProject = false; // keep the library project in the destination
    bool classes = true;
    bool windowsUnit = true;
    bool dialogs = false;
    bool highColour = true; // the busy lamp is shown only on a display of more than 15 bits
    // Where the files came from: a removable disk taken out since is noticed.
    bool dropFlag = false;
    QString lastAddedPath;
};

} // namespace tolvane
