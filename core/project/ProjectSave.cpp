#include "core/project/ProjectSave.h"

#include "core/ProjectFile.h"
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

QString ProjectSave::freeQuickSaveName(Platform &platform, const QString &programFolder,
                                       qint64 tickCount)
{
    qint32 number = ProjectFile::quickSaveNumber(tickCount);
    QString name = ProjectFile::quickSaveNameFor(programFolder, number);
    // A folder of that name counts as taken too: writing there would fail.
    while (platform.fileSize(name) >= 0) {
        number = qint32(quint32(number) + 1u);
        name = ProjectFile::quickSaveNameFor(programFolder, number);
    }
    return name;
}

int ProjectSave::moveInto(Platform &platform, const QString &from, const QString &to)
{
    if (!platform.fileExists(from))
        return -1;
    return platform.replaceFile(from, to) ? 0 : 1;
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
