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

// The resource-script side of the resource compiler: removes ';' comments (outside strings and C
// comments), and checks what llvm-rc would report without a line number: files named by
// resource lines, the shape of icons, cursors and bitmaps, and string table lines.
class ScriptCheck
{
  public:
    // Text with every ';' comment removed; the lines stay where they are.
    static QString stripComments(const QString &text);
    // Checks the stripped script. Relative file names are looked up in searchFolders in order.
    static QList<ScriptProblem> check(const QString &stripped, const QStringList &searchFolders,
                                      QMap<QString, int> *lineOfId = nullptr);
    // Empty when the data is a usable icon (wantType 1) or cursor (2) file, else the reason.
    static QString iconProblem(const QByteArray &data, int wantType);
    static QString bitmapProblem(const QByteArray &data);
};

} // namespace tolvane::tools
