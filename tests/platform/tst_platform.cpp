#include "platform/LinuxPlatform.h"
#include "platform/Registry.h"
#include "platform/ToolRunner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tolvane;

class TestPlatform : public QObject
{
    Q_OBJECT

  private slots:
    void toolRunner_data();
    void toolRunner();
    void toolRunnerMissingProgramLeavesOutput();
    void toolRunnerArgumentsWithBlanks();
    void folderWithSeparator_data();
    void folderWithSeparator();
    void fileSizeAndExistence();
    void moveKeepsExistingFiles();
    void removeFolderTree();

    void registryRoundTripAndCase();
    void registryDefaultUserIsCurrentUser();
    void registryDeleteTree();
    void registrySeesOtherWriters();
    void registryGarbageIsKeptAside();
    void registryTextSurvivesSpecialCharacters();
};

void TestPlatform::toolRunner_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("output");
    QTest::newRow("silent success") << QStringList{} << 0 << QString();
    QTest::newRow("exit code kept") << QStringList{"out", "bad", "exit", "3"} << 3 << "bad";
    QTest::newRow("stdout and stderr together")
        << QStringList{"out", "one ", "err", "two"} << 0 << "one two";
    QTest::newRow("text ends at zero byte")
        << QStringList{"out", "head", "zero", "out", "tail"} << 0 << "head";
    QTest::newRow("first 16384 bytes of 20000")
        << QStringList{"flood", "20000", "exit", "1"} << 1 << QString();
}

void TestPlatform::toolRunner()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, output);
    QString captured = QStringLiteral("old text");
    QCOMPARE(ToolRunner::run(QStringLiteral(TOOLHELPER), args, &captured), code);
    if (args.contains(QStringLiteral("flood"))) {
        QCOMPARE(captured.size(), ToolRunner::captureLimit);
        QVERIFY(captured.startsWith(QStringLiteral("abcdefghijklmnopqrstuvwxyzabc")));
    } else {
        QCOMPARE(captured, output);
    }
}

void TestPlatform::toolRunnerMissingProgramLeavesOutput()
{
    QString captured = QStringLiteral("keep me");
    QCOMPARE(ToolRunner::run(QStringLiteral("/nonexistent/brcc32"), {}, &captured), -1);
    QCOMPARE(captured, QStringLiteral("keep me"));
}

void TestPlatform::toolRunnerArgumentsWithBlanks()
{
    // A flood far beyond any pipe's size must neither hang nor lose the exit code.
    QString captured;
    QCOMPARE(ToolRunner::run(QStringLiteral(TOOLHELPER),
                             {"out", "C:\\My Folder\\a b.rc", "flood", "3000000", "exit", "7"},
                             &captured),
             7);
    QVERIFY(captured.startsWith(QStringLiteral("C:\\My Folder\\a b.rc")));
}

void TestPlatform::folderWithSeparator_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("plain") << "/tmp/out"
                           << "/tmp/out/";
    QTest::newRow("already") << "/tmp/out/"
                             << "/tmp/out/";
}

void TestPlatform::folderWithSeparator()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(Platform::folderWithSeparator(in), out);
}

void TestPlatform::fileSizeAndExistence()
{
    QTemporaryDir dir;
    LinuxPlatform p;
    const QString empty = dir.filePath("empty.bmp");
    const QString full = dir.filePath("full.bmp");
    QFile(empty).open(QIODevice::WriteOnly);
    QFile f(full);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray(1234, 'x'));
    f.close();
    QCOMPARE(p.fileSize(dir.filePath("missing.bmp")), qint64(-1));
    QCOMPARE(p.fileSize(empty), qint64(0));
    QCOMPARE(p.fileSize(full), qint64(1234));
    QVERIFY(p.fileExists(full));
    QVERIFY(!p.fileExists(dir.path()));
    QVERIFY(p.folderExists(dir.path()));
    QVERIFY(!p.folderExists(QString()));
    QVERIFY(p.freeSpace(p.driveRoot(dir.path())).value_or(-1) > 0);
    QVERIFY(p.tempFolder().endsWith('/'));
}

void TestPlatform::moveKeepsExistingFiles()
{
    QTemporaryDir src, dst;
    LinuxPlatform p;
    auto make = [](const QString &path, const QByteArray &data) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    };
    make(src.filePath("App.rc"), "new");
    make(src.filePath("App.res"), "res");
    make(dst.filePath("App.rc"), "old");
    make(dst.filePath("App (2).rc"), "older");
    const QStringList moved = p.moveFiles(
        {src.filePath("App.rc"), src.filePath("App.res"), src.filePath("gone.dll")}, dst.path());
    QCOMPARE(moved.size(), 3);
    QCOMPARE(moved.at(0), dst.filePath("App (3).rc"));
    QCOMPARE(moved.at(1), dst.filePath("App.res"));
    QVERIFY(moved.at(2).isEmpty());
    QFile old(dst.filePath("App.rc"));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));
    QVERIFY(!QFile::exists(src.filePath("App.rc")));
}

void TestPlatform::removeFolderTree()
{
    QTemporaryDir dir;
    LinuxPlatform p;
    QVERIFY(p.createFolder(dir.filePath("a/b/c")));
    QFile(dir.filePath("a/b/c/x.txt")).open(QIODevice::WriteOnly);
    QVERIFY(p.removeFolderTree(dir.filePath("a")));
    QVERIFY(!QFileInfo::exists(dir.filePath("a")));
    QVERIFY(!p.removeFolderTree(QString()));
}

