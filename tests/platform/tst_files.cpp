// Every atomic write and every move on a real, small, nearly full file system: a file that does
// not fit is reported and the old one stays as it was; moves that meet links and each other.
#include "Fixtures.h"
#include "core/LibraryProjectWriter.h"
#include "core/ProjectFile.h"
#include "core/StringTable.h"
#include "core/TextFile.h"
#include "platform/LinuxPlatform.h"
#include "platform/NativeName.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <unistd.h>

using namespace tolvane;

namespace {

const char settingsKey[] = "\\SOFTWARE\\Kelvadore\\Tolvane";

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool writeAll(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

class ValuesTarget : public SettingsTarget
{
  public:
    QHash<QString, QVariant> values;
    void apply(const SequenceItem &, const QVariant &) override {}
    QVariant current(const SequenceItem &item) const override { return values.value(item.name); }
};

// Everything in a folder but the fillers of a full disk, hidden files included.
QStringList contentsOf(const QString &folder)
{
    return QDir(folder)
        .entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)
        .filter(QRegularExpression("^(?!filler-)"));
}

// Before QCoreApplication starts any thread.
const QString mountNamespace = test::SmallFileSystem::prepare();

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

  private slots:
    void generatedFileOnNearlyFullDisk_data();
    void generatedFileOnNearlyFullDisk();
    void registryOnNearlyFullDisk();
    void settingsSaveOnFullDiskNamesTheFirstValue();
    void moveAcrossFileSystems_data();
    void moveAcrossFileSystems();
    void linkAtTargetIsNeverFollowed_data();
    void linkAtTargetIsNeverFollowed();
    void concurrentMovesTakeDistinctNames_data();
    void concurrentMovesTakeDistinctNames();
    void moveOntoItselfStays();
    void nameThatIsNotUtf8_data();
    void nameThatIsNotUtf8();
    void freeSpaceWithoutMountTable();
};

void TestFiles::generatedFileOnNearlyFullDisk_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<int>("freePages");
    QTest::addColumn<bool>("existed");
    QTest::addColumn<bool>("fits");
    QTest::newRow("project file of 300 entries, one page free") << "project" << 1 << true << false;
    QTest::newRow("script, one page free") << "script" << 1 << true << false;
    QTest::newRow("library project, disk full") << "library" << 0 << true << false;
    QTest::newRow("string table export, disk full") << "strings" << 0 << false << false;
    QTest::newRow("project file of 300 entries, room enough") << "project" << 6 << true << true;
    QTest::newRow("library project, room enough") << "library" << 1 << false << true;
}

void TestFiles::generatedFileOnNearlyFullDisk()
{
    QFETCH(QString, writer);
    QFETCH(int, freePages);
    QFETCH(bool, existed);
    QFETCH(bool, fits);
    test::SmallFileSystem fs;
    if (!fs.isMounted())
        QSKIP(qPrintable(fs.whyNot()));
    const QByteArray old = "old contents\r\n";
    QString path;
    WriteResult result;
    QByteArray expected;
    const auto prepare = [&](const QString &name) {
        path = fs.filePath(name);
        QVERIFY(!existed || writeAll(path, old));
        QVERIFY(fs.leaveFree(freePages));
    };
    if (writer == "project") {
        QStringList paths;
        for (int i = 0; i < 300; ++i)
            paths << QStringLiteral("/home/user/art/icons/icon%1.ico")
                         .arg(i, 3, 10, QLatin1Char('0'));
        expected = paths.join("\r\n").toUtf8() + "\r\n";
        prepare("Icons.tpf");
        LinuxPlatform platform;
        result = ProjectFile::write(platform, path, paths);
    } else if (writer == "script") {
        QStringList lines;
        for (int i = 1; i <= 120; ++i)
            lines << QStringLiteral(
                         "A%1 ICON \"/home/user/art/icons/icon%1.ico\" ; size: 766 Bytes")
                         .arg(i);
        expected = lines.join("\r\n").toUtf8() + "\r\n";
        prepare("Icons.rc");
        LinuxPlatform platform;
        result = TextFile::write(platform, path, lines);
    } else if (writer == "library") {
        LibrarySettings s;
        s.libraryName = "Icons";
        s.scriptName = "Icons";
        s.programFolder = fs.filePath(QString());
        prepare("Icons.dpr");
        LinuxPlatform platform;
        result = LibraryProjectWriter::write(platform, s);
        expected = "\r\nLibrary Icons;\r\n";
    } else {
        StringTable table;
        table.insert("Hello");
        prepare("Strings.rc");
        LinuxPlatform platform;
        result = table.exportTo(platform, path);
        expected = "STRINGTABLE";
    }
    QCOMPARE(result.ok, fits);
    const QStringList beside = QDir(fs.filePath(QString()))
                                   .entryList(QDir::Files)
                                   .filter(QRegularExpression("^(?!filler-)"));
    if (fits) {
        QVERIFY(result.error.isEmpty());
        if (writer == "project")
            QCOMPARE(readAll(path), expected);
        else
            QVERIFY(readAll(path).contains(expected));
    } else {
        QCOMPARE(result.error, "Cannot create file " + path);
        QCOMPARE(readAll(path), existed ? old : QByteArray("<missing>"));
    }
    // No half-written file is left beside it either.
    QCOMPARE(beside, existed || fits ? QStringList{QFileInfo(path).fileName()} : QStringList());
}

