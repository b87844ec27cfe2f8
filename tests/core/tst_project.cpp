#include "RecordingReporter.h"
#include "core/ProjectFile.h"
#include "core/project/ProjectLoad.h"
#include "core/project/ProjectLoadSequence.h"
#include "core/project/ProjectSave.h"
#include "core/project/ProjectSaveSequence.h"
#include "core/project/ProjectSweep.h"
#include "core/project/ProjectTexts.h"
#include "platform/LinuxPlatform.h"
#include "platform/NativeName.h"
#include "tests/platform/Fixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <unistd.h>

using namespace tolvane;

Q_DECLARE_METATYPE(tolvane::Message::Id)

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
    QCOMPARE(f.write(bytes), bytes.size());
}

// "@" in a row stands for the test's own folder.
QStringList under(const QString &root, const QStringList &entries)
{
    QStringList out;
    for (const QString &e : entries)
        out << QString(e).replace(QLatin1Char('@'), root);
    return out;
}

// A path of exactly `length` characters below root, in folders short enough for the file system.
QString longPath(const QString &root, int length)
{
    QString path = root;
    while (path.size() < length - 60)
        path += QLatin1Char('/') + QString(50, QLatin1Char('d'));
    path += QLatin1Char('/');
    path += QString(length - int(path.size()) - 4, QLatin1Char('f')) + QStringLiteral(".bmp");
    return path;
}

// Before QCoreApplication starts any thread.
const QString mountNamespace = test::SmallFileSystem::prepare();

} // namespace

class TestProject : public QObject
{
    Q_OBJECT

  private slots:
    void open_data();
    void open();
    void sweep_data();
    void sweep();
    void load_data();
    void load();
    void backupTaken();
    void repairWritesOnlyTheProjectsOwnEntries();
    void refusedFileIsLeftAlone_data();
    void refusedFileIsLeftAlone();
    void loadLooksAtEachEntryOnce();
    void writeRefusesLineBreak();
    void roundTrip_data();
    void roundTrip();
    void backupName_data();
    void backupName();
    void checkName_data();
    void checkName();
    void quickSaveNames_data();
    void quickSaveNames();
    void quickSaveClaimsItsName();
    void promptedSave_data();
    void promptedSave();
    void promptedSaveIgnoresTheTempFolder();
    void saveOnFullDisk_data();
    void saveOnFullDisk();
    void quickSaveOnFullDiskLeavesNoFile();
    void parentFolder_data();
    void parentFolder();
    void texts_data();
    void texts();

  private:
    LinuxPlatform m_platform;
};

void TestProject::open_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("entries");
    const QStringList two{"/a/x.bmp", "/b/y.ico"};
    QTest::newRow("crlf") << true << QByteArray("/a/x.bmp\r\n/b/y.ico\r\n")
                          << int(ProjectOpen::Loaded) << two;
    QTest::newRow("lf") << true << QByteArray("/a/x.bmp\n/b/y.ico\n") << int(ProjectOpen::Loaded)
                        << two;
    QTest::newRow("no final break")
        << true << QByteArray("/a/x.bmp\r\n/b/y.ico") << int(ProjectOpen::Loaded) << two;
    QTest::newRow("file order kept")
        << true << QByteArray("/b/y.ico\r\n/a/x.bmp\r\n") << int(ProjectOpen::Loaded)
        << QStringList{"/b/y.ico", "/a/x.bmp"};
    QTest::newRow("blank line") << true << QByteArray("/a/x.bmp\r\n\r\n/b/y.ico\r\n")
                                << int(ProjectOpen::Loaded)
                                << QStringList{"/a/x.bmp", "", "/b/y.ico"};
    QTest::newRow("utf-8") << true << QByteArray("/k\xc3\xa9/\xc3\xb8.bmp\r\n")
                           << int(ProjectOpen::Loaded) << QStringList{"/k\u00e9/\u00f8.bmp"};
    QTest::newRow("zero byte refuses the file")
        << true << QByteArray("/a/x.bmp\r\n\0/b/y.ico\r\n", 21) << int(ProjectOpen::NotText)
        << QStringList{};
    QTest::newRow("binary file") << true << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                                 << int(ProjectOpen::NotText) << QStringList{};
    QTest::newRow("relative line in the project's folder")
        << true << QByteArray("art/x.bmp\r\n/b/y.ico\r\n") << int(ProjectOpen::Loaded)
        << QStringList{"@/art/x.bmp", "/b/y.ico"};
    QTest::newRow("not utf-8") << true << QByteArray("/k/caf\xe9.wav\r\n")
                               << int(ProjectOpen::Loaded)
                               << QStringList{"/k/caf" + QString(QChar(0xdce9)) + ".wav"};
    QTest::newRow("only a break") << true << QByteArray("\r\n") << int(ProjectOpen::Loaded)
                                  << QStringList{""};
    QTest::newRow("empty") << true << QByteArray() << int(ProjectOpen::NoData) << QStringList{};
    QTest::newRow("missing") << false << QByteArray() << int(ProjectOpen::Missing) << QStringList{};
}

