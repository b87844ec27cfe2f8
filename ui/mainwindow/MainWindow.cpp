#include "ui/mainwindow/MainWindow.h"
#include "core/BuildTexts.h"
#include "core/FileList.h"
#include "core/Identifiers.h"
#include "core/NameChecks.h"
#include "core/Product.h"
#include "core/StringTable.h"
#include "core/engine/BuildChecks.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/PropertiesDialog.h"
#include "ui/searchfilter/SearchFilter.h"
#include "ui/services/Look.h"
#include "ui/services/Placement.h"
#include "ui/services/SettingsBinder.h"
#include "ui/stringtable/StringTableEditor.h"
#include "ui/toolwindow/ToolWindow.h"
#include "ui/widgets/TFileLabel.h"
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QToolButton>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>

namespace tolvane {

QStringList MainWindow::addFilters()
{
    return {QStringLiteral("All Files (*.*) (*.gif *.jpg *.avi *.bmp *.ico *.cab *.cur *.exe *.wav "
                           "*.ttf *.fon *.ani)"),
            QStringLiteral("Animated Cursor (*.ani)"),
            QStringLiteral("Audio Video Interleaved (*.avi)"),
            QStringLiteral("Bitmap Image (*.bmp)"),
            QStringLiteral("Cabinet File (*.cab)"),
            QStringLiteral("Cursor Image (*.cur)"),
            QStringLiteral("Executable (*.exe)"),
            QStringLiteral("Icon Image (*.ico)"),
            QStringLiteral("JPEG Image (*.jpg)"),
            QStringLiteral("GIF Image (*.gif)"),
            QStringLiteral("Font File (*.fon)"),
            QStringLiteral("True Type Font (*.ttf)"),
            QStringLiteral("Wave Sound (*.wav)")};
}

QString MainWindow::addFilterText()
{
    return QStringLiteral(
        "All Files (*.*)|*.gif;*.jpg;*.avi;*.bmp;*.ico;*.cab;*.cur;*.exe;*.wav;*.ttf;*.fon;*.ani|"
        "Animated Cursor (*.ani)|*.ani|Audio Video Interleaved (*.avi)|*.avi|Bitmap Image "
        "(*.bmp)|*.bmp|Cabinet File (*.cab)|*.cab|Cursor Image (*.cur)|*.cur|Executable "
        "(*.exe)|*.exe|Icon Image (*.ico)|*.ico|JPEG Image (*.jpg)|*.jpg|GIF Image "
        "(*.gif)|*.gif|Font File (*.fon)|*.fon|True Type Font (*.ttf)|*.ttf|Wave Sound "
        "(*.wav)|*.wav");
}

MainWindow::MainWindow(Services &services, QWidget *parent) : QWidget(parent), m_s(services)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(product::title());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(479, 312);
    move(191, 136);
    useWindowFace(this);
    setMouseTracking(true);
    buildLayout();
    buildMenu();
    buildProjectParts();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectWindows(ToolWindow *tool, QWidget *setup, StringTableEditor *editor,
                                SearchFilter *filter)
{
    m_tool = tool;
    m_setup = setup;
    m_editor = editor;
    m_filter = filter;
}

void MainWindow::start()
{
    m_highColour = m_s.platform.colourDepth() > 15;
    if (!m_highColour) {
        for (QLabel *l : {m_recurseOffLamp, m_recurseOnLamp, m_executeOffLamp, m_executeOnLamp})
            l->hide();
    }
    m_tempFolder->setText(m_s.platform.tempFolder());
    setWindowTitle(product::title());
    m_s.taskbar.setIcon(QStringLiteral("logo"));
    setAcceptDrops(true);
    if (!m_s.settings.settingsKeyExists()) {
        setHeaderText(0, addFilterText());
        if (QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
        return;
    }
    const QString error = m_s.settings.load(sequences::mainWindowLoad(), *this);
    keepTitleOnScreen(*this);
    if (!error.isEmpty())
        m_s.prompter.ask(nullptr, m_s.taskbar.applicationTitle(), error, Box::Error);
}

SettingsBinder MainWindow::binder() const
{
    return SettingsBinder({this, m_tool});
}

void MainWindow::apply(const SequenceItem &item, const QVariant &value)
{
    if (item.key == Setting::FilterType)
        setHeaderText(0, QStringLiteral("Filter: ") + value.toString());
    else
        binder().write(item.key, value);
}

QVariant MainWindow::current(const SequenceItem &item) const
{
    return binder().read(item.key);
}

void MainWindow::mirror(const QString &name, const QString &text)
{
    if (!m_s.settings.settingsKeyExists())
        return;
    if (!m_s.settings.writeMirror(name, text))
        m_s.prompter.ask(Prompter::dialog(Box::Error,
                                          QStringLiteral("Could not save ") + text +
                                              QStringLiteral(" to regfile file..!"),
                                          Box::Ok));
}

QString MainWindow::compiler1() const
{
    return m_resourceCompilerPath->text();
}
QString MainWindow::compiler2() const
{
    return m_libraryCompilerPath->text();
}
QString MainWindow::programFolder() const
{
    return m_programFolder->text();
}
QString MainWindow::recentAddFolder() const
{
    return m_recentAddFolder->text();
}
QString MainWindow::recentProjectFolder() const
{
    return m_recentProjectFolder->text();
}
void MainWindow::setRecentAddFolder(const QString &folder)
{
    m_recentAddFolder->setText(folder);
}
void MainWindow::setRecentProjectFolder(const QString &folder)
{
    m_recentProjectFolder->setText(folder);
}
QString MainWindow::tempFolder() const
{
    return m_tempFolder->text();
}
QString MainWindow::counter() const
{
    return m_listCounter->text();
}
QString MainWindow::statusText() const
{
    return m_statusLine->property("raw").toString();
}

QString MainWindow::manualPath() const
{
    return Platform::folderWithSeparator(programFolder()) + QStringLiteral("Tolvane.pdf");
}

QString MainWindow::headerText(int section) const
{
    return m_headerModel->headerData(section, Qt::Horizontal).toString();
}

void MainWindow::setHeaderText(int section, const QString &text)
{
    m_headerModel->setHeaderData(section, Qt::Horizontal, text);
}

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

void MainWindow::setExecuteLamp(bool on)
{
    m_executeOnLamp->setVisible(on && m_highColour);
}

void MainWindow::setRecurseLamp(bool on)
{
    if (!m_highColour)
        return;
    m_recurseOnLamp->setVisible(on);
}

bool MainWindow::hintsOn() const
{
    return m_tool && m_tool->hintsOn();
}

void MainWindow::playClick()
{
    if (m_tool && m_tool->soundsOn())
        m_s.sound.play(QStringLiteral("A1"));
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
    if (count > 0) {
        // Show where the walk ended, as a walk over every entry would.
        const QString last = QFileInfo(m_model->at(count - 1)).fileName();
        if (isSelected(count - 1))
            m_rightProgressText->setFileName(QStringLiteral("Excluding file: ") + last);
        else
            m_leftProgressText->setFileName(QStringLiteral("Selecting file: ") + last);
        m_list->selectionModel()->select(
            QItemSelection(m_model->index(0), m_model->index(count - 1)),
            QItemSelectionModel::Toggle);
    }
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

void MainWindow::showTools()
{
    if (!m_tool)
        return;
    m_tool->setManualEnabled(m_s.platform.fileExists(manualPath()));
    m_tool->showOptions();
    const bool key = m_s.settings.settingsKeyExists();
    if (!key || !m_s.platform.folderExists(Platform::folderWithSeparator(programFolder()) +
                                           QStringLiteral("Projects")))
        m_tool->setQuickSaveEnabled(false);
    m_tool->activateWindow();
    m_tool->setFocus();
    const QString dest = m_tool->destination();
    if (!dest.isEmpty()) {
        const QString root = m_s.platform.driveRoot(dest);
        if (const auto free = m_s.platform.freeSpace(root))
            m_tool->setDiskLabel(NameChecks::diskLabel(root, *free));
    }
    if (m_tool->destinationEntries().isEmpty())
        m_tool->setSingleDestination(
            Platform::folderWithSeparator(m_s.platform.shortPath(m_s.platform.currentFolder())));
}

void MainWindow::openPaths()
{
    emit pathsRequested();
    if (!m_setup)
        return; // the setup wizard is not part of this build yet
    hide();
    if (m_tool && m_tool->isVisible())
        m_tool->hide();
    m_setup->show();
    m_s.taskbar.set(QStringLiteral("Setup Paths..."), QStringLiteral("logo"));
}

void MainWindow::exitProgram()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_s.settings.settingsKeyExists()) {
        const QString error = m_s.settings.save(sequences::mainWindowExitSave(), *this);
        if (!error.isEmpty()) {
            // Reported, but closing is never refused: the user is not kept in the program.
            m_s.prompter.ask(nullptr, product::title(), error, Box::Error);
        }
    }
    if (m_tool)
        m_tool->hide();
    if (m_editor)
        m_editor->hide();
    if (m_filter)
        m_filter->hide();
    if (m_setup)
        m_setup->hide();
    event->accept();
    emit exitRequested();
}

void MainWindow::openExplorer()
{
    m_s.taskbar.set(QStringLiteral("Load From Explorer..."), QStringLiteral("explorer"));
    const QString folder =
        programFolder().isEmpty() ? m_s.platform.currentFolder() : programFolder();
    if (!m_s.platform.openFolder(folder))
        m_s.prompter.ask(nullptr, QStringLiteral("Failed to Execute..."),
                         QStringLiteral("No file manager could be started to show ") + folder +
                             QLatin1Char('.'),
                         Box::Error);
}

void MainWindow::openManual()
{
    const QString path = manualPath();
    if (m_s.platform.openFile(path))
        return;
    m_s.prompter.ask(Prompter::openFailure(path));
}

void MainWindow::insertStringTable()
{
    if (!m_editor)
        return;
    // The first time it opens over the main window, not in a corner of the screen; afterwards
    // where the user left it.
    if (!m_editor->isVisible() && !m_editorPlaced) {
        m_editor->move(geometry().center() - m_editor->rect().center());
        m_editorPlaced = true;
    }
    m_editor->open();
}

void MainWindow::addFiles()
{
    m_listCaption->hide();
    OpenFilesRequest r;
    r.owner = this;
    r.title = QStringLiteral("From directory ") + recentAddFolder();
    r.folder = recentAddFolder();
    r.filters = addFilters();
    r.filterIndex = m_tool ? m_tool->dropFilterPosition() + 1 : 1;
    r.typeChanged = [this](int entry) {
        if (m_tool && entry >= 1 && entry <= 13)
            m_tool->setDropFilterPosition(entry - 1);
    };
    r.folderChanged = [this](const QString &folder) {
        // Compared as folders: the platform gives the fonts folder with its separator, the
        // dialog without.
        const auto asFolder = [](const QString &path) {
            return QDir::cleanPath(QFileInfo(path).absoluteFilePath()).toUpper();
        };
        const QString p = asFolder(folder);
        const QString fonts = asFolder(m_s.platform.systemFontsFolder());
        if (p == fonts) {
            Box b;
            b.caption = product::shortTitleCopyright();
            b.icon = Box::Warning;
            b.text = QStringLiteral("Cannot access the windows fonts folder from a dialog. To load "
                                    "fonts,\ropen the Windows "
                                    "Explorer and drag the \"Complete fonts folder\" "
                                    "onto\rtolvane, or copy-paste the fonts "
                                    "from the Windows Fonts folder to a\rnew folder. There you "
                                    "have access to load them! "
                                    "Never drag individual\rfonts from the \"Windows Fonts\" "
                                    "folder some fonts are used by "
                                    "system!\r");
            m_s.prompter.ask(b);
        }
    };
    const OpenFilesResult result = m_s.prompter.openFiles(r);
    // Closed: the header names the type that was chosen, whether or not files were.
    static const QStringList masks = {"*.*",   "*.ani", "*.avi", "*.bmp", "*.cab", "*.cur", "*.exe",
                                      "*.ico", "*.jpg", "*.gif", "*.fon", "*.ttf", "*.wav"};
    if (result.filterIndex >= 1 && result.filterIndex <= 13) {
        m_addFilterIndex = result.filterIndex;
        if (m_tool)
            m_tool->setDropFilterPosition(result.filterIndex - 1);
        setHeaderText(0, QStringLiteral("Filter (") + masks.at(result.filterIndex - 1) +
                             QLatin1Char(')'));
    }
    if (!result.accepted || result.files.isEmpty())
        return;
    const QString folder =
        Platform::folderWithSeparator(QFileInfo(result.files.first()).absolutePath());
    m_lastAdded = result.files.last();
    setRecentAddFolder(folder);
    m_rightProgressText->show();
    m_statusLine->hide();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString bare = folder;
    if (bare.size() > 1 && Platform::endsWithSeparator(bare))
        bare.chop(1);
    m_addDialogName = bare;
    m_lastChosenFolder->setText(bare);
    m_lastChosenShortPath->setText(bare);
    m_progressBar->setMaximum(int(result.files.size()));
    m_progressBar->setValue(0);
    for (const QString &file : result.files) {
        m_progressBar->show();
        m_progressBar->setValue(m_progressBar->value() + 1);
        addFile(file);
        if (int(result.files.size()) == m_model->count() && m_tool && m_tool->executeOnLoad()) {
            m_progressBar->hide();
            selectAll();
            build();
        }
    }
    m_progressBar->setValue(0);
    m_progressBar->hide();
    m_rightProgressText->hide();
    m_rightProgressText->setFileName(QString());
    QApplication::restoreOverrideCursor();
    m_statusLine->show();
    setHeaderText(1, FileList::countsBanner(m_model->count(), selectedCount()));
    m_listCaption->show();
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

void MainWindow::build()
{
    if (m_building)
        return; // a second build never starts inside a running one
    m_building = true;
    emit buildRequested();
    m_building = false;
    refreshListState();
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
