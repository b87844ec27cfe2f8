#include "core/ProgramFolder.h"
#include "core/setup/Installer.h"
#include "core/setup/SetupChoices.h"
#include "core/setup/Uninstaller.h"
#include "platform/LinuxPlatform.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace tolvane;

namespace {

const QString extractTool = QStringLiteral(TOOLCHAIN_BIN "/extract");
const QByteArray manualBytes = "%PDF-1.4 the manual of this test\n";
const QString marker = QStringLiteral("/.tolvane-program-folder");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void makeFile(const QString &path, const QByteArray &bytes = "mine")
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

bool exists(const QString &path)
{
    return QFileInfo(path).exists() || QFileInfo(path).isSymLink();
}

// A cabinet holding TOLVANE.PDF, as the program carries it.
QByteArray cabinet(const QString &work)
{
    QDir().mkpath(work);
    makeFile(work + "/TOLVANE.PDF", manualBytes);
    QProcess gcab;
    gcab.setWorkingDirectory(work);
    gcab.start("gcab", {"-c", "-n", work + "/manual.cab", "TOLVANE.PDF"});
    gcab.waitForFinished(-1);
    return readAll(work + "/manual.cab");
}

// Every call the sequences make, in order, as one line each.
struct Recorder : InstallReport, UninstallReport
{
    QStringList calls;
    QString settingsError;
    QString keysError;
    QString historyError;
    bool confirm = true;
    std::function<void()> duringPause;

    void progress(int) override {}
    void showCancel() override { calls << "cancel shown"; }
    void status(const QString &text) override { calls << "status " + text; }
    void pause(int ms) override
    {
        calls << "pause " + QString::number(ms);
        if (duringPause)
            duringPause();
    }
    QString writeSettings() override
    {
        calls << "settings";
        return settingsError;
    }
    void complete() override { calls << "complete"; }
    QString removeSettingsKeys() override
    {
        calls << "keys";
        return keysError;
    }
    QString removeHistory() override
    {
        calls << "history";
        return historyError;
    }
    // Each box as one line: what kind of box it is, then its text.
    Message::Button ask(const Message &m) override
    {
        switch (m.id) {
        case Message::Id::FolderNotCreated:
            calls << "folder failed " + m.text;
            break;
        case Message::Id::SetupStepFailed:
            calls << "failed " + m.text;
            break;
        case Message::Id::ManualKept:
            calls << "manual kept " + m.text;
            break;
        case Message::Id::SetupComplete:
            calls << "restart " + m.text;
            break;
        case Message::Id::KeyNotRemoved:
            calls << "key failed " + m.text;
            break;
        case Message::Id::ProgramFolderNotFound:
            calls << "missing " + m.text;
            break;
        case Message::Id::RemovalRefused:
            calls << "refused " + m.text;
            break;
        case Message::Id::ConfirmFolderDelete:
            // The folder between the quotes of "... the folder '...' and all its contents?"
            calls << "confirm " + m.text.section('\'', 1, 1);
            return confirm ? Message::Yes : Message::No;
        case Message::Id::FolderKept:
            calls << "kept " + m.text;
            break;
        case Message::Id::RemovalAborted:
            calls << "aborted " + m.text;
            break;
        default:
            calls << "other " + m.text;
            break;
        }
        return Message::Ok;
    }

    QStringList failures() const { return calls.filter(QRegularExpression("^(failed|folder)")); }
};

class HomePlatform : public LinuxPlatform
{
  public:
    QString homeFolder() override { return home; }
    QString home;
};

} // namespace

class TestSetupCore : public QObject
{
    Q_OBJECT

  private slots:
    void installsEverything();
    void folders_data();
    void folders();
    void failedFolderStopsAndResumes();
    void actionFailuresGoOn_data();
    void actionFailuresGoOn();
    void ticksDuringAPauseWait();
    void usersManualIsKept_data();
    void usersManualIsKept();
    void stopDuringAFolderPause();
    void removalPlans_data();
    void removalPlans();
    void removal_data();
    void removal();
    void keysThatStayAreTold();
    void choices();
};

