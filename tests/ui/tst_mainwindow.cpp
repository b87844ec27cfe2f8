#include "Harness.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/searchfilter/SearchFilter.h"
#include "ui/services/ClipPlayer.h"
#include "ui/services/MessagePresenter.h"
#include "ui/stringtable/StringTableEditor.h"
#include "ui/toolwindow/ToolWindow.h"
#include "ui/widgets/TFileLabel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace tolvane;
using namespace tolvane::test;

namespace {
bool enabled(QWidget &w, const char *name)
{
    return child(w, name)->isEnabled();
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

  private slots:
    void firstRunState();
    void startReadsSettingsAndExitWritesFive();
    void exitWithoutKeyWritesNothing();
    void loadErrorStopsAtTheBadValue();
    void listStaysSortedAndCounts();
    void buttonRulesFollowTheList();
    void selectAllReportsFirstEmptyFile();
    void selectAllSingleEmptyEntryClearsList();
    void invertAndClearItems();
    void clearAllAsksAboutStringTable();
    void resIdBanner();
    void searchFilter();
    void propertiesLimit();
    void addFilesDialog();
    void addFilesExecuteOnLoad();
    void fontsFolderWarning();
    void lowColourHidesLamps();
    void hintsAndTooltips();
    void toolsSequence();
    void pathLabelShortens();
    void mirrorFollowsRecentFolders();
    void propertiesFollowsTheClick();
    void savedPositionOffTheScreen();
    void shellFailuresAreShown();
    void captionsReadExactly();
    void addDialogShowsNamesOnly();
    void statusLineAfterAddFiles();
    void invertNamesEachEntry();
    void firstRunStatusLine();
    void firstStartAfterSetup();
    void layoutPlaces();
    void taskbarPicturesDiffer();
    void toolTipTimeIsShared();
    void messagesAsBoxes_data();
    void messagesAsBoxes();
    void messageBesideToolWindow();
};

void TestMainWindow::firstRunState()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    ToolWindow &t = h.windows->tool();
    QCOMPARE(m.windowTitle(), QStringLiteral("Tolvane v3.06b"));
    QCOMPARE(m.size(), QSize(479, 312));
    for (const char *name : {"SP1", "SP2", "DEL", "Button4", "Save1", "SX2", "Button2"})
        QVERIFY2(!enabled(m, name), name);
    for (const char *name : {"Sp4", "Button1", "Button3"})
        QVERIFY2(enabled(m, name), name);
    QCOMPARE(child<QPushButton>(m, "Button2")->text(), QStringLiteral("&Build..."));
    QCOMPARE(m.headerText(0), QStringLiteral("Filter: (*.*)"));
    QCOMPARE(m.headerText(1), QString(39, '.'));
    // The tool window's first-run state.
    QCOMPARE(child<QCheckBox>(t, "Cx10")->checkState(), Qt::Checked);
    QVERIFY(!enabled(t, "Cx10"));
    QVERIFY(!enabled(t, "Cx12") && !child<QCheckBox>(t, "Cx12")->isChecked());
    QVERIFY(!enabled(t, "Cx13") && !child<QCheckBox>(t, "Cx13")->isChecked());
    QCOMPARE(t.destinationEntries(), QStringList{h.dir.path() + "/"});
    QCOMPARE(t.destination(), h.dir.path() + "/");
    QCOMPARE(t.size(), QSize(373, 477));
    QVERIFY(!t.isVisible());
    QVERIFY(h.prompter.boxes.isEmpty());
}

void TestMainWindow::startReadsSettingsAndExitWritesFive()
{
    Harness h;
    QDir().mkpath(h.path("prog/Projects"));
    h.setUp({{"Filter Type", QString("(*.ico)")},
             {"Compiler1", QString("/opt/bin/brcc32")},
             {"Compiler2", QString("/opt/bin/dcc32")},
             {"Program Folder", h.path("prog")},
             {"TempDir1", QString("/art/")},
             {"TempDir2", QString("/projects/")},
             {"Main Left", 120},
             {"Main Top", 80}});
    h.createWindows();
    MainWindow &m = h.windows->main();
    QCOMPARE(m.headerText(0), QStringLiteral("Filter: (*.ico)"));
    QCOMPARE(m.compiler1(), QStringLiteral("/opt/bin/brcc32"));
    QCOMPARE(m.compiler2(), QStringLiteral("/opt/bin/dcc32"));
    QCOMPARE(m.programFolder(), h.path("prog"));
    QCOMPARE(m.recentAddFolder(), QStringLiteral("/art/"));
    QCOMPARE(m.pos(), QPoint(120, 80));
    // The tool window's loading stops at its first missing number; the main window got all.
    bool reported = false;
    for (const Box &b : h.prompter.boxes)
        reported = reported || b.text == QLatin1String("Failed to get data for 'Recent Local'");
    QVERIFY(reported);

    h.windows->tool().move(33, 44);
    m.move(150, 90);
    m.setRecentAddFolder("/new/");
    QVERIFY(m.close());
    QCOMPARE(h.settings.registry()
                 .value(RegRoot::LocalMachine, SettingsStore::settingsKeyPath(), "Main Left")
                 ->dword,
             150u);
    QCOMPARE(h.settings.registry()
                 .value(RegRoot::LocalMachine, SettingsStore::settingsKeyPath(), "Tool Top")
                 ->dword,
             44u);
    QCOMPARE(h.settings.registry()
                 .value(RegRoot::LocalMachine, SettingsStore::settingsKeyPath(), "TempDir1")
                 ->text,
             QStringLiteral("/new/"));
    QCOMPARE(h.settings.registry()
                 .valueNames(RegRoot::LocalMachine, SettingsStore::settingsKeyPath())
                 .size(),
             8 + 2);
}

