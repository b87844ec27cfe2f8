// tolvane-build, run as a program: its options, its questions, its failures and what it leaves.
#include "app/headless/CommandLine.h"
#include "app/headless/ConsoleReporter.h"
#include "platform/LinuxPlatform.h"
#include "platform/NativeName.h"
#include "platform/Registry.h"
#include "tests/tools/Corpus.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    void settingsFileOnlyRead_data();
    void settingsFileOnlyRead();
    void withoutSettingsSaysWhatApplies();
    void corruptUserSettingsStopTheBuild();
    void folderAsInput_data();
    void folderAsInput();
    void emptyFileScriptsOnly_data();
    void emptyFileScriptsOnly();
    void compilerThatNeverEnds_data();
    void compilerThatNeverEnds();
    void signalCleansUp_data();
    void signalCleansUp();
    void killedBuildIsClearedNextTime();
    void nameThatIsNotUtf8();

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
    // registry: the --registry argument, none when empty (then the user's own file, in a
    // configuration folder of the test's own).
    void start(QProcess &p, const QStringList &args, const QString &registry,
               const QString &pathFirst = QString())
    {
        // A temp folder of the test's own, to see that nothing is left there either.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TMPDIR", path("tmp"));
        env.insert("XDG_CONFIG_HOME", path("config"));
        if (!pathFirst.isEmpty())
            env.insert("PATH", pathFirst + ":" + env.value("PATH"));
        p.setProcessEnvironment(env);
        p.start(program, registry.isEmpty() ? args : QStringList(args) << "--registry" << registry);
        QVERIFY(p.waitForStarted());
    }
    Result run(const QStringList &args, const QString &registry)
    {
        QProcess p;
        start(p, args, registry);
        p.waitForFinished(-1);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    Result run(const QStringList &args) { return run(args, path("registry.reg")); }
    // A program that is a shell script.
    QString script(const QString &name, const QByteArray &body)
    {
        corpus::write(path(name), "#!/bin/sh\n" + body + "\n");
        QFile::setPermissions(path(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path(name);
    }
    // A resource compiler's helper that never ends: brcc32's own temporary folder is made by then.
    // It writes its process number once it runs.
    void hangingHelper()
    {
        QVERIFY(QDir().mkpath(path("slow")));
        script("slow/llvm-rc", "echo $$ > '" + path("helper.pid").toUtf8() + ".new'\nmv '" +
                                   path("helper.pid").toUtf8() + ".new' '" +
                                   path("helper.pid").toUtf8() + "'\nexec sleep 600");
    }
    qint64 helperPid() const
    {
        QFile f(m_dir.filePath("helper.pid"));
        return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed().toLongLong() : 0;
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
    QDir(path("config")).removeRecursively();
    QFile::remove(path("helper.pid"));
    QVERIFY(QDir().mkpath(path("dest")));
    // Each test judges only what it leaves in the temporary folder.
    QDir(path("tmp")).removeRecursively();
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
    QTest::newRow("timeout") << QStringList{"p.tpf", "--dest", "out", "--timeout", "2.5"} << ""
                             << "project dest=out timeout=2500";
    QTest::newRow("timeout of zero") << QStringList{"p.tpf", "--dest", "o", "--timeout", "0"}
                                     << "--timeout takes a number of seconds above 0, not \"0\""
                                     << "";
    QTest::newRow("timeout not a number")
        << QStringList{"p.tpf", "--dest", "o", "--timeout", "soon"}
        << "--timeout takes a number of seconds above 0, not \"soon\""
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
    if (c.timeoutMs)
        seen << QString("timeout=%1").arg(c.timeoutMs);
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

void TestHeadless::settingsFileOnlyRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // after "tolvane-build: " and the file's name

    QTest::newRow("a project given by mistake")
        << "project" << 6 << " is not in settings syntax (line 1: the header is missing).";
    QTest::newRow("a FIFO") << "fifo" << 6
                            << " cannot be read (it is not a regular file but a FIFO, a device "
                               "or a socket).";
    QTest::newRow("a device") << "device" << 6
                              << " cannot be read (it is not a regular file but a FIFO, a "
                                 "device or a socket).";
    QTest::newRow("a folder") << "folder" << 6 << " cannot be read (it is a folder).";
    QTest::newRow("missing, in a missing folder") << "missing" << 7 << " does not exist.";
}

void TestHeadless::settingsFileOnlyRead()
{
    QFETCH(QString, kind);
    QFETCH(int, status);
    QFETCH(QString, message);
    QDir(path("settings")).removeRecursively();
    QVERIFY(QDir().mkpath(path("settings")));
    QString file = path("settings/registry.reg");
    const QByteArray projectText = path("art/logo.bmp").toUtf8() + "\r\n";
    if (kind == "project")
        corpus::write(file, projectText);
    else if (kind == "fifo")
        QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    else if (kind == "device")
        file = "/dev/zero";
    else if (kind == "folder")
        QVERIFY(QDir().mkpath(file));
    else
        file = path("nowhere/settings/registry.reg");
    const QString bmp = art("logo.bmp", corpus::bitmap(8, 12));

    const Result r = run({bmp, "--dest", path("dest")}, file);
    QCOMPARE(r.status, status);
    QVERIFY2(r.err.startsWith("tolvane-build: The settings file " + file + message) ||
                 r.err.startsWith("tolvane-build: the settings file " + file + message),
             qPrintable(r.err));
    QCOMPARE(dest(), QStringList());
    // Read only: nothing renamed, written, locked or made beside it.
    if (kind == "missing") {
        QVERIFY(!QFileInfo::exists(path("nowhere")));
    } else if (file.startsWith(path("settings"))) {
        QCOMPARE(
            QDir(path("settings"))
                .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{"registry.reg"});
    }
    if (kind == "project") {
        QFile kept(file);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), projectText);
    }
}

void TestHeadless::withoutSettingsSaysWhatApplies()
{
    const QString bmp = art("logo.bmp", corpus::bitmap(8, 12));
    const QString user = path("config/Tolvane/registry.reg");
    Result r = run({bmp, "--dest", path("dest")}, QString());
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(dest(), QStringList({"Untitled.rc", "Untitled.res"}));
    QVERIFY2(r.err.startsWith(
                 "tolvane-build: no settings file was found (" + user +
                 ").\n"
                 "tolvane-build: the settings of a fresh installation apply: scripts only (the "
                 "script and\n  its .res), and the script and the library both named "
                 "\"Untitled\", so that --compile\n  stops at the question of equal names unless "
                 "--yes answers it.\n  Pass --registry FILE to read a settings file, or set what "
                 "you need with --script-name\n  NAME, --library-name NAME and --compile.\n"),
             qPrintable(r.err));
    // Nothing is made where the user's settings would be.
    QVERIFY(!QFileInfo::exists(path("config")));

    // What the text says of --compile.
    QDir(path("dest")).removeRecursively();
    QDir().mkpath(path("dest"));
    r = run({bmp, "--dest", path("dest"), "--compile"}, QString());
    QCOMPARE(r.status, 12);
    QVERIFY(r.err.contains("Warning: The current script and library names are identical."));

    // A file with other keys but no settings says so too.
    Registry other(path("other.reg"));
    QVERIFY(other.createKey(RegRoot::CurrentUser, "Tolvane\\History"));
    r = run({bmp, "--dest", path("dest")}, path("other.reg"));
    QCOMPARE(r.status, 0);
    QVERIFY2(r.err.startsWith("tolvane-build: the settings file " + path("other.reg") +
                              " holds no settings of Tolvane (its setup has not been run).\n"
                              "tolvane-build: the settings of a fresh installation apply"),
             qPrintable(r.err));
}

void TestHeadless::corruptUserSettingsStopTheBuild()
{
    // The user's own file, not given on the command line: a build server cannot tell fresh
    // settings from its own, so a file it cannot use stops the build and stays as it is.
    const QString user = path("config/Tolvane/registry.reg");
    corpus::write(user, "[HKEY_LOCAL_MACHINE\\SOFTWARE]\n");
    const Result r =
        run({art("logo.bmp", corpus::bitmap(8, 12)), "--dest", path("dest")}, QString());
    QCOMPARE(r.status, 6);
    QCOMPARE(r.err, "tolvane-build: The settings file " + user +
                        " is not in settings syntax (line 1: the header is missing).\n"
                        "  Nothing was built: mend the file, or name another with --registry "
                        "FILE.\n");
    QCOMPARE(dest(), QStringList());
    QCOMPARE(QDir(path("config/Tolvane"))
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"registry.reg"});
}

