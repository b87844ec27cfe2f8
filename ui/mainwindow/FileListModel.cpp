#include "ui/mainwindow/FileListModel.h"
#include "core/ResourceKinds.h"
#include "platform/NativeName.h"

#include <QFileInfo>
#include <QItemSelectionModel>

namespace tolvane {

namespace {
// Up to this many separate runs, a change is told to the view run by run (it keeps its place);
// beyond, one reset is cheaper than a view update per run.
constexpr int runsTold = 8;

// Runs of consecutive numbers in an ascending list, as (first, last) pairs.
QList<std::pair<int, int>> runsOf(const QList<int> &rows)
{
    QList<std::pair<int, int>> runs;
    for (int r : rows) {
        if (!runs.isEmpty() && runs.last().second + 1 == r)
            runs.last().second = r;
        else
            runs.append({r, r});
    }
    return runs;
}
} // namespace

int FileListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_list.count();
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
    if (!index.isValid() || index.row() >= m_list.count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return nativename::display(m_list.at(index.row()));
    if (role == Qt::DecorationRole)
        return iconFor(m_list.at(index.row()));
    return {};
}

template <typename Change>
void FileListModel::resetKeepingSelection(Change change, const std::vector<int> &newRow)
{
    QList<int> selected;
    int current = -1;
    if (m_selection) {
        for (const QItemSelectionRange &range : m_selection->selection())
            for (int r = qMax(0, range.top()); r <= range.bottom() && size_t(r) < newRow.size();
                 ++r)
                selected << r;
        std::sort(selected.begin(), selected.end());
        current = m_selection->currentIndex().row();
    }
    beginResetModel();
    change();
    endResetModel();
    if (!m_selection)
        return;
    QList<int> kept;
    kept.reserve(selected.size());
    for (int r : selected)
        if (newRow[size_t(r)] >= 0)
            kept << newRow[size_t(r)];
    QItemSelection again;
    for (const auto &[first, last] : runsOf(kept))
        again.append(QItemSelectionRange(index(first), index(last)));
    if (current >= 0 && size_t(current) < newRow.size() && newRow[size_t(current)] >= 0)
        m_selection->setCurrentIndex(index(newRow[size_t(current)]), QItemSelectionModel::NoUpdate);
    if (!again.isEmpty())
        m_selection->select(again, QItemSelectionModel::Select);
}

int FileListModel::add(const QString &path)
{
    const int row = m_list.insertPosition(path);
    beginInsertRows(QModelIndex(), row, row);
    m_list.insertAt(row, path);
    endInsertRows();
    return row;
}

void FileListModel::addMany(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    if (m_list.isEmpty()) {
        replaceAll(paths);
        return;
    }
    // Where each new entry lands, worked out on a copy: the view is told before the list changes.
    FileList merged = m_list;
    const QList<int> rows = merged.merge(paths);
    const QList<std::pair<int, int>> runs = runsOf(rows);
    if (runs.size() <= runsTold) {
        // Ascending: each run goes in where the final list has it, the earlier ones in place.
        for (const auto &[first, last] : runs) {
            beginInsertRows(QModelIndex(), first, last);
            for (int r = first; r <= last; ++r)
                m_list.insertAt(r, merged.at(r));
            endInsertRows();
        }
        return;
    }
    std::vector<int> newRow(size_t(m_list.count()));
    int next = 0, inserted = 0;
    for (int r = 0; r < m_list.count(); ++r) {
        while (next < rows.size() && rows.at(next) == r + inserted) {
            ++inserted;
            ++next;
        }
        newRow[size_t(r)] = r + inserted;
    }
    resetKeepingSelection([&] { m_list = merged; }, newRow);
}

void FileListModel::replaceAll(const QStringList &paths)
{
    beginResetModel();
    m_list.assign(paths);
    endResetModel();
}

void FileListModel::removeAt(int row)
{
    if (row < 0 || row >= m_list.count())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_list.removeRange(row, 1);
    endRemoveRows();
}

void FileListModel::removeRows(const QList<int> &rows)
{
    if (rows.isEmpty())
        return;
    const QList<std::pair<int, int>> runs = runsOf(rows);
    if (runs.size() <= runsTold) {
        // Last first, so the rows of the runs still to go stay where they were.
        for (auto it = runs.crbegin(); it != runs.crend(); ++it) {
            beginRemoveRows(QModelIndex(), it->first, it->second);
            m_list.removeRange(it->first, it->second - it->first + 1);
            endRemoveRows();
        }
        return;
    }
    std::vector<int> newRow(size_t(m_list.count()));
    int next = 0;
    for (int r = 0; r < m_list.count(); ++r) {
        if (next < rows.size() && rows.at(next) == r) {
            newRow[size_t(r)] = -1;
            ++next;
        } else {
            newRow[size_t(r)] = r - next;
        }
    }
    resetKeepingSelection([&] { m_list.removeRows(rows); }, newRow);
}

void FileListModel::clear()
{
    beginResetModel();
    m_list.clear();
    endResetModel();
}

} // namespace tolvane