void TestMainWindow::exitWithoutKeyWritesNothing()
{
    Harness h;
    h.createWindows();
    QVERIFY(h.windows->main().close());
    QVERIFY(!h.settings.settingsKeyExists());
    QVERIFY(!QFile::exists(h.path("registry.reg")));
}

void TestMainWindow::loadErrorStopsAtTheBadValue()
{
    Harness h;
    h.setUp({{"Main Left", 10}, {"Main Top", QString("not a number")}});
    h.createWindows();
    const Box first = h.prompter.boxes.first();
    QCOMPARE(first.text, QStringLiteral("Invalid data type for 'Main Top'"));
    QCOMPARE(first.icon, Box::Error);
    QCOMPARE(first.buttons, int(Box::Ok));
    QCOMPARE(h.windows->main().x(), 10);
}

void TestMainWindow::listStaysSortedAndCounts()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    for (const QString p : {"/b/Zeta.ico", "/a/beta.bmp", "/A/alpha.wav", "/c/Beta.BMP"})
        m.addFile(p);
    QVERIFY(!m.addFile("/A/ALPHA.WAV")); // the same file in other letters
    QCOMPARE(m.list().paths(),
             QStringList({"/A/alpha.wav", "/a/beta.bmp", "/b/Zeta.ico", "/c/Beta.BMP"}));
    m.setSelected(1, true);
    m.setSelected(3, true);
    QCOMPARE(m.headerText(1), QStringLiteral("Objects: 4  Select: 2  Less: 2"));
    QCOMPARE(m.counter(), QStringLiteral("4"));
    // Many at once go to their places too.
    m.list().addMany(
        {"/z.bmp", "/0.bmp", "/m.bmp", "/a.bmp", "/y.bmp", "/x.bmp", "/b.bmp", "/c.bmp"});
    QStringList sorted = m.list().paths();
    std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    QCOMPARE(m.list().paths(), sorted);
}

void TestMainWindow::buttonRulesFollowTheList()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    for (int i = 0; i < 9; ++i)
        m.addFile(QStringLiteral("/f/%1.bmp").arg(i));
    QVERIFY(!enabled(m, "SX2"));
    QVERIFY(enabled(m, "SP1") && enabled(m, "SP2") && enabled(m, "Button4"));
    QVERIFY(!enabled(m, "Save1") && !enabled(m, "Button2") && !enabled(m, "DEL"));
    m.addFile("/f/9.bmp");
    QVERIFY(enabled(m, "SX2"));
    m.setSelected(0, true);
    m.setSelected(1, true);
    QVERIFY(enabled(m, "Save1") && enabled(m, "Button2") && enabled(m, "DEL"));
    m.clearItems(); // 8 remain
    QVERIFY(!enabled(m, "SX2"));
    QCOMPARE(m.headerText(1), QStringLiteral("Objects: 8  Select: 0  Less: 8"));
}

void TestMainWindow::selectAllReportsFirstEmptyFile()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    ToolWindow &t = h.windows->tool();
    child<QCheckBox>(t, "Cx10")->setEnabled(true);
    child<QCheckBox>(t, "Cx10")->setChecked(false);
    t.setExecuteOnLoad(true);
    const QString a = h.file("a.bmp", 0), b = h.file("b.bmp", 0), c = h.file("c.bmp", 5);
    for (const QString &p : {a, b, c})
        m.addFile(p);
    m.addFile(h.path("gone.bmp")); // missing: size -1, passed over
    h.prompter.answers << Box::Yes;
    m.selectAll();
    QCOMPARE(h.prompter.boxes.size(), 1);
    const Box box = h.prompter.last();
    QCOMPARE(box.caption, QStringLiteral("Warning"));
    QCOMPARE(box.icon, Box::Warning);
    QCOMPARE(box.buttons, int(Box::Yes | Box::No));
    QCOMPARE(box.text, "File \"" + a.toUpper() +
                           "\",\rcontains zero bytes of data. The compiler cannot accept this "
                           "file!\rWould you like "
                           "to remove the file from the File list?");
    QCOMPARE(m.list().paths(), QStringList({b, c, h.path("gone.bmp")}));
    QVERIFY(!t.executeOnLoad());
    QVERIFY(!t.resNameVisible());

    // With scripts only the check is not made.
    child<QCheckBox>(t, "Cx10")->setChecked(true);
    m.selectAll();
    QCOMPARE(h.prompter.boxes.size(), 1);
}

