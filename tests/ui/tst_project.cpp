#include "Harness.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/toolwindow/ToolWindow.h"
#include "ui/widgets/TFileLabel.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace tolvane;
using namespace tolvane::test;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += l.toUtf8() + "\r\n";
    return out;
}

// The windows with a program folder, a temp folder of the test's own and, for the quick save,
// the settings of a set-up program.
struct ProjectHarness : Harness
{
    explicit ProjectHarness(bool projectsFolder = true, bool keyExists = false)
    {
        QDir().mkpath(path("temp"));
        platform.temp = path("temp") + "/";
        QDir().mkpath(path("prog"));
        if (projectsFolder)
            QDir().mkpath(path("prog/Projects"));
        if (keyExists)
            setUpFresh(path("prog"));
        createWindows();
    }
    MainWindow &main() { return windows->main(); }
    ToolWindow &tool() { return windows->tool(); }
    void setMode(bool prompted)
    {
        child<QRadioButton>(tool(), prompted ? "Rad1" : "Rad2")->setChecked(true);
    }
    void tick(const char *name, bool on) { child<QCheckBox>(tool(), name)->setChecked(on); }
    // Adds the entries and selects those given.
    void fill(const QStringList &entries, const QStringList &selected)
    {
        for (const QString &e : entries)
            main().list().add(e);
        QList<int> rows;
        for (int r = 0; r < main().list().count(); ++r)
            if (selected.contains(main().list().at(r)))
                rows << r;
        main().selectRows(rows);
    }
    void save() { child<QPushButton>(main(), "Save1")->click(); }
    void load(const QString &project)
    {
        prompter.files.enqueue({true, {project}, 1});
        child<QAction>(main(), "Load2")->trigger();
    }
    bool listShown() { return !child<QListView>(main(), "ListBox1")->isHidden(); }
    QString label2() { return child<TFileLabel>(main(), "Label2")->fileName(); }
    bool barShown() { return !child<QProgressBar>(main(), "Bar1")->isHidden(); }
    QStringList folder(const QString &name)
    {
        return QDir(path(name)).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    }
};

void compareBox(const Box &box, QWidget *owner, const QString &caption, const QString &text,
                Box::Icon icon, int buttons = Box::Ok)
{
    QCOMPARE(box.owner, owner);
    QCOMPARE(box.caption, caption);
    QCOMPARE(box.text, text);
    QCOMPARE(int(box.icon), int(icon));
    QCOMPARE(box.buttons, buttons);
}

} // namespace

class TestProject : public QObject
{
    Q_OBJECT

  private slots:
    void promptedSaveWritesSelectedInListOrder();
    void promptedSaveRefusesNames_data();
    void promptedSaveRefusesNames();
    void promptedSaveFailureKeepsEarlierFile_data();
    void promptedSaveFailureKeepsEarlierFile();
    void promptedSaveAsksBeforeReplacing_data();
    void promptedSaveAsksBeforeReplacing();
    void quickSavesInARowKeepEveryFile();
    void quickSaveNeedsProjectsFolder_data();
    void quickSaveNeedsProjectsFolder();
    void quickSaveWriteFailureIsReported();
    void savedAndLoadedListIsTheSame_data();
    void savedAndLoadedListIsTheSame();
    void loadFillsEmptyListSilently();
    void loadAsksBeforeClearing_data();
    void loadAsksBeforeClearing();
    void loadRefusesEmptyAndMissing_data();
    void loadRefusesEmptyAndMissing();
    void loadSweepsMissingEntries_data();
    void loadSweepsMissingEntries();
    void loadRenameFailureKeepsProject();
    void executeOnLoadBuildsBeforeTheSweep();
};

