#include "Fixtures.h"
#include "platform/NativeName.h"
#include "platform/Registry.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <dirent.h>

using namespace tolvane;

namespace {

const char settingsKey[] = "\\SOFTWARE\\Kelvadore\\Tolvane";

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString &path, const QByteArray &data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(data), data.size());
}

QString described(const std::optional<RegValue> &v)
{
    if (!v)
        return QStringLiteral("missing");
    if (v->type == RegValue::Text)
        return QStringLiteral("text ") + v->text;
    return QStringLiteral("dword %1").arg(v->dword);
}

// A helper process, started and waiting for its go.
std::unique_ptr<QProcess> startHelper(const QStringList &arguments)
{
    auto p = std::make_unique<QProcess>();
    p->start(QStringLiteral(REGISTRYHELPER), arguments);
    if (!p->waitForStarted() || !p->waitForReadyRead(10000) ||
        p->readLine().trimmed() != QByteArray("ready"))
        qWarning("registryhelper did not start");
    return p;
}

// Lets helpers go at once: QProcess sends what is written only when asked to.
void release(std::initializer_list<QProcess *> helpers)
{
    for (QProcess *p : helpers)
        p->write("go\n");
    for (QProcess *p : helpers)
        p->waitForBytesWritten(10000);
}

// Before QCoreApplication starts any thread.
const QString mountNamespace = test::SmallFileSystem::prepare();

} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT

  private slots:
    void registryRoundTripAndCase();
    void registryDefaultUserIsCurrentUser();
    void registryDeleteTree();
    void registrySeesOtherWriters();
    void registryGarbageIsKeptAside();
    void registryTextSurvivesSpecialCharacters();

    void handWrittenFiles_data();
    void handWrittenFiles();
    void handWrittenKeyHasItsParents();
    void batchWritesOnceAtItsEnd();
    void sameSizeRewriteWithinOneTickIsSeen();
    void keptCopyIsNeverReplaced();
    void unreadableFileIsReportedAndLeftAlone();
    void twoCopiesStartingTogetherKeepTheFileAside();
    void twoCopiesWritingTogetherLoseNothing();
    void keyNamesEndingInBlank_data();
    void keyNamesEndingInBlank();
    void linkAndRealPathShareOneLock();
    void garbageReachedThroughLinkIsKeptBesideTheFile();
    void fileWhoseNameIsNotUtf8();
};

void TestRegistry::registryRoundTripAndCase()
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

void TestRegistry::registryDefaultUserIsCurrentUser()
{
    QTemporaryDir dir;
    Registry reg(dir.filePath("r.reg"));
    QVERIFY(reg.createKey(RegRoot::CurrentUser, "Tolvane\\History"));
    QVERIFY(reg.keyExists(RegRoot::Users, ".Default\\Tolvane\\History"));
    QVERIFY(reg.deleteKeyTree(RegRoot::Users, ".DEFAULT\\Tolvane"));
    QVERIFY(!reg.keyExists(RegRoot::CurrentUser, "Tolvane"));
}

void TestRegistry::registryDeleteTree()
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

void TestRegistry::registrySeesOtherWriters()
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

void TestRegistry::registryGarbageIsKeptAside()
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

void TestRegistry::registryTextSurvivesSpecialCharacters()
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

