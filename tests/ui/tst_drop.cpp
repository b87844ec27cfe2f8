#include "Harness.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/toolwindow/ToolWindow.h"
#include "ui/widgets/TFileLabel.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QtTest>

using namespace tolvane;
using namespace tolvane::test;

namespace {
const QString failText = QStringLiteral("Fail to execute, check current program settings!");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList texts(const ScriptedPrompter &p)
{
    QStringList out;
    for (const Box &b : p.boxes)
        out << b.text;
    return out;
}

void checkBox(const Box &b, QWidget *owner, const QString &caption, const QString &text,
              Box::Icon icon, int buttons)
{
    QCOMPARE(b.owner, owner);
    QCOMPARE(b.caption, caption);
    QCOMPARE(b.text, text);
    QCOMPARE(int(b.icon), int(icon));
    QCOMPARE(b.buttons, buttons);
}

void check(ToolWindow &t, const char *name, bool on)
{
    child<QCheckBox>(t, name)->setChecked(on);
}

// Folder drops are scanned only when the path has no dot; the temporary folder must have none.
bool dotFree(const Harness &h)
{
    return !h.dir.path().contains(QLatin1Char('.'));
}
} // namespace

class TestDrop : public QObject
{
    Q_OBJECT

  private slots:
    void filterDecidesWhatIsAdded_data();
    void filterDecidesWhatIsAdded();
    void selectedEntryRefusesTheDrop();
    void sameNameReplaces();
    void onlyTheLastFolderIsScanned();
    void folderScan_data();
    void folderScan();
    void scanDuplicate_data();
    void scanDuplicate();
    void folderLinkingBackEnds();
    void projectWithFilterSet_data();
    void projectWithFilterSet();
    void projectKeptOutByTheFilterIsLeftAlone();
    void emptyProjectAsksThenRefuses_data();
    void emptyProjectAsksThenRefuses();
    void projectSweep_data();
    void projectSweep();
    void projectBackupNameTaken();
    void sweepAfterBitmapDrop();
    void textSourceCopies_data();
    void textSourceCopies();
    void textSourceNameTaken();
    void textCopyFailureEndsTheDrop();
    void executeOnDropBuildsBeforeTheSweep();
    void longPathsWhole();
    void thousandsOfPathsInOneBatch();
};

void TestDrop::filterDecidesWhatIsAdded_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("all kinds") << 0 << QStringList{"c.wav", "a.bmp", "notes.doc", "b.ICO"}
                               << QStringList{"a.bmp", "b.ICO", "c.wav"};
    QTest::newRow("icons only") << 7 << QStringList{"a.bmp", "b.ico", "c.cur"}
                                << QStringList{"b.ico"};
    QTest::newRow("bitmap under the icon filter") << 7 << QStringList{"a.bmp"} << QStringList{};
    QTest::newRow("no resource") << 0 << QStringList{"notes.doc", "noext"} << QStringList{};
}

void TestDrop::filterDecidesWhatIsAdded()
{
    QFETCH(int, position);
    QFETCH(QStringList, dropped);
    QFETCH(QStringList, expected);
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    h.windows->tool().setDropFilterPosition(position);
    QStringList paths;
    for (const QString &n : dropped)
        paths << h.file(n);
    QVERIFY(dropFiles(m, paths));
    QStringList want;
    for (const QString &n : expected)
        want << h.path(n);
    QCOMPARE(m.list().paths(), want);
    if (expected.isEmpty()) {
        QCOMPARE(h.prompter.boxes.size(), 1);
        checkBox(h.prompter.last(), nullptr, "Error", failText, Box::Error, Box::Ok);
    } else {
        QVERIFY(h.prompter.boxes.isEmpty());
        QCOMPARE(m.headerText(1), QString("Objects: %1  Select: 0  Less: %1").arg(want.size()));
    }
}

