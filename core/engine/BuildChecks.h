#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tolvane {

class Platform;

// Checks of the file list and of output paths that the build and the main window share.
namespace buildchecks {

// The first entry whose file holds exactly zero bytes (a size that cannot be read counts as not
// empty), or -1.
int firstEmptyFile(Platform &platform, const QStringList &paths);
// The first path holding a line break (or a zero character), which no script line can carry; -1
// when there is none.
int firstPathWithLineBreak(const QStringList &paths);
QString lineBreakMessage(const QString &path);
QString outsideFolderMessage(const QString &path);
// True when path names a file directly inside folder, after "." and ".." are resolved; an empty
// folder is the current one, where relative names land.
bool isDirectlyInside(const QString &path, const QString &folder);

} // namespace buildchecks

} // namespace tolvane
