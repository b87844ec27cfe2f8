#pragma once

#include "core/FileList.h"

#include <QAbstractListModel>
#include <QFileIconProvider>
#include <QHash>
#include <QIcon>
#include <QItemSelectionModel>
#include <QPointer>
#include <QStringList>

namespace tolvane {

// The file list's entries, always in ascending order without regard to case. Selection lives in
// the view's selection model; the bulk changes keep the selection of the entries that stay.
class FileListModel : public QAbstractListModel
{
    Q_OBJECT

  public:
    using QAbstractListModel::QAbstractListModel;
    // The model's own row removal stays callable beside the bulk one below.
    using QAbstractListModel::removeRows;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    // The selection the bulk changes keep (the view's).
    void setSelectionModel(QItemSelectionModel *selection) { m_selection = selection; }

    const QStringList &paths() const { return m_list.entries(); }
    int count() const { return m_list.count(); }
    QString at(int row) const
    {
        return row >= 0 && row < m_list.count() ? m_list.at(row) : QString();
    }
    // Adds one entry at its sorted place and returns the row.
    int add(const QString &path);
    // Merges many at once, in one pass; duplicates are kept.
    void addMany(const QStringList &paths);
    // New content for the whole list, in one reset.
    void replaceAll(const QStringList &paths);
    bool containsNoCase(const QString &path) const { return m_list.containsNoCase(path); }
    void removeAt(int row);
    // Rows must be sorted ascending; removed in one pass.
    void removeRows(const QList<int> &rows);
    void clear();

  private:
    QIcon iconFor(const QString &path) const;
    // Resets the model around change(); then selects again what was selected, at the rows that
    // newRow (old row to new row, -1 for gone) gives.
    template <typename Change>
    void resetKeepingSelection(Change change, const std::vector<int> &newRow);

    FileList m_list;
    QPointer<QItemSelectionModel> m_selection;
    QFileIconProvider m_icons;
    mutable QHash<QString, QIcon> m_iconCache;
};

} // namespace tolvane