void TestDrop::selectedEntryRefusesTheDrop()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    m.addFile(h.file("a.bmp"));
    m.addFile(h.file("b.bmp"));
    m.setSelected(1, true);
    h.file("art/c.ico");
    QVERIFY(dropFiles(m, {h.file("d.ico"), h.path("art")}));
    QCOMPARE(m.list().paths(), (QStringList{h.path("a.bmp"), h.path("b.bmp")}));
    QCOMPARE(h.prompter.boxes.size(), 1);
    checkBox(h.prompter.last(), &m, "Tolvane",
             "When file(s) are selected in the File List, you\rcannot drag files or folders onto "
             "the program.\rUse the Add Files menu, to load extra files!",
             Box::Warning, Box::Ok);
    QCOMPARE(m.windowTitle(), QString("Tolvane v3.06b"));
}

void TestDrop::sameNameReplaces()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    m.addFile(h.file("old/a.bmp"));
    m.addFile(h.file("other/A.BMP"));
    QVERIFY(dropFiles(m, {h.file("art/a.bmp")}));
    // Names compare with their case: A.BMP stays.
    QCOMPARE(m.list().paths(), (QStringList{h.path("art/a.bmp"), h.path("other/A.BMP")}));
    // The count did not change, so the drop reports nothing added.
    QCOMPARE(texts(h.prompter), QStringList{failText});
    QVERIFY(!m.duplicateShown());
}

void TestDrop::onlyTheLastFolderIsScanned()
{
    Harness h;
    if (!dotFree(h))
        QSKIP("the temporary folder's path holds a dot");
    h.createWindows();
    MainWindow &m = h.windows->main();
    h.file("one/x.bmp");
    h.file("two/y.ico");
    h.file("My.Icons/z.ico");
    QVERIFY(dropFiles(m, {h.path("one"), h.path("two")}));
    QCOMPARE(m.list().paths(), QStringList{h.path("two/y.ico")});
    QVERIFY(h.prompter.boxes.isEmpty());
    QCOMPARE(m.windowTitle(), "Contents of Folder [" + h.path("two") + "]");
    QCOMPARE(h.taskbar.title(), QString("Tolvane v3.06b"));
    QCOMPARE(h.taskbar.iconName(), QString("folder"));

    // A folder is scanned because it is one, a dot in its name or not.
    QVERIFY(dropFiles(m, {h.path("My.Icons")}));
    QCOMPARE(m.list().paths(), (QStringList{h.path("My.Icons/z.ico"), h.path("two/y.ico")}));
    QVERIFY(h.prompter.boxes.isEmpty());
    QCOMPARE(m.windowTitle(), "Contents of Folder [" + h.path("My.Icons") + "]");
}

void TestDrop::folderScan_data()
{
    QTest::addColumn<bool>("recurse");
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("fileLabel");
    QTest::addColumn<QString>("folderLabel");
    QTest::newRow("top only") << false << 0 << QStringList{"Art/Top.BMP"} << "File: *.*"
                              << "art/";
    QTest::newRow("recursing") << true << 0
                               << QStringList{"Art/Sub/b.ico", "Art/Sub/Deep/c.wav", "Art/Top.BMP"}
                               << "File: c.wav"
                               << "art/sub/deep/";
    QTest::newRow("recursing, icons") << true << 7 << QStringList{"Art/Sub/b.ico"} << "File: c.wav"
                                      << "art/sub/deep/";
}

