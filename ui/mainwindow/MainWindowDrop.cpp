// Files and folders dropped from other programs, the folder scan and the text copies they lead to.
#include "core/FileList.h"
#include "core/Product.h"
#include "core/drop/DropList.h"
#include "core/drop/DropRules.h"
#include "core/drop/TextCopy.h"
#include "core/project/ProjectLoad.h"
#include "core/scan/FolderScan.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
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

namespace {
const QString productTitle = product::title();

// The hourglass for as long as it lives, whichever way a step ends.
struct WaitCursor
{
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};
} // namespace

// The drop's flags live for the whole run; its list view lives for one drop or scan.
class MainWindow::Drop : public ScanListener
{
  public:
    explicit Drop(MainWindow &window) : w(window), s(window.m_s) {}

    void run(const QStringList &paths);
    void scan(const QString &folder);

    // ScanListener
    void entering(const QString &folder) override;
    void visiting(const QString &file, const QString &folder) override;
    bool isDuplicate(const QString &path) override;
    void add(const QString &path) override { list.add(path); }

    bool busy = false;
    bool duplicateShown = false;
    bool textHandled = false;
    bool linksRemoved = false;
    bool projectEmpty = false;
    QString scanMask = QStringLiteral("*.*");

  private:
    bool handlePath(const QString &path);
    void replaceSameName(const QString &path);
    bool replaceByProject(const QString &path);
    bool textCopy(const QString &path, const QString &extension);
    bool textFile(const QString &path);
    void copyAnimation();
    bool sweep(const QString &last);
    bool report(const QString &last);
    void closingChecks(const QString &last);
    // Hands what was gathered to the list, in one batch.
    void flush();
    // Shows where the run is, at most once per screen refresh.
    void showProgress(bool force = false);
    void error(const QString &text);
    TFileLabel *label(const char *name) const
    {
        return w.findChild<TFileLabel *>(QString::fromLatin1(name));
    }

    MainWindow &w;
    Services &s;
    DropList list;
    QString visitedFile;
    QString visitedFolder;
    bool recurse = false;
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
    d.run(paths);
    d.busy = false;
}

void MainWindow::findFiles(const QString &folder)
{
    drop().scan(folder);
}

bool MainWindow::duplicateShown() const
{
    return m_drop && m_drop->duplicateShown;
}

bool MainWindow::textHandled() const
{
    return m_drop && m_drop->textHandled;
}

void MainWindow::Drop::error(const QString &text)
{
    s.prompter.ask(nullptr, productTitle, text, Box::Error);
}

void MainWindow::Drop::flush()
{
    const QStringList pending = list.takePending();
    if (!pending.isEmpty())
        w.m_model->addMany(pending);
}

void MainWindow::Drop::showProgress(bool force)
{
    if (!force && !s.pacer.frameDue())
        return;
    // Merging into the list costs its whole length: it waits until the batch is a good part of
    // it, so a long scan merges a handful of times, not once per frame.
    if (force || list.pendingCount() * 4 >= w.m_model->count())
        flush();
    w.setHeaderText(1, FileList::countsBanner(list.count(), w.selectedCount()));
    if (!visitedFile.isEmpty()) {
        label("FileLabel1")
            ->setFileName(QStringLiteral("File: ") + (recurse ? visitedFile : scanMask).toLower());
        label("FileLabel2")->setFileName(QStringLiteral("Directory: ") + visitedFolder.toLower());
    }
    if (!force)
        s.pacer.showFrame();
}

