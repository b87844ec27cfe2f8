#include "Harness.h"
#include "tests/tools/Corpus.h"
#include "tools/common/ResFile.h"
#include "ui/mainwindow/BuildRunner.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/stringtable/StringTableEditor.h"
#include "ui/toolwindow/ProgressPanel.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace tolvane;
using namespace tolvane::test;

namespace {

const QString bin = QStringLiteral(TOOLCHAIN_BIN);

// Records what is printed instead of handing it to the desktop.
struct Printer : FakePlatform
{
    bool printFile(const QString &path) override
    {
        printed << path;
        return QFileInfo::exists(path);
    }
    QStringList printed;
};

// A set-up installation with the stand-in compilers, a destination, and real resource files.
struct BuildHarness : Harness
{
    explicit BuildHarness(bool compilers = true, const QList<QPair<QString, QVariant>> &extra = {})
    {
        QDir().mkpath(path("prog/Projects"));
        QDir().mkpath(path("dest"));
        QList<QPair<QString, QVariant>> values = {{"Script Name", QString("Art")},
                                                  {"Library Name", QString("ArtLib")},
                                                  {"Prompt Compile", 0},
                                                  {"Prompt Summary", 0}};
        if (compilers)
            values << qMakePair(QString("Compiler1"), QVariant(bin + "/brcc32"))
                   << qMakePair(QString("Compiler2"), QVariant(bin + "/dcc32"));
        values << extra;
        setUpFresh(path("prog"), values);
        createWindows();
        tool().setSingleDestination(path("dest"));
        files << file2("art/logo.bmp", corpus::bitmap(24, 40))
              << file2("art/app.ico", corpus::iconFile(1, true))
              << file2("art/hand.cur", corpus::iconFile(2, false))
              << file2("art/ding.wav", corpus::wave());
        for (const QString &f : files)
            main().addFile(f);
        QList<int> all;
        for (int i = 0; i < files.size(); ++i)
            all << i;
        main().selectRows(all);
    }
    QString file2(const QString &name, const QByteArray &data)
    {
        corpus::write(path(name), data);
        return path(name);
    }
    MainWindow &main() { return windows->main(); }
    ToolWindow &tool() { return windows->tool(); }
    // One build on another platform, run as the windows run it.
    BuildSummary runOn(Platform &other)
    {
        Services onOther{other, settings, prompter, pacer, sound, taskbar, clock, strings};
        BuildRunner runner(onOther, main(), tool());
        runner.run();
        return runner.summary();
    }
    QStringList destFiles() { return QDir(path("dest")).entryList(QDir::Files, QDir::Name); }
    QStringList progFiles() { return QDir(path("prog")).entryList(QDir::Files, QDir::Name); }
    QStringList files;
};

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(-1);
    return QString::fromUtf8(p.readAll());
}

QString executable(const QString &path, const QByteArray &script)
{
    corpus::write(path, script);
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    return path;
}

} // namespace

class TestBuild : public QObject
{
    Q_OBJECT

  private slots:
    void fullBuild();
    void fullBuildKeepsProjectAndExistingFiles();
    void scriptsOnly();
    void missingFileClearsList();
    void emptyFile();
    void resIdConflict();
    void resourceCompilerCannotStart();
    void resourceCompilerError();
    void libraryCompilerCannotStart();
    void libraryCompilerError();
    void notEnoughSpace();
    void fileSummaryPrintsAndRenamesBack();
    void noSecondBuildInsideOne();
    void tempFolderAsDestinationWithoutKey();
    void optionsTakeClicksAfterBuild();
    void failedMoveKeepsAndReports();
    void summaryNamesRenamedFiles();
    void projectNotWrittenIsShown();
    void silentCompilerIsDescribed();
    void pathWithLineBreakIsRefused();
    void namesLeadingOutAreRefused_data();
    void namesLeadingOutAreRefused();
    void missingDestinationThenBuildAgain();
};

