#include "RecordingReporter.h"
#include "core/drop/DropList.h"
#include "core/drop/DropRules.h"
#include "core/drop/DropSequence.h"
#include "core/drop/TextCopy.h"
#include "core/scan/FolderScan.h"
#include "platform/LinuxPlatform.h"
#include "platform/NativeName.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

using namespace tolvane;

namespace {
void makeFile(const QString &path, const QByteArray &bytes = "data")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Lists folders in name order, so a test can say which file a scan meets first.
class SortedPlatform : public LinuxPlatform
{
  public:
    FolderListing listFolder(const QString &folder) override
    {
        FolderListing l = LinuxPlatform::listFolder(folder);
        std::sort(l.files.begin(), l.files.end());
        std::sort(l.folders.begin(), l.folders.end());
        ++listings;
        return l;
    }
    int listings = 0;
};

// Records what a scan reports; a path in duplicates counts as already listed.
class Recorder : public ScanListener
{
  public:
    void visiting(const QString &file, const QString &folder) override { visited << folder + file; }
    bool isDuplicate(const QString &path) override { return duplicates.contains(path); }
    void add(const QString &path) override { added << path; }
    QStringList visited;
    QStringList added;
    QStringList duplicates;
};

QStringList relative(const QString &root, QStringList paths)
{
    for (QString &p : paths)
        p = p.mid(root.size() + 1);
    return paths;
}
} // namespace

class TestDropCore : public QObject
{
    Q_OBJECT

  private slots:
    void scanFilter_data();
    void scanFilter();
    void scanRecursion();
    void scanDuplicateEndsOnlyItsFolder();
    void scanFollowsNoFolderTwice();
    void longPathsStayWhole();
    void localPaths();
    void pathParts_data();
    void pathParts();
    void dropListLookups();
    void textCopy();
    void textCopyRefusesTakenName();
    void textCopyUnreadableSource();
    void localPathsKeepBytes();
    void unloadedProjectIsNeverWritten_data();
    void unloadedProjectIsNeverWritten();
    void droppedProjectRepair_data();
    void droppedProjectRepair();
    void lastPathScannedWhenFolder_data();
    void lastPathScannedWhenFolder();
    void unreadFoldersAreSaidOnce();
    void executeOnDropBuildsBeforeTheSweep();
    void selectedEntriesRefuseTheDrop();
    void closingChecks_data();
    void closingChecks();
};

void TestDropCore::scanFilter_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("expected");
    const QStringList all = {"a.ani", "b.AVI", "c.bmp", "d.cab", "e.cur", "f.exe",
                             "g.ico", "h.jpg", "i.gif", "j.fon", "k.ttf", "l.wav"};
    QTest::newRow("all kinds") << 0 << all;
    QTest::newRow("animated cursors") << 1 << QStringList{"a.ani"};
    QTest::newRow("avi, any case") << 2 << QStringList{"b.AVI"};
    QTest::newRow("icons") << 7 << QStringList{"g.ico"};
    QTest::newRow("waves") << 12 << QStringList{"l.wav"};
}

void TestDropCore::scanFilter()
{
    QFETCH(int, position);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    for (const QString n :
         {"a.ani", "b.AVI", "c.bmp", "d.cab", "e.cur", "f.exe", "g.ico", "h.jpg", "i.gif", "j.fon",
          "k.ttf", "l.wav", "p.tpf", "t.txt", "noext", ".hidden", "x.bmp.bak"})
        makeFile(dir.filePath(n));
    SortedPlatform platform;
    Recorder r;
    FolderScan(platform, r).run(dir.path(), false, position);
    QCOMPARE(relative(dir.path(), r.added), expected);
    // Every file is looked at, hidden ones too, whatever the filter takes.
    QCOMPARE(r.visited.size(), 17);
}

void TestDropCore::scanRecursion()
{
    QTemporaryDir dir;
    makeFile(dir.filePath("top.bmp"));
    makeFile(dir.filePath("sub/one.ico"));
    makeFile(dir.filePath("sub/deeper/two.wav"));
    makeFile(dir.filePath("My.Icons/skipped.ico"));
    makeFile(dir.filePath(".hidden/skipped.ico"));
    SortedPlatform platform;
    {
        Recorder r;
        FolderScan(platform, r).run(dir.path(), false, 0);
        QCOMPARE(relative(dir.path(), r.added), QStringList{"top.bmp"});
    }
    Recorder r;
    FolderScan(platform, r).run(dir.path() + "/", true, 0);
    QCOMPARE(relative(dir.path(), r.added),
             (QStringList{"top.bmp", "sub/one.ico", "sub/deeper/two.wav"}));
}

