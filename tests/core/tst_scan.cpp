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
#include <sys/stat.h>
#include <unistd.h>

using namespace tolvane;

namespace {
// Made by their bytes: QFile would write another name for one that is not UTF-8.
bool makeRaw(const QByteArray &path, const QByteArray &bytes = "data")
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    return ::close(fd) == 0 && ok;
}

class Recorder : public ScanListener
{
  public:
    void visiting(const QString &, const QString &) override {}
    bool isDuplicate(const QString &) override { return false; }
    void add(const QString &path) override { added << path; }
    QStringList added;
};
} // namespace

class TestScan : public QObject
{
    Q_OBJECT

  private slots:
    void passes_data();
    void passes();
    void namesThatAreNotUtf8();
    void onlyFilesAndFolders();
    void unreadFoldersAreReturned();
    void unreadText();
};

void TestScan::passes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("passes");
    QTest::newRow("any kind") << "/a/b.Bmp" << 0 << true;
    QTest::newRow("its own kind") << "/a/b.ICO" << 7 << true;
    QTest::newRow("another kind") << "/a/b.ico" << 3 << false;
    QTest::newRow("no kind") << "/a/b.txt" << 0 << false;
    QTest::newRow("a longer extension") << "/a/b.jpeg" << 0 << false;
    QTest::newRow("dot in the folder only") << "/a.bmp/b" << 0 << false;
    QTest::newRow("a name that is only an extension") << "/a/.wav" << 12 << true;
    // Upper-cased as a whole: the dotless i becomes I.
    QTest::newRow("dotless i") << "/a/b.\u0131co" << 7 << true;
    QTest::newRow("position out of range") << "/a/b.bmp" << 13 << false;
}

void TestScan::passes()
{
    QFETCH(QString, path);
    QFETCH(int, position);
    QFETCH(bool, passes);
    QCOMPARE(FolderScan::passes(path, position), passes);
}

void TestScan::namesThatAreNotUtf8()
{
    QTemporaryDir dir;
    const QByteArray root = QFile::encodeName(dir.path());
    QVERIFY(::mkdir((root + "/Stra\xdf" + "e").constData(), 0755) == 0);
    QVERIFY(makeRaw(root + "/caf\xe9.wav", "latin one"));
    QVERIFY(makeRaw(root + "/Stra\xdf" + "e/b\xfc" + "cher.bmp", "in a folder"));
    QVERIFY(makeRaw(root + "/plain.ico"));
    LinuxPlatform platform;
    Recorder r;
    QVERIFY(FolderScan(platform, r).run(dir.path(), true, 0).isEmpty());
    QStringList bytes;
    for (const QString &p : std::as_const(r.added))
        bytes << QString::fromLatin1(nativename::encode(p).toPercentEncoding("/"));
    bytes.sort();
    const QString at = QString::fromLatin1(root.toPercentEncoding("/"));
    QCOMPARE(bytes,
             (QStringList{at + "/Stra%DFe/b%FCcher.bmp", at + "/caf%E9.wav", at + "/plain.ico"}));
    // Each name found leads back to its file.
    for (const QString &p : std::as_const(r.added)) {
        struct stat st
        {
        };
        QVERIFY2(::stat(nativename::encode(p).constData(), &st) == 0, qPrintable(p));
    }
    // Names Qt's own clean-up cannot spell.
    QCOMPARE(QProcess::execute("rm", {"-rf", dir.path()}), 0);
}

void TestScan::onlyFilesAndFolders()
{
    QTemporaryDir dir;
    const QString d = dir.path();
    QVERIFY(makeRaw(QFile::encodeName(d + "/real.bmp")));
    QVERIFY(QDir(d).mkdir("sub"));
    QVERIFY(makeRaw(QFile::encodeName(d + "/sub/inner.ico")));
    QVERIFY(QFile::link(d + "/real.bmp", d + "/link.bmp"));
    QVERIFY(QFile::link(d + "/gone.bmp", d + "/broken.bmp"));
    QVERIFY(QFile::link(d + "/sub", d + "/linked"));
    QCOMPARE(::mkfifo(QFile::encodeName(d + "/pipe.wav").constData(), 0600), 0);
    LinuxPlatform platform;
    const FolderListing listing = platform.listFolder(d + "/");
    QStringList files = listing.files, folders = listing.folders;
    files.sort();
    folders.sort();
    QCOMPARE(files, (QStringList{"link.bmp", "real.bmp"}));
    QCOMPARE(folders, (QStringList{"linked", "sub"}));
    QVERIFY(listing.error.isEmpty());
    // The link and the folder are one folder: scanned once.
    Recorder r;
    FolderScan(platform, r).run(d, true, 0);
    r.added.sort();
    QCOMPARE(r.added.size(), 3);
    QCOMPARE(r.added.filter("inner.ico").size(), 1);
}

