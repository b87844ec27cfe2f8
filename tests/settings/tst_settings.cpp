#include "ExpectedOrders.h"
#include "settings/ScreenPlacement.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace tolvane;

namespace {
// Stands in for the windows' controls.
class MapTarget : public SettingsTarget
{
  public:
    QList<QPair<SequenceItem, QVariant>> applied;
    QHash<QString, QVariant> values;
    void apply(const SequenceItem &item, const QVariant &value) override
    {
        applied << qMakePair(item, value);
    }
    QVariant current(const SequenceItem &item) const override { return values.value(item.name); }
};
} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

  private slots:
    void init();
    void recordHoldsEveryValueOnce();
    void sequenceOrders_data();
    void sequenceOrders();
    void saveWritesInOrder();
    void titleStaysOnScreen_data();
    void titleStaysOnScreen();
    void readErrors();
    void colourValuesUnsigned();
    void loadStopsAtFirstBadValue();
    void loadWithoutKeyDoesNothing();
    void saveInOrderAndStopsOnFailure();
    void historyLoad_data();
    void historyLoad();
    void historySaveReplacesAll();
    void mirrorAndRemoval();

  private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Registry> m_reg;
    std::unique_ptr<SettingsStore> m_store;
};

void TestSettings::init()
{
    m_store.reset();
    m_reg.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    m_reg = std::make_unique<Registry>(m_dir->filePath("registry.reg"));
    m_store = std::make_unique<SettingsStore>(*m_reg);
}

namespace {
// A sequence as its names, with the control after an "@" where one value feeds several.
QStringList spelled(const Sequence &sequence)
{
    QStringList out;
    for (const SequenceItem &item : sequence)
        out << (item.target.isEmpty() ? item.name : item.name + "@" + item.target);
    return out;
}

const QStringList setupOrder = test::setupOrder();
const QStringList toolSaveOrder = test::toolWindowCloseOrder();
} // namespace

void TestSettings::recordHoldsEveryValueOnce()
{
    QSet<QString> names;
    int index = 0;
    for (const SettingRow &row : SettingsRecord::rows()) {
        QVERIFY2(!names.contains(row.name.toLower()), qPrintable(row.name));
        names.insert(row.name.toLower());
        // The record is keyed by its enumeration: each row answers to its own key.
        QCOMPARE(int(row.key), index++);
        QCOMPARE(&SettingsRecord::row(row.key), &row);
        QCOMPARE(SettingsRecord::find(row.name.toUpper()), &row);
    }
    QCOMPARE(names.size(), 43);
    QCOMPARE(SettingsRecord::rows().last().name, QStringLiteral("Filter Type"));
}

void TestSettings::sequenceOrders_data()
{
    QTest::addColumn<QStringList>("actual");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("main window load")
        << spelled(sequences::mainWindowLoad())
        << QStringList{"Filter Type", "Compiler1", "Compiler2", "Program Folder",
                       "TempDir1",    "TempDir2",  "Main Left", "Main Top"};
    QTest::newRow("tool window load")
        << spelled(sequences::toolWindowLoad())
        << QStringList{"Recent Local",    "Script Name",      "Library Name",   "Res Name",
                       "Prompt Res ID",   "Script Type",      "Prompt Recurse", "Prompt Name",
                       "Prompt Not",      "Prompt FileInfo",  "Prompt Close",   "Prompt Drag",
                       "Prompt Sound",    "Prompt Auto Sort", "Prompt ReName",  "Prompt Summary",
                       "Prompt Position", "Prompt Compile",   "Prompt sHint",   "Prompt Class",
                       "Prompt Window",   "Prompt Dialog",    "Color@Idx1",     "Font@Idx1",
                       "Color@Edit1",     "Font@Edit1",       "Color@ResBox",   "Font@ResBox",
                       "Color@Edit2",     "Font@Edit2",       "Color@Edit3",    "Font@Edit3",
                       "Color@Edit4",     "Font@Edit4",       "Color@ListBox1", "Font@ListBox1",
                       "hColor",          "hFColor",          "Tool Left",      "Tool Top"};
    QTest::newRow("setup wizard load") << spelled(sequences::setupWizardLoad())
                                       << QStringList{"Delphi",
                                                      "Compiler1",
                                                      "Compiler2",
                                                      "Program Folder@main folder",
                                                      "Program Folder@projects folder",
                                                      "Program Folder@existence check"};
    QTest::newRow("string table editor load")
        << spelled(sequences::stringEditorLoad()) << QStringList{"Color", "Font"};
    QTest::newRow("tool window close") << spelled(sequences::toolWindowSave()) << toolSaveOrder;
    QTest::newRow("main window exit")
        << spelled(sequences::mainWindowExitSave())
        << QStringList{"Main Left", "Main Top", "Tool Left", "Tool Top", "TempDir1"};
    QTest::newRow("setup") << spelled(sequences::setupWrite()) << setupOrder;
}