void MainWindow::Drop::run(const QStringList &paths)
{
    w.update();
    linksRemoved = false;
    projectEmpty = false;
    w.setAcceptDrops(true);
    w.m_dropped = true;
    const int oldCount = w.m_model->count();
    list.reset(w.m_model->paths());
    visitedFile.clear();

    QString last;
    for (const QString &path : paths) {
        w.activateWindow();
        w.setFocus();
        w.m_statusLine->hide();
        last = path;
        if (!handlePath(path))
            return;
        showProgress();
    }
    flush();
    w.setHeaderText(1, FileList::countsBanner(w.m_model->count(), w.selectedCount()));
    w.update();

    if (!last.isEmpty() && DropRules::scansAsFolder(last)) {
        w.update();
        w.m_scanPanel->show();
        scanMask = QStringLiteral("*.*");
        scan(last);
        s.taskbar.set(productTitle, QStringLiteral("folder"));
        w.setWindowTitle(QStringLiteral("Contents of Folder [") + last + QLatin1Char(']'));
        w.m_scanPanel->hide();
    }

    if (w.m_model->count() == oldCount && !duplicateShown && !textHandled) {
        w.setFocus();
        w.m_scanPanel->hide();
        s.prompter.ask(Prompter::dialog(
            Box::Error, QStringLiteral("Fail to execute, check current program settings!"),
            Box::Ok));
        w.update();
    }

    ToolWindow *tool = w.m_tool;
    if (w.m_model->count() > 0 && tool && tool->executeOnLoad() && !linksRemoved) {
        w.setSelected(0, true);
        w.selectAll();
        w.build();
        return;
    }

    if (!sweep(last))
        return;
    if (!report(last))
        return;
    if (w.m_clearItemsButton->isEnabled())
        closingChecks(last);
}

bool MainWindow::Drop::handlePath(const QString &path)
{
    ToolWindow *tool = w.m_tool;
    if (w.selectedCount() > 0) {
        flush();
        s.prompter.ask(&w, product::name(),
                       QStringLiteral("When file(s) are selected in the File List, you\rcannot "
                                      "drag files or folders onto the program.\rUse the Add Files "
                                      "menu, to load extra files!"),
                       Box::Warning);
        return false;
    }
    const bool project = DropRules::isProject(path);
    if (project && tool && tool->dropFilterPosition() != 0) {
        const int before = tool->dropFilterPosition();
        if (s.prompter.ask(&w, QStringLiteral("Project file..."),
                           QStringLiteral("When dragging a project file, set the program's "
                                          "filter,\rto wildcards. Would you like to temporarily "
                                          "reset the filter?"),
                           Box::Warning, Box::Yes | Box::No) == Box::Yes) {
            tool->update();
            // Put aside, so the next build brings it back.
            w.m_rememberedFilter = QString::number(before);
            tool->setDropFilterPosition(0);
        }
        w.setHeaderText(0, QStringLiteral("Filter: ") + tool->dropFilterMask());
    }
    if (project) {
        if (list.count() > 0) {
            flush();
            if (s.prompter.ask(&w, product::name(),
                               QStringLiteral("This will clear the currently loaded project file "
                                              "with contents\rfrom \"") +
                                   path + QStringLiteral("\" continue?"),
                               Box::Question, Box::Yes | Box::No) != Box::Yes)
                return false;
        }
        s.taskbar.set(product::name() + QStringLiteral(" Project File"), QStringLiteral("project"));
        w.setWindowTitle(QStringLiteral("Project File [") + path + QLatin1Char(']'));
        if (s.platform.fileSize(path) == 0) {
            flush();
            s.prompter.ask(&w, QStringLiteral("Whoops!"),
                           QStringLiteral("File \"") + DropRules::fileNamePart(path) +
                               QStringLiteral("\" contains no data !"),
                           Box::Warning);
            return false;
        }
    }

    replaceSameName(path);

    const int position = tool ? tool->dropFilterPosition() : 0;
    if (project && position == 0) {
        if (!replaceByProject(path))
            return false;
    } else if (FolderScan::passes(path, position)) {
        list.add(path);
    }

    if (DropRules::isTextSource(path) && !textCopy(path, QStringLiteral(".txt")))
        return false;
    if (DropRules::isText(path) && !textFile(path))
        return false;
    return true;
}

void MainWindow::Drop::replaceSameName(const QString &path)
{
    const QString name = DropRules::fileNamePart(path);
    // Most drops meet no namesake: the look-up spares a walk over a long list per path.
    if (!list.hasFileName(name))
        return;
    flush();
    const QList<int> rows = DropList::rowsNamed(w.m_model->paths(), name);
    for (int row : rows)
        list.forget(w.m_model->at(row));
    w.m_model->removeRows(rows);
}

bool MainWindow::Drop::replaceByProject(const QString &path)
{
    const ProjectOpen opened = ProjectLoad::open(s.platform, path);
    if (opened.outcome != ProjectOpen::Loaded) {
        flush();
        error(QStringLiteral("Cannot open file ") + path);
        return false;
    }
    list.takePending();
    w.m_model->clear();
    w.m_model->addMany(opened.entries);
    list.reset(w.m_model->paths());
    return true;
}

