#include "ui/mainwindow/BuildRunner.h"
#include "core/BuildTexts.h"
#include "core/FileTexts.h"
#include "core/Identifiers.h"
#include "core/LibraryProjectWriter.h"
#include "core/NameChecks.h"
#include "core/Product.h"
#include "core/ScriptWriter.h"
#include "core/StringTable.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>

namespace tolvane {

namespace {
const QString productTitle = product::title();
}

BuildRunner::BuildRunner(Services &services, MainWindow &main, ToolWindow &tool, QObject *parent)
    : QObject(parent), m_s(services), m_main(main), m_tool(tool)
{
}

Box::Button BuildRunner::box(QWidget *owner, const QString &caption, const QString &text,
                             Box::Icon icon, int buttons)
{
    return m_s.prompter.ask(owner, caption, text, icon, buttons);
}

void BuildRunner::title(const QString &text)
{
    m_s.taskbar.setTitle(text);
}

void BuildRunner::pause(int ms)
{
    m_s.pacer.pause(ms);
}

void BuildRunner::run()
{
    if (!prepare())
        return;
    if (!writeScript())
        return;
    finish();
}

// Checks the list and the settings, forms the names and opens the progress panel. False when a
// check stopped the build.
bool BuildRunner::prepare()
{
    FileListModel &list = m_main.list();
    m_error = false;
    m_unselectedNote = false;

    if (!m_main.rememberedFilter().isEmpty()) {
        m_tool.setDropFilterPosition(m_main.rememberedFilter().toInt());
        m_main.setHeaderText(0, QStringLiteral("Filter: ") + m_tool.dropFilterMask());
    }
    m_tool.setResNameVisible(m_main.selectedCount() <= 1);

    // Invalid links: the first missing file, selected or not, clears the list.
    for (int i = 0; i < list.count(); ++i) {
        if (m_s.platform.fileExists(list.at(i)))
            continue;
        m_tool.setExecuteOnLoad(false);
        box(m_main.listView(), QStringLiteral("Invalid file link...!"),
            QStringLiteral("One or more files from the current file list, links to a\rfile "
                           "location that's is no "
                           "longer valid! Aborting build."),
            Box::Error);
        m_main.clearAll();
        return false;
    }

    if (Identifiers::resIdConflict(m_tool.prefixPosition(), m_main.selectedCount(),
                                   m_s.strings.count())) {
        const Box::Button answer = box(
            nullptr, QStringLiteral("Warning"),
            QStringLiteral(
                "The current ResId setting, will conflict with your String table\rconstants. When "
                "calling ResIDs from the resource, one or more\rnumbers will be identical. Would "
                "you "
                "like to use a default instead?"),
            Box::Warning, Box::Yes | Box::Abort);
        if (answer != Box::Yes)
            return false;
        m_main.hideResIdBanner();
        m_tool.setPrefixPosition(0);
    }

    if (!m_tool.scriptsOnly()) {
        for (int i = 0; i < list.count(); ++i) {
            if (m_s.platform.fileSize(list.at(i)) != 0)
                continue;
            m_tool.setExecuteOnLoad(false);
            if (box(nullptr, QStringLiteral("Warning"), buildtexts::zeroByteQuestion(list.at(i)),
                    Box::Warning, Box::Yes | Box::No) == Box::Yes) {
                if (list.count() > 1)
                    list.removeAt(i);
                else {
                    m_main.setSelected(0, true);
                    m_main.clearItems();
                }
            }
            return false;
        }
    }

    if (!m_tool.scriptsOnly() &&
        m_tool.scriptName().compare(m_tool.libraryName(), Qt::CaseInsensitive) == 0) {
        if (box(nullptr, QStringLiteral("Warning"),
                QStringLiteral("The current script and library names are identical. This will "
                               "prevent\rthe file(s) "
                               ".RC .PAS. DPR, to copy as Plain Text when dragged onto\rthe "
                               "program. Its recommended "
                               "to rename one of the fields..continue?"),
                Box::Warning, Box::Yes | Box::No) != Box::Yes)
            return false;
    }

    if (!m_s.platform.folderExists(m_tool.destination())) {
        m_tool.setExecuteOnLoad(false);
        m_s.taskbar.set(QStringLiteral("Whoops!"), QStringLiteral("warning"));
        box(&m_main, productTitle,
            QStringLiteral("No destination directory specified...assuming current!"), Box::Warning);
        m_s.taskbar.set(productTitle, QStringLiteral("logo"));
        box(nullptr, productTitle, buildtexts::recentDirectoryMessage(m_s.platform.currentFolder()),
            Box::NoIcon);
        m_tool.closeButton()->setEnabled(true);
        return false;
    }

    const bool autoSort = m_tool.autoSort();
    m_unselectedNote = list.count() > m_main.selectedCount();
    if (m_unselectedNote && autoSort)
        m_main.removeUnselected();
    if (list.count() > 100 && list.count() / 4 > m_main.selectedCount() && !autoSort) {
        if (box(nullptr, QStringLiteral("Confirm"),
                QStringLiteral("Would you like to remove the unselected\rfiles from the list, "
                               "before this script is "
                               "written?"),
                Box::Question, Box::Yes | Box::No) == Box::Yes)
            m_main.removeUnselected();
    }

    m_tool.msg2()->setText(QStringLiteral(". . .Loading File List. . ."));
    m_tool.msg3()->clear();
    m_tool.msg4()->setText(autoSort ? QStringLiteral("Sorting File List updating as needed.")
                                    : QString());
    m_tool.optionsPanel()->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{m_tool.msg2(), m_tool.msg3(), m_tool.msg4(),
                                                       m_tool.progressPanel()})
        w->show();
    m_tool.closeButton()->setEnabled(false);
    m_tool.bar1()->setValue(0);
    m_tool.bar2()->setValue(0);

