// The file list's own operations: the selection, the buttons that follow it, the clearing
// commands, the properties and the search filter.
#include "core/BuildTexts.h"
#include "core/FileList.h"
#include "core/Identifiers.h"
#include "core/Product.h"
#include "core/StringTable.h"
#include "core/engine/BuildChecks.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/PropertiesDialog.h"
#include "ui/searchfilter/SearchFilter.h"
#include "ui/stringtable/StringTableEditor.h"
#include "ui/toolwindow/ToolWindow.h"
#include "ui/widgets/TFileLabel.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QToolButton>
#include <vector>

namespace tolvane {

// Read from the selection's ranges: asking the model row by row grows with the square of a
// scattered selection.
QList<int> MainWindow::selectedRows() const
{
    const int count = m_model->count();
    std::vector<bool> marked(size_t(count), false);
    for (const QItemSelectionRange &range : m_list->selectionModel()->selection())
        for (int r = qMax(0, range.top()); r <= range.bottom() && r < count; ++r)
            marked[size_t(r)] = true;
    QList<int> rows;
    for (int r = 0; r < count; ++r)
        if (marked[size_t(r)])
            rows << r;
    return rows;
}

int MainWindow::selectedCount() const
{
    const QItemSelection selection = m_list->selectionModel()->selection();
    if (selection.isEmpty())
        return 0;
    if (selection.size() == 1)
        return selection.first().height();
    return int(selectedRows().size());
}

bool MainWindow::isSelected(int row) const
{
    return m_list->selectionModel()->isSelected(m_model->index(row));
}

void MainWindow::setSelected(int row, bool on)
{
    m_list->selectionModel()->select(m_model->index(row), on ? QItemSelectionModel::Select
                                                             : QItemSelectionModel::Deselect);
}

void MainWindow::selectRows(const QList<int> &rows)
{
    QItemSelection selection;
    for (int r : rows)
        selection.select(m_model->index(r), m_model->index(r));
    // Cleared first: replacing a scattered selection in one step compares every old range with
    // every new one.
    m_list->selectionModel()->clearSelection();
    m_list->selectionModel()->select(selection, QItemSelectionModel::Select);
}

bool MainWindow::addFile(const QString &path)
{
    if (m_model->containsNoCase(path))
        return false;
    m_model->add(path);
    return true;
}

// The states that drawing the list gives: the counter, the banner and the buttons.
void MainWindow::refreshListState()
{
    const int count = m_model->count();
    const int selected = selectedCount();
    // An empty list draws no row, so its counter and header keep what the clearing put there.
    if (count > 0) {
        m_listCounter->setText(QString::number(count));
        setHeaderText(1, FileList::countsBanner(count, selected));
    }
    const FileList::Buttons b = FileList::buttonsFor(count, selected);
    m_filterButton->setEnabled(b.filter);
    m_saveListButton->setEnabled(b.save);
    m_buildButton->setEnabled(b.build && !m_building);
    m_clearItemsButton->setEnabled(b.clearItems);
    if (count > 0) {
        m_selectAllButton->setEnabled(true);
        m_invertButton->setEnabled(true);
        m_clearAllButton->setEnabled(true);
    } else {
        m_clearAllButton->setEnabled(false);
    }
}

void MainWindow::updateResIdBanner()
{
    const bool conflict =
        m_tool &&
        Identifiers::resIdConflict(m_tool->prefixPosition(), selectedCount(), m_s.strings.count());
    m_resIdBanner->setVisible(conflict);
}

void MainWindow::updateResNameVisibility()
{
    if (m_tool)
        m_tool->setResNameVisible(selectedCount() <= 1);
}

void MainWindow::hideResIdBanner()
{
    m_resIdBanner->hide();
}

void MainWindow::setFilterButtonEnabled(bool enabled)
{
    m_filterButton->setEnabled(enabled);
}

void MainWindow::resetAfterResourceError()
{
    m_model->clear();
    m_leftProgressText->setFileName(QString());
    m_rightProgressText->setFileName(QString());
    setHeaderText(0, FileList::dots(13));
    setHeaderText(1, QString());
    setListButtonsDisabled();
}

void MainWindow::removeUnselected()
{
    const QList<int> selected = selectedRows();
    QList<int> unselected;
    int next = 0;
    for (int r = 0; r < m_model->count(); ++r) {
        if (next < selected.size() && selected.at(next) == r)
            ++next;
        else
            unselected << r;
    }
    if (unselected.isEmpty())
        return;
    m_model->removeRows(unselected);
    // What is left is what was selected.
    m_list->selectAll();
}

void MainWindow::setListButtonsDisabled()
{
    for (QWidget *w :
         std::initializer_list<QWidget *>{m_selectAllButton, m_invertButton, m_clearItemsButton,
                                          m_buildButton, m_clearAllButton, m_saveListButton})
        w->setEnabled(false);
}

bool MainWindow::askClearStringTable()
{
    if (m_s.strings.isEmpty())
        return false;
    const Box::Button answer = m_s.prompter.ask(Prompter::dialog(
        Box::Warning, QStringLiteral("The string table still has text...clear contents?"),
        Box::Yes | Box::No));
    if (answer != Box::Yes)
        return false;
    if (m_editor)
        m_editor->tableClearedOutside();
    m_s.strings.clear();
    return true;
}

void MainWindow::selectAll()
{
    update();
    setWindowTitle(product::title());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_s.taskbar.setIcon(QStringLiteral("logo"));
    playClick();
    if (m_model->count() > 0)
        m_list->selectAll();
    if (m_tool)
        m_tool->setResNameVisible(false);
    QApplication::restoreOverrideCursor();
    updateResIdBanner();
    if (m_tool && m_tool->scriptsOnly())
        return;
    const int i = buildchecks::firstEmptyFile(m_s.platform, m_model->paths());
    if (i < 0)
        return;
    if (m_tool)
        m_tool->setExecuteOnLoad(false);
    const QString text = buildtexts::zeroByteQuestion(m_model->at(i));
    if (m_s.prompter.ask(Prompter::dialog(Box::Warning, text, Box::Yes | Box::No)) == Box::Yes) {
        if (m_model->count() < 2)
            clearItems();
        else
            m_model->removeAt(i);
    }
}

void MainWindow::invertSelection()
{
    m_listCaption->hide();
    setWindowTitle(product::builderTitle());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    playClick();
    const int count = m_model->count();
    // Each entry names itself as it turns; the list and the two texts are painted at most once
    // per screen refresh, and the selection turns a stretch at a time up to the entry shown.
    int turned = 0;
    const auto turnUpTo = [&](int last) {
        if (last < turned)
            return;
        m_list->selectionModel()->select(
            QItemSelection(m_model->index(turned), m_model->index(last)),
            QItemSelectionModel::Toggle);
        turned = last + 1;
    };
    std::vector<bool> wasSelected(size_t(count), false);
    for (int r : selectedRows())
        wasSelected[size_t(r)] = true;
    m_leftProgressText->show();
    m_rightProgressText->show();
    for (int i = 0; i < count; ++i) {
        const QString name = QFileInfo(m_model->at(i)).fileName();
        if (wasSelected[size_t(i)])
            m_rightProgressText->setFileName(QStringLiteral("Excluding file: ") + name);
        else
            m_leftProgressText->setFileName(QStringLiteral("Selecting file: ") + name);
        if (m_s.pacer.frameDue()) {
            turnUpTo(i);
            m_s.pacer.showFrame();
        }
    }
    turnUpTo(count - 1);
    m_leftProgressText->setFileName(QString());
    m_rightProgressText->setFileName(QString());
    QApplication::restoreOverrideCursor();
    m_listCaption->show();
    if (m_tool)
        m_tool->setResNameVisible(selectedCount() <= 1);
    updateResIdBanner();
}

void MainWindow::clearItems()
{
    m_spareText3->clear();
    m_spareText2->clear();
    setWindowTitle(product::builderTitle());
    const QList<int> rows = selectedRows();
    m_model->removeRows(rows);
    if (m_model->count() < 9)
        m_filterButton->setEnabled(false);
    if (m_tool)
        m_tool->setResNameVisible(selectedCount() <= 1);
    updateResIdBanner();
    if (m_model->count() == 0) {
        m_listCounter->setText(QStringLiteral("0"));
        m_leftProgressText->setFileName(QString());
        m_rightProgressText->setFileName(QString());
        setListButtonsDisabled();
        setHeaderText(1, FileList::dots(39));
        askClearStringTable();
    }
}

void MainWindow::clearAll()
{
    m_listCounter->setText(QStringLiteral("0"));
    m_saveDialogName.clear();
    if (m_tool)
        m_tool->setResNameVisible(true);
    playClick();
    askClearStringTable();
    if (m_model->count() == 0)
        return;
    if (m_filter)
        m_filter->hide();
    m_filterButton->setEnabled(false);
    m_s.taskbar.set(QStringLiteral("Ready..."), QStringLiteral("logo"));
    m_model->clear();
    m_leftProgressText->setFileName(QString());
    m_rightProgressText->setFileName(QString());
    m_addDialogName.clear();
    setHeaderText(1, FileList::dots(39));
    setListButtonsDisabled();
    setWindowTitle(product::title());
    updateResIdBanner();
}

void MainWindow::showProperties()
{
    const QList<int> rows = selectedRows();
    if (rows.size() > 20) {
        m_s.prompter.ask(Prompter::dialog(
            Box::Warning, QStringLiteral("Total number of properties displayed, may not exceed 20"),
            Box::Abort));
        return;
    }
    int offset = 0;
    for (int row : rows) {
        m_list->viewport()->update();
        if (m_s.platform.showProperties(m_model->at(row)))
            continue;
        auto *sheet = new PropertiesDialog(m_model->at(row), m_s.platform, m_list);
        sheet->move(pos() + QPoint(40 + offset, 40 + offset));
        offset += 24;
        sheet->show();
    }
}

void MainWindow::openSearchFilter()
{
    if (!m_filter)
        return;
    m_filter->openAt(QPoint(x() + 10, y() + 150));
}

void MainWindow::listClicked()
{
    const int selected = selectedCount();
    if (m_tool) {
        m_tool->setResNameVisible(selected < 2);
        if (selected == 1 && m_tool->resName().isEmpty())
            m_tool->setResName(QStringLiteral("Untitled"));
    }
    m_clearItemsButton->setEnabled(selected >= 1);
}

void MainWindow::listReleased()
{
    if (selectedCount() > 1)
        setWindowTitle(product::title());
}

} // namespace tolvane