void TestMainWindow::selectAllSingleEmptyEntryClearsList()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    child<QCheckBox>(h.windows->tool(), "Cx10")->setChecked(false);
    m.addFile(h.file("only.bmp", 0));
    h.prompter.answers << Box::Yes;
    m.selectAll();
    QCOMPARE(m.list().count(), 0);
    QCOMPARE(m.counter(), QStringLiteral("0"));
    QCOMPARE(m.headerText(1), QString(39, '.'));
    QVERIFY(!enabled(m, "SP1") && !enabled(m, "Button4"));
}

void TestMainWindow::invertAndClearItems()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    for (int i = 0; i < 5; ++i)
        m.addFile(QStringLiteral("/f/%1.bmp").arg(i));
    m.selectRows({0, 2, 4});
    m.invertSelection();
    QCOMPARE(m.selectedRows(), QList<int>({1, 3}));
    QVERIFY(!h.windows->tool().resNameVisible());
    QVERIFY(child(m, "P3")->isVisible() || !m.isVisible());
    m.clearItems();
    QCOMPARE(m.list().paths(), QStringList({"/f/0.bmp", "/f/2.bmp", "/f/4.bmp"}));
    // Emptying the list asks about a string table that still has text.
    h.strings.insert("kept");
    m.selectRows({0, 1, 2});
    h.prompter.answers << Box::No;
    m.clearItems();
    QCOMPARE(h.prompter.last().text,
             QStringLiteral("The string table still has text...clear contents?"));
    QCOMPARE(h.strings.count(), 1);
    QCOMPARE(m.counter(), QStringLiteral("0"));
    for (const char *name : {"SP1", "SP2", "DEL", "Button2", "Button4", "Save1"})
        QVERIFY2(!enabled(m, name), name);
}

void TestMainWindow::clearAllAsksAboutStringTable()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    h.strings.insert("text");
    h.prompter.answers << Box::Yes;
    m.clearAll(); // empty list: still asks, changes nothing else
    QCOMPARE(h.prompter.boxes.size(), 1);
    QVERIFY(h.strings.isEmpty());
    QCOMPARE(m.counter(), QStringLiteral("0"));
    QVERIFY(!enabled(h.windows->editor(), "Export"));
    m.addFile("/a.bmp");
    m.addFile("/b.bmp");
    m.clearAll();
    QCOMPARE(m.list().count(), 0);
    QCOMPARE(h.taskbar.title(), QStringLiteral("Ready..."));
    QCOMPARE(m.headerText(1), QString(39, '.'));
    QCOMPARE(h.prompter.boxes.size(), 1); // the table is empty now: no second question
}

void TestMainWindow::resIdBanner()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    QWidget *banner = child(m, "Panel4");
    m.addFile("/a.bmp");
    m.addFile("/b.bmp");
    h.windows->tool().setPrefixPosition(22);
    h.strings.insert("x");
    m.selectRows({0, 1});
    m.updateResIdBanner();
    QVERIFY(!banner->isHidden());
    m.selectRows({0});
    m.updateResIdBanner();
    QVERIFY(banner->isHidden());
}

void TestMainWindow::searchFilter()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    for (const QString p : {"c:/a.ico", "C:/B.ICO", "/x/c.bmp", "/x/d.icon", "/x/e.ico.bmp"})
        m.addFile(p);
    m.selectRows({2});
    SearchFilter &f = h.windows->filter();
    f.openAt({10, 10});
    QLineEdit *edit = f.edit();
    QTest::keyClicks(edit, "ic");
    QCOMPARE(edit->text(), QStringLiteral("IC"));
    QVERIFY(!enabled(f, "Button1"));
    QTest::keyClick(edit, Qt::Key_O);
    QVERIFY(enabled(f, "Button1"));
    QTest::mouseClick(child<QPushButton>(f, "Button1"), Qt::LeftButton);
    QStringList picked;
    for (int r : m.selectedRows())
        picked << m.list().at(r);
    QCOMPARE(picked, QStringList({"c:/a.ico", "C:/B.ICO"}));
    QVERIFY(f.isHidden());
}

