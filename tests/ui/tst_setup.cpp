#include "Harness.h"
#include "tests/settings/ExpectedOrders.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/setup/SetupWizard.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace tolvane;
using namespace tolvane::test;

namespace {

const QString toolchain = QDir::cleanPath(QStringLiteral(TOOLCHAIN_BIN) + "/..");

struct SetupHarness : Harness
{
    SetupHarness()
    {
        platform.windows = path("system") + "/";
        platform.toolchain = toolchain;
        platform.home = path("home");
        QDir().mkpath(path("system"));
        QDir().mkpath(path("home"));
    }
    SetupWizard &wizard() { return windows->setup(); }
    // Version 4 and both compilers typed in, on to page 3.
    void fillIn()
    {
        child<QSpinBox>(wizard(), "SpinEdit1")->setValue(4);
        wizard().next();
        child<QLineEdit>(wizard(), "Edit2")->setText(toolchain + "/bin/brcc32");
        child<QLineEdit>(wizard(), "Edit3")->setText(toolchain + "/bin/dcc32");
        wizard().next();
    }
    // Version 4, both compilers, the default folders, Finish, and every position to the end.
    void install()
    {
        child<QSpinBox>(wizard(), "SpinEdit1")->setValue(4);
        wizard().next();
        prompter.files << OpenFilesResult{true, {toolchain + "/bin/brcc32"}, 1}
                       << OpenFilesResult{true, {toolchain + "/bin/dcc32"}, 1};
        wizard().addCompiler();
        wizard().addCompiler();
        wizard().next();
        wizard().next();
        wizard().finish();
        QVERIFY(runUntil([&] { return wizard().ended(); }));
    }
    QString stored(const QString &name)
    {
        const auto v =
            registry.value(RegRoot::LocalMachine, SettingsStore::settingsKeyPath(), name);
        if (!v)
            return QStringLiteral("<missing>");
        return v->type == RegValue::Text ? v->text : QString::number(v->dword);
    }
};

} // namespace

class TestSetup : public QObject
{
    Q_OBJECT

  private slots:
    void pagesAndNavigation();
    void freshInstallation();
    void uninstallRemovesKeysAndFolder();
    void cancelResumesOrRemoves();
    void uninstallRefusesForeignFolders();
    void finishChecks();
    void exitConfirmation();
    void startWithMissingProgramFolder();
    void folderFailureThenResume();
    void defaultFolderOnAFreshHome();
    void uninstallKeepsAFolderThatWasThere();
    void uninstallThroughALink();
    void textsFitTheirControls();
    void firstRunOffersTheBundledCompilers_data();
    void firstRunOffersTheBundledCompilers();
    void eachStepOffersOnlyItsButtons();
    void valuesThatAreNotTexts_data();
    void valuesThatAreNotTexts();
    void cancelInTheFirstSecond();
    void uninstallAnsweredNoRemovesNothing();
    void usersManualIsKept();
};

void TestSetup::pagesAndNavigation()
{
    SetupHarness h;
    h.platform.toolchain = h.path("no-toolchain"); // nothing comes with the program
    h.createWindows();
    SetupWizard &w = h.wizard();
    QCOMPARE(w.windowTitle(), QStringLiteral("Setup paths..."));
    QCOMPARE(w.size(), QSize(466, 327));
    QVERIFY(child(w, "XX")->isHidden());
    QVERIFY(!child(w, "N1")->isEnabled());
    QVERIFY(!child(w, "Bak1")->isEnabled());
    child<QSpinBox>(w, "SpinEdit1")->setValue(3); // nothing registered for 3
    QCOMPARE(w.delphiFolder(), QString());
    QVERIFY(!child(w, "N1")->isEnabled());
    QDir().mkpath(h.path("no-toolchain"));
    child<QSpinBox>(w, "SpinEdit1")->setValue(4);
    QCOMPARE(w.delphiFolder(), h.path("no-toolchain"));
    QVERIFY(child(w, "N1")->isEnabled());
    w.next();
    QCOMPARE(w.page(), 2);
    QCOMPARE(w.mainFolder(), h.path("system") + "/TOLVANE");
    QCOMPARE(w.projectsFolder(), h.path("system") + "/TOLVANE/Projects");
    h.prompter.files << OpenFilesResult{true, {h.file("other.exe")}, 1};
    w.addCompiler();
    QCOMPARE(child<QLineEdit>(w, "Edit2")->text(), QString()); // any other file is ignored
    QCOMPARE(h.prompter.lastRequest.folder, h.path("no-toolchain") + "/bin");
    w.next();
    QCOMPARE(w.page(), 3);
    QDir().mkpath(h.path("D Tools"));
    h.prompter.folders << h.path("D Tools");
    w.otherLocation();
    QCOMPARE(w.mainFolder(), h.path("D Tools") + "/TOLVANE");
    // Back returns to page 1; Next there brings the default folders back.
    w.back();
    QCOMPARE(w.page(), 1);
    QVERIFY(!child(w, "Bak1")->isEnabled());
    w.next();
    QCOMPARE(w.mainFolder(), h.path("system") + "/TOLVANE");
    // An installed version and then one that is not: the folder empties, Next stays usable.
    w.back();
    child<QSpinBox>(w, "SpinEdit1")->setValue(3);
    QCOMPARE(w.delphiFolder(), QString());
    QVERIFY(child(w, "N1")->isEnabled());
}

