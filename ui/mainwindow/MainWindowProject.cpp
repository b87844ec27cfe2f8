// Saving the selected entries as a project file: the window's side of the saves, which run in
// the core and ask and show through here.
#include "core/Product.h"
#include "core/project/ProjectSaveSequence.h"
#include "core/project/ProjectTexts.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/MessageBoxes.h"
#include "ui/toolwindow/ToolWindow.h"
#include "ui/widgets/TFileLabel.h"

#include <QAction>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>

namespace tolvane {

namespace {
const QString saveTitle = QStringLiteral("Save as tolvane project file to directory folder in:");
const QString loadTitle = QStringLiteral("Load project file...");

// Brings the list's buttons back to what the list's state gives them the next time the list is
// painted, as drawing its rows always does, then goes.
class RefreshOnPaint : public QObject
{
  public:
    RefreshOnPaint(QWidget *viewport, std::function<void()> refresh)
        : QObject(viewport), m_refresh(std::move(refresh))
    {
        viewport->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            m_refresh();
            deleteLater();
        }
        return false;
    }

  private:
    std::function<void()> m_refresh;
};
} // namespace

// The main window as the saves see it.
class MainWindow::Save : public SaveReporter
{
  public:
    explicit Save(MainWindow &window) : w(window) {}

    int ask(const Message &message) override
    {
        if (message.id == Message::Id::BlankName || message.id == Message::Id::DotName) {
            w.m_listCaption->show();
            w.m_listPanel->clear();
            if (message.id == Message::Id::DotName) {
                w.m_rightProgressText->setFileName(QString());
                w.m_progressBar->hide();
            }
        }
        return messageboxes::ask(w.m_s.prompter, w, message);
    }
    void pause(int ms) override { w.m_s.pacer.pause(ms); }
    std::optional<QString> chooseFile() override;
    QStringList selectedEntries() const override
    {
        QStringList entries;
        for (int row : w.selectedRows())
            entries << w.m_model->at(row);
        return entries;
    }
    QString programFolder() const override { return w.programFolder(); }
    bool settingsKeyExists() const override { return w.m_s.settings.settingsKeyExists(); }
    void progress(int done, int total, const QString &entry) override
    {
        w.m_list->viewport()->update();
        w.m_rightProgressText->show();
        w.m_progressBar->setMaximum(total);
        w.m_progressBar->show();
        w.m_progressBar->setValue(done);
        w.m_rightProgressText->setFileName(projecttexts::creatingFile(entry));
    }
    void restoreList() override
    {
        w.m_progressBar->setValue(0);
        w.showListAgain();
    }
    void setLoadFolder(const QString &folder) override { w.m_loadDialogFolder = folder; }

  private:
    MainWindow &w;
};

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

std::optional<QString> MainWindow::Save::chooseFile()
{
    w.m_listCaption->hide();
    w.m_resIdBanner->hide();
    SaveFileRequest request;
    request.owner = &w;
    request.title = saveTitle;
    if (!w.m_saveDialogName.isEmpty())
        request.folder = QFileInfo(w.m_saveDialogName).absolutePath();
    request.fileName = w.m_saveDialogName;
    request.filters = {product::name() + QStringLiteral(" project files (*.tpf)")};
    const std::optional<QString> chosen = w.m_s.prompter.saveFile(request);
    if (chosen && !chosen->isEmpty())
        w.m_saveDialogName = *chosen;
    return chosen;
}

void MainWindow::saveList()
{
    if (selectedCount() == 0)
        return;
    const qint64 ticks = m_s.platform.tickCount();
    m_list->hide();
    m_listPanel->setText(projecttexts::pleaseWait());
    m_rightProgressText->setFileName(QString());
    Save reporter(*this);
    ProjectSaveSequence save(m_s.platform, reporter);
    if (m_tool && m_tool->promptedSave()) {
        switch (save.prompted()) {
        case ProjectSaveSequence::End::Cancelled:
            showListAgain();
            m_rightProgressText->hide();
            return;
        case ProjectSaveSequence::End::Blank:
            m_list->show();
            m_rightProgressText->setFileName(QString());
            setListButtonsDisabled();
            setWindowTitle(product::title());
            // Off until the list is next drawn, which gives them back their states.
            new RefreshOnPaint(m_list->viewport(), [this] { refreshListState(); });
            return;
        case ProjectSaveSequence::End::Dot:
            m_list->show();
            return;
        default:
            showListAgain();
            return;
        }
    }
    if (m_tool && m_tool->quickSave()) {
        m_list->hide();
        m_resIdBanner->hide();
        m_listCaption->hide();
        save.quick(ticks);
        m_rightProgressText->hide();
        showListAgain();
        return;
    }
    showListAgain(); // no saving mode chosen: nothing to do, but the list stays in view
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

} // namespace tolvane
