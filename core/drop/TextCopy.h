#pragma once

#include "platform/Platform.h"

#include <QString>

namespace tolvane {

// A copy of a text file beside it under another extension (notes.txt gives notes.pas). The
// user's file is only read, never renamed or moved, so no failure can leave it under another name.
class TextCopy
{
  public:
    struct Result
    {
        enum Outcome
        {
            Copied,
            NameTaken, // a file of the new name exists: nothing was changed
            Failed     // the source could not be read or the copy not written
        };
        Outcome outcome = Copied;
        QString target;
        QString error; // for Failed: the text the user sees
    };

    // extension with its dot, e.g. ".pas".
    static Result copy(Platform &platform, const QString &path, const QString &extension);
    // The message for a taken name.
    static QString nameTakenText(const QString &path);
};

} // namespace tolvane