void TestDrop::folderScan()
{
    QFETCH(bool, recurse);
    QFETCH(int, position);
    QFETCH(QStringList, expected);
    QFETCH(QString, fileLabel);
    QFETCH(QString, folderLabel);
    Harness h;
    if (!dotFree(h))
        QSKIP("the temporary folder's path holds a dot");
    h.createWindows();
    MainWindow &m = h.windows->main();
    check(h.windows->tool(), "Rfx", recurse);
    h.windows->tool().setDropFilterPosition(position);
    h.file("Art/Top.BMP");
    h.file("Art/Sub/b.ico");
    h.file("Art/Sub/Deep/c.wav");
    h.file("Art/My.Dir/skipped.bmp");
    QVERIFY(dropFiles(m, {h.path("Art")}));
    QStringList want;
    for (const QString &n : expected)
        want << h.path(n);
    QCOMPARE(m.list().paths(), want);
    QVERIFY(h.prompter.boxes.isEmpty());
    QVERIFY(!child<QFrame>(m, "Panel3")->isVisibleTo(&m));
    QCOMPARE(child<TFileLabel>(m, "FileLabel1")->fileName(), fileLabel);
    QCOMPARE(child<TFileLabel>(m, "FileLabel2")->fileName(),
             "Directory: " + (h.dir.path() + "/").toLower() + folderLabel);
}

void TestDrop::scanDuplicate_data()
{
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("duplicateFolder");
    // The duplicate ends the scan of b (c below it too); the top folder was scanned first.
    QTest::newRow("ok goes on") << QStringList{"art/b/dup.bmp"} << int(Box::Ok)
                                << QStringList{"art/a.bmp", "art/b/dup.bmp"} << "art/b/";
    QTest::newRow("cancel clears")
        << QStringList{"art/b/dup.bmp"} << int(Box::Cancel) << QStringList{} << "art/b/";
    // Nothing added, but a duplicate was reported: no failure message.
    QTest::newRow("count unchanged")
        << QStringList{"art/a.bmp"} << int(Box::Ok) << QStringList{"art/a.bmp"} << "art/";
}

void TestDrop::scanDuplicate()
{
    QFETCH(QStringList, listed);
    QFETCH(int, answer);
    QFETCH(QStringList, expected);
    QFETCH(QString, duplicateFolder);
    Harness h;
    if (!dotFree(h))
        QSKIP("the temporary folder's path holds a dot");
    h.createWindows();
    MainWindow &m = h.windows->main();
    check(h.windows->tool(), "Rfx", true);
    h.file("art/a.bmp");
    h.file("art/b/dup.bmp");
    h.file("art/b/c/never.ico");
    for (const QString &n : listed)
        m.addFile(h.path(n));
    h.prompter.answers << Box::Button(answer);
    QVERIFY(dropFiles(m, {h.path("art")}));
    QStringList want;
    for (const QString &n : expected)
        want << h.path(n);
    QCOMPARE(m.list().paths(), want);
    QCOMPARE(h.prompter.boxes.size(), 1);
    checkBox(h.prompter.last(), nullptr, "Warning",
             "One or more file(s) from folder: " + h.path(duplicateFolder) +
                 ",\ralready exist in the current list. Press ok to continue or cancel to clear.",
             Box::Warning, Box::Ok | Box::Cancel);
    QVERIFY(m.duplicateShown());
    if (answer == Box::Cancel)
        QCOMPARE(h.taskbar.title(), QString("Tolvane v3.06b")); // the folder's, after "Ready..."
}

void TestDrop::folderLinkingBackEnds()
{
    Harness h;
    if (!dotFree(h))
        QSKIP("the temporary folder's path holds a dot");
    h.createWindows();
    MainWindow &m = h.windows->main();
    check(h.windows->tool(), "Rfx", true);
    h.file("art/a.bmp");
    h.file("art/sub/b.ico");
    QVERIFY(QFile::link(h.path("art"), h.path("art/sub/back")));
    QVERIFY(dropFiles(m, {h.path("art")}));
    QCOMPARE(m.list().paths(), (QStringList{h.path("art/a.bmp"), h.path("art/sub/b.ico")}));
}

void TestDrop::projectWithFilterSet_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << int(Box::Yes);
    QTest::newRow("no") << int(Box::No);
}