void TestFiles::registryOnNearlyFullDisk()
{
    test::SmallFileSystem fs;
    if (!fs.isMounted())
        QSKIP(qPrintable(fs.whyNot()));
    const QString file = fs.filePath("r.reg");
    Registry reg(file);
    QVERIFY(reg.createKey(RegRoot::CurrentUser, "Tolvane\\History"));
    {
        Registry::Batch batch(reg);
        for (int i = 0; i < 60; ++i)
            QVERIFY(reg.setText(RegRoot::CurrentUser, "Tolvane\\History",
                                QStringLiteral("n%1").arg(i),
                                QStringLiteral("/home/user/destinations/%1/").arg(i) +
                                    QString(60, QLatin1Char('d'))));
        QVERIFY(batch.commit());
    }
    const QByteArray old = readAll(file);
    QVERIFY(old.size() > test::SmallFileSystem::pageSize);
    // One page for the new file (the lock is held by the system and takes none): it would be cut
    // at 4 KB.
    QVERIFY(fs.leaveFree(1));

    QVERIFY(!reg.setText(RegRoot::CurrentUser, "Tolvane\\History", "n0", "/elsewhere/"));
    QCOMPARE(readAll(file), old);
    {
        Registry::Batch batch(reg);
        QVERIFY(reg.setText(RegRoot::CurrentUser, "Tolvane\\History", "n1", "/elsewhere/"));
        QVERIFY(reg.deleteValue(RegRoot::CurrentUser, "Tolvane\\History", "n2"));
        QVERIFY(!batch.commit());
    }
    QCOMPARE(readAll(file), old);
    // What did not reach the disk is not shown as stored either.
    QCOMPARE(reg.value(RegRoot::CurrentUser, "Tolvane\\History", "n1")->text,
             "/home/user/destinations/1/" + QString(60, QLatin1Char('d')));
    QVERIFY(reg.value(RegRoot::CurrentUser, "Tolvane\\History", "n2").has_value());
    Registry next(file);
    QCOMPARE(next.problem(), QString());
    QCOMPARE(next.valueNames(RegRoot::CurrentUser, "Tolvane\\History").size(), 60);

    for (const QString &filler : QDir(fs.filePath(QString())).entryList({"filler-*"}))
        QVERIFY(QFile::remove(fs.filePath(filler)));
    QVERIFY(reg.setText(RegRoot::CurrentUser, "Tolvane\\History", "n0", "/elsewhere/"));
    QCOMPARE(Registry(file).value(RegRoot::CurrentUser, "Tolvane\\History", "n0")->text,
             QStringLiteral("/elsewhere/"));
}

