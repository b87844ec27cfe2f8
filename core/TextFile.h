#pragma once

#include <QString>
#include <QStringList>

namespace tolvane {

class Platform;

// What a write gives back: success, or the message the user sees.
struct WriteResult
{
    bool ok = true;
    QString error;
    explicit operator bool() const { return ok; }
    static WriteResult failure(const QString &text) { return {false, text}; }
};

// Generated text files are written whole and atomically, in the system's code page, every line
// (the last one too) ending in CR LF. A crash leaves the old file or the new one.
class TextFile
{
  public:
    static QByteArray encode(const QStringList &lines);
    // Through the platform: the file whole, every write and the flush checked, or the old one.
    static WriteResult write(Platform &platform, const QString &path, const QStringList &lines);
    static WriteResult writeBytes(Platform &platform, const QString &path, const QByteArray &bytes);
    static QString cannotCreate(const QString &path)
    {
        return QStringLiteral("Cannot create file ") + path;
    }
};

} // namespace tolvane