void TestSettings::sequenceOrders()
{
    QFETCH(QStringList, actual);
    QFETCH(QStringList, expected);
    QCOMPARE(actual, expected);
}

// The store writes a sequence's values one by one in its order; the registry keeps the order in
// which the values were made.
void TestSettings::saveWritesInOrder()
{
    QVERIFY(m_store->createSettingsKey());
    MapTarget target;
    QCOMPARE(m_store->save(sequences::toolWindowSave(), target), QString());
    QCOMPARE(m_reg->valueNames(RegRoot::LocalMachine, SettingsStore::settingsKeyPath()),
             toolSaveOrder);
    QVERIFY(m_reg->deleteKeyTree(RegRoot::LocalMachine, SettingsStore::settingsKeyPath()));
    QVERIFY(m_store->createSettingsKey());
    QCOMPARE(m_store->save(sequences::setupWrite(), target), QString());
    QCOMPARE(m_reg->valueNames(RegRoot::LocalMachine, SettingsStore::settingsKeyPath()),
             setupOrder);
    // Each value is written with its type: a flag as a number, a text as text.
    QCOMPARE(
        m_reg->value(RegRoot::LocalMachine, SettingsStore::settingsKeyPath(), "Prompt Drag")->type,
        RegValue::Dword);
    QCOMPARE(
        m_reg->value(RegRoot::LocalMachine, SettingsStore::settingsKeyPath(), "Install Date")->type,
        RegValue::Text);
}

void TestSettings::titleStaysOnScreen_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QPoint>("expected");
    const QList<QRect> one = {QRect(0, 0, 1280, 1024)};
    const QList<QRect> two = {QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1080)};
    QTest::newRow("on the screen") << QRect(191, 136, 479, 340) << one << QPoint(191, 136);
    QTest::newRow("left of 2000 on 1280 pixels")
        << QRect(2000, 136, 479, 340) << one << QPoint(801, 136);
    QTest::newRow("dragged to the top left corner")
        << QRect(-300, -200, 373, 477) << one << QPoint(0, 0);
    QTest::newRow("hanging below the bottom")
        << QRect(100, 1010, 373, 477) << one << QPoint(100, 1000);
    QTest::newRow("body below the bottom, title on")
        << QRect(100, 990, 373, 477) << one << QPoint(100, 990);
    QTest::newRow("across two screens") << QRect(1100, 50, 479, 340) << two << QPoint(1100, 50);
    QTest::newRow("right of the second screen")
        << QRect(3400, 50, 479, 340) << two << QPoint(2721, 50);
    QTest::newRow("no screen known")
        << QRect(5000, 5000, 10, 10) << QList<QRect>{} << QPoint(5000, 5000);
}

void TestSettings::titleStaysOnScreen()
{
    QFETCH(QRect, frame);
    QFETCH(QList<QRect>, screens);
    QFETCH(QPoint, expected);
    QCOMPARE(placement::keepTitleOnScreen(frame, 24, screens), expected);
}

void TestSettings::readErrors()
{
    QVERIFY(m_store->createSettingsKey());
    QVERIFY(m_store->writeText(Setting::ScriptName, "Icons"));
    QString error;
    qint32 n = 0;
    QVERIFY(!m_store->readInteger(Setting::PrefixPosition, n, &error));
    QCOMPARE(error, QStringLiteral("Failed to get data for 'Prompt Res ID'"));
    QVERIFY(!m_store->readInteger(Setting::ScriptName, n, &error));
    QCOMPARE(error, QStringLiteral("Invalid data type for 'Script Name'"));
    QVERIFY(m_store->writeInteger(Setting::RecentLocal, -1));
    QString ignored;
    QVERIFY(!m_store->readText(Setting::RecentLocal, ignored, &error));
    QCOMPARE(error, QStringLiteral("Invalid data type for 'Recent Local'"));
    QString text = "x";
    QVERIFY(m_store->readText(Setting::ResName, text));
    QCOMPARE(text, QString());
    QVERIFY(m_store->readInteger(Setting::RecentLocal, n));
    QCOMPARE(n, -1);
}

void TestSettings::colourValuesUnsigned()
{
    QVERIFY(m_store->createSettingsKey());
    QVERIFY(m_store->writeColour(Setting::HintColour, buttonFace));
    QVERIFY(m_store->writeColour(Setting::EntryColour, windowBackground));
    quint32 c = 0;
    QVERIFY(m_store->readColour(Setting::HintColour, c));
    QCOMPARE(c, 2147483663u);
    QVERIFY(m_store->readColour(Setting::EntryColour, c));
    QCOMPARE(c, 2147483653u);
    bool flag = false;
    QVERIFY(m_store->writeInteger(Setting::ExecuteOnLoad, 7));
    QVERIFY(m_store->readFlag(Setting::ExecuteOnLoad, flag));
    QVERIFY(flag);
}

