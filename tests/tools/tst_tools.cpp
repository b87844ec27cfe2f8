#include "Corpus.h"
#include "core/LibraryProjectWriter.h"
#include "platform/LinuxPlatform.h"
#include "tools/common/ResFile.h"
#include "tools/brcc32/ScriptCheck.h"
#include "core/ScriptWriter.h"
#include "core/StringTable.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace tolvane;
using namespace tolvane::tools;

namespace {

const QString bin = QStringLiteral(TOOLCHAIN_BIN);

struct Run
{
    int code = -99;
    QString output;
};

Run run(const QString &program, const QStringList &args, const QString &cwd = QString())
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (!cwd.isEmpty())
        p.setWorkingDirectory(cwd);
    p.start(program, args);
    Run r;
    if (!p.waitForStarted(-1))
        return r;
    p.waitForFinished(-1);
    r.code = p.exitCode();
    r.output = QString::fromUtf8(p.readAll());
    return r;
}

QList<Resource> resourcesOf(const QString &resPath)
{
    QFile f(resPath);
    QList<Resource> out;
    QString error;
    if (!f.open(QIODevice::ReadOnly) || !parseResFile(f.readAll(), out, error))
        qWarning() << "cannot read" << resPath << error;
    return out;
}

// The resource tree as llvm-readobj shows it, without what depends on the file's layout.
QString resourceTree(const QString &coffFile)
{
    const Run r = run(QStringLiteral("llvm-readobj"), {"--coff-resources", coffFile});
    QStringList kept;
    for (const QString &line : r.output.split('\n')) {
        const QString t = line.trimmed();
        if (t.startsWith("File:") || t.startsWith("Format:") || t.startsWith("Arch:") ||
            t.startsWith("AddressSize:") || t.startsWith("Base Table Address") ||
            t.startsWith("DataRVA") || t.isEmpty())
            continue;
        kept << t;
    }
    return kept.join('\n');
}

// What a reader of the script would do with its ';' comments: drop them, outside strings.
QString withoutComments(const QString &script)
{
    QStringList out;
    for (const QString &line : script.split("\r\n")) {
        bool inString = false;
        int cut = -1;
        for (int i = 0; i < line.size() && cut < 0; ++i) {
            if (line.at(i) == '"')
                inString = !inString;
            else if (line.at(i) == ';' && !inString)
                cut = i;
        }
        out << (cut < 0 ? line : line.left(cut));
    }
    return out.join("\r\n");
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestTools : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase();
    void compileAndLinkCorpus_data();
    void compileAndLinkCorpus();
    void ordinaryScript();
    void stripComments_data();
    void stripComments();
    void brcc32Errors_data();
    void brcc32Errors();
    void dcc32Errors_data();
    void dcc32Errors();
    void dcc32FindsResourcesWithoutRegardToCase();
    void extractCabinet();

  private:
    QTemporaryDir m_dir;
    QStringList m_files;
};

void TestTools::initTestCase()
{
    QVERIFY(QFileInfo::exists(bin + "/brcc32"));
    const QString art = m_dir.filePath("art é");
    auto add = [&](const QString &name, const QByteArray &data) {
        QVERIFY(corpus::write(art + "/" + name, data));
        m_files << art + "/" + name;
    };
    add("mono.bmp", corpus::bitmap(1, 40));
    add("sixteen.bmp", corpus::bitmap(4, 40));
    add("core.bmp", corpus::bitmap(8, 12));
    add("true colour.bmp", corpus::bitmap(24, 40));
    add("v5.bmp", corpus::bitmap(32, 124));
    add("app.ico", corpus::iconFile(1, true));
    add("small.ico", corpus::iconFile(1, false));
    add("hand.cur", corpus::iconFile(2, false));
    add("busy.ani", corpus::animatedCursor());
    add("ding.wav", corpus::wave());
    add("clip.avi", corpus::avi());
    add("dot.gif", corpus::gif());
    add("photo.jpg", corpus::jpeg());
    add("small.fon", corpus::fakeFon());
    add("sans.ttf", corpus::trueTypeFont());
    add("quote's.wav", corpus::wave(100));
    // A cabinet and an executable made by the tools of the trade.
    QVERIFY(corpus::write(m_dir.filePath("cabsrc/readme.txt"), "hello cabinet\n"));
    QCOMPARE(run("gcab", {"-c", "-n", art + "/data.cab", m_dir.filePath("cabsrc/readme.txt")}).code,
             0);
    m_files << art + "/data.cab";
    QVERIFY(corpus::write(m_dir.filePath("exe/Tool.dpr"), "library Tool;\nbegin\nend.\n"));
    QCOMPARE(run(bin + "/dcc32", {m_dir.filePath("exe/Tool.dpr")}).code, 0);
    QVERIFY(QFile::copy(m_dir.filePath("exe/Tool.dll"), art + "/tool.exe"));
    m_files << art + "/tool.exe";
    m_files.sort(Qt::CaseInsensitive);
}

