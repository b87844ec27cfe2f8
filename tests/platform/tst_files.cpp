// Every atomic write on a real, small, nearly full file system: a file that does not fit is
// reported and the old one stays as it was.
#include "Fixtures.h"
#include "core/LibraryProjectWriter.h"
#include "core/ProjectFile.h"
#include "core/StringTable.h"
#include "core/TextFile.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QtTest>

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
        result = ProjectFile::write(path, paths);
    } else if (writer == "script") {
        QStringList lines;
        for (int i = 1; i <= 120; ++i)
            lines << QStringLiteral(
                         "A%1 ICON \"/home/user/art/icons/icon%1.ico\" ; size: 766 Bytes")
                         .arg(i);
        expected = lines.join("\r\n").toUtf8() + "\r\n";
        prepare("Icons.rc");
        result = TextFile::write(path, lines);
    } else if (writer == "library") {
        LibrarySettings s;
        s.libraryName = "Icons";
        s.scriptName = "Icons";
        s.programFolder = fs.filePath(QString());
        prepare("Icons.dpr");
        result = LibraryProjectWriter::write(s);
        expected = "\r\nLibrary Icons;\r\n";
    } else {
        StringTable table;
        table.insert("Hello");
        prepare("Strings.rc");
        result = table.exportTo(path);
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
    QVERIFY(store.writeText("Script Name", "Icons"));
    QVERIFY(store.writeText("Library Name", "IconLib"));
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

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