void TestBuild::fullBuild()
{
    BuildHarness h;
    h.strings.insert("Hello");
    h.main().build();
    QVERIFY2(!h.windows->build().errorFlag(), qPrintable(h.prompter.last().text));
    QCOMPARE(h.destFiles(), QStringList({"Art.rc", "Art.res", "ArtLib.dll"}));
    QVERIFY2(h.progFiles().isEmpty(), qPrintable(h.progFiles().join(",")));
    // The library holds every resource the script names.
    const QString tree = run("llvm-readobj", {"--coff-resources", h.path("dest/ArtLib.dll")});
    for (const QString id : {"A1", "A2", "A3", "A4"})
        QVERIFY2(tree.contains("Name: " + id + " ") || tree.contains("Name: " + id + "\n") ||
                     tree.contains("Name: " + id + " ["),
                 qPrintable(id));
    QVERIFY(tree.contains("STRINGTABLE"));
    QFile rc(h.path("dest/Art.rc"));
    QVERIFY(rc.open(QIODevice::ReadOnly));
    const QByteArray script = rc.readAll();
    QVERIFY(script.contains("A1 ICON \"" + h.files.at(1).toUtf8() + "\""));
    QCOMPARE(h.taskbar.title(), QStringLiteral("Task Complete"));
    QVERIFY(h.tool().optionsPanel()->isVisibleTo(&h.tool()));
    QVERIFY(h.tool().closeButton()->isEnabled());
    // The pauses: 4 script lines, the 101-step animation, export, sizes, clean-up, credits, end.
    QCOMPARE(h.pacer.total, 4 * 20 + 101 * 10 + 1000 + 3 * 500 + 1000 + 1000 + 1000 + 3000 + 3000);
}

void TestBuild::fullBuildKeepsProjectAndExistingFiles()
{
    BuildHarness h;
    child<QCheckBox>(h.tool(), "Cx12")->setChecked(true);
    corpus::write(h.path("dest/Art.rc"), "old script");
    corpus::write(h.path("dest/ArtLib.dpr"), "old project");
    h.main().build();
    QCOMPARE(h.destFiles(), QStringList({"Art (2).rc", "Art.rc", "Art.res", "ArtLib (2).dpr",
                                         "ArtLib.dll", "ArtLib.dpr"}));
    QFile old(h.path("dest/ArtLib.dpr"));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old project"));

    // Without the copy option the moved project goes, the one that was there stays.
    BuildHarness g;
    corpus::write(g.path("dest/ArtLib.dpr"), "keep me");
    g.main().build();
    QCOMPARE(g.destFiles(), QStringList({"Art.rc", "Art.res", "ArtLib.dll", "ArtLib.dpr"}));
}

void TestBuild::scriptsOnly()
{
    BuildHarness h;
    child<QCheckBox>(h.tool(), "Cx10")->setChecked(true);
    h.main().build();
    QCOMPARE(h.destFiles(), QStringList({"Art.rc"}));
    QCOMPARE(h.progFiles(), QStringList());
    QCOMPARE(h.pacer.total, 4 * 20 + 2000 + 1000 + 1000 + 2000 + 3000);
    QCOMPARE(h.taskbar.title(), QStringLiteral("Task Complete..."));

    // An empty compiler path ends the same way, whatever the option says.
    BuildHarness g(false);
    g.main().build();
    QCOMPARE(g.destFiles(), QStringList({"Art.rc"}));
}

void TestBuild::missingFileClearsList()
{
    BuildHarness h;
    h.main().addFile(h.path("art/zz-gone.bmp"));
    h.tool().setExecuteOnLoad(true);
    h.main().build();
    const Box b = h.prompter.boxes.first();
    QCOMPARE(b.caption, QStringLiteral("Invalid file link...!"));
    QCOMPARE(b.icon, Box::Error);
    QCOMPARE(h.main().list().count(), 0);
    QVERIFY(!h.tool().executeOnLoad());
    QCOMPARE(h.destFiles(), QStringList());
}

void TestBuild::emptyFile()
{
    BuildHarness h;
    const QString empty = h.file("art/empty.gif", 0);
    h.main().addFile(empty);
    h.prompter.answers << Box::Yes;
    h.main().build();
    QCOMPARE(h.prompter.last().caption, QStringLiteral("Warning"));
    QVERIFY(h.prompter.last().text.startsWith("File \"" + empty.toUpper() +
                                              "\",\rcontains zero bytes"));
    QVERIFY(!h.main().list().paths().contains(empty));
    QCOMPARE(h.destFiles(), QStringList()); // the build stops; a second press is needed
    h.main().selectRows({0, 1, 2, 3});
    h.main().build();
    QCOMPARE(h.destFiles().size(), 3);
}

void TestBuild::resIdConflict()
{
    BuildHarness h;
    h.tool().setPrefixPosition(22);
    h.strings.insert("x");
    h.prompter.answers << Box::Abort;
    h.main().build();
    QCOMPARE(h.prompter.last().buttons, int(Box::Yes | Box::Abort));
    QCOMPARE(h.destFiles(), QStringList());
    h.prompter.answers << Box::Yes;
    h.main().build();
    QCOMPARE(h.tool().prefixPosition(), 0);
    QCOMPARE(h.destFiles().size(), 3);
}

