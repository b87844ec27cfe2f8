#pragma once

#include "platform/Platform.h"

#include <QString>
#include <optional>

namespace tolvane::filemove {

// Moving, copying and renaming files without ever losing one. Every name is taken atomically
// (a rename that does not replace, or a hard link), so a file that appears meanwhile is never
// overwritten, and a link at the target is a name that is taken, never a way out of the folder.
// A copy across file systems goes to an unnamed or temporary file in the target folder, every
// write and the flush checked, and only a whole copy gets its name; the source goes last.

enum class Outcome
{
    Done,
    SourceMissing, // the source is not a regular file that can be read
    NameTaken,     // the exact name asked for is there (a dangling link counts)
    Failed         // the folder cannot be used or the file cannot be written there
};

// Moves a file into folder under its own name or, when that is taken, the first free
// "NAME (2).EXT", "NAME (3).EXT" ... A file that already lies in folder stays as it is. Returns
// where it is now; empty when it failed, and then the source is where it was and nothing of it
// is in folder.
QString moveInto(const QString &source, const QString &folder);

// Moves a file to exactly this name, never replacing anything there.
Outcome moveTo(const QString &from, const QString &to);

// Copies a file to exactly this name, never replacing anything there; the copy appears whole or
// not at all.
Outcome copyTo(const QString &from, const QString &to);

// Moves a file onto a name, replacing what is there whole or not at all.
bool replace(const QString &from, const QString &to);

// The name "NAME.EXT" takes for its n-th try: itself, then "NAME (n).EXT".
QString numberedName(const QString &fileName, int n);

struct Space
{
    qint64 freeBytes = 0; // what an ordinary user may still write
    qint64 blockSize = 0; // the unit a file's data is allocated in
};
// The space of the file system that holds path, asked of path itself (no mount table needed).
std::optional<Space> spaceOf(const QString &path);

} // namespace tolvane::filemove