void TestSetup::freshInstallation()
{
    SetupHarness h;
    h.createWindows();
    h.install();
    QVERIFY(h.settings.settingsKeyExists());
    // Every value of the record, in its order, with the fresh values.
    const QStringList expected = test::setupOrder();
    QCOMPARE(h.registry.valueNames(RegRoot::LocalMachine, SettingsStore::settingsKeyPath()),
             expected);
    const QString folder = h.path("system") + "/TOLVANE";
    QCOMPARE(h.stored("Tolvane Release"), QStringLiteral("3.06b\u00a9"));
    QCOMPARE(h.stored("Company Name"), QStringLiteral("Kelvadore\u00ae.Inc"));
    QCOMPARE(h.stored("Delphi"), toolchain);
    QCOMPARE(h.stored("Delphi Version"), QStringLiteral("4"));
    QCOMPARE(h.stored("Compiler1"), toolchain + "/bin/brcc32");
    QCOMPARE(h.stored("Program Folder"), folder);
    QCOMPARE(h.stored("TempDir1"), QString());
    QCOMPARE(h.stored("TempDir2"), folder + "/Projects");
    QCOMPARE(h.stored("Recent Folder"), h.dir.path() + "/");
    const QList<QPair<QString, QString>> fresh = {{"Prompt Compile", "1"},
                                                  {"Prompt Summary", "0"},
                                                  {"Prompt Position", "0"},
                                                  {"Prompt sHint", "1"},
                                                  {"Prompt Class", "1"},
                                                  {"Prompt Window", "1"},
                                                  {"Prompt Dialog", "0"},
                                                  {"Prompt Name", "1"},
                                                  {"Prompt Not", "0"},
                                                  {"Prompt Drag", "0"},
                                                  {"Prompt Recurse", "0"},
                                                  {"Script Name", "Untitled"},
                                                  {"Library Name", "Untitled"},
                                                  {"Res Name", "Untitled"},
                                                  {"Script Type", "0"},
                                                  {"Prompt Res ID", "0"},
                                                  {"Recent Local", "0"},
                                                  {"Color", "2147483653"},
                                                  {"Font", "0"},
                                                  {"hColor", "2147483663"},
                                                  {"hFColor", "0"}};
    for (const auto &f : fresh)
        QVERIFY2(h.stored(f.first) == f.second, qPrintable(f.first + " = " + h.stored(f.first)));
    QVERIFY(QFileInfo(folder + "/Projects").isDir());
    QVERIFY(!QFile::exists(folder + "/Tolvane.pd_"));
    QFile pdf(folder + "/Tolvane.pdf");
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    pdf.close();
    QProcess text;
    text.start("pdftotext", {folder + "/Tolvane.pdf", "-"});
    QVERIFY(text.waitForFinished(-1));
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString topic :
         {"Getting started", "Creating the script", "ResName/ResId", "Troubleshooting", "-810D"})
        QVERIFY2(words.contains(topic), qPrintable(topic));
    QCOMPARE(h.prompter.last().text,
             QStringLiteral("Program needs to be restarted for changes to take affect"));
    QCOMPARE(h.prompter.last().icon, Box::Information);
    QCOMPARE(h.wizard().position(), 100);

    // The next start finds the manual: the tool window's button and the menu item open it.
    h.windows.reset();
    h.createWindows();
    MainWindow &m = h.windows->main();
    m.showTools();
    QVERIFY(child(h.windows->tool(), "Button1")->isEnabled());
    QVERIFY(
        child(h.windows->tool(), "Rad2")->isEnabled()); // the projects folder is there: quick save
    emit m.listView()->customContextMenuRequested({1, 1});
    QVERIFY(m.findChild<QAction *>("Manual1")->isVisible());
    m.findChild<QAction *>("Manual1")->trigger();
    QCOMPARE(h.platform.opened.last(), folder + "/Tolvane.pdf");
    QTest::mouseClick(child<QPushButton>(h.windows->tool(), "Button1"), Qt::LeftButton);
    QCOMPARE(h.platform.opened.size(), 2);
    m.findChild<QMenu *>("PM1")->hide();
}

