#include "Fixtures.h"
#include "platform/LinuxPlatform.h"
#include "platform/NativeFile.h"
#include "platform/NativeName.h"
#include "platform/Registry.h"
#include "platform/ToolRunner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tolvane;

namespace {

// The test's own hands on the file system, by bytes, independent of the code under test.
void createFile(const QByteArray &path, const QByteArray &data)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY2(fd >= 0, path.constData());
    QCOMPARE(::write(fd, data.constData(), data.size()), ssize_t(data.size()));
    ::close(fd);
}

QByteArray contents(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY);
    if (fd < 0)
        return "<missing>";
    QByteArray out;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        out.append(buffer, n);
    ::close(fd);
    return out;
}

bool present(const QByteArray &path)
{
    struct stat st;
    return ::lstat(path.constData(), &st) == 0;
}

// Every name in a folder, as bytes, sorted.
QList<QByteArray> namesIn(const QByteArray &folder)
{
    QList<QByteArray> names;
    if (DIR *d = ::opendir(folder.constData())) {
        while (const dirent *e = ::readdir(d))
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
                names << QByteArray(e->d_name);
        ::closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Before QCoreApplication starts any thread.
const QString mountNamespace = test::SmallFileSystem::prepare();

} // namespace

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
    void namesAsBytes_data();
    void namesAsBytes();
    void removeFolderTreeFollowsNoLink();
    void writeFileThroughLink();
    void foldersFromTheSystem();
    void driveRootOfAFolderNamedInLatin1();
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

void TestPlatform::namesAsBytes_data()
{
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("neighbour"); // differs from file only where it does not decode
    QTest::newRow("latin-1 from an old share")
        << QByteArray("Kl\xe4nge") << QByteArray("caf\xe9.wav") << QByteArray("caf\xe8.wav");
    QTest::newRow("utf-8") << QByteArray("Kl\xc3\xa4nge") << QByteArray("caf\xc3\xa9.wav")
                           << QByteArray("caf\xc3\xa8.wav");
    QTest::newRow("cut sequence") << QByteArray("x\xc3") << QByteArray("a\xc3.bmp")
                                  << QByteArray("a\xc4.bmp");
    QTest::newRow("lone high bytes")
        << QByteArray("\xff\xfe") << QByteArray("\x80\x81.ico") << QByteArray("\x80\x82.ico");
}

// Every operation finds, sizes, lists, writes and removes a name by its very bytes, and never
// touches a name that only looks the same once decoded.
void TestPlatform::namesAsBytes()
{
    QFETCH(QByteArray, folder);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, neighbour);
    QTemporaryDir dir;
    LinuxPlatform p;
    const QByteArray top = QFile::encodeName(dir.path());
    const QByteArray inner = top + '/' + folder;
    QCOMPARE(::mkdir(inner.constData(), 0755), 0);
    createFile(inner + '/' + file, "RIFF1");
    createFile(inner + '/' + neighbour, "abc");
    const QString folderName = nativename::decode(inner);
    const QString fileName = nativename::decode(inner + '/' + file);

    QVERIFY(p.folderExists(folderName));
    QVERIFY(!p.fileExists(folderName));
    QVERIFY(p.fileExists(fileName));
    QVERIFY(!p.folderExists(fileName));
    QCOMPARE(p.fileSize(fileName), qint64(5));
    QCOMPARE(p.fileSize(nativename::decode(inner + '/' + neighbour)), qint64(3));
    QCOMPARE(p.listFolder(QString::fromUtf8(top)).folders, QStringList{nativename::decode(folder)});
    QStringList files = p.listFolder(folderName).files;
    files.sort();
    QStringList expected{nativename::decode(file), nativename::decode(neighbour)};
    expected.sort();
    QCOMPARE(files, expected);

    struct timespec times[2] = {{0, UTIME_OMIT}, {1700000000, 0}};
    QCOMPARE(::utimensat(AT_FDCWD, (inner + '/' + file).constData(), times, 0), 0);
    QCOMPARE(nativefile::lastWriteTime(fileName),
             std::optional<QDateTime>(QDateTime::fromSecsSinceEpoch(1700000000)));

    const QByteArray link = top + "/link-" + folder;
    QCOMPARE(::symlink(folder.constData(), link.constData()), 0);
    QVERIFY(p.isLink(nativename::decode(link)));
    QVERIFY(!p.isLink(folderName));
    char real[PATH_MAX];
    QVERIFY(::realpath(inner.constData(), real));
    QCOMPARE(p.resolvedPath(nativename::decode(link)), nativename::decode(real));
    QCOMPARE(p.canonicalFolder(nativename::decode(link)), nativename::decode(real));
    QCOMPARE(p.shortPath(fileName), fileName);

    const QByteArray made = inner + "/new-" + folder + "/deeper";
    QVERIFY(p.createFolder(nativename::decode(made)));
    QVERIFY(present(made));
    const QByteArray script = inner + "/script-" + file + ".rc";
    QCOMPARE(p.writeFile(nativename::decode(script), "line\r\n"), QString());
    QCOMPARE(contents(script), QByteArray("line\r\n"));
    QList<QByteArray> written{file, neighbour, "new-" + folder, "script-" + file + ".rc"};
    std::sort(written.begin(), written.end());
    QCOMPARE(namesIn(inner), written);

    QVERIFY(p.removeFile(fileName));
    QVERIFY(!present(inner + '/' + file));
    QVERIFY(present(inner + '/' + neighbour));
    QVERIFY(!p.removeFile(fileName));
    QVERIFY(p.removeFolderTree(folderName));
    QVERIFY(!present(inner));
    QCOMPARE(namesIn(top), QList<QByteArray>{"link-" + folder});
    test::removeTree(top);
}