void TestTools::compileAndLinkCorpus_data()
{
    QTest::addColumn<int>("prefix");
    QTest::addColumn<bool>("table");
    QTest::addColumn<bool>("fileInfo");
    QTest::newRow("ResName, table, file info") << 0 << true << true;
    QTest::newRow("ResName, plain") << 5 << false << false;
    QTest::newRow("ResId, file info") << 22 << false << true;
    QTest::newRow("ResId, table") << 22 << true << false;
}

void TestTools::compileAndLinkCorpus()
{
    QFETCH(int, prefix);
    QFETCH(bool, table);
    QFETCH(bool, fileInfo);
    QTemporaryDir prog;
    LinuxPlatform platform;
    Clock clock;
    ScriptWriter writer(platform, clock);
    ScriptSettings s;
    s.scriptName = "Corpus";
    s.resName = "Single";
    s.prefixPosition = prefix;
    s.fileInfo = fileInfo;
    s.programFolder = prog.path();
    s.settingsKeyExists = true;
    QList<ListEntry> entries;
    for (const QString &f : m_files)
        entries << ListEntry{f, true};
    StringTable strings;
    if (table) {
        strings.insert("Hello, world!");
        strings.insert("a;b with é and %s");
        strings.insert("Value: %d ");
    }
    QVERIFY(writer.write(entries, strings.lines(), s));
    const QString script = prog.filePath("Corpus.rc");

    const Run rc = run(bin + "/brcc32", {script});
    QVERIFY2(rc.code == 0, qPrintable(rc.output));
    const QString res = prog.filePath("Corpus.res");
    QVERIFY(QFileInfo::exists(res));

    // The same script, comments removed by hand, through llvm-rc directly.
    QTemporaryDir ref;
    QVERIFY(corpus::write(ref.filePath("ref.rc"),
                          withoutComments(QString::fromUtf8(readFile(script))).toUtf8()));
    const Run direct = run("llvm-rc", {"-no-preprocess", "-C", "65001", "-fo",
                                       ref.filePath("ref.res"), ref.filePath("ref.rc")});
    QVERIFY2(direct.code == 0, qPrintable(direct.output));
    const QList<Resource> ours = resourcesOf(res);
    const QList<Resource> theirs = resourcesOf(ref.filePath("ref.res"));
    QCOMPARE(ours.size(), theirs.size());
    QVERIFY(ours.size() >= m_files.size() + (table ? 1 : 0));
    for (int i = 0; i < ours.size(); ++i) {
        QCOMPARE(ours.at(i).type, theirs.at(i).type);
        QCOMPARE(ours.at(i).name, theirs.at(i).name);
        QCOMPARE(ours.at(i).language, theirs.at(i).language);
        QVERIFY(ours.at(i).data == theirs.at(i).data);
    }

    // The library links exactly those resources.
    LibrarySettings lib{"CorpusLib", "Corpus", true, true, false, prog.path()};
    QVERIFY(LibraryProjectWriter::write(lib));
    const Run dc = run(bin + "/dcc32", {prog.filePath("CorpusLib.dpr")});
    QVERIFY2(dc.code == 0, qPrintable(dc.output));
    const QString dll = prog.filePath("CorpusLib.dll");
    QVERIFY(readFile(dll).startsWith("MZ"));
    QCOMPARE(run("llvm-cvtres", {"/machine:x86", "/out:" + ref.filePath("res.obj"), res}).code, 0);
    const QString fromDll = resourceTree(dll);
    QVERIFY(fromDll.contains("Type: ICON"));
    QCOMPARE(fromDll, resourceTree(ref.filePath("res.obj")));
    QVERIFY(run("llvm-readobj", {"--file-headers", dll}).output.contains("IMAGE_FILE_DLL"));
}