void TestFiles::settingsSaveOnFullDiskNamesTheFirstValue()
{
    test::SmallFileSystem fs;
    if (!fs.isMounted())
        QSKIP(qPrintable(fs.whyNot()));
    const QString file = fs.filePath("r.reg");
    Registry reg(file);
    SettingsStore store(reg);
    QVERIFY(store.createSettingsKey());
    QVERIFY(store.writeText(Setting::ScriptName, "Icons"));
    QVERIFY(store.writeText(Setting::LibraryName, "IconLib"));
    const QByteArray old = readAll(file);
    QVERIFY(fs.leaveFree(1));
    ValuesTarget target;
    // Each fits alone; the two together do not.
    target.values["Script Name"] = QString(3000, QLatin1Char('s'));
    target.values["Library Name"] = QString(3000, QLatin1Char('l'));
    const Sequence sequence{SequenceItem(Setting::ScriptName), SequenceItem(Setting::LibraryName)};
    QCOMPARE(store.save(sequence, target), QStringLiteral("Failed to set data for 'Script Name'"));
    QCOMPARE(readAll(file), old);
}

void TestFiles::moveAcrossFileSystems_data()
{
    QTest::addColumn<int>("freePages");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("arrives"); // empty: the move fails
    // 11,264 bytes take three pages of 4,096.
    QTest::newRow("two pages free") << 2 << false << "";
    QTest::newRow("three pages free") << 3 << false << "Out.dll";
    QTest::newRow("name taken, three pages free") << 3 << true << "Out (2).dll";
    QTest::newRow("name taken, two pages free") << 2 << true << "";
}

void TestFiles::moveAcrossFileSystems()
{
    QFETCH(int, freePages);
    QFETCH(bool, taken);
    QFETCH(QString, arrives);
    test::SmallFileSystem fs;
    if (!fs.isMounted())
        QSKIP(qPrintable(fs.whyNot()));
    QTemporaryDir program;
    const QString source = program.filePath("Out.dll");
    QByteArray dll(11264, '\0');
    for (int i = 0; i < dll.size(); ++i)
        dll[i] = char(i * 7 % 251);
    QVERIFY(writeAll(source, dll));
    const QString dest = fs.filePath("dest");
    QVERIFY(QDir().mkpath(dest));
    if (taken)
        QVERIFY(writeAll(dest + "/Out.dll", "someone else's"));
    QVERIFY(fs.leaveFree(freePages));

    const QStringList moved = LinuxPlatform().moveFiles({source}, dest);
    QCOMPARE(moved.size(), 1);
    if (arrives.isEmpty()) {
        QCOMPARE(moved.first(), QString());
        QCOMPARE(readAll(source), dll);
        // Nothing partial under any name, the output's own or a temporary one.
        QCOMPARE(contentsOf(dest), taken ? QStringList{"Out.dll"} : QStringList());
    } else {
        QCOMPARE(moved.first(), dest + "/" + arrives);
        QCOMPARE(readAll(moved.first()), dll);
        QVERIFY(!QFile::exists(source));
        QCOMPARE(contentsOf(dest).size(), taken ? 2 : 1);
    }
    if (taken)
        QCOMPARE(readAll(dest + "/Out.dll"), QByteArray("someone else's"));
}

void TestFiles::linkAtTargetIsNeverFollowed_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<bool>("acrossFileSystems");
    QTest::addColumn<bool>("dangling");
    QTest::newRow("move, one file system, dangling link") << "move" << false << true;
    QTest::newRow("move, across file systems, dangling link") << "move" << true << true;
    QTest::newRow("move, one file system, link to a file") << "move" << false << false;
    QTest::newRow("rename, dangling link") << "rename" << false << true;
    QTest::newRow("copy, across file systems, dangling link") << "copy" << true << true;
}

