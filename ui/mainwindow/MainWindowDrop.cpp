// Files and folders dropped from other programs: the window's side of the drop, the folder scan
// and the project load, which run in the core and ask and show through here.
#include "core/drop/DropRules.h"
#include "core/drop/DropSequence.h"
#include "core/project/ListReporter.h"
#include "core/project/ProjectLoad.h"
#include "core/project/ProjectLoadSequence.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/MessageBoxes.h"
#include "ui/textcopier/TextCopier.h"
#include "ui/toolwindow/ProgressPanel.h"
#include "ui/toolwindow/ToolWindow.h"
#include "ui/widgets/TFileLabel.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace tolvane {

// The main window as the drop and the project load see it. The sequence's flags live for the
// whole run, so this lives as long as the window.
class MainWindow::Drop : public ListReporter
{
  public:
    explicit Drop(MainWindow &window) : w(window), s(window.m_s), sequence(s.platform, *this) {}

    int ask(const Message &message) override;
    void pause(int ms) override { s.pacer.pause(ms); }
    bool frameDue() override { return s.pacer.frameDue(); }
    void showFrame() override { s.pacer.showFrame(); }

    QStringList entries() const override { return w.m_model->paths(); }
    int selectedCount() const override { return w.selectedCount(); }
    void addEntries(const QStringList &paths) override { w.m_model->addMany(paths); }
    void replaceEntries(const QStringList &paths) override
    {
        w.m_model->clear();
        if (!paths.isEmpty())
            w.m_model->addMany(paths);
    }
    void removeRows(const QList<int> &rows) override { w.m_model->removeRows(rows); }
    void selectFirst() override { w.setSelected(0, true); }
    void selectAll() override { w.selectAll(); }
    void clearAll() override { w.clearAll(); }
    void build() override { w.build(); }
    bool clearItemsEnabled() const override { return w.m_clearItemsButton->isEnabled(); }
    void disableListButtons() override { w.setListButtonsDisabled(); }

    int dropFilter() const override { return tool() ? tool()->dropFilterPosition() : 0; }
    QString dropFilterMask() const override
    {
        return tool() ? tool()->dropFilterMask() : QString();
    }
    void setDropFilter(int position) override
    {
        if (!tool())
            return;
        tool()->update();
        tool()->setDropFilterPosition(position);
    }
    void rememberFilter(int position) override { w.m_rememberedFilter = QString::number(position); }
    bool executeOnLoad() const override { return tool() && tool()->executeOnLoad(); }
    void setExecuteOnLoad(bool on) override
    {
        if (tool())
            tool()->setExecuteOnLoad(on);
    }
    bool repairProjects() const override { return tool() && tool()->repairProjects(); }
    bool recurse() const override { return tool() && tool()->recurse(); }
    bool soundsOn() const override { return tool() && tool()->soundsOn(); }
    QString destination() const override { return tool() ? tool()->destination() : QString(); }
    QString programFolder() const override { return w.programFolder(); }
    bool settingsKeyExists() const override { return s.settings.settingsKeyExists(); }

    void repaint() override { w.update(); }
    void setHeader(int section, const QString &text) override { w.setHeaderText(section, text); }
    void setCaption(const QString &text) override { w.setWindowTitle(text); }
    void setIdentity(const QString &title, const QString &icon) override
    {
        s.taskbar.set(title, icon);
    }
    void setTaskbarTitle(const QString &title) override { s.taskbar.setTitle(title); }
    void setBusyCursor(bool busy) override;
    void playSound(const QString &name) override { s.sound.play(name); }
    void setScanPanel(bool visible) override { w.m_scanPanel->setVisible(visible); }
    void scanning(const QString &fileLine, const QString &folderLine) override;
    void setRemovalPanel(bool visible) override;
    void setRemovalText(const QString &text) override { w.m_removalPathText->setFileName(text); }

    void dropStarted() override
    {
        w.setAcceptDrops(true);
        w.m_dropped = true;
    }
    void pathStarted() override
    {
        w.activateWindow();
        w.setFocus();
        w.m_statusLine->hide();
    }
    void copyAnimation() override;
    TextOption askTextOption(const QString &path) override;
    void setTextOptionCaption(const QString &path) override
    {
        if (w.m_textCopier)
            w.m_textCopier->setWindowTitle(TextCopier::captionFor(path));
    }
    bool print(const QString &path) override { return s.platform.printFile(path); }
    void hideWindows() override;
    void showWindowsAgain() override;
    void showBuildProgress() override;
    void projectChosen(const QString &shortPath) override
    {
        w.m_lastChosenShortPath->setText(shortPath);
    }
    void projectLoaded(const QString &path, const QString &shortPath) override;

  private:
    ToolWindow *tool() const { return w.m_tool; }

    MainWindow &w;
    Services &s;
    int cursors = 0;

  public:
    bool busy = false;
    DropSequence sequence; // after the window it reports to
};