    if (m_tool.scriptName().isEmpty())
        m_tool.setScriptName(QStringLiteral("Untitled"));
    if (m_tool.libraryName().isEmpty())
        m_tool.setLibraryName(QStringLiteral("Untitled"));
    const bool key = m_s.settings.settingsKeyExists();
    m_names = OutputNames::form(m_main.programFolder(), m_main.tempFolder(), m_tool.destination(),
                                m_tool.scriptName(), m_tool.libraryName(), key);

    if (key && !m_s.platform.folderExists(m_main.programFolder())) {
        m_s.taskbar.set(QStringLiteral("Working Folder..."), QStringLiteral("warning"));
        box(&m_main, QStringLiteral("Missing program folder..."),
            QStringLiteral("Cannot locate the program's working directory folder\" press\rthe "
                           "paths button to enter "
                           "setup and retry your application."),
            Box::Warning);
        return false;
    }

    // Only where a file came from the dialog or a project: a removable disk taken out since.
    const QString lastAdded = m_main.lastAddedPath();
    if (!m_main.dropFlag() && !lastAdded.isEmpty() &&
        !m_s.platform.folderExists(QFileInfo(lastAdded).absolutePath())) {
        m_s.taskbar.set(QStringLiteral("...Whoops !..."), QStringLiteral("warning"));
        box(nullptr, QStringLiteral("Invalid location... "),
            QStringLiteral("Please re-insert drive ' ") +
                Platform::folderWithSeparator(QFileInfo(lastAdded).absolutePath()) +
                QStringLiteral(" ' to continue !"),
            Box::Warning);
        return false;
    }

    if (m_tool.hideOnBuild())
        m_tool.hide();
    else
        m_tool.show();
    m_main.showMinimized();
    m_tool.closeButton()->setDefault(false);

    diskReport(false);
    m_tool.closingPanel()->hide();

    m_selected = m_main.selectedCount();
    if (m_selected == 1 && m_tool.resName().isEmpty())
        m_tool.setResName(QStringLiteral("MyResFile"));

    // Without a settings key the script is written to the temp folder: the destination must differ.
    if (!key && Platform::folderWithSeparator(m_tool.destination()) == m_main.tempFolder()) {
        m_main.hide();
        m_tool.hide();
        if (m_tool.soundsOn())
            m_s.sound.play(QStringLiteral("A3"));
        m_s.taskbar.set(QStringLiteral("...Whoops !..."), QStringLiteral("warning"));
        box(nullptr, product::titleCopyright(),
            QStringLiteral("Cannot save \"") + m_tool.scriptName() +
                QStringLiteral(".rc\" to this folder! Source and destination are the same."),
            Box::Warning);
        m_tool.closeButton()->setEnabled(true);
        m_tool.optionsPanel()->show();
        m_tool.show();
        m_main.showNormal();
        m_main.setEnabled(true);
        return false;
    }