void TestFiles::linkAtTargetIsNeverFollowed()
{
    QFETCH(QString, operation);
    QFETCH(bool, acrossFileSystems);
    QFETCH(bool, dangling);
    std::unique_ptr<test::SmallFileSystem> fs;
    QTemporaryDir local;
    QString root = local.path();
    if (acrossFileSystems) {
        fs = std::make_unique<test::SmallFileSystem>(64);
        if (!fs->isMounted())
            QSKIP(qPrintable(fs->whyNot()));
        root = QDir::cleanPath(fs->filePath(QString()));
    }
    QTemporaryDir program;
    const QString source = (acrossFileSystems ? program.path() : local.path()) + "/Out.dll";
    QVERIFY(writeAll(source, "the new library"));
    const QString dest = root + "/dest";
    const QString outside = root + "/outside/victim.dll";
    QVERIFY(QDir().mkpath(dest));
    QVERIFY(QDir().mkpath(root + "/outside"));
    if (!dangling)
        QVERIFY(writeAll(outside, "the user's file"));
    QVERIFY(QFile::link(outside, dest + "/Out.dll"));

    LinuxPlatform p;
    if (operation == "move") {
        QCOMPARE(p.moveFiles({source}, dest), QStringList{dest + "/Out (2).dll"});
        QCOMPARE(readAll(dest + "/Out (2).dll"), QByteArray("the new library"));
    } else if (operation == "rename") {
        QVERIFY(!p.renameFile(source, dest + "/Out.dll"));
        QCOMPARE(readAll(source), QByteArray("the new library"));
    } else {
        QCOMPARE(p.copyFile(source, dest + "/Out.dll"), Platform::CopyResult::TargetExists);
    }
    QCOMPARE(QFileInfo(dest + "/Out.dll").symLinkTarget(), outside);
    QCOMPARE(readAll(outside), dangling ? QByteArray("<missing>") : QByteArray("the user's file"));
}

void TestFiles::concurrentMovesTakeDistinctNames_data()
{
    QTest::addColumn<bool>("acrossFileSystems");
    QTest::newRow("one file system") << false;
    QTest::newRow("across file systems") << true;
}

void TestFiles::concurrentMovesTakeDistinctNames()
{
    QFETCH(bool, acrossFileSystems);
    constexpr int processes = 8, rounds = 40;
    std::unique_ptr<test::SmallFileSystem> fs;
    QTemporaryDir local;
    QString dest = local.filePath("dest");
    if (acrossFileSystems) {
        fs = std::make_unique<test::SmallFileSystem>(processes * rounds * 8);
        if (!fs->isMounted())
            QSKIP(qPrintable(fs->whyNot()));
        dest = fs->filePath("dest");
    }
    // A gate a round, held shut until all are waiting on it: then they start together.
    QVERIFY(QDir().mkpath(local.filePath("gates")));
    std::vector<std::unique_ptr<QFile>> gates;
    for (int k = 0; k < rounds; ++k) {
        gates.push_back(std::make_unique<QFile>(local.filePath("gates/%1").arg(k)));
        QVERIFY(gates.back()->open(QIODevice::WriteOnly));
        QCOMPARE(::flock(gates.back()->handle(), LOCK_EX), 0);
    }
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int i = 0; i < processes; ++i) {
        auto run = std::make_unique<QProcess>();
        run->start(MOVEHELPER,
                   {"move", local.filePath("sources"), dest, QStringLiteral("build%1").arg(i),
                    QString::number(rounds), local.filePath("gates")});
        QVERIFY(run->waitForStarted());
        runs.push_back(std::move(run));
    }
    const auto nextLine = [](QProcess &run) {
        while (!run.canReadLine())
            if (!run.waitForReadyRead(30000))
                return QByteArray("<no answer> ") + run.readAllStandardError();
        return run.readLine().chopped(1);
    };
    for (auto &run : runs)
        QCOMPARE(nextLine(*run), QByteArray("ready"));
    // Each round every process moves an "Out.dll" into the same empty folder at once.
    for (int k = 0; k < rounds; ++k) {
        const QString folder = dest + "/" + QString::number(k);
        QVERIFY(QDir().mkpath(folder));
        gates[k]->close();
        QHash<QString, int> places;
        for (int i = 0; i < processes; ++i) {
            const QByteArray line = nextLine(*runs[i]);
            QVERIFY2(line.startsWith(QByteArray::number(k) + ' '), line.constData());
            const QString place = QString::fromUtf8(line.mid(line.indexOf(' ') + 1));
            QVERIFY2(place.startsWith(folder + "/Out"), line.constData());
            QVERIFY2(!places.contains(place), qPrintable("two moves name " + place));
            places.insert(place, i);
        }
        QCOMPARE(contentsOf(folder).size(), processes);
        // Each file holds the data of the process that names it, whole.
        for (auto it = places.cbegin(); it != places.cend(); ++it)
            QVERIFY2(readAll(it.key()) == "build" + QByteArray::number(it.value()) + ' ' +
                                              QByteArray::number(k) + '\n' +
                                              QByteArray(20000, char('a' + k % 26)),
                     qPrintable(it.key()));
    }
    for (auto &run : runs) {
        QVERIFY(run->waitForFinished(30000));
        QCOMPARE(run->exitCode(), 0);
    }
}