void TestSetup::uninstallRemovesKeysAndFolder()
{
    SetupHarness h;
    h.createWindows();
    h.install();
    const QString folder = h.wizard().mainFolder();
    h.settings.saveHistory({"/a"});
    // The next start: set up, the wizard offers Uninstall.
    h.windows.reset();
    h.createWindows();
    QVERIFY(!child(h.wizard(), "XX")->isHidden());
    QCOMPARE(h.wizard().windowTitle(), QStringLiteral("Current path configurations..."));
    QCOMPARE(h.wizard().mainFolder(), folder);
    h.prompter.answers << Box::Yes << Box::Yes;
    h.wizard().uninstall();
    QVERIFY(h.wizard().ended());
    QVERIFY(!h.registry.keyExists(RegRoot::LocalMachine, SettingsStore::companyKeyPath()));
    QVERIFY(!h.registry.keyExists(RegRoot::CurrentUser, "Tolvane"));
    QVERIFY(!QFileInfo::exists(folder));
    QVERIFY(QFileInfo(h.path("system")).isDir());
}

void TestSetup::cancelResumesOrRemoves()
{
    SetupHarness h;
    h.createWindows();
    SetupWizard &w = h.wizard();
    h.fillIn();
    w.next();
    w.finish();
    QVERIFY(runUntil([&] { return w.position() >= 25; }));
    h.prompter.answers << Box::No;
    w.cancel();
    QCOMPARE(h.prompter.last().caption, QStringLiteral("Abort Installation!"));
    QVERIFY(w.installing());
    QVERIFY(runUntil([&] { return w.ended(); })); // resumed to the end
    QVERIFY(h.settings.settingsKeyExists());

    SetupHarness g;
    g.createWindows();
    SetupWizard &v = g.wizard();
    g.fillIn();
    v.next();
    v.finish();
    QVERIFY(runUntil([&] { return v.position() >= 25; }));
    g.prompter.answers << Box::Yes << Box::Yes;
    v.cancel();
    QVERIFY(v.ended());
    QVERIFY(!g.settings.settingsKeyExists());
    QVERIFY(!QFileInfo::exists(v.mainFolder()));
}

void TestSetup::uninstallRefusesForeignFolders()
{
    // A folder setup did not create is covered by uninstallKeepsAFolderThatWasThere.
    for (const QString which : {"root", "home", "link to home"}) {
        SetupHarness h;
        QDir().mkpath(h.path("home/stuff"));
        QFile::link(h.path("home"), h.path("homelink"));
        const QString folder = which == "root"   ? "/"
                               : which == "home" ? h.path("home")
                                                 : h.path("homelink");
        h.setUpFresh(folder);
        h.createWindows();
        h.prompter.answers << Box::Yes << Box::Yes << Box::Yes;
        h.wizard().uninstall();
        QVERIFY(h.wizard().ended());
        bool refused = false;
        for (const Box &b : h.prompter.boxes)
            refused =
                refused || b.text.startsWith("The folder \"" + folder + "\" was not removed:");
        QVERIFY2(refused, qPrintable(which));
        QCOMPARE(h.prompter.last().text, QStringLiteral("Operation Aborted!"));
        QVERIFY(QFileInfo(h.path("home/stuff")).isDir());
        QVERIFY(QFileInfo(h.path("homelink")).isSymLink());
        QVERIFY(!h.settings.settingsKeyExists()); // the keys go all the same
    }
}

