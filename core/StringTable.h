#pragma once

#include "core/TextFile.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tolvane {

// The numbered strings that a build writes into its STRINGTABLE block. Held for the run only.
// A number is given once and never changes: a new entry takes one more than the highest number
// in the table, so removing an entry never leads to two entries with one number (which the
// resource compiler refuses). An emptied table starts again at 1.
class StringTable
{
  public:
    struct Entry
    {
        int number;
        QString value;
    };

    int insert(const QString &value);
    void removeAt(int index);
    void clear() { m_entries.clear(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    int count() const { return m_entries.size(); }
    const QList<Entry> &entries() const { return m_entries; }

    // 1, "Hello": the line exactly as the script gets it.
    static QString line(const Entry &entry);
    QStringList lines() const;

    // The table on its own as a script: a banner and the STRINGTABLE block.
    static QStringList exportLines(const QStringList &tableLines);
    // Destination folder with separator + name + ".rc".
    static QString exportPath(const QString &destinationFolder, const QString &name);
    WriteResult exportTo(Platform &platform, const QString &path) const;

  private:
    QList<Entry> m_entries;
};

} // namespace tolvane