void TestHeadless::folderAsInput_data()
{
    QTest::addColumn<QStringList>("inputs"); // below the test's folder
    QTest::addColumn<QString>("message");
    QTest::newRow("among files") << QStringList{"art/logo.bmp", "art"}
                                 << "art is a folder, not a resource file: name the files in it "
                                    "instead.";
    QTest::newRow("named as a project")
        << QStringList{"old.tpf"} << "old.tpf is a folder, not a project file.";
}

void TestHeadless::folderAsInput()
{
    QFETCH(QStringList, inputs);
    QFETCH(QString, message);
    art("logo.bmp", corpus::bitmap(8, 12));
    QVERIFY(QDir().mkpath(path("old.tpf")));
    QStringList args;
    for (const QString &input : inputs)
        args << path(input);
    const Result r = run(args << "--dest" << path("dest"));
    QCOMPARE(r.status, 16);
    QCOMPARE(r.err, "tolvane-build: " + path(message) + "\n");
    QCOMPARE(dest(), QStringList());
}

void TestHeadless::emptyFileScriptsOnly_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("stops") << false;
    QTest::newRow("left out with --yes") << true;
}

void TestHeadless::emptyFileScriptsOnly()
{
    QFETCH(bool, yes);
    // Scripts only is what a machine without settings does.
    settings({{"Script Name", QString("Art")}, {"Prompt Compile", 1}});
    const QString bmp = art("logo.bmp", corpus::bitmap(8, 12));
    const QString none = art("none.ico", QByteArray());
    const QString blank = art("blank.cur", QByteArray()); // first in the list's order
    QStringList args{bmp, none, blank, "--dest", path("dest")};
    if (yes)
        args << "--yes";
    const Result r = run(args);
    auto question = [](const QString &file) -> QString {
        return QStringLiteral("tolvane-build: Warning: File \"%1\",\ncontains zero bytes of "
                              "data. The compiler cannot accept this file!\nWould you like to "
                              "remove the file from the File list?")
            .arg(file.toUpper());
    };
    const qsizetype first = r.err.indexOf(question(blank));
    QVERIFY2(first >= 0, qPrintable(r.err));
    if (!yes) {
        QCOMPARE(r.status, 11);
        QVERIFY2(!r.err.contains(question(none)), qPrintable(r.err));
        QCOMPARE(dest(), QStringList());
        return;
    }
    // Each empty file is asked about once, in the list's order.
    QVERIFY2(r.err.indexOf(question(none)) > first, qPrintable(r.err));
    QCOMPARE(r.err.count(question(blank)), 1);
    QCOMPARE(r.err.count(question(none)), 1);
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(dest(), QStringList({"Art.rc", "Art.res"}));
    QFile rc(path("dest/Art.rc"));
    QVERIFY(rc.open(QIODevice::ReadOnly));
    const QByteArray text = rc.readAll();
    QVERIFY2(text.contains("\r\nMyResFile BITMAP \"" + bmp.toUtf8() + "\"\r\n"), text.constData());
    QVERIFY(!text.contains("none.ico"));
    QVERIFY(!text.contains("blank.cur"));
}