void TestProject::promptedSaveWritesSelectedInListOrder()
{
    ProjectHarness h;
    h.setMode(true);
    const QString a = h.file("Art/a.ico"), b = h.file("Art/b.bmp"), c = h.file("Art/c.wav");
    h.fill({b, c, a}, {b, a});
    QDir().mkpath(h.path("out"));
    h.prompter.saves.enqueue(h.path("out/proj"));
    QStringList seenDuringProgress;
    h.pacer.onPause = [&](int) { seenDuringProgress << h.folder("temp") << h.folder("out"); };
    h.save();

    QCOMPARE(seenDuringProgress, QStringList{}); // written once, after the progress
    const SaveFileRequest request = h.prompter.saveRequests.value(0);
    QCOMPARE(request.title, QStringLiteral("Save as tolvane project file to directory folder in:"));
    QCOMPARE(request.filters, QStringList{"Tolvane project files (*.tpf)"});
    QCOMPARE(h.folder("out"), QStringList{"PROJ.TPF"});
    QCOMPARE(readAll(h.path("out/PROJ.TPF")), crlf({a, b})); // unselected c never reaches it
    QCOMPARE(h.folder("temp"), QStringList{});               // the temporary file was moved
    QCOMPARE(h.prompter.boxes.size(), 1);
    compareBox(h.prompter.last(), &h.main(), "Tolvane", "Successfully created proj.tpf",
               Box::Information);
    QVERIFY(h.listShown());
    QVERIFY(!h.barShown());
    QCOMPARE(h.label2(), QString());
    QCOMPARE(h.pacer.count, 2); // one progress step per saved entry
    // The dialog opens on the last name chosen.
    h.save();
    QCOMPARE(h.prompter.saveRequests.value(1).fileName, h.path("out/proj"));
}

void TestProject::promptedSaveRefusesNames_data()
{
    QTest::addColumn<std::optional<QString>>("typed");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("buttonsOff");
    QTest::newRow("blank") << std::optional<QString>("my proj") << "Whoops!"
                           << "Cannot process file name with blank spaces!" << true;
    QTest::newRow("dot") << std::optional<QString>("proj.tpf") << "Tolvane"
                         << "Cannot create filename: proj.tpf\rrename the file and try saving "
                            "again!"
                         << false;
    QTest::newRow("cancelled") << std::optional<QString>() << QString() << QString() << false;
}

void TestProject::promptedSaveRefusesNames()
{
    QFETCH(std::optional<QString>, typed);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(bool, buttonsOff);
    ProjectHarness h;
    h.setMode(true);
    const QString a = h.file("a.bmp");
    h.fill({a}, {a});
    QDir().mkpath(h.path("out"));
    h.prompter.saves.enqueue(typed ? std::optional<QString>(h.path("out/" + *typed)) : typed);
    h.save();

    QCOMPARE(h.folder("out"), QStringList{});
    QCOMPARE(h.folder("temp"), QStringList{});
    if (caption.isEmpty()) {
        QVERIFY(h.prompter.boxes.isEmpty());
    } else {
        QCOMPARE(h.prompter.boxes.size(), 1);
        compareBox(h.prompter.last(), nullptr, caption, text, Box::Warning);
    }
    QVERIFY(h.listShown());
    for (const char *name : {"SP1", "SP2", "DEL", "Button2", "Button4", "Save1"})
        QVERIFY2(child(h.main(), name)->isEnabled() != buttonsOff, name);
    if (buttonsOff)
        QCOMPARE(h.main().windowTitle(), QStringLiteral("Tolvane v3.06b"));
    // The next time the list is drawn its buttons take their states again.
    QPaintEvent paint(QRect(0, 0, 1, 1));
    QCoreApplication::sendEvent(
        h.main().findChild<QListView *>(QStringLiteral("ListBox1"))->viewport(), &paint);
    for (const char *name : {"SP1", "SP2", "DEL", "Button2", "Button4", "Save1"})
        QVERIFY2(child(h.main(), name)->isEnabled(), name);
}

void TestProject::promptedSaveFailureKeepsEarlierFile_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("target");
    QTest::newRow("folder gone") << "gone/proj"
                                 << "gone/PROJ.TPF";
    QTest::newRow("a folder in the way") << "out/proj"
                                         << "out/PROJ.TPF";
}

void TestProject::promptedSaveFailureKeepsEarlierFile()
{
    QFETCH(QString, typed);
    QFETCH(QString, target);
    ProjectHarness h;
    h.setMode(true);
    const QString a = h.file("a.bmp");
    h.fill({a}, {a});
    writeBytes(h.path("out/PROJ.TPF/inside.txt"), "/earlier/x.bmp\r\n");
    h.prompter.saves.enqueue(h.path(typed));
    h.prompter.answers.enqueue(Box::Yes); // replace what is there
    h.save();

    // Nothing written, nothing lost, and no success claimed.
    QCOMPARE(readAll(h.path("out/PROJ.TPF/inside.txt")), QByteArray("/earlier/x.bmp\r\n"));
    QCOMPARE(h.folder("out"), QStringList{});
    QCOMPARE(h.folder("temp"), QStringList{});
    compareBox(h.prompter.last(), &h.main(), "Tolvane", "Cannot create file " + h.path(target),
               Box::Error);
    QVERIFY(h.listShown());
    QVERIFY(!h.barShown());
    QCOMPARE(h.label2(), QString());
}