void TestBuild::resourceCompilerCannotStart()
{
    BuildHarness h;
    const QString notRunnable = h.file("tools/brcc32", 10); // not executable
    h.main().setEnabled(true);
    h.settings.writeText("Compiler1", notRunnable);
    BuildHarness g(true, {{"Compiler1", notRunnable}});
    g.tool().setExecuteOnLoad(true);
    g.main().build();
    QCOMPARE(g.prompter.last().caption, QStringLiteral("Tolvane Build error -714"));
    QCOMPARE(g.prompter.last().text, QString()); // no tool ran before
    QVERIFY(!g.tool().executeOnLoad());
    QCOMPARE(g.main().list().count(), 4);
    QCOMPARE(g.progFiles(), QStringList());
    QVERIFY(g.windows->build().errorFlag());
}

void TestBuild::resourceCompilerError()
{
    BuildHarness h;
    corpus::write(h.files.at(1), QByteArray("\0\0\1\0\1\0junk", 10)); // a broken icon
    h.main().build();
    QCOMPARE(h.prompter.last().caption, QStringLiteral("Tolvane Build error 737"));
    QVERIFY(h.prompter.last().text.contains("app.ico"));
    QCOMPARE(h.main().list().count(), 0);
    QCOMPARE(h.main().headerText(0), QString(13, '.'));
    for (const char *name : {"SP1", "SP2", "DEL", "Button2", "Button4", "Save1"})
        QVERIFY2(!child(h.main(), name)->isEnabled(), name);
    QCOMPARE(h.progFiles(), QStringList());
    QCOMPARE(h.tool().progress().line(ProgressPanel::Line::Msg4)->text(),
             QStringLiteral("Press the close button to restore application!"));
}

void TestBuild::libraryCompilerCannotStart()
{
    Harness probe;
    const QString notRunnable = probe.file("dcc32", 10);
    BuildHarness h(true, {{"Compiler2", notRunnable}});
    h.main().build();
    QCOMPARE(h.prompter.last().caption, QStringLiteral("Tolvane Build error -810D"));
    QCOMPARE(h.prompter.last().text, h.windows->build().capturedOutput()); // brcc32's text
    QCOMPARE(h.main().list().count(), 4);
    QCOMPARE(h.progFiles(), QStringList());
    QVERIFY(h.main().isEnabled() && h.tool().isEnabled());
    QCOMPARE(h.tool().progress().line(ProgressPanel::Line::Msg4)->text(),
             QStringLiteral("Press the close button to stop current session!"));
}

void TestBuild::libraryCompilerError()
{
    Harness probe;
    const QString failing =
        executable(probe.path("dcc32"), "#!/bin/sh\necho \"ArtLib.dpr(3) Error: boom\"\nexit 3\n");
    BuildHarness h(true, {{"Compiler2", failing}});
    h.main().build();
    QCOMPARE(h.prompter.last().caption, QStringLiteral("Tolvane Build error 834D"));
    QCOMPARE(h.prompter.last().text, QStringLiteral("ArtLib.dpr(3) Error: boom\n"));
    QCOMPARE(h.main().list().count(), 4); // a library error keeps the list
    QCOMPARE(h.progFiles(), QStringList());
    QCOMPARE(h.destFiles(), QStringList());
}

void TestBuild::notEnoughSpace()
{
    struct Tiny : FakePlatform
    {
        std::optional<qint64> freeSpace(const QString &) override { return 100; }
    };
    BuildHarness h;
    // Swap in a platform whose destination is nearly full.
    Tiny tiny;
    tiny.current = h.platform.current;
    h.prompter.boxes.clear();
    const BuildSummary summary = h.runOn(tiny);
    const Box b = h.prompter.last();
    QCOMPARE(b.caption, QStringLiteral("Warning"));
    QCOMPARE(b.buttons, int(Box::Abort));
    QCOMPARE(b.position, h.tool().pos() + QPoint(-60, 220));
    QVERIFY(b.text.startsWith("Not enough space on target drive " + h.path("dest") +
                              ", to move project files!\r"));
    QVERIFY(b.text.endsWith("\r Available space on target disk = 100 Bytes\r         . . .Please "
                            "select another directory. . ."));
    QCOMPARE(h.sound.played.first(), QStringLiteral("A2"));
    QCOMPARE(h.progFiles(), QStringList());
    QCOMPARE(h.destFiles(), QStringList());
    QVERIFY(!summary.errorFlag);
    QCOMPARE(h.taskbar.title(), QStringLiteral("Tolvane v3.06b"));
}