void TestSetup::finishChecks()
{
    SetupHarness h;
    h.platform.toolchain = h.path("no-toolchain"); // the fields stay empty
    h.createWindows();
    h.wizard().finish();
    QCOMPARE(h.prompter.last().caption, QStringLiteral("Incomplete form...!"));
    QVERIFY(!h.wizard().installing());
}

void TestSetup::exitConfirmation()
{
    SetupHarness h;
    h.platform.toolchain = h.path("no-toolchain"); // the fields stay empty
    h.createWindows();
    MainWindow &m = h.windows->main();
    m.show();
    m.openPaths();
    QVERIFY(!m.isVisible());
    QVERIFY(h.wizard().isVisible());
    QCOMPARE(h.taskbar.title(), QStringLiteral("Setup Paths..."));
    h.prompter.answers << Box::No;
    h.wizard().exitWizard();
    QCOMPARE(h.prompter.last().text,
             QStringLiteral("Setup is not complete, are you sure you want to exit?"));
    QVERIFY(h.wizard().isVisible());
    h.prompter.answers << Box::Yes;
    h.wizard().exitWizard();
    QVERIFY(!h.wizard().isVisible());
    QVERIFY(m.isVisible());
    QVERIFY(!h.settings.settingsKeyExists());
}

void TestSetup::startWithMissingProgramFolder()
{
    SetupHarness h;
    h.setUpFresh(h.path("gone"));
    h.createWindows();
    bool reported = false;
    for (const Box &b : h.prompter.boxes)
        reported =
            reported ||
            b.text == "Could not locate program directory " + h.path("gone") +
                          "\rpress the paths button to run setup dialog and re-enter directory!";
    QVERIFY(reported);
}

void TestSetup::folderFailureThenResume()
{
    SetupHarness h;
    h.createWindows();
    SetupWizard &w = h.wizard();
    h.fillIn();
    QDir().mkpath(h.path("gone"));
    h.prompter.folders << h.path("gone");
    w.otherLocation();
    QDir(h.path("gone")).removeRecursively(); // a file takes the chosen folder's place
    h.file("gone");
    w.next();
    w.finish();
    QVERIFY(runUntil([&] { return !w.installing(); }));
    QCOMPARE(h.prompter.last().text,
             "Could not create " + h.path("gone") + "/TOLVANE please select another folder!");
    QCOMPARE(h.prompter.last().buttons, int(Box::Abort));
    QCOMPARE(w.position(), 5);
    // Another folder, as the box asks, and Finish again: that folder is the one made.
    SetupHarness g;
    g.createWindows();
    g.fillIn();
    g.file("gone");
    g.prompter.folders << g.path("gone") << g.path("other");
    g.wizard().otherLocation();
    g.wizard().next();
    g.wizard().finish();
    QVERIFY(runUntil([&] { return !g.wizard().installing(); }));
    QCOMPARE(g.wizard().position(), 5);
    QDir().mkpath(g.path("other"));
    g.wizard().otherLocation();
    g.wizard().finish();
    QVERIFY(runUntil([&] { return g.wizard().ended(); }));
    QVERIFY(QFileInfo(g.path("other/TOLVANE/Projects")).isDir());
    QCOMPARE(g.stored("Program Folder"), g.path("other") + "/TOLVANE");

    h.prompter.answers << Box::No;
    w.cancel();
    QVERIFY(runUntil([&] { return w.ended(); }));
    QCOMPARE(h.stored("Program Folder"),
             h.path("gone") + "/TOLVANE"); // written with the missing folder
}

void TestSetup::defaultFolderOnAFreshHome()
{
    SetupHarness h;
    h.platform.windows = h.path("home/.local/share") + "/"; // a home without ~/.local
    h.createWindows();
    h.install();
    const QString folder = h.path("home/.local/share/TOLVANE");
    for (const Box &b : h.prompter.boxes)
        QVERIFY2(b.icon != Box::Error, qPrintable(b.text));
    QVERIFY(QFileInfo(folder + "/Projects").isDir());
    QVERIFY(QFileInfo(folder + "/Tolvane.pdf").isFile());
    QCOMPARE(h.stored("Program Folder"), folder);
}

