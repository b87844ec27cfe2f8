#include "core/ProjectFile.h"
#include "core/project/ProjectLoad.h"
#include "core/project/ProjectSave.h"
#include "core/project/ProjectTexts.h"
#include "platform/LinuxPlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tolvane;

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

} // namespace

class TestProject : public QObject
{
    Q_OBJECT

  private slots:
    void open_data();
    void open();
    void sweep_data();
    void sweep();
    void loadAndSweep_data();
    void loadAndSweep();
    void backupTaken();
    void writeBackFailureKeepsFile();
    void roundTrip_data();
    void roundTrip();
    void backupName_data();
    void backupName();
    void checkName_data();
    void checkName();
    void quickSaveNames_data();
    void quickSaveNames();
    void moveInto();
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
    QTest::newRow("zero byte ends") << true << QByteArray("/a/x.bmp\r\n\0/b/y.ico\r\n", 21)
                                    << int(ProjectOpen::Loaded) << QStringList{"/a/x.bmp"};
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
    QCOMPARE(opened.entries, entries);
}

void TestProject::sweep_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QList<int>>("missing");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("all there") << QStringList{"@/a.bmp", "@/b.ico"}
                               << QStringList{"@/a.bmp", "@/b.ico"} << QList<int>{}
                               << QStringList{"@/a.bmp", "@/b.ico"};
    QTest::newRow("middle gone") << QStringList{"@/a.bmp", "@/c.wav"}
                                 << QStringList{"@/a.bmp", "@/b.ico", "@/c.wav"} << QList<int>{1}
                                 << QStringList{"@/a.bmp", "@/c.wav"};
    QTest::newRow("last first") << QStringList{"@/b.ico"}
                                << QStringList{"@/a.bmp", "@/b.ico", "@/c.wav"} << QList<int>{2, 0}
                                << QStringList{"@/b.ico"};
    QTest::newRow("all gone") << QStringList{} << QStringList{"@/a.bmp", "@/b.ico"}
                              << QList<int>{1, 0} << QStringList{};
    QTest::newRow("blank line") << QStringList{"@/a.bmp"} << QStringList{"", "@/a.bmp"}
                                << QList<int>{0} << QStringList{"@/a.bmp"};
    QTest::newRow("folder is no file") << QStringList{"@/a.bmp"} << QStringList{"@", "@/a.bmp"}
                                       << QList<int>{0} << QStringList{"@/a.bmp"};
    QTest::newRow("duplicates kept")
        << QStringList{"@/a.bmp"} << QStringList{"@/a.bmp", "@/a.bmp", "@/z.bmp"} << QList<int>{2}
        << QStringList{"@/a.bmp", "@/a.bmp"};
    QTest::newRow("empty list") << QStringList{} << QStringList{} << QList<int>{} << QStringList{};
}

void TestProject::sweep()
{
    QFETCH(QStringList, existing);
    QFETCH(QStringList, entries);
    QFETCH(QList<int>, missing);
    QFETCH(QStringList, kept);
    QTemporaryDir dir;
    for (const QString &f : under(dir.path(), existing))
        writeBytes(f, "x");
    const QStringList list = under(dir.path(), entries);
    const QList<int> rows = ProjectLoad::missingRows(m_platform, list);
    QCOMPARE(rows, missing);
    QCOMPARE(ProjectLoad::without(list, rows), under(dir.path(), kept));
}

void TestProject::loadAndSweep_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QByteArray>("project"); // "@" is the test folder
    QTest::addColumn<bool>("repair");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QByteArray>("fileAfter");   // "<missing>" when renamed away
    QTest::addColumn<QByteArray>("backupAfter"); // the .bck file, "<missing>" when none

    const QByteArray three("@/c.wav\r\n@/A.bmp\r\n@/b.ico\r\n");
    QTest::newRow("all there, sorted, untouched")
        << QStringList{"@/A.bmp", "@/b.ico", "@/c.wav"} << three << true
        << QStringList{"@/A.bmp", "@/b.ico", "@/c.wav"} << QStringList{} << three
        << QByteArray("<missing>");
    QTest::newRow("one gone, repaired")
        << QStringList{"@/A.bmp", "@/c.wav"} << three << true << QStringList{"@/A.bmp", "@/c.wav"}
        << QStringList{"@/b.ico"} << QByteArray("@/A.bmp\r\n@/c.wav\r\n")
        << QByteArray("<missing>");
    QTest::newRow("one gone, no repair")
        << QStringList{"@/A.bmp", "@/c.wav"} << three << false << QStringList{"@/A.bmp", "@/c.wav"}
        << QStringList{"@/b.ico"} << three << QByteArray("<missing>");
    QTest::newRow("lf file repaired in crlf")
        << QStringList{"@/A.bmp"} << QByteArray("@/A.bmp\n\n@/z.bmp\n") << true
        << QStringList{"@/A.bmp"} << QStringList{"@/z.bmp", ""} << QByteArray("@/A.bmp\r\n")
        << QByteArray("<missing>");
    QTest::newRow("all gone, repaired to bck")
        << QStringList{} << three << true << QStringList{}
        << QStringList{"@/c.wav", "@/b.ico", "@/A.bmp"} << QByteArray("<missing>") << QByteArray();
    QTest::newRow("all gone, no repair")
        << QStringList{} << three << false << QStringList{}
        << QStringList{"@/c.wav", "@/b.ico", "@/A.bmp"} << three << QByteArray("<missing>");
}

