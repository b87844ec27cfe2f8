#pragma once

#include <QString>
#include <QStringList>

namespace tolvane {

// The rules of the file list that need no widgets: its order, its counts banner and the states
// its buttons take.
class FileList
{
  public:
    // Ascending without regard to case; equal texts keep their arrival order.
    static bool lessThan(const QString &a, const QString &b);
    // Where a text goes in a sorted list (after any equal ones).
    static int insertPosition(const QStringList &sorted, const QString &text);
    // Whether the sorted list holds the text, compared without regard to case.
    static bool containsNoCase(const QStringList &sorted, const QString &text);
    static QString countsBanner(int count, int selected);

    struct Buttons
    {
        bool filter = false;     // search filter button SX2
        bool save = false;       // Save1
        bool build = false;      // Button2
        bool clearItems = false; // DEL
        bool clearAll = false;   // Button4
        bool selectAll = false;  // SP1
        bool invert = false;     // SP2
    };
    // The states that drawing the list gives its buttons.
    static Buttons buttonsFor(int count, int selected);
    // "." + ext matched against the entry's upper-cased extension.
    static bool hasExtension(const QString &path, const QString &upperExtension);

    static QString dots(int n) { return QString(n, QLatin1Char('.')); }
};

} // namespace tolvane