void TestHeadless::compilerThatNeverEnds_data()
{
    QTest::addColumn<bool>("scriptsOnly");
    QTest::newRow("compiling") << false;
    QTest::newRow("scripts only") << true;
}

void TestHeadless::compilerThatNeverEnds()
{
    QFETCH(bool, scriptsOnly);
    const QString hang = script("hang", "exec sleep 600");
    settings({{"Compiler1", hang}, {"Prompt Compile", scriptsOnly ? 1 : 0}});
    QElapsedTimer clock;
    clock.start();
    const Result r =
        run({art("logo.bmp", corpus::bitmap(8, 12)), "--dest", path("dest"), "--timeout", "0.3"});
    QCOMPARE(r.status, 30);
    QVERIFY2(r.err.contains("hang did not end within 1 second and was stopped."),
             qPrintable(r.err));
    QVERIFY(clock.elapsed() < 60000);
    QCOMPARE(dest(), QStringList());
    QCOMPARE(leftInTemp(), QStringList());
}

void TestHeadless::signalCleansUp_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("scriptsOnly");
    QTest::newRow("SIGTERM") << int(SIGTERM) << false;
    QTest::newRow("SIGINT") << int(SIGINT) << false;
    // The script is in the destination already while its .res is compiled.
    QTest::newRow("SIGTERM, scripts only") << int(SIGTERM) << true;
}

