#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace tolvane {

struct ResourceKind
{
    QString extension; // upper case, with the dot
    QString keyword;
};

// The twelve kinds of resource file the program builds.
class ResourceKinds
{
  public:
    static const QList<ResourceKind> &all();
    // The text from the last "." of the file name to its end, upper-cased; empty without a dot.
    static QString extensionOf(const QString &path);
    // The resource type keyword for a file, or nothing when its extension has no row.
    static std::optional<QString> keyword(const QString &path);
    static bool isResourceFile(const QString &path) { return keyword(path).has_value(); }
};

} // namespace tolvane