void TestDrop::projectWithFilterSet()
{
    QFETCH(int, answer);
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    ToolWindow &t = h.windows->tool();
    t.setDropFilterPosition(7);
    const QString a = h.file("art/a.bmp"), b = h.file("art/b.ico");
    const QString project = h.path("set.tpf");
    write(project, (b + "\r\n" + a + "\r\n").toUtf8());
    h.prompter.answers << Box::Button(answer);
    QVERIFY(dropFiles(m, {project}));
    checkBox(h.prompter.boxes.first(), &m, "Project file...",
             "When dragging a project file, set the program's filter,\rto wildcards. Would you "
             "like to temporarily reset the filter?",
             Box::Warning, Box::Yes | Box::No);
    QCOMPARE(m.windowTitle(), "Project File [" + project + "]");
    QCOMPARE(h.taskbar.title(), QString("Tolvane Project File"));
    QCOMPARE(h.taskbar.iconName(), QString("project"));
    if (answer == Box::Yes) {
        QCOMPARE(t.dropFilterPosition(), 0);
        QCOMPARE(m.headerText(0), QString("Filter: (*.*)"));
        QCOMPARE(m.rememberedFilter(), QString("7"));
        QCOMPARE(m.list().paths(), (QStringList{a, b}));
        QCOMPARE(h.prompter.boxes.size(), 1);
    } else {
        QCOMPARE(t.dropFilterPosition(), 7);
        QCOMPARE(m.headerText(0), QString("Filter: (*.ico)"));
        QVERIFY(m.list().paths().isEmpty());
        QCOMPARE(texts(h.prompter).last(), failText);
    }
    QVERIFY(m.dropFlag());
}

void TestDrop::projectKeptOutByTheFilterIsLeftAlone()
{
    // The filter stays at icons: the project is not loaded, so it is neither asked about nor
    // repaired, although the sweep removes the list's own missing entry.
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    ToolWindow &t = h.windows->tool();
    check(t, "Cx14", true);
    t.setDropFilterPosition(7);
    const QString kept = h.file("kept.bmp");
    const QString gone = h.file("gone.bmp");
    m.addFile(kept);
    m.addFile(gone);
    QFile::remove(gone);
    const QString project = h.path("Other.tpf");
    const QByteArray original = (h.file("far/a.ico") + "\r\n").toUtf8();
    write(project, original);
    h.prompter.answers << Box::No; // keep the filter
    QVERIFY(dropFiles(m, {project}));
    QCOMPARE(m.list().paths(), QStringList{kept});
    QCOMPARE(readAll(project), original);
    QVERIFY(!QFile::exists(h.path("Other.bck")));
    for (const QString &text : texts(h.prompter)) {
        QVERIFY2(!text.startsWith("This will clear"), qPrintable(text));
        QVERIFY2(!text.startsWith("Updated project file"), qPrintable(text));
    }
    QCOMPARE(texts(h.prompter).last(),
             "One or more files from: " + project +
                 " \"\rcontained invalid file links, which were not added to the current list.");
}

void TestDrop::emptyProjectAsksThenRefuses_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << int(Box::Yes);
    QTest::newRow("no") << int(Box::No);
}

void TestDrop::emptyProjectAsksThenRefuses()
{
    QFETCH(int, answer);
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    const QString kept = h.file("kept.bmp");
    m.addFile(kept);
    QFile::remove(kept); // the sweep would remove it, were it reached
    const QString project = h.file("Empty.tpf", 0);
    h.prompter.answers << Box::Button(answer);
    QVERIFY(dropFiles(m, {project}));
    checkBox(h.prompter.boxes.first(), &m, "Tolvane",
             "This will clear the currently loaded project file with contents\rfrom \"" + project +
                 "\" continue?",
             Box::Question, Box::Yes | Box::No);
    QCOMPARE(m.list().paths(), QStringList{kept});
    if (answer == Box::No) {
        QCOMPARE(h.prompter.boxes.size(), 1);
        QCOMPARE(m.windowTitle(), QString("Tolvane v3.06b"));
        return;
    }
    QCOMPARE(h.prompter.boxes.size(), 2);
    QCOMPARE(m.windowTitle(), "Project File [" + project + "]");
    checkBox(h.prompter.last(), &m, "Whoops!", "File \"Empty.tpf\" contains no data !",
             Box::Warning, Box::Ok);
}