MainWindow::Drop &MainWindow::drop()
{
    if (!m_drop)
        m_drop = std::make_shared<Drop>(*this);
    return *m_drop;
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!drop().busy && event->mimeData()->hasUrls() &&
        !DropRules::localPaths(event->mimeData()->urls()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent *event)
{
    if (!drop().busy)
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QStringList paths = DropRules::localPaths(event->mimeData()->urls());
    if (paths.isEmpty() || drop().busy)
        return;
    event->acceptProposedAction();
    drop().busy = true;
    // The drop is released at once: its questions and a build it may start must not keep the
    // other program waiting for its answer.
    QTimer::singleShot(0, this, [this, paths] { dropPaths(paths); });
}

void MainWindow::dropPaths(const QStringList &paths)
{
    Drop &d = drop();
    d.busy = true;
    d.sequence.run(paths);
    d.busy = false;
}

void MainWindow::findFiles(const QString &folder)
{
    drop().sequence.scan(folder);
}

bool MainWindow::loadProject(const QString &path)
{
    const ProjectLoadSequence::End end = ProjectLoadSequence(m_s.platform, drop()).run(path);
    return end == ProjectLoadSequence::End::Loaded || end == ProjectLoadSequence::End::RepairFailed;
}

bool MainWindow::duplicateShown() const
{
    return m_drop && m_drop->sequence.duplicateShown();
}

bool MainWindow::textHandled() const
{
    return m_drop && m_drop->sequence.textHandled();
}

int MainWindow::Drop::ask(const Message &message)
{
    if (message.id == Message::Id::Duplicate) {
        // The scan's own progress gives way to the question.
        w.m_progressBar->hide();
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    const int answer = messageboxes::ask(s.prompter, w, message);
    if (message.id == Message::Id::Duplicate)
        QApplication::restoreOverrideCursor();
    return answer;
}

void MainWindow::Drop::setBusyCursor(bool on)
{
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++cursors;
    } else if (cursors > 0) {
        QApplication::restoreOverrideCursor();
        --cursors;
    }
}

void MainWindow::Drop::scanning(const QString &fileLine, const QString &folderLine)
{
    w.findChild<TFileLabel *>(QStringLiteral("FileLabel1"))->setFileName(fileLine);
    w.findChild<TFileLabel *>(QStringLiteral("FileLabel2"))->setFileName(folderLine);
}

void MainWindow::Drop::setRemovalPanel(bool visible)
{
    w.m_removalPanel->setVisible(visible);
    if (!visible)
        return;
    w.m_statusLine->hide();
    w.m_list->viewport()->update();
    w.m_header->update();
    w.m_removalPathText->show();
    w.m_leftProgressText->hide();
    w.m_rightProgressText->hide();
}

void MainWindow::Drop::copyAnimation()
{
    QProgressBar *bar = w.m_progressBar;
    w.m_listCaption->hide();
    bar->setValue(0);
    bar->show();
    for (int i = 0; i < 101; ++i) {
        s.pacer.pause(1);
        bar->setMaximum(100);
        bar->setValue(qMin(bar->value() + 1, 100));
        w.m_rightProgressText->show();
        w.m_rightProgressText->setFileName(QStringLiteral(" Copying file..."));
        if (bar->value() >= 100 && bar->isVisibleTo(&w)) {
            bar->hide();
            w.m_listCaption->show();
        }
    }
    w.m_rightProgressText->setFileName(QString());
}

ListReporter::TextOption MainWindow::Drop::askTextOption(const QString &path)
{
    if (!w.m_textCopier)
        return TextOption::None;
    switch (w.m_textCopier->ask(path)) {
    case TextCopier::Print:
        return TextOption::Print;
    case TextCopier::Unit:
        return TextOption::Unit;
    case TextCopier::Script:
        return TextOption::Script;
    case TextCopier::Project:
        return TextOption::Project;
    case TextCopier::None:
        break;
    }
    return TextOption::None;
}

void MainWindow::Drop::hideWindows()
{
    w.hide();
    if (tool())
        tool()->hide();
}

void MainWindow::Drop::showWindowsAgain()
{
    // The tool window comes back with its options and "&Close".
    if (tool())
        tool()->showOptions();
    w.show();
    w.setEnabled(true);
}

void MainWindow::Drop::showBuildProgress()
{
    ToolWindow *t = tool();
    if (!t)
        return;
    t->update();
    ProgressPanel &panel = t->progress();
    panel.setLine(ProgressPanel::Line::Msg2, QStringLiteral(". . .Initailizing. . ."));
    panel.setLine(ProgressPanel::Line::Msg3, QString());
    panel.setLine(ProgressPanel::Line::Msg4, QString());
    panel.setPanelVisible(ProgressPanel::Panel::Options, false);
    panel.setPanelVisible(ProgressPanel::Panel::StatusLines, true);
    panel.setPanelVisible(ProgressPanel::Panel::Progress, true);
    t->closeButton()->setEnabled(false);
    panel.setBarValue(ProgressPanel::Bar::Bar1, 0);
    panel.setBarValue(ProgressPanel::Bar::Bar2, 0);
}

void MainWindow::Drop::projectLoaded(const QString &path, const QString &shortPath)
{
    w.m_lastAdded = path;
    w.m_lastChosenShortPath->setText(shortPath);
    const QString folder = ProjectLoad::folderOf(path);
    w.m_lastChosenFolder->setText(folder);
    w.setRecentProjectFolder(folder);
    w.setWindowTitle(path);
    s.taskbar.set(QStringLiteral("Tolvane Project File"), QStringLiteral("project"));
    w.update();
    w.m_listCaption->show();
}

} // namespace tolvane
