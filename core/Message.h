#pragma once

#include <QString>

namespace tolvane {

// One message box or question of a core sequence (the build, the drop, the project files, setup),
// as the user is to see it. The id lets a reporter without windows answer by policy.
struct Message
{
    enum class Id
    {
        InvalidLink,
        ResIdConflict,
        EmptyFile,
        SameNames,
        NoDestination,
        RecentDirectory,
        RemoveUnselected,
        BadName,
        BadPath,
        MissingProgramFolder,
        InvalidLocation,
        SameFolder,
        ScriptNotWritten,
        ConfigurationProblem,
        ProjectNotWritten,
        CompileError,
        SpaceFailure,
        MoveFailed,
        FileSummary,
        InvalidDrive,
        PrintFailed,
        FolderNotCreated,
        SetupStepFailed,
        ManualKept,
        SetupComplete,
        KeyNotRemoved,
        ProgramFolderNotFound,
        RemovalRefused,
        ConfirmFolderDelete,
        FolderKept,
        RemovalAborted,
        BuildRunning, // another build holds the program folder
        // The drop, the project load and the saves.
        SelectedEntries,
        ResetFilter,
        ClearList,
        ProjectNoData,
        ProjectMissing,
        ProjectUnreadable,
        ProjectNotText,
        NothingAdded,
        Duplicate,
        FoldersUnread,
        NameTaken,
        CopyFailed,
        RenameFailed,
        RenamedToBackup,
        NoValidLinks,
        SomeInvalid,
        ProjectUpdated,
        RepairFailed,
        BlankName,
        DotName,
        ReplaceProject,
        SaveFailed,
        Saved,
        NoProjectsFolder
    };
    enum class Icon
    {
        None,
        Information,
        Warning,
        Error,
        Question
    };
    enum Button
    {
        Ok = 1,
        Yes = 2,
        No = 4,
        Abort = 8,
        Cancel = 16
    };
    enum class Style
    {
        Box,    // caption, icon and buttons as given
        Dialog, // a message dialog, titled by its icon's type
        Plain   // a plain message with an OK button
    };
    enum class Owner
    {
        None,
        FileList,
        MainWindow,
        ToolWindow,
        BesideToolWindow, // no owner, placed left of and below the tool window's top left
        SetupWizard,
    };

    Id id = Id::InvalidLink;
    QString caption;
    QString text; // line breaks are single carriage returns
    Icon icon = Icon::None;
    int buttons = Ok;
    Owner owner = Owner::None;
    Style style = Style::Box;
    // Both windows take no input while the box shows.
    bool windowsDisabled = false;
};

} // namespace tolvane
