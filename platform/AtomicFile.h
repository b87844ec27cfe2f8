#pragma once

#include <QByteArray>
#include <QString>

namespace tolvane {

// Writes a file whole or not at all: the bytes go to a new file beside the old one, which takes
// the old one's place only when every byte reached the disk. A full disk or any other failed
// write leaves the old file as it was. The name is handed to the system as its bytes, and a link
// in its place stays a link: what it names is replaced.
class AtomicFile
{
  public:
    // False when the file could not be written; why then holds the system's reason.
    static bool write(const QString &path, const QByteArray &bytes, QString *why = nullptr);
};

} // namespace tolvane