void TestMainWindow::propertiesLimit()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    QList<int> rows;
    for (int i = 0; i < 21; ++i) {
        m.addFile(h.file(QStringLiteral("p%1.bmp").arg(i, 2, 10, QLatin1Char('0'))));
        rows << i;
    }
    m.selectRows(rows);
    m.showProperties();
    QCOMPARE(h.prompter.last().text,
             QStringLiteral("Total number of properties displayed, may not exceed 20"));
    QCOMPARE(h.prompter.last().buttons, int(Box::Abort));
    QCOMPARE(child<QListView>(m, "ListBox1")->findChildren<QDialog *>("PropertiesSheet").size(), 0);
    rows.removeLast();
    m.selectRows(rows);
    m.showProperties();
    QCOMPARE(child<QListView>(m, "ListBox1")->findChildren<QDialog *>("PropertiesSheet").size(),
             20);
}

void TestMainWindow::addFilesDialog()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    ToolWindow &t = h.windows->tool();
    // Choosing the icon type, then cancelling: the drop filter and the header follow all the same.
    h.prompter.typeChanges << 8;
    h.prompter.files << OpenFilesResult{false, {}, 8};
    m.addFiles();
    QCOMPARE(t.dropFilterPosition(), 7);
    QCOMPARE(m.headerText(0), QStringLiteral("Filter (*.ico)"));
    QCOMPARE(h.prompter.lastRequest.filter,
             QStringLiteral(
                 "All Files (*.*)|*.gif;*.jpg;*.avi;*.bmp;*.ico;*.cab;*.cur;*.exe;*.wav;*.ttf;"
                 "*.fon;*.ani|Animated Cursor (*.ani)|*.ani|Audio Video Interleaved (*.avi)|*.avi|"
                 "Bitmap Image (*.bmp)|*.bmp|Cabinet File (*.cab)|*.cab|Cursor Image (*.cur)|"
                 "*.cur|Executable (*.exe)|*.exe|Icon Image (*.ico)|*.ico|JPEG Image (*.jpg)|"
                 "*.jpg|GIF Image (*.gif)|*.gif|Font File (*.fon)|*.fon|True Type Font (*.ttf)|"
                 "*.ttf|Wave Sound (*.wav)|*.wav"));
    QCOMPARE(h.prompter.lastRequest.fileName, QString()); // nothing chosen yet

    const QString a = h.file("art/a.ico"), b = h.file("art/b.txt");
    m.addFile(a.toUpper());
    h.prompter.files << OpenFilesResult{true, {a, b}, 1};
    m.addFiles();
    QCOMPARE(h.prompter.lastRequest.title, QStringLiteral("From directory "));
    QCOMPARE(h.prompter.lastRequest.filterIndex, 8);
    QCOMPARE(m.list().count(), 2); // a.ico was there in other letters; the .txt goes in
    QCOMPARE(m.recentAddFolder(), h.path("art") + "/");
    QCOMPARE(m.headerText(0), QStringLiteral("Filter (*.*)"));
    QCOMPARE(m.headerText(1), QStringLiteral("Objects: 2  Select: 0  Less: 2"));
    h.prompter.files << OpenFilesResult{false, {}, 1};
    m.addFiles();
    QCOMPARE(h.prompter.lastRequest.title, "From directory " + h.path("art") + "/");
    // The folder of the last choice, without its separator, is what the dialog starts with.
    QCOMPARE(h.prompter.lastRequest.fileName, h.path("art"));
    m.clearAll();
    h.prompter.files << OpenFilesResult{false, {}, 1};
    m.addFiles();
    QCOMPARE(h.prompter.lastRequest.fileName, QString());
}

void TestMainWindow::addDialogShowsNamesOnly()
{
    OpenFilesRequest r;
    r.title = "From directory ";
    r.filter = "All Files (*.*)|*.gif;*.ico|Icon Image (*.ico)|*.ico";
    r.filterIndex = 2;
    r.fileName = "kept";
    QFileDialog d;
    d.setOption(QFileDialog::DontUseNativeDialog);
    WidgetPrompter::prepare(d, r);
    auto *types = d.findChild<QComboBox *>("fileTypeCombo");
    QVERIFY(types);
    QCOMPARE(types->count(), 2);
    QCOMPARE(types->itemText(0), QStringLiteral("All Files (*.*)"));
    QCOMPARE(types->itemText(1), QStringLiteral("Icon Image (*.ico)"));
    QCOMPARE(types->currentIndex(), 1);
    QCOMPARE(d.nameFilters().at(0), QStringLiteral("All Files (*.*) (*.gif *.ico)"));
    auto *name = d.findChild<QLineEdit *>("fileNameEdit");
    QVERIFY(name);
    QCOMPARE(name->text(), QStringLiteral("kept"));
}

