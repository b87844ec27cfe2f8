#include "ui/mainwindow/FileListModel.h"
#include "core/FileList.h"
#include "core/ResourceKinds.h"

#include <QFileInfo>
#include <algorithm>

namespace tolvane {

int FileListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_paths.size());
}

QIcon FileListModel::iconFor(const QString &path) const
{
    // One look-up per kind: asking the desktop for every row would stall a long list.
    const QString ext = ResourceKinds::extensionOf(path);
    auto it = m_iconCache.constFind(ext);
    if (it != m_iconCache.constEnd())
        return *it;
    const QIcon icon = m_icons.icon(QFileInfo(path));
    m_iconCache.insert(ext, icon);
    return icon;
}

QVariant FileListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_paths.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return m_paths.at(index.row());
    if (role == Qt::DecorationRole)
        return iconFor(m_paths.at(index.row()));
    return {};
}

int FileListModel::add(const QString &path)
{
    const int row = FileList::insertPosition(m_paths, path);
    beginInsertRows(QModelIndex(), row, row);
    m_paths.insert(row, path);
    endInsertRows();
    return row;
}

void FileListModel::addMany(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    if (paths.size() < 8) {
        for (const QString &p : paths)
            add(p);
        return;
    }
    QStringList incoming = paths;
    std::stable_sort(incoming.begin(), incoming.end(), FileList::lessThan);
    QStringList merged;
    merged.reserve(m_paths.size() + incoming.size());
    std::merge(m_paths.begin(), m_paths.end(), incoming.begin(), incoming.end(),
               std::back_inserter(merged), FileList::lessThan);
    beginResetModel();
    m_paths = merged;
    endResetModel();
}

bool FileListModel::containsNoCase(const QString &path) const
{
    return FileList::containsNoCase(m_paths, path);
}

void FileListModel::removeAt(int row)
{
    if (row < 0 || row >= m_paths.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_paths.removeAt(row);
    endRemoveRows();
}

void FileListModel::removeRows(const QList<int> &rows)
{
    if (rows.isEmpty())
        return;
    if (rows.last() - rows.first() + 1 == rows.size()) {
        beginRemoveRows(QModelIndex(), rows.first(), rows.last());
        m_paths.remove(rows.first(), rows.size());
        endRemoveRows();
        return;
    }
    // Scattered rows: one pass over the list, not one removal (and one view update) each.
    QStringList kept;
    kept.reserve(m_paths.size() - rows.size());
    int next = 0;
    for (int i = 0; i < m_paths.size(); ++i) {
        if (next < rows.size() && rows.at(next) == i) {
            ++next;
            continue;
        }
        kept << m_paths.at(i);
    }
    beginResetModel();
    m_paths = kept;
    endResetModel();
}

void FileListModel::clear()
{
    beginResetModel();
    m_paths.clear();
    endResetModel();
}

} // namespace tolvane
