#include "Platform.h"

#include <QDir>

namespace tolvane {

bool Platform::endsWithSeparator(const QString &text)
{
    return text.endsWith(QLatin1Char('/')) || text.endsWith(QDir::separator());
}

QString Platform::folderWithSeparator(const QString &folder)
{
    if (folder.isEmpty() || endsWithSeparator(folder))
        return folder;
    return folder + QLatin1Char('/');
}

} // namespace tolvane
