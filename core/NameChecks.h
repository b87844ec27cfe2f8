#pragma once

#include <QString>

namespace tolvane {

class NameChecks
{
  public:
    // True when the whole text reads as a 32-bit integer other than -1: leading blanks, then
    // decimal digits with an optional sign, or "$" and hexadecimal digits. Such a library name
    // is refused, as the library compiler cannot take a name that starts with a digit.
    static bool isNumericName(const QString &text);
    // Why a script or library name cannot name a file in the program folder: a folder separator,
    // "..", a control character or a character a Windows file name cannot hold. Empty when the
    // name will do (an empty name is filled in by the build).
    static QString fileNameProblem(const QString &name);
    // "Available space on drive '<root>' <bytes> Bytes".
    static QString diskLabel(const QString &root, qint64 freeBytes, bool lowerBytes = false);
};

} // namespace tolvane