void TestProject::open()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, bytes);
    QFETCH(int, outcome);
    QFETCH(QStringList, entries);
    QTemporaryDir dir;
    const QString file = dir.filePath("P.TPF");
    if (present)
        writeBytes(file, bytes);
    const ProjectOpen opened = ProjectLoad::open(m_platform, file);
    QCOMPARE(int(opened.outcome), outcome);
    QCOMPARE(opened.entries, under(dir.path(), entries));
}

void TestProject::sweep_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QList<int>>("missing");
    QTest::newRow("all there") << QStringList{"@/a.bmp", "@/b.ico"}
                               << QStringList{"@/a.bmp", "@/b.ico"} << QList<int>{};
    QTest::newRow("middle gone") << QStringList{"@/a.bmp", "@/c.wav"}
                                 << QStringList{"@/a.bmp", "@/b.ico", "@/c.wav"} << QList<int>{1};
    QTest::newRow("last first") << QStringList{"@/b.ico"}
                                << QStringList{"@/a.bmp", "@/b.ico", "@/c.wav"} << QList<int>{2, 0};
    QTest::newRow("blank line") << QStringList{"@/a.bmp"} << QStringList{"", "@/a.bmp"}
                                << QList<int>{0};
    QTest::newRow("folder is no file")
        << QStringList{"@/a.bmp"} << QStringList{"@", "@/a.bmp"} << QList<int>{0};
    QTest::newRow("duplicates") << QStringList{"@/a.bmp"}
                                << QStringList{"@/a.bmp", "@/a.bmp", "@/z.bmp"} << QList<int>{2};
    QTest::newRow("empty list") << QStringList{} << QStringList{} << QList<int>{};
}

void TestProject::sweep()
{
    QFETCH(QStringList, existing);
    QFETCH(QStringList, entries);
    QFETCH(QList<int>, missing);
    QTemporaryDir dir;
    for (const QString &f : under(dir.path(), existing))
        writeBytes(f, "x");
    QCOMPARE(ProjectSweep::missingRows(m_platform, under(dir.path(), entries)), missing);
}