void TestProject::promptedSaveAsksBeforeReplacing_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("no keeps it") << int(Box::No) << QByteArray("/earlier/x.bmp\r\n");
    QTest::newRow("yes replaces it") << int(Box::Yes) << QByteArray("@\r\n");
}

void TestProject::promptedSaveAsksBeforeReplacing()
{
    QFETCH(int, answer);
    QFETCH(QByteArray, after);
    ProjectHarness h;
    h.setMode(true);
    const QString a = h.file("a.bmp");
    h.fill({a}, {a});
    writeBytes(h.path("out/PROJ.TPF"), "/earlier/x.bmp\r\n");
    h.prompter.saves.enqueue(h.path("out/proj"));
    h.prompter.answers.enqueue(Box::Button(answer));
    h.save();

    compareBox(h.prompter.boxes.value(0), &h.main(), "Tolvane",
               "PROJ.TPF already exists.\rDo you want to replace it?", Box::Question,
               Box::Yes | Box::No);
    QCOMPARE(readAll(h.path("out/PROJ.TPF")), after.replace('@', a.toUtf8()));
    QCOMPARE(h.prompter.boxes.size(), answer == Box::Yes ? 2 : 1);
    QVERIFY(h.listShown());
}

void TestProject::quickSavesInARowKeepEveryFile()
{
    ProjectHarness h(true, true);
    h.setMode(false);
    h.platform.ticks = 3600000; // the clock stands still: both saves fall in one third of a second
    const QString a = h.file("a.bmp"), b = h.file("b.ico");
    h.fill({a, b}, {a});
    // The file appears once, whole, after the progress: never a part of the list.
    QStringList seenDuringProgress;
    h.pacer.onPause = [&](int) { seenDuringProgress << h.folder("prog/Projects"); };
    h.save();
    QCOMPARE(seenDuringProgress, QStringList{});
    h.main().selectRows({0, 1});
    h.save();
    QCOMPARE(seenDuringProgress, (QStringList{"PF10810.TPF", "PF10810.TPF"}));

    QCOMPARE(h.folder("prog/Projects"), (QStringList{"PF10810.TPF", "PF10811.TPF"}));
    QCOMPARE(readAll(h.path("prog/Projects/PF10810.TPF")), crlf({a}));
    QCOMPARE(readAll(h.path("prog/Projects/PF10811.TPF")), crlf({a, b}));
    QCOMPARE(h.prompter.boxes.size(), 2);
    QCOMPARE(h.prompter.boxes.at(0).text,
             "New project file created in: \r" + h.path("prog/Projects/PF10810.TPF"));
    QCOMPARE(h.prompter.boxes.at(1).text,
             "New project file created in: \r" + h.path("prog/Projects/PF10811.TPF"));
    QCOMPARE(int(h.prompter.last().icon), int(Box::NoIcon));
    QCOMPARE(h.prompter.last().buttons, int(Box::Ok));
    QVERIFY(h.listShown());
    QVERIFY(!h.barShown());
    QCOMPARE(h.label2(), QString());
}

void TestProject::quickSaveNeedsProjectsFolder_data()
{
    QTest::addColumn<bool>("folder");
    QTest::addColumn<bool>("key");
    QTest::newRow("no projects folder") << false << true;
    QTest::newRow("not set up") << true << false;
}

void TestProject::quickSaveNeedsProjectsFolder()
{
    QFETCH(bool, folder);
    QFETCH(bool, key);
    ProjectHarness h(folder, key);
    h.setMode(false);
    // Without the settings key the program folder is not read; name the one the test made.
    child<QLineEdit>(h.main(), "Edit3")->setText(h.path("prog"));
    const QString a = h.file("a.bmp");
    h.fill({a}, {a});
    h.save();

    QCOMPARE(h.prompter.boxes.size(), 1);
    compareBox(h.prompter.last(), nullptr, QStringLiteral("Tolvane v3.06b\u00a9"),
               "This option isn't available without the Tolvane projects folder.\rSelect "
               "option, [Prompt for Name] to create project file instead!",
               Box::Information);
    QCOMPARE(QDir(h.path("prog")).entryList({"*.TPF"}, QDir::Files, QDir::Name), QStringList{});
    if (folder)
        QCOMPARE(h.folder("prog/Projects"), QStringList{});
    QVERIFY(h.listShown());
}

