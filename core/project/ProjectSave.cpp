#include "core/project/ProjectSave.h"

#include "platform/Platform.h"

namespace tolvane {

ProjectSave::NameCheck ProjectSave::checkName(const QString &name)
{
    if (name.contains(QLatin1Char(' ')))
        return NameCheck::Blank;
    if (name.contains(QLatin1Char('.')))
        return NameCheck::Dot;
    return NameCheck::Ok;
}

QString ProjectSave::fileIn(const QString &folder, const QString &name)
{
    return Platform::folderWithSeparator(folder) + name.toUpper() + QStringLiteral(".TPF");
}

QString ProjectSave::parentFolder(const QString &folder)
{
    int cut = -1;
    for (int i = int(folder.size()) - 1; i >= 0; --i) {
        if (folder.at(i) == QLatin1Char('/') || folder.at(i) == QLatin1Char('\\')) {
            cut = i;
            break;
        }
    }
    if (cut < 0)
        return QString();
    // A root ("/", "C:\") keeps its separator.
    if (cut == 0 || (cut == 2 && folder.at(1) == QLatin1Char(':')))
        return folder.left(cut + 1);
    return folder.left(cut);
}

} // namespace tolvane
