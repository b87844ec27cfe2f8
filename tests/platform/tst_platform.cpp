#include "platform/LinuxPlatform.h"
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

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