    m_tool.bar1()->hide();
    m_tool.busyLamp()->setVisible(m_main.highColour());
    m_s.taskbar.setIcon(QStringLiteral("logo"));
    if (const auto free = m_s.platform.freeSpace(m_s.platform.driveRoot(m_tool.destination())))
        m_freeBefore = *free;
    return true;
}

void BuildRunner::diskReport(bool adjusted)
{
    const QString root = m_s.platform.driveRoot(m_tool.destination());
    const auto free = m_s.platform.freeSpace(root);
    if (!free)
        return;
    m_tool.setDiskLabel(adjusted
                            ? QStringLiteral("Adjusted space on ' ") + root + QStringLiteral("' ") +
                                  QString::number(*free) + QStringLiteral(" Bytes")
                            : NameChecks::diskLabel(root, *free));
}

bool BuildRunner::writeScript()
{
    QList<ListEntry> entries;
    const FileListModel &list = m_main.list();
    const QList<int> selected = m_main.selectedRows();
    int next = 0;
    for (int i = 0; i < list.count(); ++i) {
        const bool on = next < selected.size() && selected.at(next) == i;
        if (on)
            ++next;
        entries << ListEntry{list.at(i), on};
    }
    ScriptSettings s;
    s.scriptName = m_tool.scriptName();
    s.resName = m_tool.resName();
    s.prefixPosition = m_tool.prefixPosition();
    s.fileInfo = m_tool.fileInfo();
    s.autoSort = m_tool.autoSort();
    s.programFolder = m_main.programFolder();
    s.settingsKeyExists = m_s.settings.settingsKeyExists();
    s.tempFolder = m_main.tempFolder();
    s.unselectedNote = m_unselectedNote;

    ScriptWriter writer(m_s.platform, m_s.clock);
    QProgressBar *bar = m_tool.bar1();
    const WriteResult result =
        writer.write(entries, m_s.strings.lines(), s, [&](const ScriptProgress &p) {
            bar->setVisible(p.barVisible);
            title(p.title);
            pause(p.pauseMs);
            bar->setMaximum(p.barMaximum);
            m_tool.msg2()->setText(p.msg2);
            m_tool.msg3()->setText(p.msg3);
            bar->setValue(qMin(bar->maximum(), bar->value() + p.advance));
        });
    m_tool.msg2()->setText(QStringLiteral(". . .Script complete. . ."));
    m_tool.closeButton()->setEnabled(true);
    if (!result) {
        box(nullptr, productTitle, result.error, Box::Error);
        return false;
    }
    return true;
}

void BuildRunner::finish()
{
    m_tool.msg3()->clear();
    m_tool.bar1()->setValue(0);
    m_tool.bar2()->setValue(0);
    m_tool.bar1()->hide();
    m_tool.bar2()->hide();
    if (m_main.compiler1().isEmpty() || m_tool.scriptsOnly())
        scriptsOnlyEnd();
    else
        compile();
}

void BuildRunner::credits(int firstPause)
{
    pause(firstPause);
    m_tool.msg2()->setText(buildtexts::credit());
    pause(1000);
    m_tool.msg3()->setText(buildtexts::ownership());
    pause(1000);
    m_tool.msg4()->setText(buildtexts::contact());
}

void BuildRunner::scriptsOnlyEnd()
{
    m_tool.bar1()->setMaximum(qMax(1, m_selected));
    m_tool.closingPanel()->show();
    credits(2000);
    m_tool.closeButton()->setDefault(true);
    pause(2000);
    m_main.showNormal();
    m_tool.busyLamp()->hide();
    diskReport(false);
    if (m_s.platform.fileExists(m_names.workingScript)) {
        m_s.platform.moveFiles({m_names.workingScript}, m_names.destinationFolder);
        title(QStringLiteral("Document Complete"));
        if (m_tool.hideOnBuild())
            m_tool.hide();
        m_tool.optionsPanel()->show();
        m_tool.busyLamp()->hide();
        m_tool.closeButton()->setEnabled(true);
    }
    m_s.taskbar.set(QStringLiteral("Document Complete..."), QStringLiteral("logo"));
    m_s.platform.removeFile(m_names.workingScript);
    m_s.platform.removeFile(m_names.workingProject);
    pause(3000);
    title(QStringLiteral("Task Complete..."));
    m_main.showNormal();
    if (m_tool.hideOnBuild())
        m_tool.hide();
    else
        m_tool.activateWindow();
    m_tool.optionsPanel()->show();
    m_tool.closingPanel()->hide();
    m_tool.progressPanel()->hide();
}

