#include "core/project/ProjectLoad.h"

#include "core/FileList.h"
#include "core/ProjectFile.h"
#include "platform/Platform.h"

#include <algorithm>

namespace tolvane {

ProjectOpen ProjectLoad::open(Platform &platform, const QString &path)
{
    ProjectOpen result;
    const Platform::PathState state = platform.pathState(path);
    if (state.kind == Platform::PathState::File && state.size == 0) {
        result.outcome = ProjectOpen::NoData;
        return result;
    }
    if (state.kind != Platform::PathState::File) {
        result.outcome = ProjectOpen::Missing;
        return result;
    }
    const std::optional<QByteArray> bytes = platform.readFile(path);
    if (!bytes) {
        result.outcome = ProjectOpen::Unreadable;
        return result;
    }
    if (bytes->isEmpty()) {
        result.outcome = ProjectOpen::NoData;
        return result;
    }
    // Whatever follows a zero byte would be lost without a word, and a repair would then erase
    // it: such a file is not taken at all.
    if (bytes->contains('\0')) {
        result.outcome = ProjectOpen::NotText;
        return result;
    }
    result.lines = ProjectFile::parse(*bytes);
    const QString folder = folderOf(path);
    result.entries.reserve(result.lines.size());
    for (const QString &line : result.lines)
        result.entries << resolve(folder, line);
    result.outcome = ProjectOpen::Loaded;
    return result;
}

QStringList ProjectLoad::sorted(QStringList entries)
{
    FileList::sort(entries);
    return entries;
}

QString ProjectLoad::resolve(const QString &folder, const QString &line)
{
    if (line.isEmpty() || line.startsWith(QLatin1Char('/')) || folder.isEmpty())
        return line;
    return Platform::folderWithSeparator(folder) + line;
}

QString ProjectLoad::folderOf(const QString &path)
{
    const int slash = int(path.lastIndexOf(QLatin1Char('/')));
    return slash < 0 ? QString() : path.left(slash + 1);
}

QString ProjectLoad::backupName(const QString &path)
{
    const QString folder = folderOf(path);
    const QString name = path.mid(folder.size());
    const int dot = int(name.lastIndexOf(QLatin1Char('.')));
    return folder + (dot > 0 ? name.left(dot) : name) + QStringLiteral(".bck");
}

} // namespace tolvane