void TestTools::ordinaryScript()
{
    QTemporaryDir dir;
    QVERIFY(corpus::write(dir.filePath("pics/a.bmp"), corpus::bitmap(24, 40)));
    QVERIFY(corpus::write(dir.filePath("plain.rc"),
                          "// an ordinary script\n"
                          "LOGO BITMAP DISCARDABLE \"pics/a.bmp\"\n"
                          "7 RCDATA { 1, 2, \"text\" }\n"
                          "STRINGTABLE LANGUAGE 9, 1\nBEGIN\n  10 \"ten\"\nEND\n"));
    const Run r = run(bin + "/brcc32", {"plain.rc"}, dir.path());
    QVERIFY2(r.code == 0, qPrintable(r.output));
    const QList<Resource> res = resourcesOf(dir.filePath("plain.res"));
    QCOMPARE(res.size(), 3);
    QCOMPARE(res.at(0).name, QStringLiteral("LOGO"));
}

void TestTools::stripComments_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("trailing") << "A1 ICON \"a.ico\"   ; size: 1 KB\r\n"
                              << "A1 ICON \"a.ico\"   \r\n";
    QTest::newRow("in string") << "1, \"a;b\"\r\n"
                               << "1, \"a;b\"\r\n";
    QTest::newRow("doubled quote") << "A \"x\"\"; y\" ;c\n"
                                   << "A \"x\"\"; y\" \n";
    QTest::newRow("whole line") << ";  [Script Name: X]\r\nA\r\n"
                                << "\r\nA\r\n";
    QTest::newRow("in C comment") << "/* a ; b\n*/ X ; y\n"
                                  << "/* a ; b\n*/ X \n";
}

void TestTools::stripComments()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(ScriptCheck::stripComments(in), out);
}

void TestTools::brcc32Errors_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << QByteArray("\r\nA1 ICON \"icons/app.ico\"\r\n")
                                  << "bad.rc(2): Error: icons/app.ico: file not found";
    QTest::newRow("malformed icon") << QByteArray("A1 ICON \"broken.ico\"\n")
                                    << "bad.rc(1): Error: broken.ico: invalid icon file";
    QTest::newRow("bitmap that is not one") << QByteArray("A1 BITMAP \"broken.ico\"\n")
                                            << "bad.rc(1): Error: broken.ico: invalid bitmap file";
    QTest::newRow("bad string table line")
        << QByteArray("STRINGTABLE\n{\n1, \"ok\"\nA2, \"no\"\n}\n")
        << "bad.rc(4): Error: invalid string table entry: A2, \"no\"";
    QTest::newRow("unclosed table") << QByteArray("STRINGTABLE\n{\n1, \"ok\"\n")
                                    << "bad.rc(4): Error: STRINGTABLE is not closed";
    QTest::newRow("syntax llvm-rc refuses")
        << QByteArray("A1 DIALOG 0, 0, {\n") << "bad.rc: Error:";
}

void TestTools::brcc32Errors()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(corpus::write(dir.filePath("broken.ico"), QByteArray("\0\0\1\0\5\0garbage", 12)));
    QVERIFY(corpus::write(dir.filePath("bad.rc"), script));
    const Run r = run(bin + "/brcc32", {dir.filePath("bad.rc")});
    QVERIFY(r.code != 0);
    QVERIFY2(r.output.contains(message), qPrintable(r.output));
    QVERIFY(!QFileInfo::exists(dir.filePath("bad.res")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2); // nothing half-written beside
}