void TestMainWindow::statusLineAfterAddFiles()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    m.show();
    h.prompter.files << OpenFilesResult{true, {h.file("art/a.ico")}, 1};
    m.addFiles();
    QVERIFY(!child(m, "MSG")->isVisible());
    // The mouse over the window background shows it again.
    QMouseEvent move(QEvent::MouseMove, QPointF(470, 5), m.mapToGlobal(QPointF(470, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&m, &move);
    QVERIFY(child(m, "MSG")->isVisible());
    m.setStatusLineVisible(false);
    QVERIFY(!child(m, "MSG")->isVisible());
}

void TestMainWindow::invertNamesEachEntry()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    for (const char *f : {"/f/a.bmp", "/f/b.ico", "/f/c.wav"})
        m.addFile(f);
    m.selectRows({1});
    QStringList shown;
    QList<QList<int>> selections;
    h.pacer.onFrame = [&] {
        shown << child<TFileLabel>(m, "Label1")->fileName() + "|" +
                     child<TFileLabel>(m, "Label2")->fileName();
        selections << m.selectedRows();
    };
    m.invertSelection();
    QCOMPARE(shown,
             QStringList({"Selecting file: a.bmp|", "Selecting file: a.bmp|Excluding file: b.ico",
                          "Selecting file: c.wav|Excluding file: b.ico"}));
    // The selection turns as the walk goes.
    QCOMPARE(selections, QList<QList<int>>({{0, 1}, {0}, {0, 2}}));
    QCOMPARE(m.selectedRows(), QList<int>({0, 2}));
    QCOMPARE(child<TFileLabel>(m, "Label1")->fileName(), QString());
    // Without frames only the end shows, and the result is the same.
    h.pacer.framesDue = false;
    shown.clear();
    m.invertSelection();
    QVERIFY(shown.isEmpty());
    QCOMPARE(m.selectedRows(), QList<int>({1}));
}

void TestMainWindow::firstRunStatusLine()
{
    Harness fresh;
    fresh.createWindows();
    QCOMPARE(fresh.windows->main().statusText(),
             QStringLiteral("Tolvane is not set up yet: press \"Paths...\" to find the "
                            "compilers\rand make the program folder."));
    // The mouse over the empty window keeps saying it.
    MainWindow &m = fresh.windows->main();
    QMouseEvent move(QEvent::MouseMove, QPointF(470, 5), m.mapToGlobal(QPointF(470, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&m, &move);
    QVERIFY(m.statusText().startsWith("Tolvane is not set up yet"));
    Harness set;
    set.setUpFresh(set.path("prog"));
    set.createWindows();
    QCOMPARE(set.windows->main().statusText(), QString());
    QApplication::sendEvent(&set.windows->main(), &move);
    QCOMPARE(set.windows->main().statusText(), QString());
}

void TestMainWindow::firstStartAfterSetup()
{
    // Setup writes no "Filter Type" and no destination history.
    Harness h;
    h.setUpFresh(h.path("prog"), {{"Script Type", 7}});
    h.registry.deleteValue(RegRoot::LocalMachine, SettingsStore::settingsKeyPath(), "Filter Type");
    h.createWindows();
    MainWindow &m = h.windows->main();
    QCOMPARE(m.headerText(0), QStringLiteral("Filter: (*.ico)"));
    ToolWindow &t = h.windows->tool();
    QVERIFY(t.destinationEntries().isEmpty());
    m.showTools();
    QCOMPARE(t.destinationEntries().size(), 1);
    QVERIFY2(t.diskLabel().startsWith("Available space on drive '/"), qPrintable(t.diskLabel()));
    // After "Remove All" the next Tools... names a drive again.
    t.setDiskLabel(QString());
    h.prompter.answers << Box::Yes;
    child<QComboBox>(t, "Edit2")->addItem("/second");
    emit child<QComboBox>(t, "Edit2")->customContextMenuRequested({1, 1});
    t.findChild<QAction *>("RemoveAll")->trigger();
    QVERIFY(t.destinationEntries().isEmpty());
    QVERIFY(t.closeWindow());
    m.showTools();
    QVERIFY2(t.diskLabel().startsWith("Available space on drive '/"), qPrintable(t.diskLabel()));
}

void TestMainWindow::layoutPlaces()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    QCOMPARE(child(m, "CLR")->geometry(), QRect(17, 276, 16, 16));
    QCOMPARE(child(m, "GRN")->pos(), QPoint(17, 276));
    QCOMPARE(child(m, "Image4")->geometry(), QRect(37, 276, 16, 16));
    QCOMPARE(child(m, "YEL")->pos(), QPoint(37, 276));
    // The removal panel plays its animation while it shows.
    QWidget *panel = child(m, "Panel2");
    auto *clip = panel->findChild<ClipPlayer *>("Panel2Animation");
    QVERIFY(clip);
    m.show();
    panel->show();
    QVERIFY(clip->isActive());
    panel->hide();
    QVERIFY(!clip->isActive());
}

void TestMainWindow::taskbarPicturesDiffer()
{
    const auto image = [](const char *name) {
        return TaskbarIdentity::icon(name).pixmap(16, 16).toImage();
    };
    QVERIFY(image("missing") != image("folder"));
    QVERIFY(image("project") != image("text"));
    QVERIFY(image("text") != image("folder"));
}

void TestMainWindow::toolTipTimeIsShared()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(child(m, "Button4"), &enter);
    QCOMPARE(child(m, "Button4")->toolTipDuration(), 5000);
    QCOMPARE(child(m, "Button3")->toolTipDuration(), 5000); // set by another control
    QCOMPARE(child(h.windows->tool(), "Edit1")->toolTipDuration(), 5000);
    QApplication::sendEvent(child(m, "Button1"), &enter);
    QCOMPARE(child(m, "Button4")->toolTipDuration(), 8000);
    QCOMPARE(child(m, "Button3")->toolTipDuration(), 8000);
}

