#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <sys/stat.h>

class QFile;

namespace tolvane::nativefile {

// File operations on names as the system knows them. QFile, QFileInfo and QDir hand a name to the
// system as UTF-8, so a name holding a byte that does not decode (kept by nativename::decode)
// reaches it as another name. These go through nativename::encode and the system's own calls, so
// every name that was listed can be opened, stated and removed again.

// open(2) on the name's bytes, close-on-exec, retried when a signal interrupts it; -1 and errno
// on failure.
int open(const QString &path, int flags, mode_t mode = 0);
// Opens a file for reading into file (which closes it); false when it cannot be opened or is a
// folder. Qt's reading then works as usual.
bool openForReading(QFile &file, const QString &path);
// The whole file; nothing when it cannot be read, and why then holds the system's reason.
std::optional<QByteArray> readAll(const QString &path, QString *why = nullptr);
// stat(2) (links followed) or lstat(2); nothing when there is nothing there.
std::optional<struct stat> status(const QString &path, bool followLinks = true);
// The last write time of a file that can be opened for reading; nothing otherwise.
std::optional<QDateTime> lastWriteTime(const QString &path);
// The path with every link resolved, as realpath(3) gives it; empty when nothing is there.
QString resolved(const QString &path);
// Where a write to path lands: its folder resolved, and a link in its place followed to what it
// names, even when that does not exist yet. The path as given when its folder cannot be resolved.
QString writeTarget(const QString &path);
// Creates the folder and every missing folder above it; true when the folder is there.
bool createFolder(const QString &path);
// rename(2) that never replaces: false, with errno EEXIST, when something has the new name.
bool renameWithoutReplacing(const QString &from, const QString &to);
// The system's text for an errno value.
QString errorText(int error);

} // namespace tolvane::nativefile