void TestProject::load_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QByteArray>("project"); // "@" is the test folder
    QTest::addColumn<bool>("repair");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QByteArray>("fileAfter");   // "<missing>" when renamed away
    QTest::addColumn<QByteArray>("backupAfter"); // the .bck file, "<missing>" when none
    QTest::addColumn<QList<Message::Id>>("messages");
    using Id = Message::Id;

    const QByteArray three("@/c.wav\r\n@/A.bmp\r\n@/b.ico\r\n");
    const QByteArray none("<missing>");
    QTest::newRow("all there, sorted, untouched")
        << QStringList{"@/A.bmp", "@/b.ico", "@/c.wav"} << three << true
        << QStringList{"@/A.bmp", "@/b.ico", "@/c.wav"} << three << none << QList<Id>{};
    QTest::newRow("one gone, repaired")
        << QStringList{"@/A.bmp", "@/c.wav"} << three << true << QStringList{"@/A.bmp", "@/c.wav"}
        << QByteArray("@/A.bmp\r\n@/c.wav\r\n") << none << QList<Id>{Id::SomeInvalid};
    QTest::newRow("one gone, no repair")
        << QStringList{"@/A.bmp", "@/c.wav"} << three << false << QStringList{"@/A.bmp", "@/c.wav"}
        << three << none << QList<Id>{Id::SomeInvalid};
    QTest::newRow("lf file repaired in crlf")
        << QStringList{"@/A.bmp"} << QByteArray("@/A.bmp\n\n@/z.bmp\n") << true
        << QStringList{"@/A.bmp"} << QByteArray("@/A.bmp\r\n") << none
        << QList<Id>{Id::SomeInvalid};
    // The backup keeps the list: a share that is not mounted loses nothing.
    QTest::newRow("all gone, repaired to bck") << QStringList{} << three << true << QStringList{}
                                               << none << three << QList<Id>{Id::RenamedToBackup};
    QTest::newRow("all gone, no repair") << QStringList{} << three << false << QStringList{}
                                         << three << none << QList<Id>{Id::NoValidLinks};
    // Judged and kept where the project is, whatever the program's working folder.
    QTest::newRow("relative entries")
        << QStringList{"@/art/a.bmp", "@/b.ico"}
        << QByteArray("art/a.bmp\r\nart/gone.wav\r\nb.ico\r\n") << true
        << QStringList{"@/art/a.bmp", "@/b.ico"} << QByteArray("art/a.bmp\r\nb.ico\r\n") << none
        << QList<Id>{Id::SomeInvalid};
    // A line that starts with a byte order mark keeps it through the repair.
    QTest::newRow("byte order mark kept") << QStringList{"@/\ufeffa.bmp", "@/b.bmp"}
                                          << QByteArray("\xef\xbb\xbf"
                                                        "a.bmp\r\n@/b.bmp\r\n@/gone.ico\r\n")
                                          << true << QStringList{"@/b.bmp", "@/\ufeffa.bmp"}
                                          << QByteArray("@/b.bmp\r\n\xef\xbb\xbf"
                                                        "a.bmp\r\n")
                                          << none << QList<Id>{Id::SomeInvalid};
    QTest::newRow("name that is not utf-8 kept")
        << QStringList{"@/caf%E9.wav"} << QByteArray("@/caf%E9.wav\r\n@/gone.ico\r\n") << true
        << QStringList{"@/caf%E9.wav"} << QByteArray("@/caf%E9.wav\r\n") << none
        << QList<Id>{Id::SomeInvalid};
}

void TestProject::load()
{
    QFETCH(QStringList, existing);
    QFETCH(QByteArray, project);
    QFETCH(bool, repair);
    QFETCH(QStringList, entries);
    QFETCH(QByteArray, fileAfter);
    QFETCH(QByteArray, backupAfter);
    QFETCH(QList<Message::Id>, messages);
    QTemporaryDir dir;
    const QByteArray root = dir.path().toUtf8();
    // A row's "%E9" stands for that byte in a name: written and compared as bytes.
    auto bytes = [&root](QByteArray b) { return b.replace('@', root).replace("%E9", "\xe9"); };
    for (const QString &f : existing) {
        const QByteArray name = bytes(f.toUtf8());
        QDir().mkpath(QFileInfo(nativename::decode(name)).absolutePath());
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
    }
    const QString file = dir.filePath("Saved.tpf");
    writeBytes(file, bytes(project));

    // Elsewhere, so that a relative entry is not found by chance.
    const QString before = QDir::currentPath();
    QDir::setCurrent(QDir::rootPath());
    test::RecordingReporter r;
    r.repair = repair;
    const ProjectLoadSequence::End end = ProjectLoadSequence(m_platform, r).run(file);
    QDir::setCurrent(before);
    QCOMPARE(int(end), int(ProjectLoadSequence::End::Loaded));
    QStringList expected;
    for (const QString &e : entries)
        expected << nativename::decode(bytes(e.toUtf8()));
    QCOMPARE(r.list, expected);
    QCOMPARE(r.ids().size(), messages.size());
    for (int i = 0; i < messages.size(); ++i)
        QCOMPARE(int(r.ids().at(i)), int(messages.at(i)));
    QCOMPARE(readAll(file), bytes(fileAfter));
    QCOMPARE(readAll(dir.filePath("Saved.bck")), bytes(backupAfter));
    // Nothing is left behind beside the project by the write-back.
    QCOMPARE(QDir(dir.path()).entryList({"Saved*"}, QDir::Files).size(), 1);
    // QDir cannot remove a name that is not UTF-8.
    for (const QString &f : existing)
        ::unlink(bytes(f.toUtf8()).constData());
}