void TestDrop::projectSweep_data()
{
    QTest::addColumn<bool>("allMissing");
    QTest::addColumn<bool>("repair");
    QTest::newRow("one missing, repaired") << false << true;
    QTest::newRow("one missing") << false << false;
    QTest::newRow("all missing, repaired") << true << true;
    QTest::newRow("all missing") << true << false;
}

void TestDrop::projectSweep()
{
    QFETCH(bool, allMissing);
    QFETCH(bool, repair);
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    ToolWindow &t = h.windows->tool();
    check(t, "Cx14", repair);
    const QString a = allMissing ? h.path("art/a.bmp") : h.file("art/a.bmp");
    const QString c = allMissing ? h.path("art/c.wav") : h.file("art/c.wav");
    const QString gone = h.path("art/gone.ico");
    const QString project = h.path("Set.tpf");
    const QByteArray original = (c + "\r\n" + gone + "\r\n\r\n" + a + "\r\n").toUtf8();
    write(project, original);
    QVERIFY(dropFiles(m, {project}));
    QCOMPARE(h.prompter.boxes.size(), 1);
    const Box &b = h.prompter.last();
    QVERIFY(!t.executeOnLoad());
    QVERIFY(!child<QFrame>(m, "Panel2")->isVisibleTo(&m));
    QCOMPARE(child<TFileLabel>(m, "StaticText6")->fileName(), QString());
    if (!allMissing) {
        QCOMPARE(m.list().paths(), (QStringList{a, c}));
        QCOMPARE(h.taskbar.title(), QString("...Modified List..."));
        QCOMPARE(h.taskbar.iconName(), QString("logo"));
        if (repair) {
            checkBox(b, &m, "Tolvane v3.06b\u00a9", "Updated project file: \"" + project + "\"",
                     Box::Information, Box::Ok);
            QCOMPARE(readAll(project), (a + "\r\n" + c + "\r\n").toUtf8());
        } else {
            checkBox(b, &m, "Tolvane v3.06b\u00a9",
                     "One or more files from: " + project +
                         " \"\rcontained invalid file links, which were not added to the current "
                         "list.",
                     Box::Warning, Box::Ok);
            QCOMPARE(readAll(project), original);
        }
        return;
    }
    QVERIFY(m.list().paths().isEmpty());
    if (repair) {
        checkBox(b, &m, "Invalid project file...",
                 "The project file: " + project +
                     "\"\rcontained no valid links, file's extension changed to .BCK",
                 Box::Information, Box::Ok);
        QVERIFY(!QFile::exists(project));
        // The backup keeps the list as it was: a share that was not mounted loses nothing.
        QCOMPARE(readAll(h.path("Set.bck")), original);
    } else {
        checkBox(b, &m, "Tolvane v3.06",
                 "The project file: " + project +
                     "\rcontains no valid file links, or has become corrupted !",
                 Box::Warning, Box::Ok);
        QCOMPARE(readAll(project), original);
    }
}

void TestDrop::projectBackupNameTaken()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    check(h.windows->tool(), "Cx14", true);
    const QString project = h.path("old.tpf");
    write(project, (h.path("gone.bmp") + "\r\n").toUtf8());
    write(h.path("old.bck"), "an earlier backup");
    QVERIFY(dropFiles(m, {project}));
    checkBox(h.prompter.last(), nullptr, "Write Error", "Could not rename file \"" + project + "\"",
             Box::Error, Box::Ok);
    QVERIFY(QFile::exists(project));
    QCOMPARE(readAll(h.path("old.bck")), QByteArray("an earlier backup"));
}

