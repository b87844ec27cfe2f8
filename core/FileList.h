#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace tolvane {

// The file list's entries, always in ascending order without regard to case, and the rules that
// need no widgets: its counts banner and the states its buttons take.
//
// The entries are kept in blocks of a few hundred, so that one entry goes in or out by moving a
// block, not the whole list: adding a hundred thousand one at a time stays linear. The bulk
// operations take their whole change in one pass.
class FileList
{
  public:
    // Ascending without regard to case; equal texts keep their arrival order.
    static bool lessThan(const QString &a, const QString &b);
    // Sorts into the list's order (stable), comparing each text's folded form once instead of
    // folding both sides again at every comparison.
    static void sort(QStringList &texts);
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

    // The entries themselves.
    int count() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }
    const QString &at(int row) const;
    // Every entry in order; built once after each change and kept until the next.
    const QStringList &entries() const;
    int insertPosition(const QString &text) const;
    bool containsNoCase(const QString &text) const;

    // One entry at the row insertPosition gave for it.
    void insertAt(int row, const QString &text);
    // One entry at its place; returns the row.
    int insert(const QString &text);
    // New content in one go, sorted here.
    void assign(QStringList texts);
    // Many entries merged in one pass; equal texts go after those already listed. Returns the
    // rows the new entries took, ascending.
    QList<int> merge(QStringList texts);
    // Removes count entries from row on.
    void removeRange(int row, int count);
    // Removes the given rows (ascending, no repeats) in one pass.
    void removeRows(const QList<int> &rows);
    void clear();

  private:
    // Where a row lives: its block and its place there.
    std::pair<int, int> locate(int row) const;
    void renumberFrom(int block);
    void rebuild(const QStringList &sorted);

    std::vector<QStringList> m_blocks;
    std::vector<int> m_starts; // first row of each block
    int m_count = 0;
    mutable QStringList m_flat;
    mutable bool m_flatValid = true;
};

} // namespace tolvane