void TestFiles::moveOntoItselfStays()
{
    QTemporaryDir dir, elsewhere;
    QVERIFY(writeAll(dir.filePath("Out.dll"), "built here"));
    QVERIFY(QFile::link(dir.path(), elsewhere.filePath("again")));
    LinuxPlatform p;
    // The folder by its own name and by a link to it.
    QCOMPARE(p.moveFiles({dir.filePath("Out.dll")}, dir.path()),
             QStringList{dir.filePath("Out.dll")});
    QCOMPARE(p.moveFiles({dir.filePath("Out.dll")}, elsewhere.filePath("again")),
             QStringList{dir.filePath("Out.dll")});
    QCOMPARE(contentsOf(dir.path()), QStringList{"Out.dll"});
    QCOMPARE(readAll(dir.filePath("Out.dll")), QByteArray("built here"));
}

void TestFiles::nameThatIsNotUtf8_data()
{
    QTest::addColumn<bool>("acrossFileSystems");
    QTest::newRow("one file system") << false;
    QTest::newRow("across file systems") << true;
}

void TestFiles::nameThatIsNotUtf8()
{
    QFETCH(bool, acrossFileSystems);
    std::unique_ptr<test::SmallFileSystem> fs;
    QTemporaryDir local, program;
    QString dest = local.filePath("dest");
    if (acrossFileSystems) {
        fs = std::make_unique<test::SmallFileSystem>(64);
        if (!fs->isMounted())
            QSKIP(qPrintable(fs->whyNot()));
        dest = fs->filePath("dest");
    }
    QVERIFY(QDir().mkpath(dest));
    const QString from = (acrossFileSystems ? program.path() : local.path()) + "/";
    // "caf\xE9.dll" in Latin-1, from an old share: a name whose bytes are not UTF-8.
    const auto make = [](const QByteArray &path, const QByteArray &data) {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        const bool ok = fd >= 0 && ::write(fd, data.constData(), data.size()) == data.size();
        ::close(fd);
        return ok;
    };
    QVERIFY(make(QFile::encodeName(from) + "caf\xE9.dll", "the new library"));
    QVERIFY(make(QFile::encodeName(dest) + "/caf\xE9.dll", "the library there"));

    const QStringList moved =
        LinuxPlatform().moveFiles({from + nativename::decode("caf\xE9.dll")}, dest);
    QCOMPARE(moved, QStringList{dest + "/" + nativename::decode("caf\xE9 (2).dll")});
    const auto read = [](const QByteArray &path) {
        char buffer[64] = {};
        const int fd = ::open(path.constData(), O_RDONLY);
        const ssize_t n = fd >= 0 ? ::read(fd, buffer, sizeof buffer) : -1;
        ::close(fd);
        return n < 0 ? QByteArray("<missing>") : QByteArray(buffer, int(n));
    };
    QCOMPARE(read(QFile::encodeName(dest) + "/caf\xE9 (2).dll"), QByteArray("the new library"));
    QCOMPARE(read(QFile::encodeName(dest) + "/caf\xE9.dll"), QByteArray("the library there"));
    QCOMPARE(read(QFile::encodeName(from) + "caf\xE9.dll"), QByteArray("<missing>"));
}

void TestFiles::freeSpaceWithoutMountTable()
{
    // A build chroot: its root is no mount point and it has no /proc.
    if (::geteuid() != 0)
        QSKIP("entering a chroot needs root");
    QTemporaryDir root;
    QProcess helper;
    helper.start(MOVEHELPER, {"space", root.path()});
    QVERIFY(helper.waitForFinished(30000));
    QCOMPARE(helper.exitCode(), 0);
    const QList<QByteArray> answer = helper.readAllStandardOutput().trimmed().split(' ');
    QCOMPARE(answer.size(), 2);
    QVERIFY2(answer.at(0).toLongLong() > 0, answer.at(0).constData());
    QVERIFY2(answer.at(1).toLongLong() >= 512, answer.at(1).constData());
}

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