void TestProject::loadAndSweep()
{
    QFETCH(QStringList, existing);
    QFETCH(QByteArray, project);
    QFETCH(bool, repair);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, removed);
    QFETCH(QByteArray, fileAfter);
    QFETCH(QByteArray, backupAfter);
    QTemporaryDir dir;
    const QByteArray root = dir.path().toUtf8();
    for (const QString &f : under(dir.path(), existing))
        writeBytes(f, "x");
    const QString file = dir.filePath("Saved.tpf");
    writeBytes(file, QByteArray(project).replace('@', root));

    const ProjectLoadReport report = ProjectLoad::loadAndSweep(m_platform, file, repair);
    QCOMPARE(int(report.outcome), int(ProjectOpen::Loaded));
    QCOMPARE(report.entries, under(dir.path(), entries));
    QCOMPARE(report.removed, under(dir.path(), removed));
    QCOMPARE(report.error, QString());
    QByteArray expectedFile = fileAfter;
    QCOMPARE(readAll(file), expectedFile.replace('@', root));
    QByteArray expectedBackup = backupAfter;
    QCOMPARE(readAll(dir.filePath("Saved.bck")), expectedBackup.replace('@', root));
    QCOMPARE(report.backup.isEmpty(), backupAfter == "<missing>");
    // Nothing is left behind beside the project by the write-back.
    QCOMPARE(QDir(dir.path()).entryList({"Saved*"}, QDir::Files).size(), 1);
}

void TestProject::backupTaken()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("Old.tpf");
    writeBytes(file, "/gone/a.bmp\r\n");
    writeBytes(dir.filePath("Old.bck"), "earlier backup\r\n");
    const ProjectLoadReport report = ProjectLoad::loadAndSweep(m_platform, file, true);
    QCOMPARE(report.error, "Could not rename file \"" + file + "\"");
    QVERIFY(report.backup.isEmpty());
    // The project stays under its name (holding the repaired, empty list); the old backup is kept.
    QCOMPARE(readAll(file), QByteArray());
    QCOMPARE(readAll(dir.filePath("Old.bck")), QByteArray("earlier backup\r\n"));
}

void TestProject::writeBackFailureKeepsFile()
{
    // A path with a line break cannot be written back; the project must stay as it was.
    QTemporaryDir dir;
    const QString file = dir.filePath("P.tpf");
    writeBytes(file, "/gone/a.bmp\r\n");
    const WriteResult r = ProjectLoad::writeBack(file, {"/ok.bmp", "/bad\nname.bmp"});
    QVERIFY(!r);
    QCOMPARE(readAll(file), QByteArray("/gone/a.bmp\r\n"));
    // A project inside a folder that is gone cannot be written: the standard report.
    const QString lost = dir.filePath("nowhere/P.tpf");
    QCOMPARE(ProjectLoad::writeBack(lost, {}).error, "Cannot create file " + lost);
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
    QVERIFY(ProjectFile::write(file, list));
    const ProjectLoadReport report = ProjectLoad::loadAndSweep(m_platform, file, true);
    QCOMPARE(report.entries, list);
    QVERIFY(report.removed.isEmpty());
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
        else
            writeBytes(dir.filePath("Projects/" + t), "x");
    }
    QCOMPARE(ProjectSave::freeQuickSaveName(m_platform, dir.path(), ticks),
             dir.path() + "/Projects/" + name);
}

void TestProject::moveInto()
{
    QTemporaryDir dir;
    const QString from = dir.filePath("tmp/PROJ.TPF");
    const QString to = dir.filePath("target/PROJ.TPF");
    writeBytes(from, "new\r\n");
    writeBytes(to, "old\r\n");
    // A target that is a folder cannot be replaced: both stay as they were.
    QDir(dir.path()).mkpath("target/DIR.TPF");
    QCOMPARE(ProjectSave::moveInto(m_platform, from, dir.filePath("target/DIR.TPF")), 1);
    QCOMPARE(readAll(from), QByteArray("new\r\n"));
    // The user agreed to replace the file of that name.
    QCOMPARE(ProjectSave::moveInto(m_platform, from, to), 0);
    QCOMPARE(readAll(to), QByteArray("new\r\n"));
    QVERIFY(!QFile::exists(from));
    // Nothing to move: the move cannot start.
    QCOMPARE(ProjectSave::moveInto(m_platform, from, to), -1);
    QCOMPARE(readAll(to), QByteArray("new\r\n"));
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
