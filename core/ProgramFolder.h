#pragma once

#include <QString>

namespace tolvane {

// The program folder that setup creates, and the guard on removing it again.
class ProgramFolder
{
  public:
    // Setup leaves this file in the folder it made; uninstall deletes only such a folder.
    static QString markerName() { return QStringLiteral(".tolvane-program-folder"); }
    // Why the folder must not be deleted, or empty when it may: never the file system's root,
    // the user's home or a folder above it, and never a folder setup did not make.
    static QString removalRefusal(const QString &folder, const QString &home, bool hasMarker);
};

} // namespace tolvane
