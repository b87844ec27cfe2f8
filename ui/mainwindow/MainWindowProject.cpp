// Saving the selected entries as a project file and loading one back.
#include "core/FileList.h"
#include "core/Product.h"
#include "core/ProjectFile.h"
#include "core/project/ProjectLoad.h"
#include "core/project/ProjectSave.h"
#include "core/project/ProjectTexts.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/toolwindow/ToolWindow.h"
#include "ui/widgets/TFileLabel.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>

namespace tolvane {

namespace {
const QString saveTitle = QStringLiteral("Save as tolvane project file to directory folder in:");
const QString loadTitle = QStringLiteral("Load project file...");

// Keeps the hourglass up for a scope and takes it down on every way out.
class BusyCursor
{
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { done(); }
    void done()
    {
        if (m_on)
            QApplication::restoreOverrideCursor();
        m_on = false;
    }

  private:
    bool m_on = true;
};
} // namespace

void MainWindow::buildProjectParts()
{
    // Shows through where the list is hidden while a project file is written.
    m_listPanel = new QLabel(this);
    m_listPanel->setObjectName(QStringLiteral("ListPanel"));
    m_listPanel->setGeometry(m_list->geometry());
    m_listPanel->setAlignment(Qt::AlignCenter);
    m_listPanel->lower();
    m_removalPathText = findChild<TFileLabel *>(QStringLiteral("StaticText6"));
    connect(m_saveListButton, &QPushButton::clicked, this, &MainWindow::saveList);
    connect(m_loadProjectsAction, &QAction::triggered, this, &MainWindow::loadProjectFile);
}

void MainWindow::showListAgain()
{
    m_listCaption->show();
    m_rightProgressText->setFileName(QString());
    m_progressBar->hide();
    m_listPanel->clear();
    setEnabled(true);
    m_list->setEnabled(true);
    m_list->show();
}

QStringList MainWindow::saveProgress()
{
    const QList<int> rows = selectedRows();
    QStringList entries;
    entries.reserve(rows.size());
    m_progressBar->setMaximum(int(rows.size()));
    m_progressBar->setValue(0);
    for (int row : rows) {
        m_list->viewport()->update();
        m_rightProgressText->show();
        m_s.pacer.pause(1);
        m_progressBar->show();
        m_progressBar->setValue(m_progressBar->value() + 1);
        m_rightProgressText->setFileName(projecttexts::creatingFile(m_model->at(row)));
        entries << m_model->at(row);
    }
    return entries;
}

void MainWindow::saveList()
{
    if (selectedCount() == 0)
        return;
    const qint64 ticks = m_s.platform.tickCount();
    m_list->hide();
    m_listPanel->setText(projecttexts::pleaseWait());
    m_rightProgressText->setFileName(QString());
    if (m_tool && m_tool->promptedSave())
        promptedSave();
    else if (m_tool && m_tool->quickSave())
        quickSave(ticks);
    else
        showListAgain(); // no saving mode chosen: nothing to do, but the list stays in view
}

void MainWindow::promptedSave()
{
    m_listCaption->hide();
    m_resIdBanner->hide();
    SaveFileRequest request;
    request.owner = this;
    request.title = saveTitle;
    if (!m_saveDialogName.isEmpty())
        request.folder = QFileInfo(m_saveDialogName).absolutePath();
    request.fileName = m_saveDialogName;
    request.filters = {product::name() + QStringLiteral(" project files (*.tpf)")};
    const std::optional<QString> chosen = m_s.prompter.saveFile(request);
    const QString name = chosen ? QFileInfo(*chosen).fileName() : QString();
    if (name.isEmpty()) {
        showListAgain();
        m_rightProgressText->hide();
        return;
    }
    m_saveDialogName = *chosen;
    const QString targetFolder = QFileInfo(*chosen).absolutePath();

    switch (ProjectSave::checkName(name)) {
    case ProjectSave::NameCheck::Blank:
        m_listCaption->show();
        m_listPanel->clear();
        m_s.prompter.ask(nullptr, QStringLiteral("Whoops!"), projecttexts::blankName(),
                         Box::Warning);
        m_list->show();
        m_rightProgressText->setFileName(QString());
        setListButtonsDisabled();
        setWindowTitle(product::title());
        return;
    case ProjectSave::NameCheck::Dot:
        m_listCaption->show();
        m_listPanel->clear();
        m_rightProgressText->setFileName(QString());
        m_progressBar->hide();
        m_s.prompter.ask(nullptr, product::name(), projecttexts::dotName(name), Box::Warning);
        m_list->show();
        return;
    case ProjectSave::NameCheck::Ok:
        break;
    }

    // The dialog's own question saw the bare name; the file written is NAME.TPF, so ask about
    // that one before an earlier project of that name is replaced.
    const QString target = ProjectSave::fileIn(targetFolder, name);
    if (m_s.platform.fileSize(target) >= 0 &&
        m_s.prompter.ask(this, product::name(),
                         projecttexts::replaceQuestion(QFileInfo(target).fileName()), Box::Question,
                         Box::Yes | Box::No) != Box::Yes) {
        showListAgain();
        return;
    }

    const QStringList entries = saveProgress();
    // Written once, whole, after the progress has run.
    const QString temp = ProjectSave::fileIn(tempFolder(), name);
    const WriteResult written = ProjectFile::write(temp, entries);
    setEnabled(true);
    m_listPanel->clear();
    if (!written || !m_s.platform.fileExists(temp)) {
        m_s.prompter.ask(this, product::name(), projecttexts::notCreated(name), Box::Error);
        showListAgain();
        return;
    }

    const int code = ProjectSave::moveInto(m_s.platform, temp, target);
    if (code != 0) {
        m_s.platform.removeFile(temp);
        m_s.prompter.ask(this, product::name(),
                         code == -1 ? projecttexts::moveNotStarted() : projecttexts::moveFailed(),
                         Box::Error);
        showListAgain();
        return;
    }
    m_progressBar->setValue(0);
    showListAgain();
    m_s.prompter.ask(this, product::name(), projecttexts::created(name), Box::Information);
}

void MainWindow::quickSave(qint64 ticks)
{
    const QString folder = ProjectFile::projectsFolder(programFolder());
    if (!m_s.platform.folderExists(folder) || !m_s.settings.settingsKeyExists()) {
        m_s.prompter.ask(nullptr, product::titleCopyright(), projecttexts::noProjectsFolder(),
                         Box::Information);
        showListAgain();
        return;
    }
    m_list->hide();
    m_resIdBanner->hide();
    m_listPanel->setText(projecttexts::pleaseWait());
    // Never the name of an earlier save: two saves within a third of a second keep two files.
    const QString file = ProjectSave::freeQuickSaveName(m_s.platform, programFolder(), ticks);
    m_listCaption->hide();
    const QStringList entries = saveProgress();
    const WriteResult written = ProjectFile::write(file, entries);

    m_rightProgressText->hide();
    m_progressBar->setValue(0);
    showListAgain();
    m_loadDialogFolder = ProjectSave::parentFolder(programFolder());
    if (!written) {
        m_s.prompter.ask(this, product::name(), written.error, Box::Error);
        return;
    }
    m_s.prompter.ask(Prompter::plain(projecttexts::quickSaved(file)));
}

void MainWindow::loadProjectFile()
{
    OpenFilesRequest request;
    request.owner = this;
    request.title = loadTitle;
    request.folder = recentProjectFolder().isEmpty() ? m_loadDialogFolder : recentProjectFolder();
    request.filters = {product::name() + QStringLiteral(" project files (.tpf) (*.tpf)")};
    request.multiple = false;
    const OpenFilesResult result = m_s.prompter.openFiles(request);
    if (!result.accepted || result.files.isEmpty())
        return;
    loadProject(result.files.first());
}

bool MainWindow::loadProject(const QString &path)
{
    if (m_model->count() > 0 &&
        m_s.prompter.ask(this, product::titleSpacedCopyright(), projecttexts::clearQuestion(path),
                         Box::Question, Box::Yes | Box::No) != Box::Yes)
        return false;
    update();
    const QString shortPath = m_s.platform.shortPath(path);
    m_lastChosenShortPath->setText(shortPath);
    BusyCursor busy;

    const ProjectOpen opened = ProjectLoad::open(m_s.platform, path);
    switch (opened.outcome) {
    case ProjectOpen::NoData:
        m_s.prompter.ask(nullptr, QStringLiteral("Whoops!"), projecttexts::noData(path),
                         Box::Warning);
        return false;
    case ProjectOpen::Missing:
        m_s.prompter.ask(nullptr, product::shortTitle(), projecttexts::missing(path), Box::Warning);
        return false;
    case ProjectOpen::Unreadable:
        m_s.prompter.ask(nullptr, product::shortTitle(), projecttexts::unreadable(path),
                         Box::Warning);
        return false;
    case ProjectOpen::Loaded:
        break;
    }

    m_model->clear();
    m_model->addMany(opened.entries);
    m_lastAdded = path;
    m_lastChosenShortPath->setText(shortPath);
    const QString folder = Platform::folderWithSeparator(QFileInfo(path).absolutePath());
    m_lastChosenFolder->setText(folder);
    setRecentProjectFolder(folder);
    setWindowTitle(path);
    m_s.taskbar.set(product::name() + QStringLiteral(" Project File"), QStringLiteral("project"));
    update();
    m_listCaption->show();
    busy.done();

    // A build asked for on load runs on the list as read, before the missing entries go.
    if (m_tool && m_tool->executeOnLoad() && m_model->count() > 0) {
        selectAll();
        if (selectedCount() == m_model->count())
            build();
    }
    sweepMissing(path, shortPath);
    return true;
}

void MainWindow::sweepMissing(const QString &path, const QString &shortPath)
{
    if (m_model->count() == 0)
        return;
    const QList<int> rows = ProjectLoad::missingRows(m_s.platform, m_model->paths());
    if (rows.isEmpty())
        return;
    BusyCursor busy;
    for (int row : rows) {
        m_statusLine->hide();
        m_list->viewport()->update();
        m_removalPathText->show();
        m_removalPanel->show();
        m_leftProgressText->hide();
        m_rightProgressText->hide();
        m_s.pacer.pause(50);
        m_removalPathText->setFileName(projecttexts::removing(shortPath, m_model->at(row)));
        if (m_tool)
            m_tool->setExecuteOnLoad(false);
    }
    // One removal for the whole walk; the rows come last first.
    QList<int> ascending(rows.rbegin(), rows.rend());
    m_model->removeRows(ascending);

    const bool repair = m_tool && m_tool->repairProjects();
    if (repair) {
        // Written once, whole: the file holds exactly the remaining list or stays as it was.
        const WriteResult written = ProjectLoad::writeBack(path, m_model->paths());
        if (!written) {
            m_removalPanel->hide();
            m_removalPathText->setFileName(QString());
            busy.done();
            m_s.prompter.ask(this, product::title(), written.error, Box::Error);
            return;
        }
    }

    m_removalPanel->hide();
    m_removalPathText->setFileName(QString());
    if (m_model->count() == 0) {
        busy.done();
        if (repair) {
            if (m_tool)
                m_tool->setExecuteOnLoad(false);
            if (!m_s.platform.renameFile(shortPath, ProjectLoad::backupName(shortPath))) {
                m_s.prompter.ask(nullptr, QStringLiteral("Write Error!"),
                                 projecttexts::renameFailed(path), Box::Error);
                return;
            }
            m_s.prompter.ask(this, QStringLiteral("Invalid project file...!"),
                             projecttexts::renamedToBackup(path), Box::Information);
            update();
            return;
        }
        setHeaderText(1, FileList::dots(41));
        m_s.prompter.ask(this, product::shortTitle(), projecttexts::noValidLinks(shortPath),
                         Box::Warning);
        return;
    }
    if (m_tool)
        m_tool->setExecuteOnLoad(false);
    m_s.prompter.ask(this, product::shortTitle(), projecttexts::someInvalid(shortPath),
                     Box::Warning);
    m_header->update();
}

} // namespace tolvane