void TestMainWindow::messagesAsBoxes_data()
{
    QTest::addColumn<int>("owner");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("ownerName"); // objectName of the box's owner, empty for none
    QTest::addColumn<int>("boxIcon");
    QTest::addColumn<int>("boxButtons");
    QTest::newRow("list, warning") << int(Message::Owner::FileList) << int(Message::Icon::Warning)
                                   << int(Message::Yes | Message::No) << "ListBox1"
                                   << int(Box::Warning) << int(Box::Yes | Box::No);
    QTest::newRow("main, error") << int(Message::Owner::MainWindow) << int(Message::Icon::Error)
                                 << int(Message::Ok) << "TForm1" << int(Box::Error) << int(Box::Ok);
    QTest::newRow("tool, information")
        << int(Message::Owner::ToolWindow) << int(Message::Icon::Information) << int(Message::Abort)
        << "TForm2" << int(Box::Information) << int(Box::Abort);
    QTest::newRow("none, question")
        << int(Message::Owner::None) << int(Message::Icon::Question)
        << int(Message::Yes | Message::No) << "" << int(Box::Question) << int(Box::Yes | Box::No);
    QTest::newRow("no icon, no buttons") << int(Message::Owner::None) << int(Message::Icon::None)
                                         << 0 << "" << int(Box::NoIcon) << int(Box::Ok);
}

void TestMainWindow::messagesAsBoxes()
{
    QFETCH(int, owner);
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(QString, ownerName);
    QFETCH(int, boxIcon);
    QFETCH(int, boxButtons);
    Harness h;
    h.createWindows();
    Message msg;
    msg.caption = "Tolvane v3.06b";
    msg.text = "First line\rsecond line";
    msg.owner = Message::Owner(owner);
    msg.icon = Message::Icon(icon);
    msg.buttons = buttons;
    h.prompter.answers << (boxButtons & Box::Yes ? Box::Yes : Box::Button(boxButtons));
    const Message::Answer answer = h.windows->main().messages().show(msg);
    QCOMPARE(int(answer), int(boxButtons & Box::Yes ? Message::Yes : boxButtons));
    const Box b = h.prompter.last();
    QCOMPARE(b.caption, QStringLiteral("Tolvane v3.06b"));
    QCOMPARE(b.text, QStringLiteral("First line\rsecond line"));
    QCOMPARE(int(b.icon), boxIcon);
    QCOMPARE(b.buttons, boxButtons);
    QCOMPARE(b.owner ? b.owner->objectName() : QString(), ownerName);
}

void TestMainWindow::messageBesideToolWindow()
{
    Harness h;
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    t.move(300, 100);
    Message msg;
    msg.owner = Message::Owner::BesideToolWindow;
    msg.windowsDisabled = true;
    bool bothOff = false;
    h.prompter.onAsk = [&](const Box &) {
        bothOff = !h.windows->main().isEnabled() && !t.isEnabled();
    };
    h.windows->main().messages().show(msg);
    QVERIFY(bothOff);
    QVERIFY(h.windows->main().isEnabled() && t.isEnabled());
    QVERIFY(!h.prompter.last().owner);
    QCOMPARE(h.prompter.last().position, QPoint(240, 320));
    // A message dialog is titled by its type; a plain message by the application.
    Message dialog;
    dialog.style = Message::Style::Dialog;
    dialog.icon = Message::Icon::Warning;
    dialog.caption = "not shown";
    dialog.text = "Remove it?";
    dialog.buttons = Message::Yes | Message::No;
    h.windows->main().messages().show(dialog);
    QCOMPARE(h.prompter.last().caption, QStringLiteral("Warning"));
    QCOMPARE(h.prompter.last().buttons, int(Box::Yes | Box::No));
    // A Cancel comes back as it was pressed.
    h.prompter.answers << Box::Cancel;
    QCOMPARE(int(h.windows->main().messages().show(msg)), int(Box::Cancel));
}

