#include "core/ToolHints.h"

namespace tolvane::toolhints {

QString helpToolTip()
{
    return QStringLiteral("Consult topic \"Creating the script\" in the help manual...\nYou can "
                          "also right click in this area to open the manual.");
}

namespace {
// A text of the hint line: some always show, the others only while hints are on.
Hint line(const State &s, const QString &text, bool always = false)
{
    Hint h;
    if (always || s.hintsOn)
        h.line = text;
    return h;
}

Hint withTip(Hint h, const QString &tip, int ms)
{
    h.toolTip = tip;
    h.toolTipTime = ms;
    return h;
}
} // namespace

Hint forControl(Control control, const State &s)
{
    switch (control) {
    case Control::ScriptNameCaption:
        return line(s, QStringLiteral("Enter the script's name in this field"), true);
    case Control::ScriptName:
        return line(s, QStringLiteral("Enter script's name here"));
    case Control::ResNameHelp: {
        Hint h = line(
            s, QStringLiteral("This field assigns the \"ResName\" when processing single files."));
        h.toolTipTime = 20000;
        return h;
    }
    case Control::HelpPanel: {
        Hint h;
        h.toolTip = QStringLiteral("Consult topic \"ResName/ResId\" in the help manual...\nYou can "
                                   "also right click in this area to open the manual.");
        h.toolTipTime = 20000;
        if (s.hintsOn)
            h.helpToolTip =
                QStringLiteral("Consult the help manual on topics related to this section.");
        return h;
    }
    case Control::DestinationCaption:
        return line(
            s, QStringLiteral("All project files are moved to this location after compilation"));
    case Control::DestinationList: {
        Hint h;
        if (s.keyExists && s.destinations >= 2) {
            h.toolTip = QStringLiteral(
                "All progam files are moved from the program folder to the location\nentered in "
                "this field. Right click to remove all saved directories...\nRight-click in this "
                "window to remove all saved directories.");
            h.toolTipTime = 30000;
        } else {
            h.toolTip = QStringLiteral(
                "All program files, are moved from the program\nfolder to the location entered in "
                "this field...\nRight-click in this window, to remove all saved directories.");
        }
        return h;
    }
    case Control::Browse:
        return line(s, QStringLiteral(
                           "Selects the destination directory right-click to open current folder"));
    case Control::HintLine:
        return line(s, QStringLiteral(".....Tolvane version 3.06b. Beta release....."), true);
    case Control::OptionsGroup:
        return line(s, QString(56, QLatin1Char('.')), true);
    case Control::FileInfo:
        return line(
            s, QStringLiteral("Inserts the file sizes and dates of each file into the script"));
    case Control::Sounds:
        return line(s, QStringLiteral(
                           "Enables audible prompts on button clicks and some error messages..."));
    case Control::ExecuteOnLoad:
        return line(s, QStringLiteral("Starts to compile file(s) upon loading."));
    case Control::Repair:
        return withTip(
            line(s, QStringLiteral(".......Repairs corrupt project files (Recommended)")),
            QStringLiteral("Removes invalid file names from project (.TPF) files.\nRenames "
                           "file extension to(.BCK) pending no existing links."),
            20000);
    case Control::AutoSort:
        return withTip(line(s, QStringLiteral("Automatically removes unselected items from File "
                                              "List, upon execution.")),
                       QStringLiteral("Sorts files in the list before, program executes."), 20000);
    case Control::PromptedSave:
        return withTip(
            {}, QStringLiteral("Prompts for file name and location upon creating project files."),
            20000);
    case Control::QuickSave:
        return withTip(
            {},
            QStringLiteral("Creates a unique file name for project file.Files are\nsaved to the ") +
                s.programFolder.toLower() + QStringLiteral("\\projects folder."),
            20000);
    case Control::DropFilterCaption:
        return withTip(line(s, QStringLiteral("Selects the file filter type.")),
                       QStringLiteral("Sets the filter mask of all files and folders dragged onto "
                                      "program.\nAlso corresponds with that of the \"Add Files\" "
                                      "menu file filters..."),
                       20000);
    case Control::KeepProject:
        return line(
            s, QStringLiteral(
                   "Saves a copy of the Delphi Project (.dpr) file to disk after compilation"));
    case Control::Summary:
        return line(
            s, QStringLiteral(
                   "Displays file info after project build and prompts printing of script file."));
    case Control::ScriptsOnly:
        return withTip(line(s, QStringLiteral("Disables compilation' will write scripts only.")),
                       QStringLiteral("Check mark here, to disable compilation of (.DPR)\nRes File "
                                      "and library files, program will only write the script."),
                       50000);
    case Control::Hints:
        return line(s, QStringLiteral("Click here to disable \" Tolvane Hints \" both windows"),
                    true);
    case Control::HideOnBuild:
        return line(s, QStringLiteral("Hides program's Main && Tool Windows during execution..."));
    case Control::Recurse:
        return withTip(
            line(s, QStringLiteral(
                        "Loads contents of additional subdirectories (if any) upon folder drag.")),
            QStringLiteral("When dragging folder(s) onto program, engaging this control\nwill "
                           "include all subdirectories in the search path. Use caution\nnot to "
                           "exceed the system's resources while using this method!"),
            50000);
    case Control::HintBackground:
        return line(
            s, QStringLiteral("Changes hint background color (Right-click) button for default"));
    case Control::HintText:
        return line(s, QStringLiteral("...Changes hint text color..."));
    case Control::WindowColour:
        return line(
            s, QStringLiteral("Sets window color of all screens right-click for window color..."));
    case Control::FontColour:
        return line(s, QStringLiteral("Sets the font color of all windows..."));
    case Control::UnitsGroup:
        return line(s, QString(49, QLatin1Char('.')));
    case Control::UnitsCaption:
        return withTip({}, QStringLiteral("Check the units to include into (DLL'S) uses section."),
                       50000);
    case Control::LibraryName:
        return line(s, QStringLiteral(".........Assign name to (DLL) here.........."));
    case Control::IdleLamp:
        return line(s, QStringLiteral("Tool status indicator' Red = busy ,Clear = free"));
    case Control::Close:
        return line(s, QStringLiteral(".......Close Tool Window........"), true);
    }
    return {};
}

} // namespace tolvane::toolhints