void TestBuild::fileSummaryPrintsAndRenamesBack()
{
    BuildHarness h;
    child<QCheckBox>(h.tool(), "Cx13")->setChecked(true);
    Printer printer;
    h.prompter.answers << Box::Yes;
    h.runOn(printer);
    const Box summary = h.prompter.last();
    QCOMPARE(summary.caption, QStringLiteral("File Summary"));
    QCOMPARE(summary.buttons, int(Box::Yes | Box::No));
    QVERIFY(summary.text.contains("\rScript Document:( Art.rc )  Size = "));
    QVERIFY(summary.text.endsWith("\r\rWould you like to print the contents of Art.rc?"));
    QCOMPARE(printer.printed, QStringList{h.path("dest/Art.wri")});
    QCOMPARE(h.destFiles(), QStringList({"Art.rc", "Art.res", "ArtLib.dll"}));
}

void TestBuild::noSecondBuildInsideOne()
{
    BuildHarness h;
    int runs = 0;
    QObject::connect(&h.main(), &MainWindow::buildRequested, [&] {
        ++runs;
        h.main().build(); // a click while the first is running
    });
    h.main().build();
    QCOMPARE(runs, 1);
}

void TestBuild::tempFolderAsDestinationWithoutKey()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    h.windows->tool().setSingleDestination(m.tempFolder());
    m.addFile(h.file("a.bmp"));
    m.selectRows({0});
    h.windows->tool().setExecuteOnLoad(false);
    m.build();
    QCOMPARE(h.prompter.last().caption, QStringLiteral("Tolvane v3.06b\u00a9"));
    QCOMPARE(
        h.prompter.last().text,
        QStringLiteral(
            "Cannot save \"Untitled.rc\" to this folder! Source and destination are the same."));
    QVERIFY(h.windows->tool().optionsPanel()->isVisibleTo(&h.windows->tool()));
    QVERIFY(m.isEnabled());
}

void TestBuild::optionsTakeClicksAfterBuild()
{
    BuildHarness h;
    h.tool().show();
    h.main().build();
    QCOMPARE(h.taskbar.title(), QStringLiteral("Task Complete"));
    QVERIFY(!child<QFrame>(h.tool(), "ShowF")->isVisibleTo(&h.tool()));
    // What a click on the box's place reaches is the box itself, and it toggles.
    auto *box = child<QCheckBox>(h.tool(), "Cx8");
    const bool before = box->isChecked();
    QWidget *hit = h.tool().childAt(box->mapTo(&h.tool(), box->rect().center()));
    QCOMPARE(hit, static_cast<QWidget *>(box));
    QTest::mouseClick(hit, Qt::LeftButton, {}, box->rect().center());
    QCOMPARE(box->isChecked(), !before);
}

void TestBuild::failedMoveKeepsAndReports()
{
    // The destination goes away between the checks and the move (a drive taken out).
    struct Vanishing : FakePlatform
    {
        QStringList moveFiles(const QStringList &sources, const QString &folder) override
        {
            QDir(folder).removeRecursively();
            return FakePlatform::moveFiles(sources, folder);
        }
    };
    BuildHarness h;
    Vanishing platform;
    const BuildSummary summary = h.runOn(platform);
    QCOMPARE(h.progFiles(), QStringList({"Art.rc", "Art.res", "ArtLib.dll", "ArtLib.dpr"}));
    QVERIFY(h.prompter.last().text.startsWith("Could not move the project files to " +
                                              h.path("dest") + "/ !\r"));
    for (const QString name : {"Art.rc", "ArtLib.dpr", "Art.res", "ArtLib.dll"})
        QVERIFY(h.prompter.last().text.contains("\r" + h.path("prog/") + name));
    QVERIFY(!h.taskbar.title().contains("Complete"));
    QVERIFY(summary.errorFlag);
}

void TestBuild::summaryNamesRenamedFiles()
{
    BuildHarness h;
    child<QCheckBox>(h.tool(), "Cx13")->setChecked(true);
    corpus::write(h.path("dest/Art.rc"), "older script");
    Printer printer;
    h.prompter.answers << Box::Yes;
    h.runOn(printer);
    const QString text = h.prompter.last().text;
    const qint64 size = QFileInfo(h.path("dest/Art (2).rc")).size();
    QVERIFY2(text.contains("\rScript Document:( Art (2).rc )  Size = " + QString::number(size) +
                           " Bytes\r"),
             qPrintable(text));
    QVERIFY(text.endsWith("\r\rWould you like to print the contents of Art (2).rc?"));
    QCOMPARE(printer.printed, QStringList{h.path("dest/Art (2).wri")});
    QFile old(h.path("dest/Art.rc"));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("older script"));
}