void TestSetupCore::installsEverything()
{
    QTemporaryDir dir;
    LinuxPlatform platform;
    Recorder report;
    Installer installer(platform, report);
    const QString main = dir.filePath("data/TOLVANE");
    installer.start({main, main + "/Projects", cabinet(dir.filePath("work")), extractTool});
    int ticks = 0;
    while (installer.advance())
        ++ticks;
    QCOMPARE(ticks, 99);
    QCOMPARE(installer.position(), 100);
    QVERIFY(!installer.advance()); // the end stays the end
    QCOMPARE(report.calls, QStringList({"cancel shown", "status Creating " + main, "pause 1000",
                                        "status Adding sub " + main + "/Projects", "pause 500",
                                        "settings", "status ...Setup complete...",
                                        "restart Program needs to be restarted for changes to "
                                        "take affect",
                                        "complete"}));
    QCOMPARE(readAll(main + "/Tolvane.pdf"), manualBytes);
    QVERIFY(!exists(main + "/Tolvane.pd_"));
    QVERIFY(!exists(main + "/TOLVANE.PDF"));
    QVERIFY(QFileInfo(main + "/Projects").isDir());
}

void TestSetupCore::folders_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<bool>("mainMarked");
    QTest::addColumn<bool>("projectsMarked");
    // A fresh home without ~/.local/share: every level above is made as well.
    QTest::newRow("nothing above") << QStringList() << true << true;
    QTest::newRow("parent only") << QStringList{"home/.local/share"} << true << true;
    // A folder that was there belongs to its owner: never marked as setup's.
    QTest::newRow("main there") << QStringList{"home/.local/share/TOLVANE"} << false << true;
    QTest::newRow("both there") << QStringList{"home/.local/share/TOLVANE/Projects"} << false
                                << false;
}

void TestSetupCore::folders()
{
    QFETCH(QStringList, before);
    QFETCH(bool, mainMarked);
    QFETCH(bool, projectsMarked);
    QTemporaryDir dir;
    for (const QString &folder : before)
        QDir().mkpath(dir.filePath(folder));
    LinuxPlatform platform;
    Recorder report;
    Installer installer(platform, report);
    const QString main = dir.filePath("home/.local/share/TOLVANE");
    installer.start({main, main + "/Projects", "cab", extractTool});
    while (installer.position() < 5)
        QVERIFY(installer.advance());
    QCOMPARE(report.failures(), QStringList());
    QVERIFY(QFileInfo(main + "/Projects").isDir());
    QCOMPARE(QFileInfo::exists(main + marker), mainMarked);
    QCOMPARE(QFileInfo::exists(main + "/Projects" + marker), projectsMarked);
}

void TestSetupCore::failedFolderStopsAndResumes()
{
    QTemporaryDir dir;
    makeFile(dir.filePath("plain")); // a file where a folder should go
    LinuxPlatform platform;
    Recorder report;
    Installer installer(platform, report);
    const QString main = dir.filePath("plain/TOLVANE");
    installer.start({main, main + "/Projects", "cab", extractTool});
    for (int i = 1; i < 5; ++i)
        QVERIFY(installer.advance());
    QVERIFY(!installer.advance());
    QCOMPARE(installer.position(), 5);
    QCOMPARE(report.failures(), QStringList{"folder failed Could not create " + main +
                                            " please select another folder!"});
    QVERIFY(!report.calls.contains("status Adding sub " + main + "/Projects"));
    // Resumed, it goes on from the next position without trying again.
    report.calls.clear();
    QVERIFY(installer.advance());
    QCOMPARE(installer.position(), 6);
    QCOMPARE(report.calls, QStringList());
}

void TestSetupCore::actionFailuresGoOn_data()
{
    QTest::addColumn<QString>("settingsError");
    QTest::addColumn<bool>("cabinet");
    QTest::addColumn<QString>("extract");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("settings") << "Failed to set data for 'Delphi'" << true << extractTool
                              << QStringList{"failed Failed to set data for 'Delphi'"};
    QTest::newRow("no cabinet") << "" << false << extractTool
                                << QStringList{"failed Cannot create file MAIN/Tolvane.pd_: the "
                                               "program carries no manual"};
    QTest::newRow("no expander") << "" << true << "MAIN/none"
                                 << QStringList{"failed Could not start MAIN/none"};
}