void TestPlatform::removeFolderTreeFollowsNoLink()
{
    QTemporaryDir dir;
    LinuxPlatform p;
    const QByteArray top = QFile::encodeName(dir.path());
    QCOMPARE(::mkdir((top + "/keep").constData(), 0755), 0);
    createFile(top + "/keep/mine.txt", "mine");
    QCOMPARE(::mkdir((top + "/tree").constData(), 0755), 0);
    QCOMPARE(::symlink("../keep", (top + "/tree/into-keep").constData()), 0);
    QCOMPARE(::symlink("keep", (top + "/link-to-keep").constData()), 0);
    // A folder named by a link is not deleted through it: what it leads to is someone's.
    QVERIFY(!p.removeFolderTree(dir.filePath("link-to-keep")));
    QCOMPARE(contents(top + "/keep/mine.txt"), QByteArray("mine"));
    // A link inside the tree goes as a link.
    QVERIFY(p.removeFolderTree(dir.filePath("tree")));
    QVERIFY(!present(top + "/tree"));
    QCOMPARE(contents(top + "/keep/mine.txt"), QByteArray("mine"));
}

void TestPlatform::writeFileThroughLink()
{
    QTemporaryDir dir;
    LinuxPlatform p;
    const QByteArray top = QFile::encodeName(dir.path());
    QCOMPARE(::mkdir((top + "/real").constData(), 0755), 0);
    createFile(top + "/real/App.rc", "old");
    QCOMPARE(::chmod((top + "/real/App.rc").constData(), 0640), 0);
    QCOMPARE(::symlink("real/App.rc", (top + "/App.rc").constData()), 0);
    QCOMPARE(::symlink("real/New.rc", (top + "/New.rc").constData()), 0); // leads nowhere yet
    QCOMPARE(p.writeFile(dir.filePath("App.rc"), "new"), QString());
    QCOMPARE(p.writeFile(dir.filePath("New.rc"), "made"), QString());
    // The links stay links; the files they name are replaced whole, keeping their permissions.
    QVERIFY(p.isLink(dir.filePath("App.rc")));
    QVERIFY(p.isLink(dir.filePath("New.rc")));
    QCOMPARE(contents(top + "/real/App.rc"), QByteArray("new"));
    QCOMPARE(contents(top + "/real/New.rc"), QByteArray("made"));
    struct stat st;
    QCOMPARE(::stat((top + "/real/App.rc").constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0640));
    QCOMPARE(namesIn(top + "/real"), QList<QByteArray>({"App.rc", "New.rc"}));
    // A folder in the file's place is no file to replace.
    QVERIFY(!p.writeFile(dir.path(), "x").isEmpty());
}

// The environment and the current folder give bytes: a home folder named in Latin-1 is that
// folder, not one spelled with U+FFFD.
void TestPlatform::foldersFromTheSystem()
{
    const QByteArray home = qgetenv("HOME"), temp = qgetenv("TMPDIR"),
                     config = qgetenv("XDG_CONFIG_HOME");
    const bool hadConfig = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    LinuxPlatform p;
    qputenv("HOME", "/home/j\xf6rg");
    qputenv("TMPDIR", "/var/t\xe9mp/");
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(p.homeFolder(), nativename::decode("/home/j\xf6rg"));
    QCOMPARE(p.tempFolder(), nativename::decode("/var/t\xe9mp/"));
    QCOMPARE(Registry::userFile(),
             nativename::decode("/home/j\xf6rg/.config/Tolvane/registry.reg"));
    qputenv("XDG_CONFIG_HOME", "/etc/c\xe9");
    QCOMPARE(Registry::userFile(), nativename::decode("/etc/c\xe9/Tolvane/registry.reg"));
    qputenv("XDG_CONFIG_HOME", "relative"); // not a folder the desktop would use
    QCOMPARE(Registry::userFile(),
             nativename::decode("/home/j\xf6rg/.config/Tolvane/registry.reg"));
    qputenv("HOME", home);
    qputenv("TMPDIR", temp);
    if (hadConfig)
        qputenv("XDG_CONFIG_HOME", config);
    else
        qunsetenv("XDG_CONFIG_HOME");
    if (temp.isEmpty())
        qunsetenv("TMPDIR");

    QTemporaryDir dir;
    char real[PATH_MAX];
    QVERIFY(::realpath(QFile::encodeName(dir.path()).constData(), real));
    const QByteArray here = QByteArray(real) + "/h\xe9re";
    QCOMPARE(::mkdir(here.constData(), 0755), 0);
    char before[PATH_MAX];
    QVERIFY(::getcwd(before, sizeof before));
    QCOMPARE(::chdir(here.constData()), 0);
    const QString current = p.currentFolder();
    QCOMPARE(::chdir(before), 0);
    ::rmdir(here.constData());
    QCOMPARE(current, nativename::decode(here));
}

void TestPlatform::driveRootOfAFolderNamedInLatin1()
{
    test::SmallFileSystem fs;
    if (!fs.isMounted())
        QSKIP(qPrintable(fs.whyNot()));
    char real[PATH_MAX];
    QVERIFY(::realpath(QFile::encodeName(fs.filePath(QString())).constData(), real));
    const QByteArray folder = QByteArray(real) + "/Ausgabe-\xe4/tief";
    QCOMPARE(::mkdir(folder.left(folder.lastIndexOf('/')).constData(), 0755), 0);
    QCOMPARE(::mkdir(folder.constData(), 0755), 0);
    LinuxPlatform p;
    // The volume's root is the small file system's, not the one that holds the test's folder.
    QCOMPARE(p.driveRoot(nativename::decode(folder)), QString::fromUtf8(real) + QLatin1Char('/'));
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