void TestDrop::sweepAfterBitmapDrop()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    check(h.windows->tool(), "Cx14", true);
    m.addFile(h.file("old/gone.ico"));
    QFile::remove(h.path("old/gone.ico"));
    const QString bitmap = h.file("new.bmp", 12);
    const int pausesBefore = h.pacer.count;
    QVERIFY(dropFiles(m, {bitmap}));
    QCOMPARE(m.list().paths(), QStringList{bitmap});
    QCOMPARE(h.prompter.boxes.size(), 1);
    checkBox(h.prompter.last(), &m, "Tolvane v3.06b\u00a9",
             "One or more files from: " + bitmap +
                 " \"\rcontained invalid file links, which were not added to the current list.",
             Box::Warning, Box::Ok);
    // Not a project: the dropped file is only read.
    QCOMPARE(readAll(bitmap), QByteArray(12, 'x'));
    QCOMPARE(h.pacer.count - pausesBefore, 1); // one removal, one pause
    QCOMPARE(m.headerText(1), QString("Modified....."));
}

void TestDrop::textSourceCopies_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("copy");
    QTest::newRow("unit") << "unit1.pas"
                          << "unit1.txt";
    QTest::newRow("script, upper case") << "Main.RC"
                                        << "Main.txt";
    QTest::newRow("project") << "proj.dpr"
                             << "proj.txt";
}

void TestDrop::textSourceCopies()
{
    QFETCH(QString, source);
    QFETCH(QString, copy);
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    const QString path = h.path("src/" + source);
    write(path, "unit unit1;\r\ninterface\r\n");
    const QDateTime modified = QFileInfo(path).lastModified();
    const int pausesBefore = h.pacer.count;
    QVERIFY(dropFiles(m, {path}));
    QCOMPARE(readAll(path), QByteArray("unit unit1;\r\ninterface\r\n"));
    QCOMPARE(QFileInfo(path).lastModified(), modified);
    QCOMPARE(readAll(h.path("src/" + copy)), QByteArray("unit unit1;\r\ninterface\r\n"));
    QCOMPARE(QDir(h.path("src")).entryList(QDir::Files | QDir::Hidden).size(), 2);
    // The copy animation: 101 steps of 1 ms, then the list's caption again.
    QCOMPARE(h.pacer.count - pausesBefore, 101);
    QVERIFY(!child<QProgressBar>(m, "Bar1")->isVisibleTo(&m));
    QVERIFY(child<QLabel>(m, "P3")->isVisibleTo(&m));
    QCOMPARE(child<TFileLabel>(m, "Label2")->fileName(), QString());
    // Nothing added, but a text file was handled: no failure message.
    QVERIFY(h.prompter.boxes.isEmpty());
    QVERIFY(m.list().paths().isEmpty());
    QVERIFY(m.textHandled());
}

void TestDrop::textSourceNameTaken()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    const QString unit = h.path("unit1.pas");
    write(unit, "unit unit1;");
    write(h.path("unit1.txt"), "notes of my own");
    QVERIFY(dropFiles(m, {unit, h.file("after.bmp")}));
    checkBox(h.prompter.boxes.first(), nullptr, "Error",
             "A filename error occurred, while creating: \r" + unit + " !", Box::Error, Box::Abort);
    QCOMPARE(readAll(unit), QByteArray("unit unit1;"));
    QCOMPARE(readAll(h.path("unit1.txt")), QByteArray("notes of my own"));
    // The drop goes on with the next path.
    QCOMPARE(m.list().paths(), QStringList{h.path("after.bmp")});
}

void TestDrop::textCopyFailureEndsTheDrop()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    h.platform.copyResult = Platform::CopyResult::CannotCreate;
    const QString unit = h.path("unit1.pas");
    write(unit, "unit unit1;");
    QVERIFY(dropFiles(m, {unit, h.file("after.bmp")}));
    QCOMPARE(h.prompter.boxes.size(), 1);
    checkBox(h.prompter.last(), nullptr, "Tolvane v3.06b",
             "Cannot create file " + h.path("unit1.txt"), Box::Error, Box::Ok);
    QCOMPARE(readAll(unit), QByteArray("unit unit1;"));
    QVERIFY(m.list().paths().isEmpty());
}

