#pragma once

#include <QStringList>

// The orders in which the settings are written, as the windows and setup must keep them, written
// out here once for the settings and window tests.
namespace tolvane::test {

inline QStringList toolWindowCloseOrder()
{
    return {"Script Name",    "Library Name",     "Res Name",       "Filter Type",
            "Recent Folder",  "TempDir1",         "TempDir2",       "Recent Local",
            "Script Type",    "Prompt Res ID",    "Prompt Recurse", "Prompt Name",
            "Prompt Not",     "Prompt FileInfo",  "Prompt Drag",    "Prompt Close",
            "Prompt Sound",   "Prompt Auto Sort", "Prompt ReName",  "Prompt Summary",
            "Prompt Compile", "Prompt Position",  "Prompt sHint",   "Prompt Class",
            "Prompt Window",  "Prompt Dialog",    "Color",          "Font",
            "hColor",         "hFColor"};
}

inline QStringList setupOrder()
{
    return {"Tolvane minor Version",
            "Tolvane Release",
            "Company Name",
            "Delphi",
            "Delphi Version",
            "Install Date",
            "Compiler1",
            "Compiler2",
            "Program Folder",
            "TempDir1",
            "TempDir2",
            "Recent Folder",
            "Prompt Res ID",
            "Recent Local",
            "Script Name",
            "Library Name",
            "Res Name",
            "Script Type",
            "Prompt Recurse",
            "Prompt Name",
            "Prompt Not",
            "Prompt Drag",
            "Prompt FileInfo",
            "Prompt Close",
            "Prompt Sound",
            "Prompt Auto Sort",
            "Prompt ReName",
            "Prompt Summary",
            "Prompt Compile",
            "Prompt sHint",
            "Prompt Class",
            "Prompt Window",
            "Prompt Dialog",
            "Prompt Position",
            "Color",
            "Font",
            "hColor",
            "hFColor",
            "Main Left",
            "Main Top",
            "Tool Left",
            "Tool Top"};
}

} // namespace tolvane::test