void TestRegistry::handWrittenFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("found");
    QTest::addColumn<bool>("keptAside");
    const QByteArray head = "Windows Registry Editor Version 5.00\r\n\r\n";
    const QByteArray key = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kelvadore\\Tolvane]";
    const QByteArray value = "\"Script Name\"=\"Icons\"\r\n";
    QTest::newRow("as we write it") << head + key + "\r\n" + value << "Script Name"
                                    << "text Icons" << false;
    QTest::newRow("blanks after ]") << head + key + " \t\r\n" + value << "Script Name"
                                    << "text Icons" << false;
    QTest::newRow("blanks around =") << head + key + "\r\n\"Script Name\" = \"Icons\"\r\n"
                                     << "Script Name"
                                     << "text Icons" << false;
    QTest::newRow("root in lower case")
        << head + "[hkey_local_machine\\SOFTWARE\\Kelvadore\\Tolvane]\r\n" + value << "Script Name"
        << "text Icons" << false;
    QTest::newRow("indented lines") << head + "  " + key + "\r\n    " + value << "Script Name"
                                    << "text Icons" << false;
    QTest::newRow("comments") << "; settings\r\n" + head + "; by hand\r\n" + key +
                                     "\r\n\"Script Name\"=\"Icons\" ; changed\r\n"
                              << "Script Name"
                              << "text Icons" << false;
    QTest::newRow("short dword") << head + key + "\n\"Color\"=dword:f\n"
                                 << "Color"
                                 << "dword 15" << false;
    QTest::newRow("dword with comment") << head + key + "\n\"Color\"=DWORD:0000000F ; grey\n"
                                        << "Color"
                                        << "dword 15" << false;
    QTest::newRow("older header") << "REGEDIT4\n\n" + key + "\n" + value << "Script Name"
                                  << "text Icons" << false;
    QTest::newRow("UTF-8 byte order mark")
        << "\xEF\xBB\xBF" + head + key + "\r\n" + value << "Script Name"
        << "text Icons" << false;
    const QString utf16 =
        QString::fromUtf8(head + key + "\r\n\"Script Name\"=\"Ic\xC3\xB4ns\"\r\n");
    QTest::newRow("UTF-16 export")
        << QByteArray("\xFF\xFE", 2) +
               QByteArray(reinterpret_cast<const char *>(utf16.utf16()), utf16.size() * 2)
        << "Script Name" << QString::fromUtf8("text Ic\xC3\xB4ns") << false;
    QTest::newRow("default value") << head + key + "\r\n@=\"Icons\"\r\n"
                                   << ""
                                   << "text Icons" << false;
    QTest::newRow("value removed") << head + key + "\r\n" + value + "\"Script Name\"=-\r\n"
                                   << "Script Name"
                                   << "missing" << false;
    QTest::newRow("key removed")
        << head + key + "\r\n" + value +
               "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Kelvadore]\r\n\"x\"=\"y\"\r\n"
        << "Script Name"
        << "missing" << false;

    QTest::newRow("no header") << key + "\r\n" + value << "Script Name"
                               << "missing" << true;
    QTest::newRow("text after a value") << head + key + "\r\n\"Script Name\"=\"Icons\" x\r\n"
                                        << "Script Name"
                                        << "missing" << true;
    QTest::newRow("nine hex digits") << head + key + "\r\n\"Color\"=dword:000000001\r\n"
                                     << "Color"
                                     << "missing" << true;
    QTest::newRow("unknown root") << head + "[HKEY_NOWHERE\\SOFTWARE]\r\n" + value << "Script Name"
                                  << "missing" << true;
    QTest::newRow("unterminated text") << head + key + "\r\n\"Script Name\"=\"Icons\r\n"
                                       << "Script Name"
                                       << "missing" << true;
    QTest::newRow("value before any key") << head + value << "Script Name"
                                          << "missing" << true;
}

void TestRegistry::handWrittenFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, name);
    QFETCH(QString, found);
    QFETCH(bool, keptAside);
    QTemporaryDir dir;
    const QString file = dir.filePath("r.reg");
    writeAll(file, text);
    Registry reg(file);
    QCOMPARE(described(reg.value(RegRoot::LocalMachine, settingsKey, name)), found);
    QCOMPARE(!reg.problem().isEmpty(), keptAside);
    QCOMPARE(QDir(dir.path()).entryList({"r.reg.unreadable-*"}).size(), keptAside ? 1 : 0);
}

void TestRegistry::handWrittenKeyHasItsParents()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("r.reg");
    writeAll(file, "Windows Registry Editor Version 5.00\n\n"
                   "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kelvadore\\Tolvane]\n\"a\"=\"b\"\n"
                   "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kelvadore 2]\n");
    Registry reg(file);
    QVERIFY(reg.keyExists(RegRoot::LocalMachine, "SOFTWARE\\Kelvadore"));
    // Uninstall removes the company key: the settings key below it goes too, the one beside it
    // (which sorts between the two) stays.
    QVERIFY(reg.deleteKeyTree(RegRoot::LocalMachine, "\\SOFTWARE\\Kelvadore"));
    QVERIFY(!reg.keyExists(RegRoot::LocalMachine, settingsKey));
    QVERIFY(reg.keyExists(RegRoot::LocalMachine, "SOFTWARE\\Kelvadore 2"));
}