void TestMainWindow::addFilesExecuteOnLoad()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    h.windows->tool().setExecuteOnLoad(true);
    int builds = 0;
    int countAtBuild = -1;
    QObject::connect(&m, &MainWindow::buildRequested, [&] {
        ++builds;
        countAtBuild = m.list().count();
    });
    m.addFile(h.file("old1.bmp"));
    m.addFile(h.file("old2.bmp"));
    QStringList chosen;
    for (int i = 0; i < 5; ++i)
        chosen << h.file(QStringLiteral("new%1.bmp").arg(i));
    h.prompter.files << OpenFilesResult{true, chosen, 1};
    m.addFiles();
    // The test after every file: five chosen and five in the list after the third new one.
    QCOMPARE(builds, 1);
    QCOMPARE(countAtBuild, 5);
    QCOMPARE(m.list().count(), 7);
}

void TestMainWindow::fontsFolderWarning()
{
    Harness h;
    h.platform.fonts = h.path("fonts") + "/"; // as the platform gives it: with its separator
    QDir().mkpath(h.path("fonts"));
    h.createWindows();
    h.prompter.folderVisits << h.path("fonts") << h.path("other");
    h.windows->main().addFiles();
    QCOMPARE(h.prompter.boxes.size(), 1);
    QCOMPARE(h.prompter.last().caption, QStringLiteral("Tolvane v3.06\u00a9"));
    QVERIFY(h.prompter.last().text.endsWith("some fonts are used by system!\r"));
}

void TestMainWindow::lowColourHidesLamps()
{
    Harness h;
    h.platform.depth = 8;
    h.createWindows();
    MainWindow &m = h.windows->main();
    m.show();
    h.windows->tool().setExecuteOnLoad(true);
    child<QCheckBox>(h.windows->tool(), "Rfx")->setChecked(true);
    for (const char *name : {"CLR", "GRN", "Image4", "YEL"})
        QVERIFY2(!child(m, name)->isVisible(), name);

    Harness hi;
    hi.createWindows();
    hi.windows->main().show();
    hi.windows->tool().setExecuteOnLoad(true);
    QVERIFY(child(hi.windows->main(), "GRN")->isVisible());
    hi.windows->tool().setExecuteOnLoad(false);
    QVERIFY(!child(hi.windows->main(), "GRN")->isVisible());
}

void TestMainWindow::hintsAndTooltips()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    child<QCheckBox>(h.windows->tool(), "Cx6")->setChecked(false);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(child(m, "Button1"), &enter);
    QVERIFY(m.statusText().startsWith("(Alt+P) Setup the program's command line"));
    QCOMPARE(child(m, "Button1")->toolTip(), QStringLiteral("Compilers off line "));
    QCOMPARE(m.toolTipDisplayTime(), 8000);
    QApplication::sendEvent(child(m, "SP1"), &enter); // hints off: the text stays
    QVERIFY(m.statusText().startsWith("(Alt+P)"));
    child<QCheckBox>(h.windows->tool(), "Cx6")->setChecked(true);
    QApplication::sendEvent(child(m, "SP1"), &enter);
    QCOMPARE(m.statusText(),
             QStringLiteral("(Alt+A) Selects && auto-scrolls all files in the list..."));
    QApplication::sendEvent(child(m, "Button4"), &enter);
    QCOMPARE(child(m, "Button4")->toolTip(), QStringLiteral("Dragons be gone... "));
    QCOMPARE(m.toolTipDisplayTime(), 5000);
    QApplication::sendEvent(child(m, "Button2"), &enter);
    QCOMPARE(child(m, "Button2")->toolTip(), "To: " + h.windows->tool().destination());
    QCOMPARE(m.toolTipDisplayTime(), 7000);
}

void TestMainWindow::toolsSequence()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    ToolWindow &t = h.windows->tool();
    m.showTools();
    QVERIFY(t.isVisible());
    QVERIFY(!enabled(t, "Button1")); // no manual
    QVERIFY(!enabled(t, "Rad2"));    // no settings key: no quick save
    QVERIFY(t.diskLabel().startsWith("Available space on drive '/"));
    QVERIFY(t.diskLabel().endsWith(" Bytes"));
    QVERIFY(t.closeWindow());
    QVERIFY(!t.isVisible());
    QCOMPARE(h.taskbar.title(), QStringLiteral("Tolvane v3.06"));
}