void TestBuild::projectNotWrittenIsShown()
{
    BuildHarness h;
    QDir().mkpath(h.path("prog/ArtLib.dpr"));                         // the project cannot be made
    corpus::write(h.files.at(1), QByteArray("\0\0\1\0\1\0junk", 10)); // and brcc32 would fail
    h.main().build();
    QCOMPARE(h.prompter.boxes.size(), 1);
    QCOMPARE(h.prompter.last().text, "Cannot create file " + h.path("prog") + "/ArtLib.dpr");
    QCOMPARE(h.prompter.last().icon, Box::Error);
    QCOMPARE(h.progFiles(), QStringList({"Art.rc"})); // nothing said it should go
    QCOMPARE(h.main().list().count(), 4);
}

void TestBuild::silentCompilerIsDescribed()
{
    Harness probe;
    const QString crashing = executable(probe.path("dcc32"), "#!/bin/sh\nkill -SEGV $$\n");
    BuildHarness h(true, {{"Compiler2", crashing}});
    h.main().build();
    QCOMPARE(h.prompter.last().caption, QStringLiteral("Tolvane Build error 834D"));
    QCOMPARE(h.prompter.last().text,
             QStringLiteral("dcc32 ended with signal 11 and printed nothing"));
}

void TestBuild::pathWithLineBreakIsRefused()
{
    BuildHarness h;
    const QString odd = h.file2("art/two\nlines.bmp", corpus::bitmap(24, 40));
    h.main().addFile(odd);
    h.main().selectRows({0, 1, 2, 3, 4});
    h.main().build();
    QVERIFY2(h.prompter.last().text.contains("holds a line break"),
             qPrintable(h.prompter.last().text));
    QCOMPARE(h.progFiles(), QStringList());
    QCOMPARE(h.destFiles(), QStringList());
}

void TestBuild::namesLeadingOutAreRefused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    QTest::newRow("library up and out") << "Edit3"
                                        << "../outside/victim";
    QTest::newRow("script up and out") << "Edit1"
                                       << "../outside/s";
    QTest::newRow("script backslash") << "Edit1"
                                      << "..\\outside\\s";
}

void TestBuild::namesLeadingOutAreRefused()
{
    QFETCH(QString, field);
    QFETCH(QString, name);
    BuildHarness h;
    corpus::write(h.path("outside/victim.dpr"), "user's project");
    corpus::write(h.path("outside/s.rc"), "user's script");
    auto *edit = child<QLineEdit>(h.tool(), qPrintable(field));
    edit->setText(name);
    QCOMPARE(edit->text(), QString());
    QVERIFY2(h.prompter.last().text.contains("cannot be used as a file name"),
             qPrintable(h.prompter.last().text));
    h.main().build();
    QFile project(h.path("outside/victim.dpr"));
    QVERIFY(project.open(QIODevice::ReadOnly));
    QCOMPARE(project.readAll(), QByteArray("user's project"));
    QFile script(h.path("outside/s.rc"));
    QVERIFY(script.open(QIODevice::ReadOnly));
    QCOMPARE(script.readAll(), QByteArray("user's script"));
    QVERIFY(QFileInfo::exists(h.path("dest/Untitled.rc")) ||
            QFileInfo::exists(h.path("dest/Art.rc")));
}

void TestBuild::missingDestinationThenBuildAgain()
{
    BuildHarness h;
    QVERIFY(QDir().mkpath(h.path("Here")));
    h.tool().setSingleDestination(h.path("Gone"));
    h.platform.current = h.path("Here");
    h.main().build();
    QCOMPARE(h.prompter.boxes.size(), 2);
    QCOMPARE(h.prompter.boxes.at(0).text,
             "No destination directory specified...assuming current!\r\"" + h.path("Gone") +
                 "\" does not exist.");
    QCOMPARE(h.tool().destination(), h.path("Here") + "/");
    // The box said Build again saves there: it does.
    h.main().build();
    QCOMPARE(h.prompter.boxes.size(), 2);
    QCOMPARE(QDir(h.path("Here")).entryList(QDir::Files, QDir::Name),
             QStringList({"Art.rc", "Art.res", "ArtLib.dll"}));
}

QTEST_MAIN(TestBuild)
#include "tst_build.moc"