void TestDropCore::scanDuplicateEndsOnlyItsFolder()
{
    QTemporaryDir dir;
    makeFile(dir.filePath("a/1.bmp"));
    makeFile(dir.filePath("a/2.bmp"));
    makeFile(dir.filePath("a/3.bmp"));
    makeFile(dir.filePath("a/inner/4.bmp"));
    makeFile(dir.filePath("b/5.bmp"));
    makeFile(dir.filePath("top.bmp"));
    SortedPlatform platform;
    Recorder r;
    r.duplicates << dir.filePath("a/2.bmp");
    FolderScan(platform, r).run(dir.path(), true, 0);
    // a/3.bmp and a/inner are never reached; the top folder goes on with b.
    QCOMPARE(relative(dir.path(), r.added), (QStringList{"top.bmp", "a/1.bmp", "b/5.bmp"}));
    QVERIFY(!r.visited.contains(dir.filePath("a/3.bmp")));

    // A duplicate in the folder itself ends the whole scan.
    Recorder top;
    top.duplicates << dir.filePath("top.bmp");
    FolderScan(platform, top).run(dir.path(), true, 0);
    QVERIFY(top.added.isEmpty());
}

void TestDropCore::scanFollowsNoFolderTwice()
{
    QTemporaryDir dir;
    makeFile(dir.filePath("art/a.bmp"));
    makeFile(dir.filePath("art/sub/b.ico"));
    makeFile(dir.filePath("other/c.wav"));
    // A link back to a parent, one to the top and one to a sibling.
    QVERIFY(QFile::link(dir.filePath("art"), dir.filePath("art/sub/loop")));
    QVERIFY(QFile::link(dir.path(), dir.filePath("art/sub/top")));
    QVERIFY(QFile::link(dir.filePath("other"), dir.filePath("art/sibling")));
    SortedPlatform platform;
    Recorder r;
    FolderScan(platform, r).run(dir.filePath("art"), true, 0);
    QStringList added = relative(dir.path(), r.added);
    added.sort();
    QCOMPARE(added, (QStringList{"art/a.bmp", "art/sibling/c.wav", "art/sub/b.ico"}));
    // The top folder is reached once, through the link, and its art and other are not again.
    Recorder fromTop;
    FolderScan(platform, fromTop).run(dir.path(), true, 0);
    QCOMPARE(fromTop.added.size(), 3);
}

void TestDropCore::longPathsStayWhole()
{
    QTemporaryDir dir;
    QString folder = dir.path();
    for (int i = 0; i < 4; ++i)
        folder += "/" + QString(80, QChar('a' + i));
    const QString file = folder + "/picture.bmp";
    makeFile(file);
    QVERIFY(file.size() > 330);
    SortedPlatform platform;
    Recorder r;
    FolderScan(platform, r).run(dir.path(), true, 0);
    QCOMPARE(r.added, QStringList{file});
    QCOMPARE(DropRules::localPaths({QUrl::fromLocalFile(file)}), QStringList{file});
}

void TestDropCore::localPaths()
{
    const QList<QUrl> urls = {QUrl("file:///home/me/art/"), QUrl("https://example.org/a.bmp"),
                              QUrl("file:///home/me/My%20Art/a%23b.ico"), QUrl("file:///")};
    QCOMPARE(DropRules::localPaths(urls),
             (QStringList{"/home/me/art", "/home/me/My Art/a#b.ico", "/"}));
}

void TestDropCore::pathParts_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("asPas");
    QTest::newRow("text") << "/d/readme.TXT"
                          << ".TXT"
                          << "readme.TXT"
                          << "/d/readme.pas";
    QTest::newRow("two dots") << "/d/a.b.rc"
                              << ".RC"
                              << "a.b.rc"
                              << "/d/a.b.pas";
    QTest::newRow("dot in folder") << "/d/My.Icons/unit1"
                                   << ""
                                   << "unit1"
                                   << "/d/My.Icons/unit1.pas";
    QTest::newRow("folder") << "/home/me/art"
                            << ""
                            << "art"
                            << "/home/me/art.pas";
}

void TestDropCore::pathParts()
{
    QFETCH(QString, path);
    QFETCH(QString, extension);
    QFETCH(QString, name);
    QFETCH(QString, asPas);
    QCOMPARE(DropRules::extension(path), extension);
    QCOMPARE(DropRules::fileNamePart(path), name);
    QCOMPARE(DropRules::withExtension(path, ".pas"), asPas);
}