void TestProject::quickSaveWriteFailureIsReported()
{
    // A file name with a line break would come back as two entries: nothing is written, and the
    // user is told so instead of hearing that a project was created.
    ProjectHarness h(true, true);
    h.setMode(false);
    const QString bad = h.file("bad\nname.bmp");
    h.fill({bad}, {bad});
    h.save();

    QCOMPARE(h.folder("prog/Projects"), QStringList{});
    QCOMPARE(h.prompter.boxes.size(), 1);
    QCOMPARE(h.prompter.last().caption, QStringLiteral("Tolvane"));
    QCOMPARE(int(h.prompter.last().icon), int(Box::Error));
    QVERIFY(!h.prompter.last().text.startsWith("New project file created"));
    QVERIFY(h.listShown());
}

void TestProject::savedAndLoadedListIsTheSame_data()
{
    QTest::addColumn<QStringList>("names"); // below the test folder; "#300": a 300-character path
    QTest::newRow("blanks") << QStringList{"My Art/a b.bmp", " lead.ico", "trail .wav"};
    QTest::newRow("quotes") << QStringList{"q/\"x\".bmp", "q/it's.ico"};
    QTest::newRow("non-ascii") << QStringList{"\u00e9t\u00e9/\u00c5se.bmp", "\u4e2d/\u6587.ico",
                                              "r\u00f8d/\u0436.ani"};
    QTest::newRow("300 characters") << QStringList{"#300", "z.bmp"};
}

void TestProject::savedAndLoadedListIsTheSame()
{
    QFETCH(QStringList, names);
    ProjectHarness h;
    h.setMode(true);
    QStringList paths;
    for (const QString &n : names) {
        QString p = n;
        if (n == "#300") {
            p = QString(100, 'd') + "/" + QString(100, 'e') + "/";
            p += QString(300 - h.dir.path().size() - 1 - p.size() - 4, 'f') + ".bmp";
        }
        paths << h.file(p);
        if (n == "#300")
            QCOMPARE(paths.last().size(), 300);
    }
    h.fill(paths, paths);
    const QStringList before = h.main().list().paths();
    QCOMPARE(before.size(), paths.size());
    h.prompter.saves.enqueue(h.path("proj"));
    h.save();
    child<QPushButton>(h.main(), "Button4")->click(); // Clear All
    QCOMPARE(h.main().list().count(), 0);
    h.load(h.path("PROJ.TPF"));

    QCOMPARE(h.main().list().paths(), before);
    QCOMPARE(h.main().selectedCount(), 0);
    QCOMPARE(h.prompter.boxes.size(), 1); // only the save's success
}

void TestProject::loadFillsEmptyListSilently()
{
    ProjectHarness h;
    h.main().setRecentProjectFolder(h.path("prog") + "/");
    const QString a = h.file("art/a.bmp"), b = h.file("art/B.ico"), c = h.file("art/c.wav");
    const QString project = h.path("saved/Set.tpf");
    writeBytes(project, QByteArray(crlf({c, a})) + b.toUtf8() + "\n"); // CR LF and LF alike
    h.load(project);

    const OpenFilesRequest &request = h.prompter.lastRequest;
    QCOMPARE(request.title, QStringLiteral("Load project file..."));
    QCOMPARE(request.folder, h.path("prog") + "/");
    QVERIFY(!request.multiple);
    QCOMPARE(h.main().list().paths(), (QStringList{a, b, c}));
    QCOMPARE(h.main().selectedCount(), 0);
    QVERIFY(h.prompter.boxes.isEmpty());
    QCOMPARE(h.main().windowTitle(), project);
    QCOMPARE(h.main().recentProjectFolder(), h.path("saved") + "/");
    QCOMPARE(child<QLabel>(h.main(), "StaticText4")->text(), h.path("saved") + "/");
    QCOMPARE(child<QLabel>(h.main(), "StaticText5")->text(), project);
    QCOMPARE(h.taskbar.title(), QStringLiteral("Tolvane Project File"));
    QCOMPARE(h.taskbar.iconName(), QStringLiteral("project"));
    QCOMPARE(readAll(project), QByteArray(crlf({c, a})) + b.toUtf8() + "\n"); // not rewritten
}