void TestProject::backupTaken()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("Old.tpf");
    writeBytes(file, "/gone/a.bmp\r\n");
    writeBytes(dir.filePath("Old.bck"), "earlier backup\r\n");
    test::RecordingReporter r;
    r.repair = true;
    QCOMPARE(int(ProjectLoadSequence(m_platform, r).run(file)),
             int(ProjectLoadSequence::End::RepairFailed));
    QCOMPARE(r.texts().last(), "Could not rename file \"" + file + "\"");
    QCOMPARE(r.messages.last().caption, QString("Write Error!"));
    // The project stays under its name as it was; the old backup is kept.
    QCOMPARE(readAll(file), QByteArray("/gone/a.bmp\r\n"));
    QCOMPARE(readAll(dir.filePath("Old.bck")), QByteArray("earlier backup\r\n"));
}

void TestProject::repairWritesOnlyTheProjectsOwnEntries()
{
    // Execute on load: "Select All" finds the empty file and, answered Yes, takes it out of the
    // list. The file exists: the repair that follows keeps it in the project.
    QTemporaryDir dir;
    const QString empty = dir.filePath("empty.bmp");
    const QString full = dir.filePath("full.ico");
    writeBytes(empty, "");
    writeBytes(full, "x");
    const QString file = dir.filePath("P.tpf");
    writeBytes(file, (empty + "\r\n" + full + "\r\n" + dir.filePath("gone.wav") + "\r\n").toUtf8());
    test::RecordingReporter r;
    r.repair = true;
    r.execute = true;
    r.onSelectAll = [&empty](test::RecordingReporter &rr) {
        rr.list.removeAll(empty);
        rr.selected.removeAll(empty);
    };
    ProjectLoadSequence(m_platform, r).run(file);
    QCOMPARE(r.commands, (QStringList{"selectAll", "build"}));
    QCOMPARE(r.list, QStringList{full});
    QCOMPARE(readAll(file), (empty + "\r\n" + full + "\r\n").toUtf8());
    QVERIFY(!r.execute);
}

void TestProject::refusedFileIsLeftAlone_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero byte")
        << QByteArray("/gone/a.bmp\r\n\0/gone/b.bmp\r\n", 26)
        << int(ProjectLoadSequence::End::NotText)
        << "Cannot open file: @/P.tpf\rit holds a zero byte and is not a project file; nothing "
           "was loaded.";
    QTest::newRow("empty") << QByteArray() << int(ProjectLoadSequence::End::NoData)
                           << "File \"P.tpf\" contains no data !";
}

void TestProject::refusedFileIsLeftAlone()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, end);
    QFETCH(QString, text);
    QTemporaryDir dir;
    const QString file = dir.filePath("P.tpf");
    writeBytes(file, bytes);
    test::RecordingReporter r;
    r.repair = true;
    r.list = QStringList{"/earlier/x.bmp"};
    r.answers << Message::Yes; // clear the list
    QCOMPARE(int(ProjectLoadSequence(m_platform, r).run(file)), end);
    QCOMPARE(r.texts().last(), QString(text).replace('@', dir.path()));
    QCOMPARE(r.list, QStringList{"/earlier/x.bmp"});
    QCOMPARE(readAll(file), bytes);
    QVERIFY(!QFile::exists(dir.filePath("P.bck")));
}

// Counts each look at a path.
class CountingPlatform : public LinuxPlatform
{
  public:
    PathState pathState(const QString &path) override
    {
        ++looks[path];
        return LinuxPlatform::pathState(path);
    }
    bool fileExists(const QString &path) override
    {
        ++looks[path];
        return LinuxPlatform::fileExists(path);
    }
    qint64 fileSize(const QString &path) override
    {
        ++looks[path];
        return LinuxPlatform::fileSize(path);
    }
    QHash<QString, int> looks;
};