void TestSetupCore::actionFailuresGoOn()
{
    QFETCH(QString, settingsError);
    QFETCH(bool, cabinet);
    QFETCH(QString, extract);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    const QString main = dir.filePath("TOLVANE");
    LinuxPlatform platform;
    Recorder report;
    report.settingsError = settingsError;
    Installer installer(platform, report);
    installer.start({main, main + "/Projects",
                     cabinet ? ::cabinet(dir.filePath("work")) : QByteArray(),
                     QString(extract).replace("MAIN", main)});
    while (installer.advance()) {
    }
    QCOMPARE(report.failures(), expected.replaceInStrings("MAIN", main));
    QCOMPARE(report.calls.last(), QStringLiteral("complete"));
}

void TestSetupCore::ticksDuringAPauseWait()
{
    QTemporaryDir dir;
    LinuxPlatform platform;
    Recorder report;
    Installer installer(platform, report);
    // The timer keeps firing while a pause paints; those ticks must not run later positions.
    report.duringPause = [&] {
        for (int i = 0; i < 30; ++i)
            installer.advance();
    };
    const QString main = dir.filePath("TOLVANE");
    installer.start({main, main + "/Projects", "cab", extractTool});
    for (int i = 1; i <= 5; ++i)
        QVERIFY(installer.advance());
    QCOMPARE(installer.position(), 5);
    QVERIFY(!report.calls.contains("settings"));
}

void TestSetupCore::usersManualIsKept_data()
{
    QTest::addColumn<QString>("marker"); // what marks the folder as setup's, if anything
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("manual");       // Tolvane.pdf after setup
    QTest::addColumn<QString>("cabinet");      // Tolvane.pd_ after setup
    QTest::addColumn<QString>("afterRemoval"); // Tolvane.pdf after uninstall
    const QString ours = QString::fromLatin1(manualBytes);
    // A folder that was there before setup, holding the user's own files of the manual's names.
    QTest::newRow("user's pdf") << "" << QStringList{"Tolvane.pdf"} << "mine Tolvane.pdf"
                                << "<missing>"
                                << "mine Tolvane.pdf";
    QTest::newRow("user's cabinet name") << "" << QStringList{"Tolvane.pd_"} << "<missing>"
                                         << "mine Tolvane.pd_"
                                         << "<missing>";
    QTest::newRow("user's upper-case pdf") << "" << QStringList{"TOLVANE.PDF"} << "<missing>"
                                           << "<missing>"
                                           << "<missing>";
    // The manual an earlier setup put there makes way for the new one.
    QTest::newRow("earlier manual")
        << ".tolvane-manual" << QStringList{"Tolvane.pdf"} << ours << "<missing>"
        << "<missing>";
    QTest::newRow("folder setup made")
        << ".tolvane-program-folder" << QStringList{"Tolvane.pdf"} << ours << "<missing>"
        << "<missing>";
    QTest::newRow("nothing there") << "" << QStringList() << ours << "<missing>"
                                   << "<missing>";
}

void TestSetupCore::usersManualIsKept()
{
    QFETCH(QString, marker);
    QFETCH(QStringList, before);
    QFETCH(QString, manual);
    QFETCH(QString, cabinet);
    QFETCH(QString, afterRemoval);
    QTemporaryDir dir;
    const QString main = QFileInfo(dir.path()).canonicalFilePath() + "/data/TOLVANE";
    QDir().mkpath(main);
    if (!marker.isEmpty())
        makeFile(main + "/" + marker, "");
    for (const QString &name : before)
        makeFile(main + "/" + name, "mine " + name.toUtf8());
    HomePlatform platform;
    platform.home = dir.filePath("home");
    Recorder report;
    Installer installer(platform, report);
    installer.start({main, main + "/Projects", ::cabinet(dir.filePath("work")), extractTool});
    while (installer.advance()) {
    }
    QCOMPARE(QString::fromLatin1(readAll(main + "/Tolvane.pdf")), manual);
    QCOMPARE(QString::fromLatin1(readAll(main + "/Tolvane.pd_")), cabinet);
    for (const QString &name : before)
        if (name == "TOLVANE.PDF")
            QCOMPARE(readAll(main + "/" + name), QByteArray("mine TOLVANE.PDF"));
    QCOMPARE(report.failures(), QStringList());
    const QStringList told = report.calls.filter("manual kept");
    if (manual.startsWith("%PDF"))
        QCOMPARE(told, QStringList());
    else
        QCOMPARE(told, QStringList{"manual kept The manual was not unpacked: " + main + "/" +
                                   before.first() + " was there before setup and is kept."});
    Recorder removal;
    Uninstaller(platform, removal).run(main, main + "/Projects", "Operation Aborted!");
    QCOMPARE(QString::fromLatin1(readAll(main + "/Tolvane.pdf")), afterRemoval);
}