void TestDropCore::dropListLookups()
{
    DropList list;
    list.reset({"/a/One.bmp", "/b/one.bmp", "/c/xone.bmp"});
    QVERIFY(list.hasFileName("one.bmp"));
    QVERIFY(!list.hasFileName("ONE.bmp"));
    QVERIFY(list.containsExact("/a/One.bmp"));
    QVERIFY(!list.containsExact("/a/one.bmp"));
    QCOMPARE(DropList::rowsNamed({"/a/One.bmp", "/b/one.bmp", "/c/xone.bmp", "one.bmp"}, "one.bmp"),
             (QList<int>{1, 3}));
    list.add("/d/two.ico");
    list.add("/e/two.ico");
    QCOMPARE(list.count(), 5);
    QVERIFY(list.hasFileName("two.ico"));
    list.forget("/b/one.bmp");
    QVERIFY(!list.hasFileName("one.bmp"));
    QVERIFY(list.hasFileName("One.bmp"));
    list.forget("/not/listed.bmp");
    QCOMPARE(list.count(), 4);
    QCOMPARE(list.takePending(), (QStringList{"/d/two.ico", "/e/two.ico"}));
    QCOMPARE(list.pendingCount(), 0);
    QCOMPARE(list.count(), 4);
}

void TestDropCore::textCopy()
{
    QTemporaryDir dir;
    const QString notes = dir.filePath("notes.TXT");
    makeFile(notes, "unit notes;\r\n\xe9t\xe9\r\n");
    LinuxPlatform platform;
    const TextCopy::Result r = TextCopy::copy(platform, notes, ".pas");
    QCOMPARE(r.outcome, TextCopy::Result::Copied);
    QCOMPARE(r.target, dir.filePath("notes.pas"));
    QCOMPARE(readAll(notes), QByteArray("unit notes;\r\n\xe9t\xe9\r\n"));
    QCOMPARE(readAll(dir.filePath("notes.pas")), QByteArray("unit notes;\r\n\xe9t\xe9\r\n"));
    // Nothing else appears beside them: no temporary copy is left behind.
    QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    files.sort();
    QCOMPARE(files, (QStringList{"notes.TXT", "notes.pas"}));
}

void TestDropCore::textCopyRefusesTakenName()
{
    QTemporaryDir dir;
    makeFile(dir.filePath("unit1.pas"), "original source");
    makeFile(dir.filePath("unit1.txt"), "older text");
    LinuxPlatform platform;
    const TextCopy::Result r = TextCopy::copy(platform, dir.filePath("unit1.pas"), ".txt");
    QCOMPARE(r.outcome, TextCopy::Result::NameTaken);
    QCOMPARE(readAll(dir.filePath("unit1.pas")), QByteArray("original source"));
    QCOMPARE(readAll(dir.filePath("unit1.txt")), QByteArray("older text"));
    QCOMPARE(TextCopy::nameTakenText("/src/unit1.pas"),
             QString("A filename error occurred, while creating: \r/src/unit1.pas !"));
}

void TestDropCore::textCopyUnreadableSource()
{
    QTemporaryDir dir;
    LinuxPlatform platform;
    const QString gone = dir.filePath("gone.rc");
    TextCopy::Result r = TextCopy::copy(platform, gone, ".txt");
    QCOMPARE(r.outcome, TextCopy::Result::Failed);
    QCOMPARE(r.error, "Cannot open file " + gone);
    QVERIFY(!QFile::exists(dir.filePath("gone.txt")));
    // A folder named like a source is no source either.
    QVERIFY(QDir().mkpath(dir.filePath("folder.dpr")));
    r = TextCopy::copy(platform, dir.filePath("folder.dpr"), ".txt");
    QCOMPARE(r.outcome, TextCopy::Result::Failed);
}

void TestDropCore::localPathsKeepBytes()
{
    // Percent-encoded bytes that are not UTF-8 come back as the same bytes.
    const QList<QUrl> urls = {QUrl::fromEncoded("file:///srv/old/caf%E9.wav"),
                              QUrl::fromEncoded("file:///srv/%C3%A9t%C3%A9/a.bmp")};
    const QStringList paths = DropRules::localPaths(urls);
    QCOMPARE(paths.size(), 2);
    QCOMPARE(nativename::encode(paths.at(0)), QByteArray("/srv/old/caf\xe9.wav"));
    QCOMPARE(paths.at(1), QString("/srv/\u00e9t\u00e9/a.bmp"));
}

void TestDropCore::unloadedProjectIsNeverWritten_data()
{
    QTest::addColumn<bool>("allMissing");
    QTest::newRow("some entries gone") << false;
    QTest::newRow("every entry gone") << true;
}

