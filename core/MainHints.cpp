#include "core/MainHints.h"

namespace tolvane::mainhints {

QString firstRunText()
{
    return QStringLiteral("Tolvane is not set up yet: press \"Paths...\" to find the "
                          "compilers\rand make the program folder.");
}

namespace {
Hint hinted(const State &s, const QString &text)
{
    Hint h;
    if (s.hintsOn)
        h.status = text;
    return h;
}
} // namespace

Hint forControl(Control control, const State &s)
{
    switch (control) {
    case Control::Background: {
        Hint h;
        // An empty list says nothing, unless nothing is set up yet: then it says where to start.
        if (s.listCount == 0)
            h.status = s.keyExists ? QString() : firstRunText();
        else
            h.status =
                QStringLiteral("Click on individual files to show file's property.\rHold-down "
                               "CTRL-KEY and click on items to deselect.");
        return h;
    }
    case Control::SelectAll:
        return hinted(s,
                      QStringLiteral("(Alt+A) Selects && auto-scrolls all files in the list..."));
    case Control::Invert:
        return hinted(s, QStringLiteral("(Alt+V) Inverts currently selected file(s)."));
    case Control::ClearItems:
        return hinted(s,
                      QStringLiteral("(Alt+E) Clears highlighted ( Selected ),files from list."));
    case Control::Tools:
        return hinted(s, QStringLiteral("(Alt+T) Displays program's Tool Window..."));
    case Control::ClearAll: {
        Hint h = hinted(s, QStringLiteral("(Alt+C) Removes all items from list at one time!\r"
                                          "(Resets) all items in the files list."));
        h.toolTip = QStringLiteral("Dragons be gone... ");
        h.toolTipTime = 5000;
        return h;
    }
    case Control::Paths: {
        Hint h;
        if (!s.keyExists)
            h.status = QStringLiteral(
                "(Alt+P) Setup the program's command line to interface\rwith the Borland family of "
                "command line compilers, press here\rto open the setup dialog for command line "
                "parameters (Optional).");
        else if (s.hintsOn)
            h.status = QStringLiteral(
                "(Alt+P) Displays the directory of Brcc32/Dcc32 compilers.\rRight-click to open "
                "current destination folder via Tools Window.\rOpen setup dialog for program "
                "uninstallation and or modifications.");
        h.toolTip = s.keyExists ? QStringLiteral("Compilers on line ")
                                : QStringLiteral("Compilers off line ");
        h.toolTipTime = 8000;
        return h;
    }
    case Control::Build: {
        Hint h = hinted(s, QStringLiteral("(Alt+B)...Executes program...(Dual function)\rdiplays "
                                          "multiple hint messages pending Tool window settings."));
        h.toolTip = QStringLiteral("To: ") + s.destination;
        if (s.hintsOn)
            h.toolTipTime = 7000;
        return h;
    }
    case Control::SaveList: {
        Hint h = hinted(
            s, s.quickSave
                   ? QStringLiteral(
                         "(Alt+L) When file(s) are loaded into the program, use this\rbutton to "
                         "save the(Selected) list as a favorite. Current mode\rwill stored file "
                         "to the projects folder as a(.tpf) file.")
                   : QStringLiteral(
                         "(Alt+L) When file(s) are loaded into the program, use this\rbutton to "
                         "save the(Selected) list as a favorite. Current mode\rwill use the Save "
                         "dialog box, to name and store file anywhere."));
        h.toolTip = s.saveTipOff  ? QString()
                    : s.quickSave ? QStringLiteral("Will create unique file name for project file ")
                                  : QStringLiteral("Will prompt for name of project file");
        return h;
    }
    case Control::List:
        if (s.listCount != 0)
            return {};
        // Before setup the empty list keeps saying where to start, hints on or off.
        if (!s.keyExists) {
            Hint h;
            h.status = firstRunText();
            return h;
        }
        return hinted(s, QStringLiteral(
                             "Drag file(s) or folders from anywhere to auto load, or use the\rdrop "
                             "down menu to load both Resource type && project(.tpf) files.\rDrag "
                             "files types (.pas),(.dpr) and (.rc) to program to copy as text."));
    case Control::ExecuteOffLamp: {
        Hint h;
        h.status = QStringLiteral("Displays Execute-on-drop status, Green active' Clear inactive.");
        return h;
    }
    case Control::Lamp: {
        Hint h;
        h.toolTipTime = 8000;
        return h;
    }
    }
    return {};
}

} // namespace tolvane::mainhints
