#pragma once

#include "tools/common/Toolbox.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace tolvane::tools {

struct ScriptProblem
{
    int line = 0;
    QString message;
};

// A file that a resource line names, as written and as found.
struct ScriptFile
{
    int line = 0;
    QString written;
    QString path; // absolute
    FileStatus status;
    // What the compiler is handed: the path itself, or the name of a link to it (linkName(n))
    // where the compiler would read the path another way than it is meant.
    QString handed;
    bool linked = false;
};

struct CheckedScript
{
    QList<ScriptProblem> problems;
    // "TYPE:ID" of each resource line (STRINGTABLE:number for table lines) to its line number.
    QMap<QString, int> lineOfId;
    QList<ScriptFile> files;
    // The script as the compiler gets it: C comments blanked, lines kept, and each file name
    // replaced by what the compiler is handed for it; the caller makes the links.
    QString compilable;
};

// The resource-script side of the resource compiler: removes ';' comments (outside strings and C
// comments), and checks what llvm-rc would report without a line number: files named by
// resource lines, the shape of icons, cursors and bitmaps, and string table lines.
class ScriptCheck
{
  public:
    // Text with every ';' comment removed; the lines stay where they are.
    static QString stripComments(const QString &text);
    // Checks the stripped script. Relative file names are looked up in searchFolders in order.
    static CheckedScript check(const QString &stripped, const QStringList &searchFolders);
    static QString linkName(int index);
    // The files of a checked script that cannot be opened for reading now, each with why: asked
    // after the compiler failed, so that the message names the file rather than the compiler's
    // guess.
    static QList<ScriptProblem> unreadableFiles(const QList<ScriptFile> &files);
    // True when the compiler would not read the path as it is inside a quoted file name: a
    // quote, a backslash, a control character, a comment's start, a byte that is not UTF-8.
    static bool needsLink(const QString &path);
    // Empty when the data is a usable icon (wantType 1) or cursor (2) file, else the reason.
    // head is the file's start, at least its directory; fileSize the whole file's size.
    static QString iconProblem(const QByteArray &head, qint64 fileSize, int wantType);
    static QString iconProblem(const QByteArray &data, int wantType)
    {
        return iconProblem(data, data.size(), wantType);
    }
    static QString bitmapProblem(const QByteArray &head, qint64 fileSize);
    static QString bitmapProblem(const QByteArray &data)
    {
        return bitmapProblem(data, data.size());
    }
    // How much of a file's start the shape checks need at most.
    static constexpr qint64 headBytes = 6 + 16 * 65535;
};

} // namespace tolvane::tools
