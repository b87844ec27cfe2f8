#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace tolvane {

// Shortens a path to a width by putting "..." in the place of whole folders, keeping the drive
// and the file name. Widths come from the caller, so the rule runs without a screen.
class PathLayout
{
  public:
    enum Direction
    {
        FromLeft,
        FromRight
    };
    using Measure = std::function<int(const QString &)>;

    // Splits at every separator; empty parts are kept.
    static QStringList split(const QString &text, const QString &separator);
    static QString layout(const QString &text, const QString &separator, Direction direction,
                          int width, const Measure &measure);
};

} // namespace tolvane