void TestScan::unreadFoldersAreReturned()
{
    QTemporaryDir dir;
    // A tree deeper than a path can name: every folder is made from the one above it.
    const QByteArray part(200, 'd');
    int fd = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
    QVERIFY(fd >= 0);
    QString deep = dir.path() + "/top";
    QVERIFY(::mkdirat(fd, "top", 0755) == 0);
    int next = ::openat(fd, "top", O_RDONLY | O_DIRECTORY);
    ::close(fd);
    fd = next;
    for (int i = 0; i < 22; ++i) {
        QVERIFY(::mkdirat(fd, part.constData(), 0755) == 0);
        next = ::openat(fd, part.constData(), O_RDONLY | O_DIRECTORY);
        QVERIFY(next >= 0);
        ::close(fd);
        fd = next;
        deep += "/" + QString::fromLatin1(part);
    }
    const int file = ::openat(fd, "deep.bmp", O_WRONLY | O_CREAT, 0644);
    QVERIFY(file >= 0);
    ::close(file);
    ::close(fd);
    QVERIFY(makeRaw(QFile::encodeName(dir.path() + "/top/near.bmp")));
    QVERIFY(QFile::encodeName(deep).size() > 4096);

    LinuxPlatform platform;
    Recorder r;
    const QList<UnreadFolder> unread = FolderScan(platform, r).run(dir.path(), true, 0);
    QCOMPARE(r.added, QStringList{dir.path() + "/top/near.bmp"});
    QCOMPARE(unread.size(), 1);
    QVERIFY(unread.first().folder.endsWith(QString::fromLatin1(part) + "/"));
    QVERIFY(QFile::encodeName(unread.first().folder).size() > 4096);
    QCOMPARE(unread.first().reason, QString::fromLocal8Bit(strerror(ENAMETOOLONG)));
    // Deeper than the temporary folder's own clean-up reaches.
    QCOMPARE(QProcess::execute("rm", {"-rf", dir.path() + "/top"}), 0);

    // A folder without read permission, for a user the permissions hold for.
    QVERIFY(QDir(dir.path()).mkdir("locked"));
    QVERIFY(makeRaw(QFile::encodeName(dir.path() + "/locked/hidden.bmp")));
    QVERIFY(::chmod(QFile::encodeName(dir.path() + "/locked").constData(), 0) == 0);
    const bool readable =
        ::access(QFile::encodeName(dir.path() + "/locked").constData(), R_OK) == 0;
    Recorder again;
    const QList<UnreadFolder> locked =
        FolderScan(platform, again).run(dir.path() + "/locked", true, 0);
    ::chmod(QFile::encodeName(dir.path() + "/locked").constData(), 0755);
    if (readable)
        QSKIP("this user reads folders without read permission");
    QVERIFY(again.added.isEmpty());
    QCOMPARE(locked, (QList<UnreadFolder>{
                         {dir.path() + "/locked/", QString::fromLocal8Bit(strerror(EACCES))}}));
}

void TestScan::unreadText()
{
    QList<UnreadFolder> two = {
        {"/art/locked/", "Permission denied"},
        {QString::fromUtf8("/art/caf") + QChar(0xDCE9) + "/", "Permission denied"}};
    QCOMPARE(FolderScan::unreadText(two),
             QString::fromUtf8("One or more folder(s) could not be read; their files were not "
                               "added to the list:\r/art/locked/ (Permission denied)\r/art/caf"
                               "\xEF\xBF\xBD/ (Permission denied)"));
    QList<UnreadFolder> many;
    for (int i = 0; i < 12; ++i)
        many << UnreadFolder{QStringLiteral("/f%1/").arg(i), "x"};
    const QString text = FolderScan::unreadText(many);
    QVERIFY(text.contains("\r/f9/ (x)\r...and 2 more."));
    QVERIFY(!text.contains("/f10/"));
    // A path too long to show whole shows its start and its end.
    const QString longPath = "/start/" + QString(5000, 'x') + "/end/";
    const QString shown = FolderScan::unreadText({{longPath, "File name too long"}});
    QVERIFY(shown.contains("\r/start/xxx"));
    QVERIFY(shown.contains("...xxx"));
    QVERIFY(shown.endsWith("xxx/end/ (File name too long)"));
    QVERIFY(shown.size() < 400);
}

QTEST_GUILESS_MAIN(TestScan)
#include "tst_scan.moc"