void TestSetup::uninstallKeepsAFolderThatWasThere()
{
    SetupHarness h;
    const QString folder = h.path("system/TOLVANE");
    h.file("system/TOLVANE/letter.txt");
    h.file("system/TOLVANE/Old/notes.txt");
    h.createWindows();
    h.install();
    h.windows.reset();
    h.createWindows();
    h.prompter.answers << Box::Yes << Box::Yes;
    h.wizard().uninstall();
    QVERIFY(h.wizard().ended());
    QCOMPARE(h.prompter.boxes.at(h.prompter.boxes.size() - 2).text,
             "Are you sure you want to remove the folder '" + folder +
                 "/Projects' and all its contents?");
    QCOMPARE(h.prompter.last().text, "The folder \"" + folder +
                                         "\" was kept: it was there before setup. Only what setup "
                                         "put into it was removed.");
    QCOMPARE(h.prompter.last().icon, Box::Information);
    QVERIFY(QFileInfo(folder + "/letter.txt").isFile());
    QVERIFY(QFileInfo(folder + "/Old/notes.txt").isFile());
    QVERIFY(!QFileInfo::exists(folder + "/Tolvane.pdf"));
    QVERIFY(!QFileInfo::exists(folder + "/Projects"));
    QVERIFY(!h.settings.settingsKeyExists());
}

void TestSetup::uninstallThroughALink()
{
    SetupHarness h;
    h.createWindows();
    h.install();
    const QString real = h.wizard().mainFolder();
    QVERIFY(QFile::link(real, h.path("link")));
    h.settings.writeText("Program Folder", h.path("link"));
    h.windows.reset();
    h.createWindows();
    h.prompter.answers << Box::Yes << Box::Yes;
    h.wizard().uninstall();
    QVERIFY(h.wizard().ended());
    for (const Box &b : h.prompter.boxes)
        QVERIFY2(!b.text.startsWith("Operation Aborted"), qPrintable(b.text));
    QVERIFY(!QFileInfo::exists(real));
    QVERIFY(!QFileInfo(h.path("link")).isSymLink());
    QVERIFY(QFileInfo(h.path("system")).isDir());
}

void TestSetup::textsFitTheirControls()
{
    SetupHarness h;
    h.platform.windows = "/home/alexandra.johansson-lindqvist/.local/share/"; // a long home
    h.createWindows();
    SetupWizard &w = h.wizard();
    w.show();
    // A label must show all of its text.
    const auto checkLabels = [&w] {
        for (QLabel *label : w.findChildren<QLabel *>()) {
            const QString t = label->text();
            if (t.isEmpty() || label->isHidden())
                continue;
            const int wrap = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
            const QRect room = label->contentsRect();
            const QRect needed = label->fontMetrics().boundingRect(
                room.x(), room.y(), room.width(), 10000, int(label->alignment()) | wrap, t);
            QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                     qPrintable(QStringLiteral("\"%1\" needs %2x%3 in %4x%5")
                                    .arg(t)
                                    .arg(needed.width())
                                    .arg(needed.height())
                                    .arg(room.width())
                                    .arg(room.height())));
        }
    };
    // The labels of every page, hidden pages too, before and after the pages are filled in.
    checkLabels();
    h.fillIn(); // on to page 3, with the folders of that long home
    checkLabels();
    // The progress line names the folder being made; here it stays, as that folder cannot be made.
    const QString parent = h.file("a-file-standing-where-the-chosen-folder-should-be");
    h.prompter.folders << parent;
    w.otherLocation();
    w.finish();
    QVERIFY(runUntil([&] { return !w.installing(); }));
    QCOMPARE(child<QLabel>(w, "Label17")->text(), "Creating " + parent + "/TOLVANE");
    checkLabels();
    for (QPushButton *button : w.findChildren<QPushButton *>()) {
        const int needed = button->fontMetrics().horizontalAdvance(button->text().remove('&'));
        QVERIFY2(needed < button->width() - 8, qPrintable(button->text()));
    }
}

void TestSetup::firstRunOffersTheBundledCompilers_data()
{
    QTest::addColumn<bool>("registered"); // a Delphi 3 installation is registered
    QTest::addColumn<bool>("bundled");    // the program's own compilers are there
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("filledIn");
    QTest::newRow("only the bundled ones") << false << true << 4 << true;
    QTest::newRow("a registered one") << true << true << 2 << false;
    QTest::newRow("none at all") << false << false << 2 << false;
}