void TestSetupCore::stopDuringAFolderPause()
{
    QTemporaryDir dir;
    const QString main = QFileInfo(dir.path()).canonicalFilePath() + "/TOLVANE";
    LinuxPlatform platform;
    Recorder report;
    Installer installer(platform, report);
    // Cancel is pressed while the main folder's pause paints.
    report.duringPause = [&] {
        if (report.calls.last() == "pause 1000")
            installer.requestStop();
    };
    installer.start({main, main + "/Projects", "cab", extractTool});
    for (int i = 1; i < 5; ++i)
        QVERIFY(installer.advance());
    QVERIFY(!installer.advance());
    // It went no further, and what it made is known as setup's.
    QVERIFY(!report.calls.contains("status Adding sub " + main + "/Projects"));
    QVERIFY(!QFileInfo::exists(main + "/Projects"));
    QVERIFY(QFileInfo::exists(main + marker));
    QCOMPARE(report.failures(), QStringList());
    // Going on runs that position again, from its start.
    report.duringPause = nullptr;
    report.calls.clear();
    QVERIFY(installer.advance());
    QCOMPARE(installer.position(), 5);
    QVERIFY(QFileInfo(main + "/Projects").isDir());
    QVERIFY(QFileInfo::exists(main + "/Projects" + marker));
    // Removed now, the folder setup made goes whole.
    Recorder removal;
    QVERIFY(Uninstaller(platform, removal).run(main, main + "/Projects", "Operation Aborted!"));
    QVERIFY(!QFileInfo::exists(main));
    QCOMPARE(removal.calls.filter("kept"), QStringList());
}

void TestSetupCore::removalPlans_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("trees");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("message");
    const QString notRemoved = "The folder \"T/%1\" was not removed: ";
    const QString kept = "The folder \"T/%1\" was kept: it was there before setup. Only what setup "
                         "put into it was removed.";
    QTest::newRow("missing") << "gone" << int(RemovalPlan::Missing) << QStringList()
                             << QStringList() << "Could not locate program folder T/gone";
    QTest::newRow("home") << "home" << int(RemovalPlan::Refused) << QStringList() << QStringList()
                          << notRemoved.arg("home") + "it is your home folder or holds it.";
    QTest::newRow("above home") << "." << int(RemovalPlan::Refused) << QStringList()
                                << QStringList()
                                << notRemoved.arg(".") + "it is your home folder or holds it.";
    QTest::newRow("link to home") << "homelink" << int(RemovalPlan::Refused) << QStringList()
                                  << QStringList()
                                  << notRemoved.arg("homelink") +
                                         "it is your home folder or holds it.";
    QTest::newRow("created") << "made" << int(RemovalPlan::WholeFolder) << QStringList{"T/made"}
                             << QStringList() << "";
    QTest::newRow("link to created") << "madelink" << int(RemovalPlan::WholeFolder)
                                     << QStringList{"T/made"} << QStringList{"T/madelink"} << "";
    QTest::newRow("adopted") << "adopted" << int(RemovalPlan::SetupItems)
                             << QStringList{"T/adopted/Projects"}
                             << QStringList{"T/adopted/Tolvane.pdf", "T/adopted/.tolvane-manual"}
                             << kept.arg("adopted");
    QTest::newRow("link to adopted")
        << "adoptedlink" << int(RemovalPlan::SetupItems) << QStringList{"T/adopted/Projects"}
        << QStringList{"T/adopted/Tolvane.pdf", "T/adopted/.tolvane-manual"}
        << kept.arg("adoptedlink");
    QTest::newRow("adopted, its own projects") << "own" << int(RemovalPlan::SetupItems)
                                               << QStringList() << QStringList() << kept.arg("own");
}