void TestPlatform::registryRoundTripAndCase()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("registry.reg");
    {
        Registry reg(file);
        QVERIFY(!reg.keyExists(RegRoot::LocalMachine, "\\SOFTWARE\\Kelvadore\\Tolvane"));
        QVERIFY(!reg.setText(RegRoot::LocalMachine, "SOFTWARE\\Kelvadore\\Tolvane", "x", "y"));
        QVERIFY(reg.createKey(RegRoot::LocalMachine, "\\SOFTWARE\\Kelvadore\\Tolvane"));
        QVERIFY(reg.keyExists(RegRoot::LocalMachine, "software\\kelvadore"));
        QVERIFY(reg.setText(RegRoot::LocalMachine, "SOFTWARE\\Kelvadore\\Tolvane", "Script Name",
                            "Icons"));
        QVERIFY(reg.setDword(RegRoot::LocalMachine, "SOFTWARE\\Kelvadore\\Tolvane", "Color",
                             0x8000000F));
        QVERIFY(reg.setText(RegRoot::LocalMachine, "software\\KELVADORE\\tolvane", "script name",
                            "Sounds"));
    }
    Registry again(file);
    QCOMPARE(again.valueNames(RegRoot::LocalMachine, "\\SOFTWARE\\Kelvadore\\Tolvane"),
             QStringList({"Script Name", "Color"}));
    QCOMPARE(
        again.value(RegRoot::LocalMachine, "\\SOFTWARE\\Kelvadore\\Tolvane", "SCRIPT NAME")->text,
        QStringLiteral("Sounds"));
    const auto colour =
        again.value(RegRoot::LocalMachine, "\\SOFTWARE\\Kelvadore\\Tolvane", "Color");
    QCOMPARE(colour->type, RegValue::Dword);
    QCOMPARE(colour->dword, 2147483663u);
    QFile raw(file);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray text = raw.readAll();
    QVERIFY(text.contains("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kelvadore\\Tolvane]"));
    QVERIFY(text.contains("\"Color\"=dword:8000000f"));
}

void TestPlatform::registryDefaultUserIsCurrentUser()
{
    QTemporaryDir dir;
    Registry reg(dir.filePath("r.reg"));
    QVERIFY(reg.createKey(RegRoot::CurrentUser, "Tolvane\\History"));
    QVERIFY(reg.keyExists(RegRoot::Users, ".Default\\Tolvane\\History"));
    QVERIFY(reg.deleteKeyTree(RegRoot::Users, ".DEFAULT\\Tolvane"));
    QVERIFY(!reg.keyExists(RegRoot::CurrentUser, "Tolvane"));
}

void TestPlatform::registryDeleteTree()
{
    QTemporaryDir dir;
    Registry reg(dir.filePath("r.reg"));
    QVERIFY(reg.createKey(RegRoot::LocalMachine, "SOFTWARE\\Kelvadore\\Tolvane"));
    QVERIFY(reg.createKey(RegRoot::LocalMachine, "SOFTWARE\\KelvadoreOther"));
    QVERIFY(reg.setText(RegRoot::LocalMachine, "SOFTWARE\\Kelvadore\\Tolvane", "a", "b"));
    QVERIFY(reg.deleteKeyTree(RegRoot::LocalMachine, "\\SOFTWARE\\Kelvadore"));
    QVERIFY(!reg.keyExists(RegRoot::LocalMachine, "SOFTWARE\\Kelvadore\\Tolvane"));
    QVERIFY(!reg.keyExists(RegRoot::LocalMachine, "SOFTWARE\\Kelvadore"));
    QVERIFY(reg.keyExists(RegRoot::LocalMachine, "SOFTWARE\\KelvadoreOther")); // a prefix only
    QVERIFY(!reg.deleteKeyTree(RegRoot::LocalMachine, "SOFTWARE\\Kelvadore"));
    QVERIFY(!reg.deleteKeyTree(RegRoot::LocalMachine, ""));
}

void TestPlatform::registrySeesOtherWriters()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("r.reg");
    Registry one(file);
    Registry two(file);
    QVERIFY(one.createKey(RegRoot::CurrentUser, "K"));
    QVERIFY(one.setText(RegRoot::CurrentUser, "K", "first", "1"));
    // The second copy writes on top of the first's change rather than over it.
    QVERIFY(two.setText(RegRoot::CurrentUser, "K", "second", "2"));
    QCOMPARE(one.valueNames(RegRoot::CurrentUser, "K"), QStringList({"first", "second"}));
}

void TestPlatform::registryGarbageIsKeptAside()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("r.reg");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\n\"a\"=grbl\n");
    f.close();
    Registry reg(file);
    QVERIFY(reg.problem().contains(QStringLiteral("line 4")));
    QVERIFY(!reg.keyExists(RegRoot::LocalMachine, "SOFTWARE"));
    const QStringList aside = QDir(dir.path()).entryList({"r.reg.unreadable-*"});
    QCOMPARE(aside.size(), 1);
    QFile kept(dir.filePath(aside.first()));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QVERIFY(kept.readAll().contains("grbl"));
    // Working on afresh does not touch the kept copy.
    QVERIFY(reg.createKey(RegRoot::LocalMachine, "SOFTWARE\\X"));
    QCOMPARE(QDir(dir.path()).entryList({"r.reg.unreadable-*"}).size(), 1);
}

void TestPlatform::registryTextSurvivesSpecialCharacters()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("r.reg");
    const QString tricky = QStringLiteral("C:\\Out \"x\"\r\nsecond ; [k] \u00e9\u00a9");
    {
        Registry reg(file);
        QVERIFY(reg.createKey(RegRoot::CurrentUser, "Tolvane\\History"));
        QVERIFY(reg.setText(RegRoot::CurrentUser, "Tolvane\\History", "n0", tricky));
    }
    Registry again(file);
    QVERIFY(again.problem().isEmpty());
    QCOMPARE(again.value(RegRoot::CurrentUser, "Tolvane\\History", "n0")->text, tricky);
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