void TestProject::loadLooksAtEachEntryOnce()
{
    QTemporaryDir dir;
    QByteArray lines;
    QStringList entries;
    for (int i = 0; i < 20; ++i) {
        const QString p = dir.filePath(QString("f%1.bmp").arg(i));
        if (i % 3)
            writeBytes(p, "x");
        lines += p.toUtf8() + "\r\n";
        entries << p;
    }
    const QString file = dir.filePath("P.tpf");
    writeBytes(file, lines);
    CountingPlatform platform;
    test::RecordingReporter r;
    r.repair = true;
    ProjectLoadSequence(platform, r).run(file);
    for (const QString &e : entries)
        QCOMPARE(platform.looks.value(e), 1);
    QCOMPARE(r.list.size(), 13);
    // No frame was due during the walk: the path line is laid out once, and shows the last entry
    // removed. The walk goes up from the list's end (f9 f6 f3 f18 f15 f12 f0).
    QCOMPARE(r.removalTexts.size(), 1);
    QVERIFY2(r.removalTexts.first().endsWith(" f0.bmp"), qPrintable(r.removalTexts.first()));
}

void TestProject::writeRefusesLineBreak()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("P.tpf");
    writeBytes(file, "/gone/a.bmp\r\n");
    const WriteResult r = ProjectFile::write(m_platform, file, {"/ok.bmp", "/bad\nname.bmp"});
    QVERIFY(!r);
    QCOMPARE(readAll(file), QByteArray("/gone/a.bmp\r\n"));
    // A project inside a folder that is gone cannot be written: the standard report.
    const QString lost = dir.filePath("nowhere/P.tpf");
    QCOMPARE(ProjectFile::write(m_platform, lost, {}).error, "Cannot create file " + lost);
}

void TestProject::roundTrip_data()
{
    QTest::addColumn<QStringList>("names"); // below the test folder; "#300" is a 300-char path
    QTest::newRow("blanks") << QStringList{"My Art/a b.bmp", " lead.ico", "trail .wav"};
    QTest::newRow("quotes") << QStringList{"q/\"x\".bmp", "q/it's.ico"};
    QTest::newRow("non-ascii") << QStringList{"\u00e9t\u00e9/\u00c5se.bmp", "\u4e2d/\u6587.ico",
                                              "r\u00f8d/\u0436.ani"};
    QTest::newRow("300 characters") << QStringList{"#300"};
    QTest::newRow("mixed case order") << QStringList{"b.ICO", "A.bmp", "a.bmp", "C.wav"};
}

void TestProject::roundTrip()
{
    QFETCH(QStringList, names);
    QTemporaryDir dir;
    QStringList paths;
    for (const QString &n : names) {
        const QString p = n == "#300" ? longPath(dir.path(), 300) : dir.filePath(n);
        if (n == "#300")
            QCOMPARE(p.size(), 300);
        writeBytes(p, "x");
        paths << p;
    }
    const QStringList list = ProjectLoad::sorted(paths);
    const QString file = dir.filePath("R.TPF");
    QVERIFY(ProjectFile::write(m_platform, file, list));
    test::RecordingReporter r;
    r.repair = true;
    ProjectLoadSequence(m_platform, r).run(file);
    QCOMPARE(r.list, list);
    QVERIFY(r.messages.isEmpty());
}

void TestProject::backupName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("backup");
    QTest::newRow("tpf") << "/p/Proj.tpf"
                         << "/p/Proj.bck";
    QTest::newRow("upper") << "/p/PROJ.TPF"
                           << "/p/PROJ.bck";
    QTest::newRow("last extension only") << "/p/a.b.tpf"
                                         << "/p/a.b.bck";
    QTest::newRow("dot in folder") << "/p.q/name"
                                   << "/p.q/name.bck";
    QTest::newRow("hidden file") << "/p/.tpf"
                                 << "/p/.tpf.bck";
}

void TestProject::backupName()
{
    QFETCH(QString, path);
    QFETCH(QString, backup);
    QCOMPARE(ProjectLoad::backupName(path), backup);
}