void TestRegistry::batchWritesOnceAtItsEnd()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("r.reg");
    Registry reg(file);
    QVERIFY(reg.createKey(RegRoot::LocalMachine, settingsKey));
    const QByteArray before = readAll(file);
    {
        Registry::Batch batch(reg);
        QVERIFY(reg.setText(RegRoot::LocalMachine, settingsKey, "Script Name", "Icons"));
        QVERIFY(reg.setDword(RegRoot::LocalMachine, settingsKey, "Color", 0x8000000F));
        {
            Registry::Batch inner(reg);
            QVERIFY(reg.setText(RegRoot::LocalMachine, settingsKey, "Res Name", "R"));
            QVERIFY(inner.commit());
        }
        // A refused change leaves the others in the batch.
        QVERIFY(!reg.setText(RegRoot::LocalMachine, "SOFTWARE\\Nowhere", "x", "y"));
        QCOMPARE(readAll(file), before);
        QCOMPARE(described(reg.value(RegRoot::LocalMachine, settingsKey, "res name")),
                 QStringLiteral("text R"));
        QVERIFY(batch.commit());
    }
    QCOMPARE(readAll(file), QByteArray("Windows Registry Editor Version 5.00\n"
                                       "\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\n"
                                       "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kelvadore]\n"
                                       "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kelvadore\\Tolvane]\n"
                                       "\"Script Name\"=\"Icons\"\n"
                                       "\"Color\"=dword:8000000f\n"
                                       "\"Res Name\"=\"R\"\n"));
}

void TestRegistry::sameSizeRewriteWithinOneTickIsSeen()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("r.reg");
    Registry one(file);
    QVERIFY(one.createKey(RegRoot::CurrentUser, "Race"));
    QVERIFY(one.setText(RegRoot::CurrentUser, "Race", "A", "000001"));
    QVERIFY(one.setText(RegRoot::CurrentUser, "Race", "B", "000001"));
    // Another copy rewrites the file to the same size within the same tick of the clock.
    auto other = startHelper({"rewrite", file, "B", "000002"});
    release({other.get()});
    QVERIFY(other->waitForFinished(10000));
    QCOMPARE(other->exitCode(), 0);
    QVERIFY(one.setText(RegRoot::CurrentUser, "Race", "A", "000002"));
    Registry fresh(file);
    QCOMPARE(described(fresh.value(RegRoot::CurrentUser, "Race", "B")),
             QStringLiteral("text 000002"));
    QCOMPARE(described(fresh.value(RegRoot::CurrentUser, "Race", "A")),
             QStringLiteral("text 000002"));
}

void TestRegistry::keptCopyIsNeverReplaced()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("r.reg");
    writeAll(file, "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\X]\n\"a\"=grbl\n");
    // Copies kept at an earlier start in this second and the next one.
    const QDateTime now = QDateTime::currentDateTime();
    QStringList earlier;
    for (const QDateTime &t : {now, now.addSecs(1)}) {
        earlier << file + ".unreadable-" + t.toString("yyyyMMdd-hhmmss");
        writeAll(earlier.last(), "earlier copy");
    }
    Registry reg(file);
    for (const QString &kept : earlier)
        QCOMPARE(readAll(kept), QByteArray("earlier copy"));
    const QStringList all = QDir(dir.path()).entryList({"r.reg.unreadable-*"});
    QCOMPARE(all.size(), 3);
    QString ours;
    for (const QString &name : all)
        if (!earlier.contains(dir.filePath(name)))
            ours = dir.filePath(name);
    QVERIFY(ours.endsWith("-2"));
    QVERIFY(readAll(ours).contains("grbl"));
    QCOMPARE(reg.problem(),
             QStringLiteral("The settings file %1 could not be read (line 4: unknown "
                            "value type). It was kept as %2 and the settings start "
                            "afresh.")
                 .arg(file, ours));
}