void TestDrop::executeOnDropBuildsBeforeTheSweep()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    ToolWindow &t = h.windows->tool();
    check(t, "Dx1", true);
    m.addFile(h.file("gone.ico"));
    QFile::remove(h.path("gone.ico"));
    QSignalSpy builds(&m, &MainWindow::buildRequested);
    QVERIFY(dropFiles(m, {h.file("a.bmp"), h.file("b.wav")}));
    QCOMPARE(builds.size(), 1);
    // The build met the missing file first and stopped; the drop's own sweep never ran.
    QCOMPARE(h.prompter.boxes.size(), 1);
    QCOMPARE(h.prompter.last().caption, QString("Invalid file link...!"));
}

void TestDrop::longPathsWhole()
{
    Harness h;
    if (!dotFree(h))
        QSKIP("the temporary folder's path holds a dot");
    h.createWindows();
    MainWindow &m = h.windows->main();
    check(h.windows->tool(), "Rfx", true);
    QString folder = "deep";
    for (int i = 0; i < 3; ++i)
        folder += "/" + QString(90, QChar('k' + i));
    const QString picture = h.file(folder + "/picture.bmp");
    const QString icon = h.file(folder + "/" + QString(120, 'i') + ".ico");
    QVERIFY(picture.size() > 254 && icon.size() > 254);
    QVERIFY(dropFiles(m, {icon}));
    QCOMPARE(m.list().paths(), QStringList{icon});
    m.clearAll();
    QVERIFY(dropFiles(m, {h.path("deep")}));
    QCOMPARE(m.list().paths(), (QStringList{icon, picture}));
}

void TestDrop::thousandsOfPathsInOneBatch()
{
    Harness h;
    if (!dotFree(h))
        QSKIP("the temporary folder's path holds a dot");
    h.createWindows();
    MainWindow &m = h.windows->main();
    check(h.windows->tool(), "Rfx", true);
    QStringList paths;
    for (int i = 2999; i >= 0; --i)
        paths << h.file(QString("many/f%1.bmp").arg(i, 4, 10, QChar('0')), 1);
    for (int i = 0; i < 40; ++i)
        for (int j = 0; j < 50; ++j)
            h.file(QString("tree/d%1/g%2.ico").arg(i).arg(j), 1);
    // A run that never reaches a screen frame shows its result once.
    h.pacer.framesDue = false;
    QSignalSpy inserted(&m.list(), &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(&m.list(), &QAbstractItemModel::modelReset);
    QVERIFY(dropFiles(m, paths));
    QCOMPARE(m.list().count(), 3000);
    QCOMPARE(m.list().at(0), h.path("many/f0000.bmp"));
    QCOMPARE(m.list().at(2999), h.path("many/f2999.bmp"));
    QCOMPARE(inserted.size() + reset.size(), 1);
    QCOMPARE(m.headerText(1), QString("Objects: 3000  Select: 0  Less: 3000"));

    m.clearAll();
    inserted.clear();
    reset.clear();
    QVERIFY(dropFiles(m, {h.path("tree")}));
    QCOMPARE(m.list().count(), 2000);
    QCOMPARE(inserted.size() + reset.size(), 1);
    QCOMPARE(h.pacer.frames, 0);

    // With frames due the list is shown as it grows.
    m.clearAll();
    h.pacer.framesDue = true;
    QVERIFY(dropFiles(m, {h.path("tree")}));
    QCOMPARE(m.list().count(), 2000);
    QVERIFY(h.pacer.frames >= 2000);
}

QTEST_MAIN(TestDrop)
#include "tst_drop.moc"