void TestProject::loadAsksBeforeClearing_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("no") << int(Box::No);
    QTest::newRow("yes") << int(Box::Yes);
}

void TestProject::loadAsksBeforeClearing()
{
    QFETCH(int, answer);
    ProjectHarness h;
    const QString x = h.file("x.bmp"), y = h.file("y.bmp"), a = h.file("a.bmp");
    h.fill({x, y}, {y});
    const QString project = h.path("Saved.tpf");
    writeBytes(project, crlf({a}));
    h.prompter.answers.enqueue(Box::Button(answer));
    h.load(project);

    QCOMPARE(h.prompter.boxes.size(), 1);
    compareBox(h.prompter.last(), &h.main(), QStringLiteral("Tolvane v3.06b \u00a9"),
               "This will clear the currently loaded project file with contents\rfrom \"" +
                   project + "\" continue?",
               Box::Question, Box::Yes | Box::No);
    if (answer == Box::No) {
        QCOMPARE(h.main().list().paths(), (QStringList{x, y}));
        QVERIFY(h.main().isSelected(1) && !h.main().isSelected(0));
        QCOMPARE(h.main().windowTitle(), QStringLiteral("Tolvane v3.06b"));
    } else {
        QCOMPARE(h.main().list().paths(), QStringList{a});
    }
}

void TestProject::loadRefusesEmptyAndMissing_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text"); // "@" stands for the project's path
    QTest::newRow("empty") << true << "Whoops!"
                           << "File \"E.tpf\" contains no data !";
    QTest::newRow("missing") << false << "Tolvane v3.06"
                             << "Cannot open file: @\rthe specified file name does not exist in "
                                "directory!";
}

void TestProject::loadRefusesEmptyAndMissing()
{
    QFETCH(bool, present);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    ProjectHarness h;
    const QString x = h.file("x.bmp");
    h.fill({x}, {});
    const QString project = h.path("E.tpf");
    if (present)
        writeBytes(project, QByteArray());
    h.prompter.answers.enqueue(Box::Yes); // clear the list
    h.load(project);

    QCOMPARE(h.prompter.boxes.size(), 2);
    compareBox(h.prompter.last(), nullptr, caption, text.replace('@', project), Box::Warning);
    QCOMPARE(h.main().list().paths(), QStringList{x});
    QCOMPARE(h.main().windowTitle(), QStringLiteral("Tolvane v3.06b"));
    QCOMPARE(QFile::exists(project), present);
}

void TestProject::loadSweepsMissingEntries_data()
{
    QTest::addColumn<QStringList>("existing"); // of a.bmp, b.ico, c.wav in the test folder
    QTest::addColumn<QByteArray>("project");   // "@" stands for the test folder
    QTest::addColumn<bool>("repair");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QByteArray>("fileAfter"); // "<missing>" when renamed
    QTest::addColumn<bool>("backup");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text"); // "@" stands for the project's path
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("owned");

    const QByteArray three("@/a.bmp\r\n@/b.ico\r\n@/c.wav\r\n");
    const QString some("One or more files from: @ \"\rcontained invalid file links which were not "
                       "added to the current list.");
    QTest::newRow("one missing, repaired")
        << QStringList{"a.bmp", "c.wav"} << three << true << QStringList{"a.bmp", "c.wav"}
        << QByteArray("@/a.bmp\r\n@/c.wav\r\n") << false << "Tolvane v3.06" << some
        << int(Box::Warning) << true;
    QTest::newRow("one missing, not repaired")
        << QStringList{"a.bmp", "c.wav"} << three << false << QStringList{"a.bmp", "c.wav"} << three
        << false << "Tolvane v3.06" << some << int(Box::Warning) << true;
    QTest::newRow("blank line is a missing entry")
        << QStringList{"a.bmp", "b.ico"} << QByteArray("@/a.bmp\r\n\r\n@/b.ico\r\n") << true
        << QStringList{"a.bmp", "b.ico"} << QByteArray("@/a.bmp\r\n@/b.ico\r\n") << false
        << "Tolvane v3.06" << some << int(Box::Warning) << true;
    QTest::newRow("all missing, repaired")
        << QStringList{} << three << true << QStringList{} << QByteArray("<missing>") << true
        << "Invalid project file...!"
        << "The project file: @\"\rcontained no valid links. Changed file's extension to .BCK"
        << int(Box::Information) << true;
    QTest::newRow("all missing, not repaired")
        << QStringList{} << three << false << QStringList{} << three << false << "Tolvane v3.06"
        << "The project file: @\rcontains no valid file links, or has become corrupted !"
        << int(Box::Warning) << true;
}