void TestRegistry::unreadableFileIsReportedAndLeftAlone()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("r.reg");
    const QByteArray original = "Windows Registry Editor Version 5.00\n\n"
                                "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kelvadore\\Tolvane]\n"
                                "\"Script Name\"=\"Icons\"\n";
    writeAll(file, original);
    QVERIFY(QFile::setPermissions(file, QFileDevice::Permissions()));
    {
        test::PermissionsApply strict;
        Registry reg(file);
        QCOMPARE(reg.problem(),
                 QStringLiteral("The settings file %1 cannot be read (Permission denied). It is "
                                "left as it is: the settings start afresh and nothing will be "
                                "saved until it can be read.")
                     .arg(file));
        QVERIFY(!reg.keyExists(RegRoot::LocalMachine, settingsKey));
        QVERIFY(!reg.createKey(RegRoot::LocalMachine, settingsKey));
        QVERIFY(!reg.setText(RegRoot::LocalMachine, settingsKey, "Script Name", "Sounds"));
        Registry::Batch batch(reg);
        QVERIFY(!reg.setText(RegRoot::LocalMachine, settingsKey, "Script Name", "Sounds"));
        QVERIFY(!batch.commit());
    }
    QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(readAll(file), original);
    QCOMPARE(QDir(dir.path()).entryList({"r.reg.unreadable-*"}), QStringList());
}

void TestRegistry::twoCopiesStartingTogetherKeepTheFileAside()
{
    // A long file, so that both copies are still reading it when the first moves it aside.
    QByteArray head = "Windows Registry Editor Version 5.00\n";
    for (int k = 0; k < 4000; ++k)
        head += "\n[HKEY_CURRENT_USER\\Filler\\" + QByteArray::number(k) + "]\n\"a\"=\"b\"\n";
    const int badLine = 4000 * 3 + 2;
    for (int trial = 0; trial < 8; ++trial) {
        QTemporaryDir dir;
        const QString file = dir.filePath("r.reg");
        const QByteArray garbage = head + "\"a\"=grbl-" + QByteArray::number(trial) + "\n";
        writeAll(file, garbage);
        auto first = startHelper({"open", file});
        auto second = startHelper({"open", file});
        release({first.get(), second.get()});
        QVERIFY(first->waitForFinished(10000) && second->waitForFinished(10000));
        const QStringList kept = QDir(dir.path()).entryList({"r.reg.unreadable-*"});
        QCOMPARE(kept.size(), 1);
        QCOMPARE(readAll(dir.filePath(kept.first())), garbage);
        // One copy kept the file aside and says where; the other found it gone and says nothing.
        const QString expected = QStringLiteral("The settings file %1 could not be read (line %2: "
                                                "unknown value type). It was kept as %3 and the "
                                                "settings start afresh.")
                                     .arg(file)
                                     .arg(badLine)
                                     .arg(dir.filePath(kept.first()));
        QStringList said{QString::fromLocal8Bit(first->readAll()),
                         QString::fromLocal8Bit(second->readAll())};
        said.sort();
        QCOMPARE(said, QStringList({QString(), expected}));
    }
}

void TestRegistry::twoCopiesWritingTogetherLoseNothing()
{
    // On a RAM file system writes follow each other fast enough to meet within one clock tick.
    test::SmallFileSystem fs;
    QTemporaryDir dir;
    const QString file = fs.isMounted() ? fs.filePath("r.reg") : dir.filePath("r.reg");
    writeAll(file, "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Race]\n"
                   "\"A\"=\"000000\"\n\"B\"=\"000000\"\n");
    const QString count = QStringLiteral("1000");
    auto a = startHelper({"bump", file, "A", count});
    auto b = startHelper({"bump", file, "B", count});
    release({a.get(), b.get()});
    QVERIFY(a->waitForFinished(120000) && b->waitForFinished(120000));
    const QByteArray said = a->readAll() + b->readAll();
    QCOMPARE(said, QByteArray());
    QCOMPARE(a->exitCode(), 0);
    QCOMPARE(b->exitCode(), 0);
    Registry reg(file);
    QCOMPARE(described(reg.value(RegRoot::CurrentUser, "Race", "A")), "text 00" + count);
    QCOMPARE(described(reg.value(RegRoot::CurrentUser, "Race", "B")), "text 00" + count);
}

void TestRegistry::keyNamesEndingInBlank_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray head =
        "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\n";
    QTest::newRow("parent ends in a blank")
        << "SOFTWARE\\Kelvadore \\Tolvane"
        << head + "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kelvadore ]\n"
                  "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kelvadore \\Tolvane]\n"
                  "\"a\"=\"1\"\n\"b\"=\"2\"\n\"c\"=\"3\"\n";
    QTest::newRow("key ends in blanks") << "SOFTWARE\\Kelvadore  "
                                        << head + "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kelvadore  ]\n"
                                                  "\"a\"=\"1\"\n\"b\"=\"2\"\n\"c\"=\"3\"\n";
}