void TestMainWindow::pathLabelShortens()
{
    TFileLabel label;
    label.setSeparator("\\");
    label.resize(2000, 20);
    label.show();
    const QString path = QStringLiteral("C:\\Program Files\\Tools\\Bin\\BRCC32.EXE");
    label.setFileName(path);
    QCOMPARE(label.text(), path);
    const int layouts = label.layouts();
    label.setFileName(path);
    QCOMPARE(label.layouts(), layouts); // an equal text changes nothing
    const QFontMetrics fm(label.font());
    label.resize(fm.horizontalAdvance("C:\\...\\Tools\\Bin\\BRCC32.EXE") +
                     label.contentsMargins().left() + label.contentsMargins().right() + 2,
                 20);
    QCOMPARE(label.text(), QStringLiteral("C:\\...\\Tools\\Bin\\BRCC32.EXE"));
}

void TestMainWindow::mirrorFollowsRecentFolders()
{
    Harness h;
    h.setUp();
    h.createWindows();
    h.windows->main().setRecentProjectFolder("/projects/x/");
    QCOMPARE(
        h.registry.value(RegRoot::LocalMachine, SettingsStore::mirrorKeyPath(), "TempDir2")->text,
        QStringLiteral("/projects/x/"));
}

// The press that selects the first entry enables "Properties" at once.
void TestMainWindow::propertiesFollowsTheClick()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    m.addFile(h.file("a.bmp"));
    m.addFile(h.file("b.bmp"));
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    QAction *properties = m.findChild<QAction *>("Prop1");
    QVERIFY(!properties->isEnabled());
    QWidget *rows = child<QListView>(m, "ListBox1")->viewport();
    const QPoint first = child<QListView>(m, "ListBox1")->visualRect(m.list().index(0)).center();
    QTest::mouseClick(rows, Qt::LeftButton, {}, first);
    QCOMPARE(m.selectedCount(), 1);
    QVERIFY(properties->isEnabled());
    // Ctrl and a click on the only selected entry leaves none: off again.
    QTest::mouseClick(rows, Qt::LeftButton, Qt::ControlModifier, first);
    QCOMPARE(m.selectedCount(), 0);
    QVERIFY(!properties->isEnabled());
}

void TestMainWindow::savedPositionOffTheScreen()
{
    Harness h;
    h.setUp({{"Main Left", 2000}, {"Main Top", -500}});
    h.createWindows();
    MainWindow &m = h.windows->main();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(m.pos(), QPoint(screen.right() + 1 - m.frameSize().width(), screen.top()));
}

void TestMainWindow::shellFailuresAreShown()
{
    Harness h;
    QDir().mkpath(h.path("Prog/Projects"));
    h.setUp({{"Program Folder", h.path("Prog")}});
    h.createWindows();
    MainWindow &m = h.windows->main();
    h.platform.openWorks = false;
    m.findChild<QAction *>("Manual1")->trigger();
    QCOMPARE(h.prompter.last().caption, QStringLiteral("Failed to Execute..."));
    // The path as it is: upper-cased it would name a file that does not exist here.
    QCOMPARE(h.prompter.last().text, "Could not open file : " + h.path("Prog") + "/Tolvane.pdf ");
    QCOMPARE(h.prompter.last().icon, Box::Error);

    const int shown = int(h.prompter.boxes.size());
    m.findChild<QAction *>("Explorer1")->trigger();
    QCOMPARE(h.prompter.boxes.size(), shown); // a file manager started: nothing to say
    h.platform.openFolderWorks = false;
    m.findChild<QAction *>("Explorer1")->trigger();
    QCOMPARE(h.prompter.boxes.size(), shown + 1);
    QCOMPARE(h.prompter.last().caption, QStringLiteral("Failed to Execute..."));
    QCOMPARE(h.prompter.last().text,
             "No file manager could be started to show " + h.path("Prog") + ".");
    QCOMPARE(h.taskbar.title(), QStringLiteral("Load From Explorer..."));
}

// The taskbar title names the program on the taskbar; it is never appended to a caption.
void TestMainWindow::captionsReadExactly()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    const QString displayName = QGuiApplication::applicationDisplayName();
    h.taskbar.set(QStringLiteral("Ready..."), QStringLiteral("logo"));
    QCOMPARE(m.windowTitle(), QStringLiteral("Tolvane v3.06b"));
    QCOMPARE(m.windowIconText(), QStringLiteral("Ready..."));
    QCOMPARE(h.windows->tool().windowIconText(), QStringLiteral("Ready..."));
    // A display name is what the window system appends to every caption.
    QCOMPARE(QGuiApplication::applicationDisplayName(), displayName);
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    QCOMPARE(Prompter::plain("x").caption, QStringLiteral("Ready..."));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