void TestProject::checkName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("check");
    QTest::newRow("plain") << "proj" << int(ProjectSave::NameCheck::Ok);
    QTest::newRow("blank") << "my proj" << int(ProjectSave::NameCheck::Blank);
    QTest::newRow("dot") << "proj.tpf" << int(ProjectSave::NameCheck::Dot);
    QTest::newRow("blank before dot") << "my proj.tpf" << int(ProjectSave::NameCheck::Blank);
    QTest::newRow("trailing dot") << "proj." << int(ProjectSave::NameCheck::Dot);
}

void TestProject::checkName()
{
    QFETCH(QString, name);
    QFETCH(int, check);
    QCOMPARE(int(ProjectSave::checkName(name)), check);
}

void TestProject::quickSaveNames_data()
{
    QTest::addColumn<qint64>("ticks");
    QTest::addColumn<QStringList>("taken"); // names already in the projects folder
    QTest::addColumn<QString>("name");
    QTest::newRow("free") << qint64(3600000) << QStringList{} << "PF10810.TPF";
    QTest::newRow("same third of a second")
        << qint64(3600100) << QStringList{"PF10810.TPF"} << "PF10811.TPF";
    QTest::newRow("several taken")
        << qint64(3600000) << QStringList{"PF10810.TPF", "PF10811.TPF", "PF10813.TPF"}
        << "PF10812.TPF";
    QTest::newRow("a folder of that name")
        << qint64(3600000) << QStringList{"PF10810.TPF/"} << "PF10811.TPF";
    QTest::newRow("a dangling link of that name")
        << qint64(3600000) << QStringList{"PF10810.TPF>"} << "PF10811.TPF";
    QTest::newRow("negative") << qint64(-666) << QStringList{"PF-2.TPF"} << "PF-1.TPF";
    QTest::newRow("wraps past the top")
        << qint64(2147483647) * 333 << QStringList{"PF2147483647.TPF"} << "PF-2147483648.TPF";
}

void TestProject::quickSaveNames()
{
    QFETCH(qint64, ticks);
    QFETCH(QStringList, taken);
    QFETCH(QString, name);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("Projects");
    for (const QString &t : taken) {
        if (t.endsWith('/'))
            QDir(dir.path()).mkpath("Projects/" + t);
        else if (t.endsWith('>'))
            QVERIFY(QFile::link(dir.filePath("elsewhere.tpf"),
                                dir.filePath("Projects/" + t.chopped(1))));
        else
            writeBytes(dir.filePath("Projects/" + t), "x");
    }
    test::RecordingSaver r;
    r.program = dir.path();
    r.entries = QStringList{"/a/x.bmp", "/b/y.ico"};
    ProjectSaveSequence save(m_platform, r);
    QCOMPARE(int(save.quick(ticks)), int(ProjectSaveSequence::End::Saved));
    const QString file = dir.path() + "/Projects/" + name;
    QCOMPARE(save.written(), file);
    QCOMPARE(readAll(file), QByteArray("/a/x.bmp\r\n/b/y.ico\r\n"));
    QCOMPARE(r.messages.last().text, "New project file created in: \r" + file);
    QCOMPARE(r.loadFolder, QFileInfo(dir.path()).absolutePath());
    QVERIFY(!QFile::exists(dir.filePath("elsewhere.tpf")));
}

// Another copy of the program saves under the same name just before this one.
class RacingPlatform : public LinuxPlatform
{
  public:
    Claim claimFile(const QString &path) override
    {
        if (!raced) {
            raced = true;
            QFile other(path);
            if (other.open(QIODevice::WriteOnly))
                other.write("/other/copy.bmp\r\n");
        }
        return LinuxPlatform::claimFile(path);
    }
    bool raced = false;
};