void TestSetup::firstRunOffersTheBundledCompilers()
{
    QFETCH(bool, registered);
    QFETCH(bool, bundled);
    QFETCH(int, version);
    QFETCH(bool, filledIn);
    SetupHarness h;
    if (!bundled)
        h.platform.toolchain = h.path("no-toolchain");
    if (registered)
        QVERIFY(h.registry.createKey(RegRoot::LocalMachine, "\\SOFTWARE\\Borland\\Delphi\\3.0"));
    if (registered)
        h.registry.setText(RegRoot::LocalMachine, "\\SOFTWARE\\Borland\\Delphi\\3.0", "RootDir",
                           h.path("delphi3"));
    h.createWindows();
    SetupWizard &w = h.wizard();
    QCOMPARE(child<QSpinBox>(w, "SpinEdit1")->value(), version);
    QCOMPARE(child(w, "N1")->isEnabled(), filledIn);
    QCOMPARE(w.delphiFolder(), filledIn ? toolchain : QString());
    QCOMPARE(child<QLineEdit>(w, "Edit2")->text(),
             filledIn ? toolchain + "/bin/brcc32" : QString());
    QCOMPARE(child<QLineEdit>(w, "Edit3")->text(), filledIn ? toolchain + "/bin/dcc32" : QString());
    if (!filledIn)
        return;
    // Next, Next, Next and Finish: set up with nothing typed.
    w.next();
    w.next();
    w.next();
    w.finish();
    QVERIFY(runUntil([&] { return w.ended(); }));
    QCOMPARE(h.stored("Delphi Version"), QStringLiteral("4"));
    QCOMPARE(h.stored("Compiler1"), toolchain + "/bin/brcc32");
    QCOMPARE(h.stored("Compiler2"), toolchain + "/bin/dcc32");
}

void TestSetup::eachStepOffersOnlyItsButtons()
{
    SetupHarness h;
    h.createWindows();
    SetupWizard &w = h.wizard();
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // The one button at the Next place, by name, on each step.
    const auto shown = [&w] {
        QStringList names;
        for (const char *name : {"N1", "N2", "N3", "Button1"})
            if (child(w, name)->isVisible())
                names << QString::fromLatin1(name);
        return names;
    };
    // A shortcut clicks its button a moment later, as a click the user can see; the step that
    // follows Alt+N has waited for any click that Alt+F could have started.
    const auto press = [&w](Qt::Key key) { QTest::keyClick(&w, key, Qt::AltModifier); };
    QCOMPARE(shown(), QStringList{"N1"});
    press(Qt::Key_F); // on page 1 it must not start the installation
    press(Qt::Key_N);
    QVERIFY(runUntil([&] { return w.page() == 2; }));
    QCOMPARE(shown(), QStringList{"N2"});
    press(Qt::Key_N);
    QVERIFY(runUntil([&] { return w.page() == 3; }));
    QCOMPARE(shown(), QStringList{"N3"});
    press(Qt::Key_N);
    QVERIFY(runUntil([&] { return child(w, "Button1")->isVisible(); }));
    QCOMPARE(shown(), QStringList{"Button1"});
    // Back: page 1 with its own Next only, Finish out of reach again.
    press(Qt::Key_B);
    QVERIFY(runUntil([&] { return w.page() == 1; }));
    QCOMPARE(shown(), QStringList{"N1"});
    press(Qt::Key_F);
    press(Qt::Key_N);
    QVERIFY(runUntil([&] { return w.page() == 2; }));
    QVERIFY(!w.installing());
    QCOMPARE(w.position(), 0);
    QVERIFY(h.prompter.boxes.isEmpty());
    w.hide();
}

void TestSetup::valuesThatAreNotTexts_data()
{
    QTest::addColumn<QString>("number");     // the value stored as a number
    QTest::addColumn<QStringList>("fields"); // Edit1, Edit2, Edit3
    QTest::newRow("Delphi") << "Delphi"
                            << QStringList{"", "/opt/d4/bin/brcc32", "/opt/d4/bin/dcc32"};
    QTest::newRow("Compiler1") << "Compiler1" << QStringList{"/opt/d4", "", "/opt/d4/bin/dcc32"};
    QTest::newRow("Compiler2") << "Compiler2" << QStringList{"/opt/d4", "/opt/d4/bin/brcc32", ""};
}