bool BuildRunner::checkCompiler(const QString &path, bool resourceCompiler)
{
    if (!Platform::resolveExecutable(path).isEmpty())
        return true;
    m_error = true;
    m_s.platform.removeFile(m_names.workingScript);
    m_tool.closingPanel()->show();
    m_tool.closeButton()->setEnabled(true);
    m_tool.bar1()->hide();
    m_tool.msg2()->clear();
    m_tool.msg3()->clear();
    m_tool.busyLamp()->hide();
    m_tool.msg4()->setText(QStringLiteral("Press the close button to reset program...!"));
    box(nullptr, QStringLiteral("Configuration problem"),
        buildtexts::configurationProblem(resourceCompiler, path), Box::Warning);
    m_tool.closeButton()->setDefault(true);
    return false;
}

void BuildRunner::compile()
{
    if (m_s.settings.settingsKeyExists()) {
        if (!checkCompiler(m_main.compiler1(), true) || !checkCompiler(m_main.compiler2(), false))
            return;
    }
    title(QStringLiteral("Writing .dpr File"));
    LibrarySettings lib{m_tool.libraryName(), m_tool.scriptName(), m_tool.classes(),
                        m_tool.windowsUnit(), m_tool.dialogs(),    m_main.programFolder()};
    const WriteResult project = LibraryProjectWriter::write(lib);
    m_tool.msg4()->setText(QString(35, QLatin1Char('.')));
    m_error = false;

    // Resource compile.
    title(QStringLiteral("Linking: Brcc32"));
    const QString processing = buildtexts::processingText(m_selected);
    if (!processing.isEmpty())
        m_tool.msg2()->setText(processing);
    m_tool.msg4()->setText(QStringLiteral("....Porting Data (Brcc32)...."));
    const QString pf = Platform::folderWithSeparator(m_main.programFolder());
    const QString brcc = Platform::resolveExecutable(m_main.compiler1());
    const int rc =
        m_s.platform.runTool(brcc.isEmpty() ? m_main.compiler1() : brcc,
                             {pf + m_tool.scriptName() + QStringLiteral(".rc")}, &m_captured);
    if (rc == -1)
        compileFailure(QStringLiteral("-714"));
    else if (rc != 0)
        compileFailure(QStringLiteral("737"));
    if (!m_error)
        m_tool.msg4()->setText(QStringLiteral("....Task complete...."));
    if (m_error)
        return;
    if (!project) {
        // The project could not be written: reported once the resource compile has run.
        box(nullptr, productTitle, project.error, Box::Error);
        m_error = true;
        cleanWorkingOutputs();
        return;
    }
    m_tool.bar1()->setValue(0);
    m_tool.bar1()->hide();
    m_tool.bar1()->setMaximum(100);

    // Library compile.
    title(QStringLiteral("Linking: Dcc32"));
    m_tool.msg2()->setText(QStringLiteral("...Updating project files..."));
    m_tool.msg4()->setText(QStringLiteral("....Porting Data (Dcc32)...."));
    const QString dcc = Platform::resolveExecutable(m_main.compiler2());
    const int dc =
        m_s.platform.runTool(dcc.isEmpty() ? m_main.compiler2() : dcc,
                             {pf + m_tool.libraryName() + QStringLiteral(".dpr")}, &m_captured);
    QProgressBar *bar2 = m_tool.bar2();
    bar2->setMaximum(100);
    for (int i = 0; i < 101; ++i) {
        pause(10);
        bar2->setValue(qMin(100, bar2->value() + 1));
        bar2->show();
        title(QStringLiteral("Updating All %1%").arg(bar2->value()));
        m_tool.msg3()->setText(QStringLiteral("Flushing project files  %1 %").arg(bar2->value()));
    }
    bar2->hide();
    if (dc == -1) {
        compileFailure(QStringLiteral("-810D"));
        return;
    }
    if (dc != 0) {
        compileFailure(QStringLiteral("834D"));
        return;
    }

    // Export.
    m_tool.msg2()->setText(QStringLiteral(". . .Compilation Successful. . ."));
    title(QStringLiteral("Exporting Files"));
    pause(1000);
    const QStringList exported = {m_tool.scriptName(), m_tool.scriptName() + QStringLiteral(".res"),
                                  m_tool.libraryName() + QStringLiteral(".dpr"),
                                  m_tool.libraryName() + QStringLiteral(".dll")};
    const QStringList titles = {m_tool.scriptName() + QStringLiteral(".rc"), exported.at(1),
                                exported.at(2), exported.at(3)};
    for (int i = 0; i < exported.size(); ++i) {
        m_tool.msg4()->setText(QStringLiteral("Exporting file ") + exported.at(i));
        title(titles.at(i));
        if (i + 1 < exported.size())
            pause(500);
    }
    const buildtexts::SummarySizes sizes{m_s.platform.fileSize(m_names.workingScript),
                                         m_s.platform.fileSize(m_names.workingResource),
                                         m_s.platform.fileSize(m_names.workingLibrary),
                                         m_s.platform.fileSize(m_names.workingProject)};
    const qint64 total = sizes.script + sizes.resource + sizes.library + sizes.project;
    pause(1000);
    if (total > m_freeBefore) {
        spaceFailure(total);
        return;
    }

    // Move: a file already in the destination is kept; the moved one gets a new name.
    m_tool.msg3()->clear();
    m_tool.bar1()->setValue(0);
    m_tool.bar1()->setMaximum(qMax(1, m_selected));
    m_tool.bar1()->hide();
    title(QStringLiteral("Moving Files..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_tool.msg2()->setText(QStringLiteral(". . .Moving project files. . ."));
    const QStringList moved =
        m_s.platform.moveFiles({m_names.workingScript, m_names.workingProject,
                                m_names.workingResource, m_names.workingLibrary},
                               m_names.destinationFolder);
    cleanWorkingOutputs();

    pause(1000);
    title(QStringLiteral("Cleaning up"));
    // Only the project file this build moved goes; a file of that name that was there stays.
    if (!m_tool.keepProject() && !moved.value(1).isEmpty())
        m_s.platform.removeFile(moved.value(1));
    cleanWorkingOutputs();
    m_tool.bar2()->setValue(0);
    m_tool.bar2()->hide();
    QApplication::restoreOverrideCursor();
    m_tool.closingPanel()->show();
    pause(1000);
    credits(1000);
    m_s.taskbar.set(QStringLiteral("...Task Complete..."), QStringLiteral("logo"));
    diskReport(true);
    m_tool.closeButton()->setEnabled(true);
    m_tool.busyLamp()->hide();

    if (m_tool.summary()) {
        pause(500);
        m_tool.busyLamp()->hide();
        m_s.taskbar.set(QStringLiteral("Print Script?"), QStringLiteral("printer"));
        const QString text = buildtexts::fileSummary(
            m_tool.scriptName(), m_tool.libraryName(), sizes, FileTexts::totalSizeText(total),
            QFileInfo(m_names.destinationScript).fileName());
        if (box(&m_tool, QStringLiteral("File Summary"), text, Box::Information,
                Box::Yes | Box::No) == Box::Yes)
            fileSummary(moved.value(0));
    }

    m_main.showNormal();
    m_tool.closingPanel()->show();
    m_tool.progressPanel()->show();
    m_s.taskbar.set(QStringLiteral("Task Complete"), QStringLiteral("logo"));
    if (m_tool.hideOnBuild()) {
        m_tool.busyLamp()->hide();
        m_tool.hide();
    } else {
        m_main.activateWindow();
    }
    pause(3000);
    m_tool.optionsPanel()->show();
}

// Prints the script this build moved, as a .wri copy, and gives it its name back.
void BuildRunner::fileSummary(const QString &movedScript)
{
    if (!m_s.platform.folderExists(m_names.destinationFolder)) {
        box(&m_main, QStringLiteral("Invalid Drive..."),
            QStringLiteral("Unable to locate destination directory!"), Box::Error);
        return;
    }
    const QString script = movedScript.isEmpty() ? m_names.destinationScript : movedScript;
    const QString printCopy = QFileInfo(script).path() + QLatin1Char('/') +
                              QFileInfo(script).completeBaseName() + QStringLiteral(".wri");
    const bool renamed = m_s.platform.renameFile(script, printCopy);
    if (renamed && !m_s.platform.printFile(printCopy))
        box(nullptr, QStringLiteral("Program error"),
            QStringLiteral("Unable to print file ") + printCopy + QLatin1Char('!'), Box::Error);
    pause(1000);
    // Only a copy this build made is renamed back: an unrelated .wri of that name is left alone.
    if (renamed)
        m_s.platform.renameFile(printCopy, script);
}

void BuildRunner::cleanWorkingOutputs()
{
    for (const QString &f : {m_names.workingScript, m_names.workingProject, m_names.workingResource,
                             m_names.workingLibrary})
        if (m_s.platform.fileExists(f))
            m_s.platform.removeFile(f);
}

void BuildRunner::compileFailure(const QString &code)
{
    const bool library = code == QLatin1String("-810D") || code == QLatin1String("834D");
    if (m_tool.soundsOn())
        m_s.sound.play(QStringLiteral("A3"));
    m_main.setFilterButtonEnabled(false);
    m_error = true;
    QApplication::restoreOverrideCursor();
    m_tool.closeButton()->setEnabled(true);
    m_tool.closingPanel()->show();
    m_tool.busyLamp()->hide();
    m_s.taskbar.set(QStringLiteral("Compilation Error !"), QStringLiteral("error"));
    m_s.platform.removeFile(m_names.workingProject);
    m_s.platform.removeFile(m_names.workingScript);
    m_s.platform.removeFile(m_names.workingResource);
    if (library)
        m_s.platform.removeFile(m_names.workingLibrary);
    m_tool.msg2()->setText(QStringLiteral(". . . .Compiler error. . . ."));
    if (code == QLatin1String("-714") || code == QLatin1String("737"))
        m_tool.setExecuteOnLoad(false);
    if (library) {
        m_main.setEnabled(false);
        m_tool.setEnabled(false);
    }
    box(nullptr, QStringLiteral("Tolvane Build error ") + code, m_captured, Box::Error);
    if (library) {
        m_main.setEnabled(true);
        m_tool.setEnabled(true);
    }
    m_tool.msg3()->clear();
    m_tool.bar1()->setValue(0);
    m_tool.bar2()->setValue(0);
    m_tool.bar2()->hide();
    if (code == QLatin1String("737"))
        m_main.resetAfterResourceError();
    if (code == QLatin1String("-810D"))
        m_tool.msg4()->setText(QStringLiteral("Press the close button to stop current session!"));
    else if (code == QLatin1String("834D"))
        m_tool.msg4()->setText(QStringLiteral("Press the close button to reset application!"));
    else
        m_tool.msg4()->setText(QStringLiteral("Press the close button to restore application!"));
}

void BuildRunner::spaceFailure(qint64 total)
{
    m_s.sound.play(QStringLiteral("A2"));
    if (m_tool.soundsOn())
        m_s.sound.play(QStringLiteral("A3"));
    m_tool.bar1()->setValue(0);
    m_tool.bar1()->hide();
    m_tool.closeButton()->setEnabled(true);
    m_tool.busyLamp()->hide();
    QApplication::restoreOverrideCursor();
    m_tool.closingPanel()->show();
    m_tool.msg2()->setText(QStringLiteral(" . . . . FILE COPY ERROR! . . . ."));
    m_tool.msg3()->clear();
    cleanWorkingOutputs();
    m_s.taskbar.set(QStringLiteral("...Oops!..."), QStringLiteral("warning"));
    Box b = Prompter::dialog(Box::Warning,
                             buildtexts::spaceFailure(m_names.destinationFolder,
                                                      FileTexts::totalSizeText(total),
                                                      FileTexts::totalSizeText(m_freeBefore)),
                             Box::Abort);
    b.position = m_tool.pos() + QPoint(-60, 220);
    m_s.prompter.ask(b);
    pause(1000);
    m_tool.msg3()->clear();
    m_tool.msg4()->setText(QStringLiteral("Press the close button to reset application!"));
    pause(1000);
    m_s.taskbar.set(productTitle, QStringLiteral("logo"));
}

} // namespace tolvane
