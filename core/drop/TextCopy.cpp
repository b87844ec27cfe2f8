#include "core/drop/TextCopy.h"
#include "core/TextFile.h"
#include "core/drop/DropRules.h"

namespace tolvane {

TextCopy::Result TextCopy::copy(Platform &platform, const QString &path, const QString &extension)
{
    Result r;
    r.target = DropRules::withExtension(path, extension);
    if (r.target == path) {
        r.outcome = Result::NameTaken;
        return r;
    }
    switch (platform.copyFile(path, r.target)) {
    case Platform::CopyResult::Copied:
        r.outcome = Result::Copied;
        break;
    case Platform::CopyResult::TargetExists:
        r.outcome = Result::NameTaken;
        break;
    case Platform::CopyResult::CannotOpen:
        r.outcome = Result::Failed;
        r.error = QStringLiteral("Cannot open file ") + path;
        break;
    case Platform::CopyResult::CannotCreate:
        r.outcome = Result::Failed;
        r.error = TextFile::cannotCreate(r.target);
        break;
    }
    return r;
}

QString TextCopy::nameTakenText(const QString &path)
{
    return QStringLiteral("A filename error occurred, while creating: \r") + path +
           QStringLiteral(" !");
}

} // namespace tolvane
