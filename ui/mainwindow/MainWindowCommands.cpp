// The buttons and menu items that lead elsewhere: Tools, Paths, Exit, the explorer, the manual,
// the string table, Add Files and Build.
#include "core/FileList.h"
#include "core/FilterTexts.h"
#include "core/NameChecks.h"
#include "core/Product.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/searchfilter/SearchFilter.h"
#include "ui/stringtable/StringTableEditor.h"
#include "ui/toolwindow/ToolWindow.h"
#include "ui/widgets/TFileLabel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>

namespace tolvane {

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
    // An empty destination list (after setup, or after "Remove All") gets its one entry first,
    // so the disk label shows that entry's drive instead of nothing.
    if (m_tool->destinationEntries().isEmpty())
        m_tool->setSingleDestination(
            Platform::folderWithSeparator(m_s.platform.shortPath(m_s.platform.currentFolder())));
    const QString dest = m_tool->destination();
    if (!dest.isEmpty()) {
        const QString root = m_s.platform.driveRoot(dest);
        if (const auto free = m_s.platform.freeSpace(root))
            m_tool->setDiskLabel(NameChecks::diskLabel(root, *free));
    }
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
    r.filter = filtertexts::addDialogFilter();
    r.fileName = m_addDialogName;
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
    const QString header = filtertexts::addDialogHeader(result.filterIndex);
    if (!header.isEmpty()) {
        if (m_tool)
            m_tool->setDropFilterPosition(result.filterIndex - 1);
        m_addFilterIndex = result.filterIndex;
        setHeaderText(0, header);
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
    // The status line stays hidden: the mouse over the window brings it back.
    QApplication::restoreOverrideCursor();
    setHeaderText(1, FileList::countsBanner(m_model->count(), selectedCount()));
    m_listCaption->show();
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

} // namespace tolvane
