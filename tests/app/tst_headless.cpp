// tolvane-build, run as a program: its options, its questions, its failures and what it leaves.
#include "app/headless/CommandLine.h"
#include "app/headless/ConsoleReporter.h"
#include "platform/Registry.h"
#include "tests/tools/Corpus.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace tolvane;
using namespace tolvane::headless;

namespace {

const QString program = QStringLiteral(TOLVANE_BUILD);
const QString standIns = QStringLiteral(TOOLCHAIN_BIN);

struct Result
{
    int status = -1;
    QString out;
    QString err;
};

} // namespace

class TestHeadless : public QObject
{
    Q_OBJECT

  private slots:
    void init();
    void commandLine_data();
    void commandLine();
    void stageLines_data();
    void stageLines();
    void questionsStopUnlessYes_data();
    void questionsStopUnlessYes();
    void failures_data();
    void failures();
    void builtOutputsAreListed();
    void scriptsOnlyMakesTheResToo();
    void settingsFileAndOverrides();
    void emptyFileIsLeftOutWithYes();
    void onlyAnEmptyFileLeavesNothingToBuild();
    void scriptsOnlyBesideAnOlderBuild();
    void failedCompileLeavesNothingInDest();
    void helpDescribesEveryStatus();

  private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString art(const QString &name, const QByteArray &data)
    {
        corpus::write(path("art/" + name), data);
        return path("art/" + name);
    }
    QString project(const QString &name, const QStringList &entries)
    {
        QByteArray text;
        for (const QString &e : entries)
            text += e.toUtf8() + "\r\n";
        corpus::write(path(name), text);
        return path(name);
    }
    // A settings file as setup leaves it, with the stand-in compilers and the values given.
    void settings(const QList<QPair<QString, QVariant>> &values)
    {
        Registry r(path("registry.reg"));
        const QString key = QStringLiteral("\\SOFTWARE\\Kelvadore\\Tolvane");
        QVERIFY(r.createKey(RegRoot::LocalMachine, key));
        r.setText(RegRoot::LocalMachine, key, "Compiler1", standIns + "/brcc32");
        r.setText(RegRoot::LocalMachine, key, "Compiler2", standIns + "/dcc32");
        for (const auto &[name, value] : values) {
            if (value.typeId() == QMetaType::QString)
                r.setText(RegRoot::LocalMachine, key, name, value.toString());
            else
                r.setDword(RegRoot::LocalMachine, key, name, value.toUInt());
        }
    }
    Result run(const QStringList &args)
    {
        QProcess p;
        // A temp folder of the test's own, to see that nothing is left there either.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TMPDIR", path("tmp"));
        p.setProcessEnvironment(env);
        p.start(program, QStringList(args) << "--registry" << path("registry.reg"));
        p.waitForFinished(-1);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    QStringList dest() const
    {
        // Folders and hidden ones too: the working folder must be gone.
        return QDir(m_dir.filePath("dest"))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    QStringList leftInTemp() const
    {
        return QDir(m_dir.filePath("tmp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    QTemporaryDir m_dir;
};

void TestHeadless::init()
{
    QDir(path("dest")).removeRecursively();
    QVERIFY(QDir().mkpath(path("dest")));
    QVERIFY(QDir().mkpath(path("tmp")));
    QFile::remove(path("registry.reg"));
    settings({{"Script Name", QString("Art")},
              {"Library Name", QString("ArtLib")},
              {"Prompt Compile", 0}});
}

void TestHeadless::commandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("summary"); // what was understood, for the good lines

    QTest::newRow("project") << QStringList{"p.tpf", "--dest", "out"} << ""
                             << "project dest=out";
    QTest::newRow("files") << QStringList{"a.bmp", "b.ico", "-d", "out"} << ""
                           << "files dest=out";
    QTest::newRow("every override")
        << QStringList{"p.tpf",
                       "--dest",
                       "out",
                       "--scripts-only",
                       "--script-name",
                       "S",
                       "--library-name",
                       "L",
                       "--res-name",
                       "R",
                       "--prefix",
                       "c",
                       "--file-info",
                       "--units",
                       "windows,dialogs",
                       "--keep-project",
                       "--yes"}
        << ""
        << "project dest=out yes scriptsOnly=1 S L R prefix=2 info=1 keep=1 units=011";
    QTest::newRow("resid") << QStringList{"p.tpf", "--dest", "out", "--resid", "--compile"} << ""
                           << "project dest=out scriptsOnly=0 prefix=22";
    QTest::newRow("no units") << QStringList{"p.tpf", "--dest", "out", "--units", ""} << ""
                              << "project dest=out units=000";
    QTest::newRow("no destination") << QStringList{"p.tpf"} << "--dest DIR is required"
                                    << "";
    QTest::newRow("no input") << QStringList{"--dest", "out"}
                              << "give a project file or resource files to build"
                              << "";
    QTest::newRow("project among files")
        << QStringList{"a.bmp", "p.TPF", "--dest", "out"}
        << "a project file is built alone, not with other files: p.TPF"
        << "";
    QTest::newRow("T is no prefix") << QStringList{"p.tpf", "--dest", "o", "--prefix", "T"}
                                    << "--prefix takes one of A-S, U, V, W, X, not \"T\""
                                    << "";
    QTest::newRow("# is not a letter") << QStringList{"p.tpf", "--dest", "o", "--prefix", "#"}
                                       << "--prefix takes one of A-S, U, V, W, X, not \"#\""
                                       << "";
    QTest::newRow("prefix and resid")
        << QStringList{"p.tpf", "--dest", "o", "--prefix", "A", "--resid"}
        << "--prefix and --resid contradict each other"
        << "";
    QTest::newRow("both compile ways")
        << QStringList{"p.tpf", "--dest", "o", "--scripts-only", "--compile"}
        << "--scripts-only and --compile contradict each other"
        << "";
    QTest::newRow("unknown unit") << QStringList{"p.tpf", "--dest", "o", "--units", "sysutils"}
                                  << "--units knows classes, windows and dialogs, not \"sysutils\""
                                  << "";
    QTest::newRow("unknown option")
        << QStringList{"p.tpf", "--dest", "o", "--fast"} << "Unknown option 'fast'."
        << "";
}

void TestHeadless::commandLine()
{
    QFETCH(QStringList, args);
    QFETCH(QString, error);
    QFETCH(QString, summary);
    const ParseResult r = parseCommandLine(QStringList{"tolvane-build"} + args);
    QCOMPARE(r.error, error);
    if (!error.isEmpty())
        return;
    const CommandLine &c = r.line;
    QStringList seen{c.isProject() ? "project" : "files", "dest=" + c.destination};
    if (c.yes)
        seen << "yes";
    if (c.scriptsOnly)
        seen << QString("scriptsOnly=%1").arg(*c.scriptsOnly);
    for (const auto &name : {c.scriptName, c.libraryName, c.resName})
        if (name)
            seen << *name;
    if (c.prefixPosition)
        seen << QString("prefix=%1").arg(*c.prefixPosition);
    if (c.fileInfo)
        seen << QString("info=%1").arg(*c.fileInfo);
    if (c.keepProject)
        seen << QString("keep=%1").arg(*c.keepProject);
    if (c.classes)
        seen << QString("units=%1%2%3").arg(*c.classes).arg(*c.windowsUnit).arg(*c.dialogs);
    QCOMPARE(seen.join(' '), summary);
}

void TestHeadless::stageLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stage");
    QTest::newRow("loading") << ". . .Loading File List. . ."
                             << "Loading File List";
    QTest::newRow("resource compile") << "....Porting Data (Brcc32)...."
                                      << "Porting Data (Brcc32)";
    QTest::newRow("project written") << "Writing .dpr File"
                                     << "Writing .dpr File";
    QTest::newRow("moving") << "Moving Files..."
                            << "Moving Files";
    QTest::newRow("percent is no stage") << "Updating All 42%"
                                         << "";
    QTest::newRow("file name is no stage") << "Art.res"
                                           << "";
    QTest::newRow("flushing is no stage") << "Flushing project files  7 %"
                                          << "";
}

void TestHeadless::stageLines()
{
    QFETCH(QString, text);
    QFETCH(QString, stage);
    QCOMPARE(ConsoleReporter::stage(text), stage);
}

void TestHeadless::questionsStopUnlessYes_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("answer");
    const int yesNo = Message::Yes | Message::No;
    const int yesAbort = Message::Yes | Message::Abort;
    QTest::newRow("yes/no, asked to go on") << yesNo << true << int(BuildReporter::Yes);
    QTest::newRow("yes/no, not asked") << yesNo << false << int(BuildReporter::No);
    QTest::newRow("yes/abort, asked to go on") << yesAbort << true << int(BuildReporter::Yes);
    QTest::newRow("yes/abort, not asked") << yesAbort << false << int(BuildReporter::Abort);
    QTest::newRow("a box is only shown") << int(Message::Ok) << true << int(BuildReporter::Ok);
}

void TestHeadless::questionsStopUnlessYes()
{
    QFETCH(int, buttons);
    QFETCH(bool, yes);
    QFETCH(int, answer);
    FILE *sink = fopen("/dev/null", "w");
    ConsoleReporter reporter(yes, false, sink);
    Message m;
    m.id = Message::Id::SameNames;
    m.caption = "Warning";
    m.text = "continue?";
    m.buttons = buttons;
    QCOMPARE(int(reporter.ask(m)), answer);
    fclose(sink);
}

void TestHeadless::failures_data()
{
    QTest::addColumn<QString>("input"); // a project name, or "files"
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    QTest::newRow("project missing")
        << "missing.tpf" << QStringList() << 3 << "Tolvane v3.06: Cannot open file: ";
    QTest::newRow("project empty")
        << "empty.tpf" << QStringList() << 4 << "Whoops!: File \"empty.tpf\" contains no data !";
    QTest::newRow("entry gone") << "gone.tpf" << QStringList() << 10
                                << "Invalid file link...!: One or more files from the current "
                                   "file list, links to a\nfile location that's is no longer "
                                   "valid! Aborting build.";
    QTest::newRow("zero bytes") << "zero.tpf" << QStringList() << 11 << "Warning: File \"";
    QTest::newRow("equal names") << "good.tpf" << QStringList{"--library-name", "art"} << 12
                                 << "Warning: The current script and library names are identical.";
    QTest::newRow("no such destination")
        << "good.tpf" << QStringList{"--dest", "nowhere"} << 13
        << "Tolvane v3.06b: No destination directory specified...assuming current!";
    QTest::newRow("name leads elsewhere")
        << "good.tpf" << QStringList{"--script-name", "../up"} << 14 << "Tolvane v3.06b: ";
    QTest::newRow("compiler gone") << "good.tpf" << QStringList{"--registry-compiler"} << 21
                                   << "Configuration problem: Cannot read the compiler's path "
                                      "information please check settings!";
    QTest::newRow("resource error")
        << "broken.tpf" << QStringList() << 24 << "Tolvane Build error 737: ";
}

void TestHeadless::failures()
{
    QFETCH(QString, input);
    QFETCH(QStringList, extra);
    QFETCH(int, status);
    QFETCH(QString, message);
    const QString bmp = art("logo.bmp", corpus::bitmap(24, 40));
    const QString wav = art("ding.wav", corpus::wave());
    project("good.tpf", {bmp, wav});
    project("gone.tpf", {bmp, path("art/gone.wav")});
    project("zero.tpf", {bmp, art("nothing.ico", QByteArray())});
    project("broken.tpf", {bmp, art("broken.ico", QByteArray("\0\0\1\0\1\0junk", 10))});
    corpus::write(path("empty.tpf"), QByteArray());
    if (extra.removeAll("--registry-compiler")) {
        Registry r(path("registry.reg"));
        r.setText(RegRoot::LocalMachine, "\\SOFTWARE\\Kelvadore\\Tolvane", "Compiler1",
                  path("no/brcc32"));
    }
    QStringList args{path(input)};
    if (!extra.contains("--dest"))
        args << "--dest" << path("dest");
    const Result r = run(args + extra);
    QCOMPARE(r.status, status);
    QVERIFY2(r.err.contains("tolvane-build: " + message), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
    // A failed build leaves nothing in the destination, nor its working folder.
    QCOMPARE(dest(), QStringList());
    QCOMPARE(leftInTemp(), QStringList());
}

void TestHeadless::builtOutputsAreListed()
{
    const QString wav = art("ding.wav", corpus::wave());
    const QString bmp = art("Zebra.bmp", corpus::bitmap(24, 40));
    const Result r = run({wav, bmp, "--dest", path("dest")});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(r.out, path("dest/Art.rc") + "\n" + path("dest/Art.res") + "\n" +
                        path("dest/ArtLib.dll") + "\n");
    QCOMPARE(dest(), QStringList({"Art.rc", "Art.res", "ArtLib.dll"}));
    QCOMPARE(leftInTemp(), QStringList());
    // One line per stage, in the build's order.
    QCOMPARE(r.err, QStringLiteral("tolvane-build: Loading File List\n"
                                   "tolvane-build: Script complete\n"
                                   "tolvane-build: Writing .dpr File\n"
                                   "tolvane-build: Porting Data (Brcc32)\n"
                                   "tolvane-build: Porting Data (Dcc32)\n"
                                   "tolvane-build: Compilation Successful\n"
                                   "tolvane-build: Exporting Files\n"
                                   "tolvane-build: Moving Files\n"
                                   "tolvane-build: Cleaning up\n"
                                   "tolvane-build: Task Complete\n"));
    // The list is sorted without regard to case: "ding" before "Zebra".
    QFile rc(path("dest/Art.rc"));
    QVERIFY(rc.open(QIODevice::ReadOnly));
    const QByteArray script = rc.readAll();
    QVERIFY(script.contains("\r\nA1 WAVE \"" + wav.toUtf8() + "\"\r\nA2 BITMAP \"" + bmp.toUtf8() +
                            "\"\r\n"));
    QVERIFY(run({wav, "--dest", path("dest"), "--quiet"}).err.isEmpty());
}

void TestHeadless::scriptsOnlyMakesTheResToo()
{
    const QString bmp = art("logo.bmp", corpus::bitmap(8, 12));
    const Result r = run({bmp, "--dest", path("dest"), "--scripts-only"});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(dest(), QStringList({"Art.rc", "Art.res"}));
    QCOMPARE(r.out, path("dest/Art.rc") + "\n" + path("dest/Art.res") + "\n");
}

void TestHeadless::settingsFileAndOverrides()
{
    settings({{"Script Name", QString("Pics")},
              {"Library Name", QString("PicLib")},
              {"Prompt Res ID", 1},
              {"Prompt Position", 1},
              {"Prompt Dialog", 1}});
    const QString a = art("a.bmp", corpus::bitmap(8, 12));
    const QString b = art("b.bmp", corpus::bitmap(8, 12));
    Result r = run({a, b, "--dest", path("dest")});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    // "Prompt Position" keeps the project; "B" is the second prefix; the units follow the settings.
    QCOMPARE(dest(), QStringList({"PicLib.dll", "PicLib.dpr", "Pics.rc", "Pics.res"}));
    QFile rc(path("dest/Pics.rc"));
    QVERIFY(rc.open(QIODevice::ReadOnly));
    QVERIFY(rc.readAll().contains("B2 BITMAP"));
    QFile dpr(path("dest/PicLib.dpr"));
    QVERIFY(dpr.open(QIODevice::ReadOnly));
    QVERIFY(dpr.readAll().contains("uses sysutils,classes,windows,dialogs;"));

    QDir(path("dest")).removeRecursively();
    QDir().mkpath(path("dest"));
    r = run({a, b, "--dest", path("dest"), "--script-name", "Own", "--library-name", "OwnLib",
             "--resid", "--no-keep-project"});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(dest(), QStringList({"Own.rc", "Own.res", "OwnLib.dll"}));
    QFile own(path("dest/Own.rc"));
    QVERIFY(own.open(QIODevice::ReadOnly));
    QVERIFY(own.readAll().contains("\r\n2 BITMAP"));
    // Options are never saved.
    Registry registry(path("registry.reg"));
    QCOMPARE(registry.value(RegRoot::LocalMachine, "\\SOFTWARE\\Kelvadore\\Tolvane", "Script Name")
                 ->text,
             QStringLiteral("Pics"));
}

void TestHeadless::emptyFileIsLeftOutWithYes()
{
    const QString bmp = art("logo.bmp", corpus::bitmap(8, 12));
    const QString none = art("none.wav", QByteArray());
    const Result r = run({project("p.tpf", {bmp, none}), "--dest", path("dest"), "--yes"});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QVERIFY(r.err.contains("Would you like to remove the file from the File list? [Yes: --yes]"));
    QCOMPARE(dest(), QStringList({"Art.rc", "Art.res", "ArtLib.dll"}));
    QFile rc(path("dest/Art.rc"));
    QVERIFY(rc.open(QIODevice::ReadOnly));
    QVERIFY(!rc.readAll().contains("none.wav"));
}

void TestHeadless::onlyAnEmptyFileLeavesNothingToBuild()
{
    const Result r = run({art("none.wav", QByteArray()), "--dest", path("dest"), "--yes"});
    QCOMPARE(r.status, 11);
    QVERIFY2(r.err.endsWith("tolvane-build: no file is left to build\n"), qPrintable(r.err));
    QCOMPARE(dest(), QStringList());
}

void TestHeadless::scriptsOnlyBesideAnOlderBuild()
{
    // The destination keeps its files; the new script and its .res come under one new name.
    corpus::write(path("dest/Art.rc"), "old");
    const Result r =
        run({art("logo.bmp", corpus::bitmap(8, 12)), "--dest", path("dest"), "--scripts-only"});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(dest(), QStringList({"Art (2).rc", "Art (2).res", "Art.rc"}));
    QFile old(path("dest/Art.rc"));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));
}

void TestHeadless::failedCompileLeavesNothingInDest()
{
    // Scripts only: the script reaches the destination before its .res is made; a failing
    // resource compile takes it back out.
    const QString broken = art("broken.ico", QByteArray("\0\0\1\0\1\0junk", 10));
    const QString bmp = art("logo.bmp", corpus::bitmap(8, 12));
    const Result r = run({bmp, broken, "--dest", path("dest"), "--scripts-only"});
    QCOMPARE(r.status, 24);
    QVERIFY2(r.err.contains("Tolvane Build error 737: "), qPrintable(r.err));
    QCOMPARE(dest(), QStringList());
}

void TestHeadless::helpDescribesEveryStatus()
{
    QProcess p;
    p.start(program, {"--help"});
    p.waitForFinished(-1);
    QCOMPARE(p.exitCode(), 0);
    const QString help = QString::fromUtf8(p.readAllStandardOutput());
    for (const char *status :
         {"   0  built", "   2  ", "   3  ", "   4  ", "   5  ", "  10  ", "  11  ",
          "  12  ",      "  13  ", "  14  ", "  15  ", "  20  ", "  21  ", "  22  ",
          "  23  ",      "  24  ", "  25  ", "  26  ", "  27  ", "  28  ", "  29  "})
        QVERIFY2(help.contains(QLatin1String(status)), status);
    for (const char *option :
         {"--dest", "--yes", "--scripts-only", "--script-name", "--library-name", "--res-name",
          "--prefix", "--resid", "--file-info", "--units", "--keep-project", "--registry"})
        QVERIFY2(help.contains(QLatin1String(option)), option);
}

QTEST_GUILESS_MAIN(TestHeadless)
#include "tst_headless.moc"
