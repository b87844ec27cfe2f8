#pragma once

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
};

struct CheckedScript
{
    QList<ScriptProblem> problems;
    // "TYPE:ID" of each resource line (STRINGTABLE:number for table lines) to its line number.
    QMap<QString, int> lineOfId;
    QList<ScriptFile> files;
    // The script as the compiler gets it: C comments blanked, lines kept, and the n-th file name
    // replaced by linkName(n), which the caller makes a link to files[n].path.
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
    // Empty when the data is a usable icon (wantType 1) or cursor (2) file, else the reason.
    static QString iconProblem(const QByteArray &data, int wantType);
    static QString bitmapProblem(const QByteArray &data);
};

} // namespace tolvane::tools
