#pragma once

#include <QString>
#include <QStringList>

namespace tolvane {

// Resource identifiers: a letter prefix and the entry's list position (A1, A3 ...), plain numbers
// with the item "#", or the single resource name when only one entry is selected.
class Identifiers
{
  public:
    static constexpr int numberItem = 22; // "#": ResId mode
    static constexpr int lastItem = 23;   // "X"

    // The 24 display texts of the prefix list, in order (there is no T).
    static QStringList items();
    // The prefix of an item; an out-of-range position counts as the last item.
    static QString prefix(int position);
    static QString identifier(int listPosition, int selectedCount, const QString &resName,
                              int prefixPosition);
    // Numeric identifiers would meet the string table's numbers.
    static bool resIdConflict(int prefixPosition, int selectedCount, int stringTableCount);
};

} // namespace tolvane