void TestSettings::loadStopsAtFirstBadValue()
{
    QVERIFY(m_store->createSettingsKey());
    QVERIFY(m_store->writeText(Setting::Compiler1, "/opt/brcc32"));
    QVERIFY(m_store->writeInteger(Setting::MainLeft, 10));
    QVERIFY(m_store->writeText(Setting::MainTop, "not a number"));
    MapTarget target;
    const QString error = m_store->load(sequences::mainWindowLoad(), target);
    QCOMPARE(error, QStringLiteral("Invalid data type for 'Main Top'"));
    // Texts that are missing read as empty; the numbers go in up to the bad one.
    QCOMPARE(target.applied.size(), 7);
    QCOMPARE(target.applied.at(0).first.name, QStringLiteral("Filter Type"));
    QCOMPARE(target.applied.at(0).second.toString(), QString());
    QCOMPARE(target.applied.at(1).second.toString(), QStringLiteral("/opt/brcc32"));
    QCOMPARE(target.applied.at(6).second.toInt(), 10);
}

void TestSettings::loadWithoutKeyDoesNothing()
{
    MapTarget target;
    QCOMPARE(m_store->load(sequences::toolWindowLoad(), target), QString());
    QVERIFY(target.applied.isEmpty());
    QVERIFY(!m_store->settingsKeyExists());
}

void TestSettings::saveInOrderAndStopsOnFailure()
{
    QVERIFY(m_store->createSettingsKey());
    MapTarget target;
    target.values = {{"Main Left", 100},
                     {"Main Top", 50},
                     {"Tool Left", 3},
                     {"Tool Top", 4},
                     {"TempDir1", "/home/u/art"}};
    QCOMPARE(m_store->save(sequences::mainWindowExitSave(), target), QString());
    QCOMPARE(m_reg->valueNames(RegRoot::LocalMachine, SettingsStore::settingsKeyPath()),
             QStringList({"Main Left", "Main Top", "Tool Left", "Tool Top", "TempDir1"}));

    // A write that cannot be made names its value.
    QVERIFY(m_reg->deleteKeyTree(RegRoot::LocalMachine, SettingsStore::companyKeyPath()));
    QString error;
    QVERIFY(!m_store->writeText(Setting::ScriptName, "x", &error));
    QCOMPARE(error, QStringLiteral("Failed to set data for 'Script Name'"));
}

void TestSettings::historyLoad_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("expected");
    QStringList twelve, twelveTexts;
    for (int i = 0; i < 12; ++i) {
        twelve << QStringLiteral("n%1").arg(i);
        twelveTexts << QStringLiteral("/dest/%1").arg(i);
    }
    QTest::newRow("twelve in position order") << twelve << twelveTexts;
    QTest::newRow("gap keeps the name") << QStringList{"n0", "n2"} << QStringList{"/dest/0", "n2"};
    QTest::newRow("empty") << QStringList{} << QStringList{};
}

void TestSettings::historyLoad()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, expected);
    if (!names.isEmpty()) {
        QVERIFY(m_reg->createKey(RegRoot::CurrentUser, SettingsStore::historyKeyPath()));
        for (const QString &n : names)
            QVERIFY(m_reg->setText(RegRoot::CurrentUser, SettingsStore::historyKeyPath(), n,
                                   QStringLiteral("/dest/") + n.mid(1)));
    }
    QCOMPARE(m_store->loadHistory(), expected);
}

void TestSettings::historySaveReplacesAll()
{
    m_store->saveHistory({"a", "b", "c", "d", "e"});
    m_store->saveHistory({"x", "y", "z"});
    QCOMPARE(m_reg->valueNames(RegRoot::CurrentUser, SettingsStore::historyKeyPath()),
             QStringList({"n0", "n1", "n2"}));
    QCOMPARE(m_store->loadHistory(), QStringList({"x", "y", "z"}));
    QVERIFY(m_store->removeHistory());
    QVERIFY(!m_reg->keyExists(RegRoot::CurrentUser, "Tolvane"));
    QVERIFY(!m_store->removeHistory());
}

void TestSettings::mirrorAndRemoval()
{
    QVERIFY(m_store->writeMirror(Setting::RecentAddFolder, "/home/u/art"));
    QCOMPARE(m_reg->value(RegRoot::LocalMachine, SettingsStore::mirrorKeyPath(), "TempDir1")->text,
             QStringLiteral("/home/u/art"));
    QVERIFY(!m_store->removeCompanyKey()); // nothing set up: the company key is left alone
    QVERIFY(m_store->createSettingsKey());
    QVERIFY(m_store->removeCompanyKey());
    QVERIFY(!m_reg->keyExists(RegRoot::LocalMachine, SettingsStore::companyKeyPath()));
    QVERIFY(m_reg->keyExists(RegRoot::LocalMachine, SettingsStore::mirrorKeyPath()));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