void TestDropCore::unloadedProjectIsNeverWritten()
{
    // The drop filter takes icons only and "No" keeps it: the project is not loaded, so nothing
    // is cleared, nothing is asked about it and the sweep of the list leaves it alone.
    QFETCH(bool, allMissing);
    QTemporaryDir dir;
    const QString kept = dir.filePath("kept.bmp");
    if (!allMissing)
        makeFile(kept);
    const QString project = dir.filePath("Other.tpf");
    const QByteArray original = "/far/away/a.ico\r\n/far/away/b.ico\r\n";
    makeFile(project, original);
    LinuxPlatform platform;
    test::RecordingReporter r;
    r.list = QStringList{dir.filePath("gone.bmp"), kept};
    r.filter = 7;
    r.repair = true;
    r.answers << Message::No; // reset the filter?
    DropSequence(platform, r).run({project});
    QVERIFY(!r.ids().contains(Message::Id::ClearList));
    QVERIFY(!r.ids().contains(Message::Id::ProjectUpdated));
    QVERIFY(!r.ids().contains(Message::Id::RenamedToBackup));
    QCOMPARE(int(r.ids().first()), int(Message::Id::ResetFilter));
    QCOMPARE(readAll(project), original);
    QVERIFY(!QFile::exists(dir.filePath("Other.bck")));
    QCOMPARE(r.caption, "Project File [" + project + "]");
    QCOMPARE(r.list, allMissing ? QStringList{} : QStringList{kept});
}

void TestDropCore::droppedProjectRepair_data()
{
    QTest::addColumn<bool>("allMissing");
    QTest::addColumn<QByteArray>("fileAfter");
    QTest::addColumn<QByteArray>("backupAfter");
    QTest::newRow("some gone") << false << QByteArray("@/a.bmp\r\n") << QByteArray("<missing>");
    QTest::newRow("all gone") << true << QByteArray("<missing>")
                              << QByteArray("@/a.bmp\r\n@/gone.ico\r\n");
}

void TestDropCore::droppedProjectRepair()
{
    QFETCH(bool, allMissing);
    QFETCH(QByteArray, fileAfter);
    QFETCH(QByteArray, backupAfter);
    QTemporaryDir dir;
    const QByteArray root = dir.path().toUtf8();
    if (!allMissing)
        makeFile(dir.filePath("a.bmp"));
    const QString project = dir.filePath("Set.tpf");
    makeFile(project, QByteArray("@/a.bmp\r\n@/gone.ico\r\n").replace('@', root));
    LinuxPlatform platform;
    test::RecordingReporter r;
    r.repair = true;
    r.list = QStringList{"/earlier/x.bmp"};
    r.answers << Message::Yes; // clear the list
    DropSequence drop(platform, r);
    drop.run({project});
    QCOMPARE(readAll(project), fileAfter.replace('@', root));
    QCOMPARE(readAll(dir.filePath("Set.bck")), backupAfter.replace('@', root));
    QCOMPARE(int(r.ids().last()),
             int(allMissing ? Message::Id::RenamedToBackup : Message::Id::ProjectUpdated));
    QVERIFY(drop.linksRemoved());
    QCOMPARE(drop.projectEmpty(), allMissing);
}

void TestDropCore::lastPathScannedWhenFolder_data()
{
    QTest::addColumn<QString>("dropped"); // below the test folder
    QTest::addColumn<QStringList>("added");
    QTest::newRow("folder with a dot") << "john.doe/art" << QStringList{"john.doe/art/a.bmp"};
    QTest::newRow("below a hidden folder") << ".cache/art" << QStringList{".cache/art/a.bmp"};
    QTest::newRow("plain folder") << "art" << QStringList{"art/a.bmp"};
    QTest::newRow("file without extension") << "art/README" << QStringList{};
}

void TestDropCore::lastPathScannedWhenFolder()
{
    QFETCH(QString, dropped);
    QFETCH(QStringList, added);
    QTemporaryDir dir;
    for (const QString f : {"john.doe/art/a.bmp", ".cache/art/a.bmp", "art/a.bmp", "art/README"})
        makeFile(dir.filePath(f));
    LinuxPlatform platform;
    test::RecordingReporter r;
    DropSequence(platform, r).run({dir.filePath(dropped)});
    QCOMPARE(relative(dir.path(), r.list), added);
    if (added.isEmpty()) {
        QCOMPARE(int(r.ids().value(0)), int(Message::Id::NothingAdded));
        QCOMPARE(r.texts(), QStringList{"Fail to execute, check current program settings!"});
    } else {
        QCOMPARE(r.caption, "Contents of Folder [" + dir.filePath(dropped) + "]");
        QVERIFY(r.messages.isEmpty());
    }
}