bool MainWindow::Drop::textCopy(const QString &path, const QString &extension)
{
    textHandled = true;
    const TextCopy::Result r = TextCopy::copy(s.platform, path, extension);
    switch (r.outcome) {
    case TextCopy::Result::Copied:
        w.update();
        copyAnimation();
        return true;
    case TextCopy::Result::NameTaken:
        s.prompter.ask(Prompter::dialog(Box::Error, TextCopy::nameTakenText(path), Box::Abort));
        return true;
    case TextCopy::Result::Failed:
        flush();
        error(r.error);
        return false;
    }
    return true;
}

bool MainWindow::Drop::textFile(const QString &path)
{
    textHandled = true;
    TextCopier *copier = w.m_textCopier;
    if (!copier)
        return true;
    flush();
    const TextCopier::Option option = copier->ask(path);
    if (option == TextCopier::Print) {
        // Printing is handed to the desktop; its failures are not ours to report.
        s.platform.printFile(path);
        return true;
    }
    const QString extension = TextCopier::extensionFor(option);
    if (extension.isEmpty())
        return true;
    copier->setWindowTitle(TextCopier::captionFor(path));
    return textCopy(path, extension);
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

void MainWindow::Drop::scan(const QString &folder)
{
    const bool nested = busy;
    if (!nested)
        list.reset(w.m_model->paths());
    ToolWindow *tool = w.m_tool;
    recurse = tool && tool->recurse();
    visitedFile.clear();
    FolderScan(s.platform, *this).run(folder, recurse, tool ? tool->dropFilterPosition() : 0);
    showProgress(true);
}

void MainWindow::Drop::entering(const QString &)
{
    w.m_scanPanel->show();
}

void MainWindow::Drop::visiting(const QString &file, const QString &folder)
{
    visitedFile = file;
    visitedFolder = folder;
    showProgress();
}

bool MainWindow::Drop::isDuplicate(const QString &path)
{
    duplicateShown = false;
    if (!list.containsExact(path))
        return false;
    flush();
    w.m_progressBar->hide();
    w.m_scanPanel->hide();
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const Box::Button answer = s.prompter.ask(Prompter::dialog(
        Box::Warning,
        QStringLiteral("One or more file(s) from folder: ") + DropRules::folderPart(path) +
            QStringLiteral(",\ralready exist in the current list. Press ok to continue or cancel "
                           "to clear."),
        Box::Ok | Box::Cancel));
    QApplication::restoreOverrideCursor();
    if (answer == Box::Cancel) {
        w.clearAll();
        list.reset(w.m_model->paths());
    }
    duplicateShown = true;
    return true;
}

// Removes the entries whose files have gone; a project file they came from is rewritten once.
bool MainWindow::Drop::sweep(const QString &last)
{
    FileListModel &model = *w.m_model;
    if (model.count() == 0)
        return true;
    // Last first, the order they are removed in.
    const QList<int> missing = ProjectLoad::missingRows(s.platform, model.paths());
    if (missing.isEmpty())
        return true;
    ToolWindow *tool = w.m_tool;
    TFileLabel *removing = w.m_removalPathText;
    w.m_list->update();
    w.m_header->update();
    if (tool)
        tool->setExecuteOnLoad(false);
    linksRemoved = true;
    removing->show();
    w.m_removalPanel->show();
    w.m_leftProgressText->hide();
    w.m_rightProgressText->hide();
    {
        WaitCursor wait;
        for (int row : missing) {
            s.pacer.pause(50);
            removing->setFileName(QStringLiteral("Removing from list: ") + model.at(row));
        }
        // One removal for the whole walk.
        model.removeRows(QList<int>(missing.rbegin(), missing.rend()));
        // After the removal, which redraws the counts.
        w.setHeaderText(1, QStringLiteral("Modified....."));
    }
    if (tool && tool->repairProjects() && DropRules::isProject(last)) {
        // Once, whole: the file holds exactly the remaining list or stays as it was.
        const WriteResult written = ProjectLoad::writeBack(last, model.paths());
        if (!written) {
            w.m_removalPanel->hide();
            removing->setFileName(QString());
            error(written.error);
            return false;
        }
    }
    return true;
}

bool MainWindow::Drop::report(const QString &last)
{
    if (!w.m_removalPanel->isVisibleTo(&w))
        return true;
    ToolWindow *tool = w.m_tool;
    TFileLabel *removing = w.m_removalPathText;
    const bool repair = tool && tool->repairProjects() && DropRules::isProject(last);
    if (w.m_model->count() == 0) {
        w.m_scanPanel->hide();
        projectEmpty = true;
        w.m_removalPanel->hide();
        removing->setFileName(QString());
        if (repair) {
            const QString backup = ProjectLoad::backupName(last);
            if (!s.platform.renameFile(last, backup)) {
                s.prompter.ask(nullptr, QStringLiteral("Write Error"),
                               QStringLiteral("Could not rename file \"") + last + QLatin1Char('"'),
                               Box::Error);
                return false;
            }
            s.prompter.ask(&w, QStringLiteral("Invalid project file..."),
                           QStringLiteral("The project file: ") + last +
                               QStringLiteral("\"\rcontained no valid links, file's extension "
                                              "changed to .BCK"),
                           Box::Information);
            w.update();
        } else {
            if (tool)
                tool->setExecuteOnLoad(false);
            s.prompter.ask(&w, product::shortTitle(),
                           QStringLiteral("The project file: ") + s.platform.shortPath(last) +
                               QStringLiteral("\rcontains no valid file links, or has become "
                                              "corrupted !"),
                           Box::Warning);
        }
        return true;
    }
    linksRemoved = true;
    if (tool)
        tool->setExecuteOnLoad(false);
    w.m_removalPanel->hide();
    removing->setFileName(QString());
    s.taskbar.setTitle(QStringLiteral("Bad File Links"));
    if (repair) {
        s.prompter.ask(&w, product::titleCopyright(),
                       QStringLiteral("Updated project file: \"") + last + QLatin1Char('"'),
                       Box::Information);
    } else {
        s.prompter.ask(&w, product::titleCopyright(),
                       QStringLiteral("One or more files from: ") + s.platform.shortPath(last) +
                           QStringLiteral(" \"\rcontained invalid file links, which were not "
                                          "added to the current list."),
                       Box::Warning);
    }
    s.taskbar.set(QStringLiteral("...Modified List..."), QStringLiteral("logo"));
    w.m_header->update();
    return true;
}

// Reached only while "Clear Items" is enabled, that is while entries are selected.
void MainWindow::Drop::closingChecks(const QString &last)
{
    ToolWindow *tool = w.m_tool;
    TFileLabel *removing = w.m_removalPathText;
    if (w.m_model->count() == 0) {
        w.m_model->clear();
        removing->setFileName(QString());
        w.setHeaderText(0, FileList::dots(11));
        w.setListButtonsDisabled();
    }
    if (projectEmpty) {
        removing->setFileName(QString());
        w.setHeaderText(0, FileList::dots(11));
        w.setHeaderText(1, FileList::dots(26));
        w.setListButtonsDisabled();
        return;
    }
    const bool key = s.settings.settingsKeyExists();
    if (key && !s.platform.folderExists(w.programFolder())) {
        s.taskbar.set(QStringLiteral(" Missing program folders!"), QStringLiteral("missing"));
        s.prompter.ask(&w, QStringLiteral("Missing program folder..."),
                       QStringLiteral("Cannot locate program's working directory folder. "
                                      "Press\rthe paths button to create a new folder, and retry "
                                      "your application."),
                       Box::Warning);
        if (tool)
            tool->setExecuteOnLoad(false);
        return;
    }
    if (!tool)
        return;
    // Compared as this file system compares names: with their case.
    if (Platform::folderWithSeparator(w.programFolder()) ==
        Platform::folderWithSeparator(tool->destination())) {
        w.hide();
        tool->hide();
        if (tool->soundsOn())
            s.sound.play(QStringLiteral("A3"));
        s.prompter.ask(nullptr, QStringLiteral("Program's working folder"),
                       QStringLiteral("You cannot save \"") + last +
                           QStringLiteral("\" to the tolvane folder\rsource and destination "
                                          "directories are the same!"),
                       Box::Warning);
        tool->showOptionsAgain();
        w.show();
        w.setEnabled(true);
        return;
    }
    if (tool->executeOnLoad() && !projectEmpty && !linksRemoved) {
        tool->showProgress(QStringLiteral(". . .Initailizing. . ."));
        w.build();
    }
}

} // namespace tolvane