void TestSetup::valuesThatAreNotTexts()
{
    QFETCH(QString, number);
    QFETCH(QStringList, fields);
    SetupHarness h;
    QDir().mkpath(h.path("prog"));
    h.setUpFresh(h.path("prog"), {{"Delphi", QString("/opt/d4")},
                                  {"Compiler1", QString("/opt/d4/bin/brcc32")},
                                  {"Compiler2", QString("/opt/d4/bin/dcc32")},
                                  {number, 7}});
    h.createWindows();
    SetupWizard &w = h.wizard();
    QCOMPARE(
        QStringList({child<QLineEdit>(w, "Edit1")->text(), child<QLineEdit>(w, "Edit2")->text(),
                     child<QLineEdit>(w, "Edit3")->text()}),
        fields);
    // Finish cannot write another field's path in its place.
    w.next();
    w.next();
    w.next();
    w.finish();
    QCOMPARE(h.prompter.last().caption, QStringLiteral("Incomplete form...!"));
    QVERIFY(!w.installing());
    QCOMPARE(h.stored(number), QStringLiteral("7"));
}

void TestSetup::cancelInTheFirstSecond()
{
    SetupHarness h;
    h.createWindows();
    SetupWizard &w = h.wizard();
    h.fillIn();
    w.next();
    const QString folder = w.mainFolder();
    // Cancel is pressed while the main folder's pause paints; Yes, and Yes to deleting it.
    bool pressed = false;
    QList<int> pauses;
    h.pacer.onPause = [&](int ms) {
        pauses << ms;
        if (ms == 1000 && !pressed) {
            pressed = true;
            w.cancel();
            w.finish(); // pressed again, impatiently: the running sequence keeps its place
        }
    };
    h.prompter.answers << Box::Yes << Box::Yes;
    w.finish();
    QVERIFY(runUntil([&] { return w.ended(); }));
    QVERIFY(pressed);
    // No further folder was made; the one setup made went, and nobody was told otherwise.
    QVERIFY(!pauses.contains(500));
    QVERIFY(!QFileInfo::exists(folder));
    QStringList texts;
    for (const Box &b : h.prompter.boxes)
        texts << b.text;
    QCOMPARE(texts, QStringList({"Setup is not complete! Are you sure you want to cancel?",
                                 "Are you sure you want to remove the folder '" + folder +
                                     "' and all its contents?"}));
    QVERIFY(!h.settings.settingsKeyExists());
}

void TestSetup::uninstallAnsweredNoRemovesNothing()
{
    SetupHarness h;
    h.createWindows();
    h.install();
    const QString folder = h.wizard().mainFolder();
    h.settings.saveHistory({"/a"});
    h.windows.reset();
    h.createWindows();
    h.prompter.answers << Box::Yes << Box::No;
    h.wizard().uninstall();
    QVERIFY(h.wizard().ended());
    QCOMPARE(h.prompter.last().caption, QStringLiteral("Tolvane v3.06b\u00a9"));
    QCOMPARE(h.prompter.last().text, QStringLiteral("Operation Aborted!"));
    QVERIFY(h.settings.settingsKeyExists());
    QCOMPARE(h.stored("Program Folder"), folder);
    QVERIFY(h.registry.keyExists(RegRoot::CurrentUser, "Tolvane"));
    QVERIFY(QFileInfo(folder + "/Tolvane.pdf").isFile());
}

void TestSetup::usersManualIsKept()
{
    SetupHarness h;
    const QString folder = h.path("system/TOLVANE");
    QDir().mkpath(folder);
    QFile mine(folder + "/Tolvane.pdf");
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.write("my own notes, not the manual");
    mine.close();
    h.createWindows();
    h.install();
    QVERIFY(mine.open(QIODevice::ReadOnly));
    QCOMPARE(mine.readAll(), QByteArray("my own notes, not the manual"));
    mine.close();
    QVERIFY(!QFileInfo::exists(folder + "/Tolvane.pd_"));
    bool told = false;
    for (const Box &b : h.prompter.boxes)
        told = told || b.text == "The manual was not unpacked: " + folder +
                                     "/Tolvane.pdf was there before setup and is kept.";
    QVERIFY(told);
    // Uninstall keeps it as well.
    h.windows.reset();
    h.createWindows();
    h.prompter.answers << Box::Yes << Box::Yes;
    h.wizard().uninstall();
    QVERIFY(mine.open(QIODevice::ReadOnly));
    QCOMPARE(mine.readAll(), QByteArray("my own notes, not the manual"));
}

QTEST_MAIN(TestSetup)
#include "tst_setup.moc"