// A folder the scan cannot read (here: deeper than a path can name) is named once, after the
// scan, and what could be read is still added.
void TestDropCore::unreadFoldersAreSaidOnce()
{
    QTemporaryDir dir;
    makeFile(dir.filePath("tree/a.bmp"));
    const QByteArray part(200, 'd');
    int fd = ::open(QFile::encodeName(dir.filePath("tree")).constData(), O_RDONLY | O_DIRECTORY);
    QVERIFY(fd >= 0);
    for (int i = 0; i < 22; ++i) {
        QVERIFY(::mkdirat(fd, part.constData(), 0755) == 0);
        const int next = ::openat(fd, part.constData(), O_RDONLY | O_DIRECTORY);
        QVERIFY(next >= 0);
        ::close(fd);
        fd = next;
    }
    ::close(fd);
    LinuxPlatform platform;
    test::RecordingReporter r;
    r.recursing = true;
    DropSequence(platform, r).run({dir.filePath("tree")});
    QCOMPARE(relative(dir.path(), r.list), QStringList{"tree/a.bmp"});
    QCOMPARE(r.ids(), QList<Message::Id>{Message::Id::FoldersUnread});
    QVERIFY(r.texts().value(0).startsWith(
        "One or more folder(s) could not be read; their files were not added to the list:\r"));
    QCOMPARE(QProcess::execute("rm", {"-rf", dir.filePath("tree")}), 0);
}

void TestDropCore::executeOnDropBuildsBeforeTheSweep()
{
    QTemporaryDir dir;
    makeFile(dir.filePath("a.bmp"));
    LinuxPlatform platform;
    test::RecordingReporter r;
    r.execute = true;
    r.list = QStringList{dir.filePath("gone.ico")};
    DropSequence drop(platform, r);
    QCOMPARE(int(drop.run({dir.filePath("a.bmp")})), int(DropSequence::End::BuildStarted));
    QCOMPARE(r.commands, (QStringList{"selectFirst", "selectAll", "build"}));
    // The missing entry is still there: the build meets it first.
    QCOMPARE(r.list.size(), 2);
}

void TestDropCore::selectedEntriesRefuseTheDrop()
{
    QTemporaryDir dir;
    makeFile(dir.filePath("art/a.bmp"));
    LinuxPlatform platform;
    test::RecordingReporter r;
    r.list = QStringList{"/x/y.bmp"};
    r.selected = r.list;
    QCOMPARE(int(DropSequence(platform, r).run({dir.filePath("art")})),
             int(DropSequence::End::EntriesSelected));
    QCOMPARE(r.list, QStringList{"/x/y.bmp"});
    QCOMPARE(r.messages.size(), 1);
    QCOMPARE(r.messages.first().caption, QString("Tolvane"));
}

void TestDropCore::closingChecks_data()
{
    QTest::addColumn<bool>("programFolderThere");
    QTest::addColumn<bool>("sameAsDestination");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("text");
    QTest::newRow("program folder gone")
        << false << false << int(DropSequence::End::NoProgramFolder)
        << "Cannot locate program's working directory folder. Press\rthe paths button to create a "
           "new folder, and retry your application.";
    QTest::newRow("destination is the program folder")
        << true << true << int(DropSequence::End::SameFolder)
        << "You cannot save \"@/a.bmp\" to the tolvane folder\rsource and destination directories "
           "are the same!";
    QTest::newRow("all well") << true << false << int(DropSequence::End::Done) << QString();
}

void TestDropCore::closingChecks()
{
    QFETCH(bool, programFolderThere);
    QFETCH(bool, sameAsDestination);
    QFETCH(int, end);
    QFETCH(QString, text);
    QTemporaryDir dir;
    makeFile(dir.filePath("a.bmp"));
    const QString program = dir.filePath("TOLVANE");
    if (programFolderThere)
        QDir().mkpath(program);
    LinuxPlatform platform;
    test::RecordingReporter r;
    r.keyExists = true;
    r.clearItems = true;
    r.program = program;
    r.destinationFolder = sameAsDestination ? program + "/" : dir.filePath("out");
    QCOMPARE(int(DropSequence(platform, r).run({dir.filePath("a.bmp")})), end);
    QCOMPARE(r.list, QStringList{dir.filePath("a.bmp")});
    QCOMPARE(r.texts(),
             text.isEmpty() ? QStringList{} : QStringList{QString(text).replace('@', dir.path())});
    QVERIFY(r.commands.isEmpty());
}

QTEST_GUILESS_MAIN(TestDropCore)
#include "tst_drop.moc"