void TestSetupCore::removalPlans()
{
    QFETCH(QString, folder);
    QFETCH(int, kind);
    QFETCH(QStringList, trees);
    QFETCH(QStringList, files);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString t = QFileInfo(dir.path()).canonicalFilePath();
    QDir().mkpath(t + "/home/me");
    makeFile(t + "/made" + marker, "");
    makeFile(t + "/made/Projects" + marker, "");
    makeFile(t + "/adopted/letter.txt");
    makeFile(t + "/adopted/Tolvane.pdf");
    makeFile(t + "/adopted/.tolvane-manual", "");
    makeFile(t + "/adopted/Projects" + marker, "");
    makeFile(t + "/own/Projects/mine.rpj");
    makeFile(t + "/own/Tolvane.pdf"); // the user's own file of the manual's name
    QFile::link(t + "/home", t + "/homelink");
    QFile::link(t + "/made", t + "/madelink");
    QFile::link(t + "/adopted", t + "/adoptedlink");
    HomePlatform platform;
    platform.home = t + "/home";
    const QString path = QDir::cleanPath(t + "/" + folder);
    const RemovalPlan plan = ProgramFolder::removalPlan(platform, folder == "." ? t : path,
                                                        path + "/Projects", platform.home);
    QCOMPARE(int(plan.kind), kind);
    QCOMPARE(plan.trees, trees.replaceInStrings(QRegularExpression("^T"), t));
    QCOMPARE(plan.files, files.replaceInStrings(QRegularExpression("^T"), t));
    QCOMPARE(plan.message, QString(message)
                               .replace("T/.", t)
                               .replace("\"T/", "\"" + t + "/")
                               .replace(" T/", " " + t + "/"));
}

void TestSetupCore::removal_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QStringList>("gone");
    QTest::addColumn<QStringList>("kept");
    const QStringList keys = {"keys", "pause 2000", "history"};
    const QStringList everything = {"made",
                                    "made/Projects/p.rpj",
                                    "madelink",
                                    "adopted/letter.txt",
                                    "adopted/Tolvane.pdf",
                                    "adopted/Projects/p.rpj"};
    QTest::newRow("created") << "made" << true << QStringList{"confirm T/made"} + keys
                             << QStringList{"made"}
                             << QStringList{"madelink", "adopted/letter.txt"};
    // The setting names a link: the real folder goes, and the link with it; no abort.
    QTest::newRow("link to created")
        << "madelink" << true << QStringList{"confirm T/made"} + keys
        << QStringList{"made", "madelink"} << QStringList{"adopted/letter.txt"};
    // A "no" removes nothing: neither a key nor a file.
    QTest::newRow("declined") << "madelink" << false
                              << QStringList{"confirm T/made", "aborted Operation Aborted!"}
                              << QStringList() << everything;
    // A folder that was there before setup: the user's letter and own manual stay.
    QTest::newRow("adopted")
        << "adopted" << true
        << QStringList{"confirm T/adopted/Projects"} + keys +
               QStringList{"kept The folder \"T/adopted\" was kept: it was there before setup. "
                           "Only what setup put into it was removed."}
        << QStringList{"adopted/Tolvane.pdf", "adopted/Projects", "adopted/.tolvane-manual"}
        << QStringList{"adopted/letter.txt", "made/Projects/p.rpj"};
    QTest::newRow("adopted, the user's manual")
        << "own" << true
        << keys + QStringList{"kept The folder \"T/own\" was kept: it was there before setup. "
                              "Only what setup put into it was removed."}
        << QStringList() << QStringList{"own/Tolvane.pdf", "own/Tolvane.pd_"};
    QTest::newRow("home") << "home" << true
                          << keys + QStringList{"refused The folder \"T/home\" was not removed: it "
                                                "is your home folder or holds it.",
                                                "aborted Operation Aborted!"}
                          << QStringList() << everything;
    QTest::newRow("missing") << "gone" << true
                             << keys + QStringList{"missing Could not locate program folder T/gone"}
                             << QStringList() << everything;
}