// Each save starts from the file as another copy would read it: the key and its parents come
// back as they were written, once each.
void TestRegistry::keyNamesEndingInBlank()
{
    QFETCH(QString, key);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    const QString file = dir.filePath("r.reg");
    {
        Registry reg(file);
        QVERIFY(reg.createKey(RegRoot::LocalMachine, key));
        QVERIFY(reg.setText(RegRoot::LocalMachine, key, "a", "1"));
    }
    QVERIFY(Registry(file).setText(RegRoot::LocalMachine, key, "b", "2"));
    QVERIFY(Registry(file).setText(RegRoot::LocalMachine, key, "c", "3"));
    QCOMPARE(readAll(file), expected);
    Registry reg(file);
    QCOMPARE(described(reg.value(RegRoot::LocalMachine, key, "a")), "text 1");
    QVERIFY(!reg.keyExists(RegRoot::LocalMachine, "SOFTWARE\\Kelvadore"));
}

void TestRegistry::linkAndRealPathShareOneLock()
{
    // On a RAM file system writes follow each other fast enough to meet within one clock tick.
    test::SmallFileSystem fs;
    QTemporaryDir dir;
    const QString file = fs.isMounted() ? fs.filePath("r.reg") : dir.filePath("r.reg");
    const QString link = fs.isMounted() ? fs.filePath("link.reg") : dir.filePath("link.reg");
    writeAll(file, "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Race]\n"
                   "\"A\"=\"000000\"\n\"B\"=\"000000\"\n");
    QVERIFY(QFile::link(file, link));
    const QString count = QStringLiteral("1000");
    auto a = startHelper({"bump", link, "A", count});
    auto b = startHelper({"bump", file, "B", count});
    release({a.get(), b.get()});
    QVERIFY(a->waitForFinished(120000) && b->waitForFinished(120000));
    QCOMPARE(a->readAll() + b->readAll(), QByteArray());
    QCOMPARE(a->exitCode(), 0);
    QCOMPARE(b->exitCode(), 0);
    QVERIFY(QFileInfo(link).isSymLink());
    Registry reg(file);
    QCOMPARE(described(reg.value(RegRoot::CurrentUser, "Race", "A")), "text 00" + count);
    QCOMPARE(described(reg.value(RegRoot::CurrentUser, "Race", "B")), "text 00" + count);
}

void TestRegistry::garbageReachedThroughLinkIsKeptBesideTheFile()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("real"));
    const QString file = dir.filePath("real/r.reg");
    const QString link = dir.filePath("link.reg");
    writeAll(file, "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\X]\n\"a\"=grbl\n");
    QVERIFY(QFile::link(file, link));
    {
        Registry reg(link);
        QVERIFY(!reg.problem().isEmpty());
        QVERIFY(reg.createKey(RegRoot::CurrentUser, "X"));
        QVERIFY(reg.setText(RegRoot::CurrentUser, "X", "a", "fresh"));
    }
    const QStringList kept = QDir(dir.filePath("real")).entryList({"r.reg.unreadable-*"});
    QCOMPARE(kept.size(), 1);
    QCOMPARE(
        readAll(dir.filePath("real/" + kept.first())),
        QByteArray("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\X]\n\"a\"=grbl\n"));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(described(Registry(file).value(RegRoot::CurrentUser, "X", "a")), "text fresh");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden),
             QStringList{"link.reg"});
}

void TestRegistry::fileWhoseNameIsNotUtf8()
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + "/Einstellungen-\xe4";
    const QString file = nativename::decode(folder + "/r\xe9.reg");
    {
        Registry reg(file); // creates its folder
        QVERIFY(reg.createKey(RegRoot::CurrentUser, "X"));
        QVERIFY(reg.setText(RegRoot::CurrentUser, "X", "a", "b"));
    }
    QCOMPARE(described(Registry(file).value(RegRoot::CurrentUser, "X", "a")), "text b");
    // Only the file, under its very bytes: no lock left behind, nothing under a look-alike name.
    QList<QByteArray> names;
    if (DIR *d = ::opendir(folder.constData())) {
        while (const dirent *e = ::readdir(d))
            if (e->d_name[0] != '.')
                names << QByteArray(e->d_name);
        ::closedir(d);
    }
    QCOMPARE(names, QList<QByteArray>{"r\xe9.reg"});
    test::removeTree(folder);
}

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