void TestTools::dcc32Errors_data()
{
    QTest::addColumn<QByteArray>("project");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing header") << QByteArray("\r\nuses sysutils;\r\nbegin end.\r\n")
                                    << "bad.dpr(2) Error: 'LIBRARY' expected but 'uses' found";
    QTest::newRow("program") << QByteArray("program P;\nbegin end.\n")
                             << "bad.dpr(1) Error: Only a resource-only LIBRARY";
    QTest::newRow("missing semicolon") << QByteArray("Library L\nbegin end.\n")
                                       << "bad.dpr(2) Error: ';' expected but 'begin' found";
    QTest::newRow("statements") << QByteArray("Library L;\nBegin\n  Halt;\nEnd.\n")
                                << "bad.dpr(3) Error: Statements are not allowed";
    QTest::newRow("missing res") << QByteArray("Library L;\n{$R NONE.RES}\nBegin\nEnd.\n")
                                 << "bad.dpr(2) Error: File not found: 'NONE.RES'";
    QTest::newRow("malformed res") << QByteArray("Library L;\n\n{$R JUNK.RES}\nBegin\nEnd.\n")
                                   << "bad.dpr(3) Error: 'JUNK.RES' is not a valid resource file";
    QTest::newRow("open comment") << QByteArray("Library L;\n{ never closed\nBegin\nEnd.\n")
                                  << "Error: Unterminated comment";
    QTest::newRow("no end") << QByteArray("Library L;\nBegin\n") << "'END' expected";
    QTest::newRow("after end. is not read")
        << QByteArray("Library L;\nBegin\nEnd.\nnoise") << QString();
}

void TestTools::dcc32Errors()
{
    QFETCH(QByteArray, project);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(corpus::write(dir.filePath("junk.res"), QByteArray("this is no resource file")));
    QVERIFY(corpus::write(dir.filePath("bad.dpr"), project));
    const Run r = run(bin + "/dcc32", {dir.filePath("bad.dpr")});
    if (message.isEmpty()) {
        QVERIFY2(r.code == 0, qPrintable(r.output));
        return;
    }
    QVERIFY(r.code != 0);
    QVERIFY2(r.output.contains(message), qPrintable(r.output));
    QVERIFY(!QFileInfo::exists(dir.filePath("bad.dll")));
}

void TestTools::dcc32FindsResourcesWithoutRegardToCase()
{
    QTemporaryDir dir;
    QVERIFY(corpus::write(dir.filePath("icons.rc"), "A1 WAVE \"ding.wav\"\n"));
    QVERIFY(corpus::write(dir.filePath("ding.wav"), corpus::wave()));
    QCOMPARE(run(bin + "/brcc32", {"icons.rc"}, dir.path()).code, 0);
    QVERIFY(corpus::write(dir.filePath("My Lib.dpr"),
                          "Library MyLib;\n(* old style *)\n// line\nuses sysutils, classes;\n"
                          "{$R ICONS.RES}\nBegin\nEnd.\n"));
    const Run r = run(bin + "/dcc32", {dir.filePath("My Lib.dpr")});
    QVERIFY2(r.code == 0, qPrintable(r.output));
    QVERIFY(resourceTree(dir.filePath("My Lib.dll")).contains("Name: A1"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
             QStringList({"My Lib.dll", "My Lib.dpr", "ding.wav", "icons.rc", "icons.res"}));
}

void TestTools::extractCabinet()
{
    QTemporaryDir dir;
    QVERIFY(corpus::write(dir.filePath("src/TOLVANE.PDF"), "%PDF-1.4 test"));
    QCOMPARE(run("gcab", {"-c", "-n", dir.filePath("m.cab"), dir.filePath("src/TOLVANE.PDF")}).code,
             0);
    const Run r = run(bin + "/extract", {dir.filePath("m.cab"), "/L", dir.filePath("out")});
    QVERIFY2(r.code == 0, qPrintable(r.output));
    QCOMPARE(readFile(dir.filePath("out/TOLVANE.PDF")), QByteArray("%PDF-1.4 test"));
    QVERIFY(run(bin + "/extract", {dir.filePath("none.cab"), "/L", dir.filePath("out")}).code != 0);
}

QTEST_GUILESS_MAIN(TestTools)
#include "tst_tools.moc"