void TestProject::quickSaveClaimsItsName()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("Projects");
    RacingPlatform platform;
    test::RecordingSaver r;
    r.program = dir.path();
    r.entries = QStringList{"/mine.bmp"};
    ProjectSaveSequence save(platform, r);
    QCOMPARE(int(save.quick(3600000)), int(ProjectSaveSequence::End::Saved));
    QCOMPARE(readAll(dir.filePath("Projects/PF10810.TPF")), QByteArray("/other/copy.bmp\r\n"));
    QCOMPARE(readAll(dir.filePath("Projects/PF10811.TPF")), QByteArray("/mine.bmp\r\n"));
    QCOMPARE(save.written(), dir.filePath("Projects/PF10811.TPF"));
}

void TestProject::promptedSave_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("earlier"); // PROJ.TPF before the save; "" for none
    QTest::addColumn<int>("answer");         // to the question about replacing it
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("after");
    const QByteArray saved("/Art/a.ico\r\n/Art/b.bmp\r\n");
    using End = ProjectSaveSequence::End;
    QTest::newRow("new") << "proj" << QByteArray() << 0 << int(End::Saved)
                         << "Successfully created proj.tpf" << saved;
    QTest::newRow("replaced") << "proj" << QByteArray("old\r\n") << int(Message::Yes)
                              << int(End::Saved) << "Successfully created proj.tpf" << saved;
    QTest::newRow("kept") << "proj" << QByteArray("old\r\n") << int(Message::No) << int(End::Kept)
                          << "PROJ.TPF already exists.\rDo you want to replace it?"
                          << QByteArray("old\r\n");
    QTest::newRow("blank") << "my proj" << QByteArray() << 0 << int(End::Blank)
                           << "Cannot process file name with blank spaces!"
                           << QByteArray("<missing>");
    QTest::newRow("dot")
        << "proj.tpf" << QByteArray() << 0 << int(End::Dot)
        << "Cannot create filename: proj.tpf\rrename the file and try saving again!"
        << QByteArray("<missing>");
}

void TestProject::promptedSave()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, earlier);
    QFETCH(int, answer);
    QFETCH(int, end);
    QFETCH(QString, text);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString target = dir.filePath("PROJ.TPF");
    if (!earlier.isEmpty())
        writeBytes(target, earlier);
    test::RecordingSaver r;
    r.chosen = dir.filePath(typed);
    r.entries = QStringList{"/Art/a.ico", "/Art/b.bmp"};
    if (answer)
        r.answers << answer;
    QCOMPARE(int(ProjectSaveSequence(m_platform, r).prompted()), end);
    QCOMPARE(r.messages.last().text, text);
    QCOMPARE(readAll(target), after);
    if (end == int(ProjectSaveSequence::End::Saved))
        QCOMPARE(r.steps, (QStringList{"1/2 /Art/a.ico", "2/2 /Art/b.bmp"}));
    // Nothing else is left in the folder.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), after == "<missing>" ? 0 : 1);
}

class TempPlatform : public LinuxPlatform
{
  public:
    QString tempFolder() override { return temp; }
    QString temp;
};

void TestProject::promptedSaveIgnoresTheTempFolder()
{
    // Someone else's link waits in the shared temporary folder under the name a save would use.
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("tmp");
    QDir(dir.path()).mkdir("out");
    const QString victim = dir.filePath("victim.txt");
    writeBytes(victim, "precious\r\n");
    QVERIFY(QFile::link(victim, dir.filePath("tmp/PROJ.TPF")));
    TempPlatform platform;
    platform.temp = dir.filePath("tmp/");
    test::RecordingSaver r;
    r.chosen = dir.filePath("out/proj");
    r.entries = QStringList{"/Art/a.ico"};
    QCOMPARE(int(ProjectSaveSequence(platform, r).prompted()),
             int(ProjectSaveSequence::End::Saved));
    QCOMPARE(readAll(victim), QByteArray("precious\r\n"));
    QCOMPARE(readAll(dir.filePath("out/PROJ.TPF")), QByteArray("/Art/a.ico\r\n"));
}

void TestProject::saveOnFullDisk_data()
{
    QTest::addColumn<int>("freePages");
    QTest::addColumn<bool>("fits");
    QTest::newRow("one page free") << 1 << false;
    QTest::newRow("disk full") << 0 << false;
    QTest::newRow("room enough") << 8 << true;
}

