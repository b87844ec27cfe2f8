#pragma once

#include <QAbstractListModel>
#include <QFileIconProvider>
#include <QHash>
#include <QIcon>
#include <QStringList>

namespace tolvane {

// The file list's entries, always in ascending order without regard to case. Selection lives in
// the view's selection model.
class FileListModel : public QAbstractListModel
{
    Q_OBJECT

  public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    const QStringList &paths() const { return m_paths; }
    int count() const { return int(m_paths.size()); }
    QString at(int row) const { return m_paths.value(row); }
    // Adds one entry at its sorted place and returns the row.
    int add(const QString &path);
    // Adds many at once (a merge, not one insertion each); duplicates are kept and the view's
    // selection is cleared.
    void addMany(const QStringList &paths);
    bool containsNoCase(const QString &path) const;
    void removeAt(int row);
    // Rows must be sorted ascending. The model's own removeRows(row, count) stays callable.
    using QAbstractListModel::removeRows;
    void removeRows(const QList<int> &rows);
    void clear();

  private:
    QIcon iconFor(const QString &path) const;

    QStringList m_paths;
    QFileIconProvider m_icons;
    mutable QHash<QString, QIcon> m_iconCache;
};

} // namespace tolvane