void TestProject::loadSweepsMissingEntries()
{
    QFETCH(QStringList, existing);
    QFETCH(QByteArray, project);
    QFETCH(bool, repair);
    QFETCH(QStringList, list);
    QFETCH(QByteArray, fileAfter);
    QFETCH(bool, backup);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(int, icon);
    QFETCH(bool, owned);
    ProjectHarness h;
    const QByteArray root = h.dir.path().toUtf8();
    for (const QString &e : existing)
        h.file(e);
    const QString file = h.path("Saved.tpf");
    writeBytes(file, QByteArray(project).replace('@', root));
    h.tick("Cx14", repair);
    h.tick("Dx1", false);
    // The repair writes the project once, after the walk over the missing entries.
    const QByteArray original = readAll(file);
    int pauses = 0;
    h.pacer.onPause = [&](int ms) {
        ++pauses;
        QCOMPARE(ms, 50);
        QCOMPARE(readAll(file), original);
    };
    h.load(file);
    QCOMPARE(pauses, 3 - int(list.size()));

    QStringList expected;
    for (const QString &e : list)
        expected << h.path(e);
    QCOMPARE(h.main().list().paths(), expected);
    QCOMPARE(readAll(file), fileAfter.replace('@', root));
    QCOMPARE(QFile::exists(h.path("Saved.bck")), backup);
    if (backup)
        QCOMPARE(readAll(h.path("Saved.bck")), original); // the list as it was
    QCOMPARE(h.prompter.boxes.size(), 1);
    // The report names the project as it is spelled: another case is another file here.
    const QString named = file;
    compareBox(h.prompter.last(), owned ? &h.main() : nullptr, caption, text.replace('@', named),
               Box::Icon(icon));
    QVERIFY(child(h.main(), "Panel2")->isHidden());
    QCOMPARE(child<TFileLabel>(h.main(), "StaticText6")->fileName(), QString());
    if (list.isEmpty() && !repair)
        QCOMPARE(h.main().headerText(1), QString(41, '.'));
}

void TestProject::loadRenameFailureKeepsProject()
{
    ProjectHarness h;
    const QString file = h.path("Saved.tpf");
    writeBytes(file, "/gone/a.bmp\r\n");
    writeBytes(h.path("Saved.bck"), "kept\r\n");
    h.tick("Cx14", true);
    h.load(file);

    QCOMPARE(h.prompter.boxes.size(), 1);
    compareBox(h.prompter.last(), nullptr, "Write Error!", "Could not rename file \"" + file + "\"",
               Box::Error);
    QVERIFY(QFile::exists(file));
    QCOMPARE(readAll(h.path("Saved.bck")), QByteArray("kept\r\n"));
}

void TestProject::executeOnLoadBuildsBeforeTheSweep()
{
    ProjectHarness h;
    MainWindow &m = h.main();
    const QString a = h.file("a.bmp"), c = h.file("c.wav");
    const QString gone = h.path("b.ico");
    const QString file = h.path("Saved.tpf");
    writeBytes(file, crlf({a, gone, c}));
    h.tick("Dx1", true);
    h.tick("Cx14", false);
    // What the build sees, without running it.
    QObject::disconnect(&m, &MainWindow::buildRequested, nullptr, nullptr);
    QStringList atBuild;
    int selectedAtBuild = -1;
    QObject::connect(&m, &MainWindow::buildRequested, [&] {
        atBuild = m.list().paths();
        selectedAtBuild = m.selectedCount();
    });
    h.load(file);

    QCOMPARE(atBuild, (QStringList{a, gone, c}));
    QCOMPARE(selectedAtBuild, 3);
    QCOMPARE(m.list().paths(), (QStringList{a, c}));
    QVERIFY(!h.tool().executeOnLoad());
    QCOMPARE(h.prompter.last().caption, QStringLiteral("Tolvane v3.06"));
}

QTEST_MAIN(TestProject)
#include "tst_project.moc"
