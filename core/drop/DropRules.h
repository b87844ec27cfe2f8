#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace tolvane {

// How a dropped path is judged: by its upper-cased extension and its place.
class DropRules
{
  public:
    // The local paths of a drop, whole, in the order they came; other URLs are left out. A name
    // is taken from the URL's own bytes, so one that is not UTF-8 keeps them.
    static QStringList localPaths(const QList<QUrl> &urls);
    // From the last "." of the file name on, upper-cased; empty without one.
    static QString extension(const QString &path);
    static bool isProject(const QString &path) { return extension(path) == QLatin1String(".TPF"); }
    // Sources that get a .txt copy beside them.
    static bool isTextSource(const QString &path);
    static bool isText(const QString &path) { return extension(path) == QLatin1String(".TXT"); }
    // What follows the last separator.
    static QString fileNamePart(const QString &path);
    // What comes up to and including the last separator.
    static QString folderPart(const QString &path);
    // The path with its extension replaced (or added); extension with its dot.
    static QString withExtension(const QString &path, const QString &extension);
};

} // namespace tolvane