void TestProject::saveOnFullDisk()
{
    QFETCH(int, freePages);
    QFETCH(bool, fits);
    test::SmallFileSystem fs;
    if (!fs.isMounted())
        QSKIP(qPrintable(fs.whyNot()));
    const QString target = fs.filePath("PROJ.TPF");
    writeBytes(target, "/old/one.bmp\r\n");
    QVERIFY(fs.leaveFree(freePages));
    QStringList entries;
    for (int i = 0; i < 300; ++i)
        entries
            << QStringLiteral("/home/user/art/icons/icon%1.ico").arg(i, 3, 10, QLatin1Char('0'));
    test::RecordingSaver r;
    r.chosen = fs.filePath("proj");
    r.entries = entries;
    r.answers << Message::Yes;
    const ProjectSaveSequence::End end = ProjectSaveSequence(m_platform, r).prompted();
    if (fits) {
        QCOMPARE(int(end), int(ProjectSaveSequence::End::Saved));
        QCOMPARE(readAll(target), entries.join("\r\n").toUtf8() + "\r\n");
        return;
    }
    QCOMPARE(int(end), int(ProjectSaveSequence::End::Failed));
    QCOMPARE(r.messages.last().text, "Cannot create file " + target);
    QCOMPARE(int(r.messages.last().icon), int(Message::Icon::Error));
    QCOMPARE(readAll(target), QByteArray("/old/one.bmp\r\n"));
}

void TestProject::quickSaveOnFullDiskLeavesNoFile()
{
    test::SmallFileSystem fs;
    if (!fs.isMounted())
        QSKIP(qPrintable(fs.whyNot()));
    QVERIFY(QDir().mkpath(fs.filePath("Projects")));
    QVERIFY(fs.leaveFree(0));
    test::RecordingSaver r;
    r.program = fs.filePath(QString()).chopped(1);
    for (int i = 0; i < 300; ++i)
        r.entries << QStringLiteral("/home/user/art/icon%1.ico").arg(i);
    ProjectSaveSequence save(m_platform, r);
    QCOMPARE(int(save.quick(3600000)), int(ProjectSaveSequence::End::Failed));
    QCOMPARE(r.messages.last().text, "Cannot create file " + fs.filePath("Projects/PF10810.TPF"));
    QVERIFY(!r.messages.last().text.startsWith("New project file"));
    QCOMPARE(QDir(fs.filePath("Projects")).entryList(QDir::Files), QStringList{});
}

void TestProject::parentFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("parent");
    QTest::newRow("nested") << "/home/u/TOLVANE"
                            << "/home/u";
    QTest::newRow("top level") << "/TOLVANE"
                               << "/";
    QTest::newRow("drive") << "C:\\TOLVANE"
                           << "C:\\";
    QTest::newRow("windows nested") << "C:\\Apps\\TOLVANE"
                                    << "C:\\Apps";
    QTest::newRow("no separator") << "TOLVANE"
                                  << "";
}

void TestProject::parentFolder()
{
    QFETCH(QString, folder);
    QFETCH(QString, parent);
    QCOMPARE(ProjectSave::parentFolder(folder), parent);
}

void TestProject::texts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("clear question")
        << projecttexts::clearQuestion("/p/Saved.tpf")
        << "This will clear the currently loaded project file with contents\rfrom "
           "\"/p/Saved.tpf\" continue?";
    QTest::newRow("no data") << projecttexts::noData("/p/Saved.tpf")
                             << "File \"Saved.tpf\" contains no data !";
    QTest::newRow("removing") << projecttexts::removing("/p/Saved.tpf", "/art/Logo.bmp")
                              << "Removing from list: /p/Saved.tpf Logo.bmp";
    QTest::newRow("some invalid")
        << projecttexts::someInvalid("/p/Saved.tpf")
        << "One or more files from: /p/Saved.tpf \"\rcontained invalid file links which were not "
           "added to the current list.";
    QTest::newRow("dot name") << projecttexts::dotName("proj.tpf")
                              << "Cannot create filename: proj.tpf\rrename the file and try "
                                 "saving again!";
}

void TestProject::texts()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

QTEST_GUILESS_MAIN(TestProject)
#include "tst_project.moc"