void TestSetupCore::removal()
{
    QFETCH(QString, folder);
    QFETCH(bool, confirm);
    QFETCH(QStringList, calls);
    QFETCH(QStringList, gone);
    QFETCH(QStringList, kept);
    QTemporaryDir dir;
    const QString t = QFileInfo(dir.path()).canonicalFilePath();
    QDir().mkpath(t + "/home/me");
    makeFile(t + "/made" + marker, "");
    makeFile(t + "/made/Projects/p.rpj");
    makeFile(t + "/adopted/letter.txt");
    makeFile(t + "/adopted/Tolvane.pdf");
    makeFile(t + "/adopted/.tolvane-manual", "");
    makeFile(t + "/adopted/Projects/p.rpj");
    makeFile(t + "/adopted/Projects" + marker, "");
    makeFile(t + "/own/Tolvane.pdf");
    makeFile(t + "/own/Tolvane.pd_");
    QFile::link(t + "/made", t + "/madelink");
    HomePlatform platform;
    platform.home = t + "/home";
    Recorder report;
    report.confirm = confirm;
    const bool removed =
        Uninstaller(platform, report)
            .run(t + "/" + folder, t + "/" + folder + "/Projects", "Operation Aborted!");
    QCOMPARE(report.calls, calls.replaceInStrings("T/", t + "/"));
    QCOMPARE(removed, !calls.last().startsWith("aborted") && !calls.last().startsWith("missing"));
    for (const QString &name : gone)
        QVERIFY2(!exists(t + "/" + name), qPrintable(name));
    for (const QString &name : kept)
        QVERIFY2(exists(t + "/" + name), qPrintable(name));
}

void TestSetupCore::keysThatStayAreTold()
{
    QTemporaryDir dir;
    makeFile(dir.filePath("made") + marker, "");
    HomePlatform platform;
    platform.home = dir.filePath("home");
    Recorder report;
    report.keysError = "Could not remove the key A";
    report.historyError = "Could not remove the key B";
    QVERIFY(Uninstaller(platform, report)
                .run(dir.filePath("made"), dir.filePath("made/Projects"), "Operation Aborted!"));
    const QString made = QFileInfo(dir.filePath("made")).absoluteFilePath();
    QCOMPARE(report.calls,
             QStringList({"confirm " + QFileInfo(dir.path()).canonicalFilePath() + "/made", "keys",
                          "key failed Could not remove the key A", "pause 2000", "history",
                          "key failed Could not remove the key B"}));
    QVERIFY(!QFileInfo::exists(made));
}

void TestSetupCore::choices()
{
    QCOMPARE(SetupChoices::mainFolderIn("/home/me/.local/share/"),
             QStringLiteral("/home/me/.local/share/TOLVANE"));
    QCOMPARE(SetupChoices::mainFolderIn("/data"), QStringLiteral("/data/TOLVANE"));
    QCOMPARE(SetupChoices::mainFolderIn("/"), QStringLiteral("/TOLVANE"));
    QCOMPARE(SetupChoices::projectsFolderOf("/data/TOLVANE"),
             QStringLiteral("/data/TOLVANE/Projects"));
    const QList<QPair<QString, SetupChoices::Compiler>> compilers = {
        {"/opt/bin/brcc32", SetupChoices::ResourceCompiler},
        {"/opt/bin/BRCC32.EXE", SetupChoices::ResourceCompiler},
        {"/opt/bin/Dcc32.exe", SetupChoices::LibraryCompiler},
        {"/opt/dcc32/other.exe", SetupChoices::NotACompiler},
        {"/opt/bin/brcc32.exe.bak", SetupChoices::NotACompiler}};
    for (const auto &c : compilers)
        QVERIFY2(SetupChoices::compilerOf(c.first) == c.second, qPrintable(c.first));
    QVERIFY(SetupChoices::onFloppyDrive("A:\\TOLVANE"));
    QVERIFY(SetupChoices::onFloppyDrive("B:\\"));
    QVERIFY(!SetupChoices::onFloppyDrive("a:\\TOLVANE"));
    QVERIFY(!SetupChoices::onFloppyDrive("/A:\\TOLVANE"));
    QVERIFY(!SetupChoices::complete("/opt", "/opt/bin/brcc32", ""));
    QVERIFY(SetupChoices::complete("/opt", "/opt/bin/brcc32", "/opt/bin/dcc32"));
}

QTEST_MAIN(TestSetupCore)
#include "tst_setup.moc"
