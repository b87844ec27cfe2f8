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
    void readErrors();
    void colourValuesUnsigned();
    void loadStopsAtFirstBadValue();
    void loadWithoutKeyDoesNothing();
    void toolWindowLoadReadsColoursPerTarget();
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

void TestSettings::recordHoldsEveryValueOnce()
{
    QSet<QString> names;
    for (const SettingRow &row : SettingsRecord::rows()) {
        QVERIFY2(!names.contains(row.name.toLower()), qPrintable(row.name));
        names.insert(row.name.toLower());
    }
    QCOMPARE(names.size(), 43);
    // Every name a sequence uses is a row of the record, or it could not be typed.
    for (const Sequence &s : {sequences::mainWindowLoad(), sequences::toolWindowLoad(),
                              sequences::setupWizardLoad(), sequences::stringEditorLoad(),
                              sequences::toolWindowSave(), sequences::mainWindowExitSave()})
        for (const SequenceItem &item : s)
            QVERIFY2(SettingsRecord::find(item.name), qPrintable(item.name));
    const Sequence setup = sequences::setupWrite();
    QCOMPARE(setup.size(), 42);
    QCOMPARE(setup.first().name, QStringLiteral("Tolvane minor Version"));
    QCOMPARE(setup.last().name, QStringLiteral("Tool Top"));
}

void TestSettings::readErrors()
{
    QVERIFY(m_store->createSettingsKey());
    QVERIFY(m_store->writeText("Script Name", "Icons"));
    QString error;
    qint32 n = 0;
    QVERIFY(!m_store->readInteger("Prompt Res ID", n, &error));
    QCOMPARE(error, QStringLiteral("Failed to get data for 'Prompt Res ID'"));
    QVERIFY(!m_store->readInteger("Script Name", n, &error));
    QCOMPARE(error, QStringLiteral("Invalid data type for 'Script Name'"));
    QVERIFY(m_store->writeInteger("Recent Local", -1));
    QString ignored;
    QVERIFY(!m_store->readText("Recent Local", ignored, &error));
    QCOMPARE(error, QStringLiteral("Invalid data type for 'Recent Local'"));
    QString text = "x";
    QVERIFY(m_store->readText("Res Name", text));
    QCOMPARE(text, QString());
    QVERIFY(m_store->readInteger("Recent Local", n));
    QCOMPARE(n, -1);
}

void TestSettings::colourValuesUnsigned()
{
    QVERIFY(m_store->createSettingsKey());
    QVERIFY(m_store->writeColour("hColor", buttonFace));
    QVERIFY(m_store->writeColour("Color", windowBackground));
    quint32 c = 0;
    QVERIFY(m_store->readColour("hColor", c));
    QCOMPARE(c, 2147483663u);
    QVERIFY(m_store->readColour("Color", c));
    QCOMPARE(c, 2147483653u);
    bool flag = false;
    QVERIFY(m_store->writeInteger("Prompt Drag", 7));
    QVERIFY(m_store->readFlag("Prompt Drag", flag));
    QVERIFY(flag);
}

void TestSettings::loadStopsAtFirstBadValue()
{
    QVERIFY(m_store->createSettingsKey());
    QVERIFY(m_store->writeText("Compiler1", "/opt/brcc32"));
    QVERIFY(m_store->writeInteger("Main Left", 10));
    QVERIFY(m_store->writeText("Main Top", "not a number"));
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

void TestSettings::toolWindowLoadReadsColoursPerTarget()
{
    const Sequence s = sequences::toolWindowLoad();
    QStringList colourTargets;
    for (const SequenceItem &item : s)
        if (item.name == QLatin1String("Color"))
            colourTargets << item.target;
    QCOMPARE(colourTargets, sequences::colourTargets());
    QCOMPARE(s.first().name, QStringLiteral("Recent Local"));
    QCOMPARE(s.last().name, QStringLiteral("Tool Top"));
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
    QVERIFY(!m_store->writeText("Script Name", "x", &error));
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
    QVERIFY(m_store->writeMirror("TempDir1", "/home/u/art"));
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