void TestHeadless::signalCleansUp()
{
    QFETCH(int, signal);
    QFETCH(bool, scriptsOnly);
    hangingHelper();
    settings({{"Prompt Compile", scriptsOnly ? 1 : 0}});
    QProcess p;
    start(p, {art("logo.bmp", corpus::bitmap(8, 12)), "--dest", path("dest")}, path("registry.reg"),
          path("slow"));
    // The build is inside the resource compiler, which is inside its helper.
    QTRY_VERIFY_WITH_TIMEOUT(helperPid() > 0, 30000);
    QVERIFY(!leftInTemp().isEmpty());
    QVERIFY(!dest().isEmpty());
    QCOMPARE(::kill(pid_t(p.processId()), signal), 0);
    QVERIFY(p.waitForFinished(30000));
    // It ends by the signal it got, as a shell expects of a program that was stopped.
    QCOMPARE(p.exitStatus(), QProcess::CrashExit);
    QCOMPARE(p.exitCode(), signal);
    QCOMPARE(dest(), QStringList());
    // The stand-in cleans up as it ends, which may be a moment after its caller.
    QTRY_VERIFY2_WITH_TIMEOUT(leftInTemp().isEmpty(), qPrintable(leftInTemp().join(", ")), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(::kill(pid_t(helperPid()), 0) != 0, 10000);
}

void TestHeadless::killedBuildIsClearedNextTime()
{
    hangingHelper();
    const QString bmp = art("logo.bmp", corpus::bitmap(8, 12));
    // A working folder of an older build that is still running: it stays.
    const QString running =
        QString(".tolvane-build-%1-feed").arg(QCoreApplication::applicationPid());
    QVERIFY(QDir().mkpath(path("dest/" + running)));
    QProcess p;
    start(p, {bmp, "--dest", path("dest")}, path("registry.reg"), path("slow"));
    QTRY_VERIFY_WITH_TIMEOUT(helperPid() > 0, 30000);
    QCOMPARE(::kill(pid_t(p.processId()), SIGKILL), 0);
    QVERIFY(p.waitForFinished(30000));
    const QStringList left = dest();
    QCOMPARE(left.size(), 2); // its own working folder stays behind
    // The compiler is told that its caller is gone, and leaves nothing in the temp folder.
    QTRY_VERIFY2_WITH_TIMEOUT(leftInTemp().isEmpty(), qPrintable(leftInTemp().join(", ")), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(::kill(pid_t(helperPid()), 0) != 0, 10000);

    const Result r = run({bmp, "--dest", path("dest")});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QStringList gone = left;
    gone.removeAll(running);
    QVERIFY2(r.err.startsWith("tolvane-build: removed " + path("dest/" + gone.value(0)) +
                              ", left by a build that was stopped\n"),
             qPrintable(r.err));
    QCOMPARE(dest(), QStringList({running, "Art.rc", "Art.res", "ArtLib.dll"}));
}

void TestHeadless::nameThatIsNotUtf8()
{
    // "café.bmp" in Latin-1, from an old share: the name reaches the program as its bytes.
    const QByteArray name = QFile::encodeName(path("art/")) + "caf\xe9.bmp";
    QVERIFY(QDir().mkpath(path("art")));
    const QByteArray bitmap = corpus::bitmap(8, 12);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, bitmap.constData(), size_t(bitmap.size())), ssize_t(bitmap.size()));
    ::close(fd);
    const auto removeRaw = qScopeGuard([&] { ::unlink(name.constData()); });
    // The build's file operations are the platform's; the command line is this program's.
    if (!LinuxPlatform().fileExists(nativename::decode(name)))
        QSKIP("the platform layer does not open names that are not UTF-8 yet");
    const QString other = art("logo.bmp", corpus::bitmap(8, 12));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TMPDIR", path("tmp"));
    p.setProcessEnvironment(env);
    // Through printf, so that the argument holds the byte itself.
    p.start("bash", {"-c", "exec \"$0\" \"$(printf '%s/art/caf\\351.bmp' \"$1\")\" \"${@:2}\"",
                     program, m_dir.path(), other, "--dest", path("dest"), "--registry",
                     path("registry.reg"), "--scripts-only"});
    QVERIFY(p.waitForFinished(-1));
    const QByteArray err = p.readAllStandardError();
    QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, err.constData());
    QCOMPARE(dest(), QStringList({"Art.rc", "Art.res"}));
    QFile rc(path("dest/Art.rc"));
    QVERIFY(rc.open(QIODevice::ReadOnly));
    QVERIFY(rc.readAll().contains("A1 BITMAP \"" + name + "\"\r\n"));
}

QTEST_GUILESS_MAIN(TestHeadless)
#include "tst_headless.moc"
