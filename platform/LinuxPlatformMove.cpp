// The file moves, copies, renames and space queries of the Linux side, on the checked calls of
// FileMove.
#include "platform/FileMove.h"
#include "platform/FolderLock.h"
#include "platform/LinuxPlatform.h"

namespace tolvane {

std::optional<qint64> LinuxPlatform::freeSpace(const QString &path)
{
    const auto space = filemove::spaceOf(path);
    if (!space)
        return std::nullopt;
    return space->freeBytes;
}

std::optional<qint64> LinuxPlatform::blockSize(const QString &folder)
{
    const auto space = filemove::spaceOf(folder);
    if (!space || space->blockSize <= 0)
        return std::nullopt;
    return space->blockSize;
}

bool LinuxPlatform::renameFile(const QString &from, const QString &to)
{
    return !from.isEmpty() && !to.isEmpty() &&
           filemove::moveTo(from, to) == filemove::Outcome::Done;
}

bool LinuxPlatform::replaceFile(const QString &from, const QString &to)
{
    return !from.isEmpty() && !to.isEmpty() && filemove::replace(from, to);
}

Platform::CopyResult LinuxPlatform::copyFile(const QString &from, const QString &to)
{
    switch (filemove::copyTo(from, to)) {
    case filemove::Outcome::Done:
        return CopyResult::Copied;
    case filemove::Outcome::SourceMissing:
        return CopyResult::CannotOpen;
    case filemove::Outcome::NameTaken:
        return CopyResult::TargetExists;
    case filemove::Outcome::Failed:
        break;
    }
    return CopyResult::CannotCreate;
}

QStringList LinuxPlatform::moveFiles(const QStringList &sources, const QString &destinationFolder)
{
    QStringList results;
    for (const QString &source : sources)
        results << (source.isEmpty() || destinationFolder.isEmpty()
                        ? QString()
                        : filemove::moveInto(source, destinationFolder));
    return results;
}

std::unique_ptr<Platform::Lock> LinuxPlatform::lockFolder(const QString &folder, LockState *state)
{
    return FolderLock::take(folder.isEmpty() ? QStringLiteral(".") : folder, state);
}

} // namespace tolvane
