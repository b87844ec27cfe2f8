#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace tolvane {

// The file list as a drop or a folder scan sees it: the entries the list shows plus those gathered
// since it was last painted, with look-ups by whole path and by file name that stay cheap for long
// lists. The gathered entries reach the list in one batch.
class DropList
{
  public:
    // Indexes what the list holds now; nothing is gathered.
    void reset(const QStringList &entries);
    // Gathers a new entry.
    void add(const QString &path);
    // An entry has left the list.
    void forget(const QString &path);
    // The gathered entries, in the order they came; they now count as shown.
    QStringList takePending();
    int pendingCount() const { return int(m_pending.size()); }
    // Shown and gathered entries together.
    int count() const { return m_count; }

    // Case-sensitive, whole path.
    bool containsExact(const QString &path) const { return m_paths.value(path) > 0; }
    // Case-sensitive, the part after the last separator.
    bool hasFileName(const QString &fileName);
    // The rows of entries whose file name part equals fileName, ascending.
    static QList<int> rowsNamed(const QStringList &entries, const QString &fileName);

  private:
    void count(const QString &path, int step);
    static void bump(QHash<QString, int> &hash, const QString &key, int step);

    QHash<QString, int> m_paths;
    // Built when first asked for: a folder scan never needs it.
    QHash<QString, int> m_names;
    bool m_namesBuilt = false;
    QStringList m_pending;
    int m_count = 0;
};

} // namespace tolvane
