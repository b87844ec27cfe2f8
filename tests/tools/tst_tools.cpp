#include "Corpus.h"
#include "core/LibraryProjectWriter.h"
#include "core/ScriptWriter.h"
#include "core/StringTable.h"
#include "platform/LinuxPlatform.h"
#include "platform/NativeName.h"
#include "tools/brcc32/ScriptCheck.h"
#include "tools/common/ResFile.h"
#include "tools/dcc32/LibraryProject.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tolvane;
using namespace tolvane::tools;

namespace {

const QString bin = QStringLiteral(TOOLCHAIN_BIN);

struct Run
{
    int code = -99;
    QString output;
};

// A run that has not ended within timeoutMs is killed and reported as code -2; one that crashed
// is code -3.
Run run(const QString &program, const QStringList &args, const QString &cwd = QString(),
        int timeoutMs = -1, const QProcessEnvironment &env = QProcessEnvironment())
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (!cwd.isEmpty())
        p.setWorkingDirectory(cwd);
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    p.start(program, args);
    Run r;
    if (!p.waitForStarted(-1))
        return r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(-1);
        r.code = -2;
    } else {
        r.code = p.exitStatus() == QProcess::CrashExit ? -3 : p.exitCode();
    }
    r.output = QString::fromUtf8(p.readAll());
    return r;
}

// A run whose one argument is given as bytes: an argument list of texts would spell a byte that is
// not UTF-8 another way. The shell's printf turns the escapes back into the bytes.
Run runWithBytes(const QString &program, const QByteArray &argument)
{
    QString escaped;
    for (const char c : argument)
        escaped += QString::asprintf("\\0%03o", unsigned(uchar(c)));
    return run("sh", {"-c", "exec \"$0\" \"$(printf %b \"$1\")\"", program, escaped});
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

// The data of one resource of a 32-bit Windows DLL, read from its resource section: type and name
// as "#N" for a number, else the name; the first language. Empty when there is none.
QByteArray dllResource(const QByteArray &dll, const QString &type, const QString &name)
{
    auto u16 = [&](qint64 at) {
        return at + 2 <= dll.size() ? qFromLittleEndian<quint16>(dll.constData() + at) : 0;
    };
    auto u32 = [&](qint64 at) {
        return at + 4 <= dll.size() ? qFromLittleEndian<quint32>(dll.constData() + at) : 0u;
    };
    const qint64 pe = u32(0x3C);
    if (!dll.startsWith("MZ") || dll.mid(pe, 4) != QByteArray("PE\0\0", 4))
        return QByteArray();
    const int sections = u16(pe + 6);
    const qint64 optional = pe + 24;
    const quint32 rsrcRva = u32(optional + 96 + 2 * 8); // data directory 2: resources
    const qint64 table = optional + u16(pe + 20);
    auto offsetOf = [&](quint32 rva) -> qint64 {
        for (int i = 0; i < sections; ++i) {
            const qint64 sec = table + 40 * i;
            const quint32 va = u32(sec + 12), size = qMax(u32(sec + 8), u32(sec + 16));
            if (rva >= va && rva < va + size)
                return rva - va + u32(sec + 20);
        }
        return -1;
    };
    const qint64 base = offsetOf(rsrcRva);
    if (base < 0)
        return QByteArray();
    // One level of the directory: the entry whose id or name is wanted (empty: the first).
    auto entry = [&](qint64 dir, const QString &wanted) -> quint32 {
        const int count = u16(dir + 12) + u16(dir + 14);
        for (int i = 0; i < count; ++i) {
            const qint64 e = dir + 16 + 8 * i;
            const quint32 id = u32(e);
            QString key = QLatin1Char('#') + QString::number(id);
            if (id & 0x80000000u) {
                const qint64 str = base + (id & 0x7FFFFFFFu);
                key.clear();
                for (int k = 0; k < u16(str); ++k)
                    key += QChar(u16(str + 2 + 2 * k));
            }
            if (wanted.isEmpty() || key == wanted)
                return u32(e + 4);
        }
        return 0;
    };
    const quint32 byType = entry(base, type);
    if (!(byType & 0x80000000u))
        return QByteArray();
    const quint32 byName = entry(base + (byType & 0x7FFFFFFFu), name);
    if (!(byName & 0x80000000u))
        return QByteArray();
    const quint32 data = entry(base + (byName & 0x7FFFFFFFu), QString());
    if (!data || (data & 0x80000000u))
        return QByteArray();
    const qint64 at = offsetOf(u32(base + data));
    return at < 0 ? QByteArray() : dll.mid(at, u32(base + data + 4));
}

// One entry of a .res file with numbered type and name; declaredSize overrides the data's size
// in the header (for files too large to write out).
QByteArray resEntry(quint16 type, quint16 name, const QByteArray &data, qint64 declaredSize = -1)
{
    QByteArray e(32, '\0');
    qToLittleEndian<quint32>(quint32(declaredSize < 0 ? data.size() : declaredSize), e.data());
    qToLittleEndian<quint32>(32, e.data() + 4);
    qToLittleEndian<quint16>(0xFFFF, e.data() + 8);
    qToLittleEndian<quint16>(type, e.data() + 10);
    qToLittleEndian<quint16>(0xFFFF, e.data() + 12);
    qToLittleEndian<quint16>(name, e.data() + 14);
    e += data;
    while (e.size() % 4)
        e += '\0';
    return e;
}

const QByteArray emptyRes = resEntry(0, 0, QByteArray());

// Compiles SCRIPT.rc in folder, writes the library project the program writes for it and
// compiles that; the DLL's bytes, or empty with the reason in why.
QByteArray buildLibrary(const QString &folder, const QString &scriptName, QString &why,
                        const QProcessEnvironment &env = QProcessEnvironment())
{
    const Run rc =
        run(bin + "/brcc32", {QDir(folder).filePath(scriptName + ".rc")}, QString(), -1, env);
    if (rc.code != 0) {
        why = "brcc32: " + rc.output;
        return QByteArray();
    }
    LibrarySettings lib{"Lib", scriptName, true, true, false, folder};
    LinuxPlatform platform;
    if (!LibraryProjectWriter::write(platform, lib)) {
        why = "the library project was not written";
        return QByteArray();
    }
    const Run dc = run(bin + "/dcc32", {QDir(folder).filePath("Lib.dpr")}, QString(), -1, env);
    if (dc.code != 0) {
        why = "dcc32: " + dc.output;
        return QByteArray();
    }
    return readFile(QDir(folder).filePath("Lib.dll"));
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
    void dcc32ReadsHeadersOfAnyLength();
    void extractCabinet();
    void compilesEveryPathTheWriterWrites_data();
    void compilesEveryPathTheWriterWrites();
    void pathsAreNeverTakenForOptions();
    void refusesOutputThatIsInput_data();
    void refusesOutputThatIsInput();
    void largeResourceFile_data();
    void largeResourceFile();
    void brcc32RefusesFileTooLargeForResource();
    void resourceDirectives_data();
    void resourceDirectives();
    void scriptNamesThatLink_data();
    void scriptNamesThatLink();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void dcc32Messages_data();
    void dcc32Messages();
    void brcc32NamesAnUnreadableFile();
    void linksOnlyWhereNeeded_data();
    void linksOnlyWhereNeeded();
    void namesThatAreNotUtf8_data();
    void namesThatAreNotUtf8();

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
    QVERIFY(LibraryProjectWriter::write(platform, lib));
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

// dcc32 reads a .res header by header: one with a 300-character name is longer than a first
// read takes, and the entries after it must still be found where they are.
void TestTools::dcc32ReadsHeadersOfAnyLength()
{
    QTemporaryDir dir;
    const QString longName = QString(300, QLatin1Char('N')) + QStringLiteral("LONG");
    QVERIFY(corpus::write(dir.filePath("names.rc"),
                          (longName + " RCDATA \"a.bin\"\nAFTER RCDATA \"b.bin\"\n").toUtf8()));
    QVERIFY(corpus::write(dir.filePath("a.bin"), QByteArray("first data")));
    QVERIFY(corpus::write(dir.filePath("b.bin"), QByteArray("second data, after the long one")));
    const Run compiled = run(bin + "/brcc32", {"names.rc"}, dir.path());
    QVERIFY2(compiled.code == 0, qPrintable(compiled.output));
    QVERIFY(
        corpus::write(dir.filePath("Names.dpr"), "Library Names;\n{$R NAMES.RES}\nBegin\nEnd.\n"));
    const Run linked = run(bin + "/dcc32", {dir.filePath("Names.dpr")});
    QVERIFY2(linked.code == 0, qPrintable(linked.output));
    const QByteArray dll = readFile(dir.filePath("Names.dll"));
    QCOMPARE(dllResource(dll, "#10", longName), QByteArray("first data"));
    QCOMPARE(dllResource(dll, "#10", "AFTER"), QByteArray("second data, after the long one"));

    // A header that says it is longer than the file is refused, not read past the end.
    QByteArray cut = emptyRes + resEntry(10, 1, "data");
    qToLittleEndian<quint32>(4000, cut.data() + emptyRes.size() + 4);
    QVERIFY(corpus::write(dir.filePath("cut.res"), cut));
    QVERIFY(corpus::write(dir.filePath("Cut.dpr"), "Library Cut;\n{$R CUT.RES}\nBegin\nEnd.\n"));
    const Run refused = run(bin + "/dcc32", {dir.filePath("Cut.dpr")});
    QCOMPARE(refused.code, 1);
    QVERIFY2(refused.output.contains("Cut.dpr(2) Error: 'CUT.RES' is not a valid resource file: "
                                     "resource entry at offset 32 runs past the end of the file"),
             qPrintable(refused.output));
    QVERIFY(!QFileInfo::exists(dir.filePath("Cut.dll")));
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
    // A cabinet whose name reads as options, and one that is a FIFO.
    QVERIFY(QFile::copy(dir.filePath("m.cab"), dir.filePath("-t.cab")));
    const Run dashed = run(bin + "/extract", {"-t.cab", "/L", "dashed"}, dir.path());
    QVERIFY2(dashed.code == 0, qPrintable(dashed.output));
    QCOMPARE(readFile(dir.filePath("dashed/TOLVANE.PDF")), QByteArray("%PDF-1.4 test"));
    QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("pipe.cab")).constData(), 0600), 0);
    const Run fifo = run(bin + "/extract", {"pipe.cab", "/L", "out"}, dir.path(), 30000);
    QCOMPARE(fifo.code, 1);
    QVERIFY2(fifo.output.contains("extract: cannot open cabinet 'pipe.cab': is not a regular file"),
             qPrintable(fifo.output));
}

void TestTools::compilesEveryPathTheWriterWrites_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("type");
    QTest::newRow("double quote") << "say \"hi\".wav"
                                  << "WAVE";
    QTest::newRow("backslash") << "back\\slash.wav"
                               << "WAVE";
    QTest::newRow("blanks") << "  two  blanks .wav"
                            << "WAVE";
    QTest::newRow("non-ASCII") << "Grüße ı ß 名前.wav"
                               << "WAVE";
    QTest::newRow("all at once") << "a\"b\\c d é;x \"\".wav"
                                 << "WAVE";
    // Without a kind of its own it is raw data; the backslash stands before the closing quote.
    QTest::newRow("trailing backslash") << "end\\\\"
                                        << "#10";
}

void TestTools::compilesEveryPathTheWriterWrites()
{
    QFETCH(QString, name);
    QFETCH(QString, type);
    QTemporaryDir prog;
    const QString art = prog.filePath("art\\\"q");
    const QByteArray payload = corpus::wave(333);
    QVERIFY(corpus::write(art + "/" + name, payload));
    // Read with the backslash as a separator, the name leads to this decoy instead.
    if (name.contains('\\')) {
        QString decoy = art + "/" + name;
        decoy.replace('\\', '/');
        if (!decoy.endsWith('/'))
            QVERIFY(corpus::write(decoy, "DECOY DECOY DECOY"));
    }
    LinuxPlatform platform;
    Clock clock;
    ScriptWriter writer(platform, clock);
    ScriptSettings s;
    s.scriptName = "Paths";
    s.resName = "Single";
    s.fileInfo = true;
    s.programFolder = prog.path();
    s.settingsKeyExists = true;
    QVERIFY(writer.write({ListEntry{art + "/" + name, true}}, {}, s));

    QString why;
    const QByteArray dll = buildLibrary(prog.path(), "Paths", why);
    QVERIFY2(!dll.isEmpty(), qPrintable(why));
    QCOMPARE(dllResource(dll, type, "SINGLE"), payload);
    QVERIFY(!dll.contains("DECOY"));
}

void TestTools::pathsAreNeverTakenForOptions()
{
    // llvm-rc and lld-link take /d..., /u..., /i..., /l..., /c... for options.
    if (!QFileInfo("/dev/shm").isWritable())
        QSKIP("no writable /dev/shm");
    QTemporaryDir folder("/dev/shm/tolvane-test-XXXXXX");
    QVERIFY(folder.isValid());
    const QByteArray payload = corpus::wave(444);
    QVERIFY(corpus::write(folder.filePath("ding.wav"), payload));
    QVERIFY(corpus::write(folder.filePath("Shm.rc"),
                          "A1 WAVE \"" + folder.filePath("ding.wav").toUtf8() + "\"\r\n"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TMPDIR", "/dev/shm");
    QString why;
    const QByteArray dll = buildLibrary(folder.path(), "Shm", why, env);
    QVERIFY2(!dll.isEmpty(), qPrintable(why));
    QCOMPARE(dllResource(dll, "WAVE", "A1"), payload);
}

void TestTools::refusesOutputThatIsInput_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("brcc32 onto its script")
        << "brcc32"
        << "same.res" << QByteArray("A1 WAVE \"ding.wav\"\r\n")
        << "same.res: Error: the compiled resources would replace the script itself";
    QTest::newRow("dcc32 onto its project")
        << "dcc32"
        << "same.dll" << QByteArray("Library Same;\r\nBegin\r\nEnd.\r\n")
        << "same.dll(1) Error: The library would replace the project itself";
    QTest::newRow("a script that names its own output")
        << "brcc32"
        << "own.rc" << QByteArray("\r\nA1 RCDATA \"own.res\"\r\n")
        << "own.rc(2): Error: own.res: is the output file of this script";
    QTest::newRow("a project that names its own library")
        << "dcc32"
        << "own.dpr" << QByteArray("Library Own;\r\n{$R OWN.DLL}\r\nBegin\r\nEnd.\r\n")
        << "own.dpr(2) Error: 'OWN.DLL' is the library this project makes";
}

void TestTools::refusesOutputThatIsInput()
{
    QFETCH(QString, tool);
    QFETCH(QString, input);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(corpus::write(dir.filePath("ding.wav"), corpus::wave()));
    QVERIFY(corpus::write(dir.filePath(input), content));
    // What an earlier run left: kept when it is an input.
    const QByteArray earlier = emptyRes + resEntry(10, 1, "earlier");
    QVERIFY(corpus::write(dir.filePath("own.res"), earlier));
    QVERIFY(corpus::write(dir.filePath("own.dll"), earlier));
    const Run r = run(bin + "/" + tool, {input}, dir.path());
    QCOMPARE(r.code, 1);
    QVERIFY2(r.output.contains(message), qPrintable(r.output));
    QCOMPARE(readFile(dir.filePath(input)), content);
    QCOMPARE(readFile(dir.filePath("own.res")), earlier);
    QCOMPARE(readFile(dir.filePath("own.dll")), earlier);
}

void TestTools::largeResourceFile_data()
{
    QTest::addColumn<QList<qint64>>("sizes");
    QTest::newRow("2 GB in one resource") << QList<qint64>{qint64(1) << 31};
    QTest::newRow("past 4 GB in two") << QList<qint64>{0xFFFFFFF0, 4};
    QTest::newRow("just under 2 GB, then one more") << QList<qint64>{0x7FFFFFE0, 0x40};
}

void TestTools::largeResourceFile()
{
    QFETCH(QList<qint64>, sizes);
    // Sparse: the headers are written, the data are holes that take no disk.
    QTemporaryDir dir;
    QFile f(dir.filePath("big.res"));
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.write(emptyRes) == emptyRes.size());
    qint64 pos = emptyRes.size();
    for (int i = 0; i < sizes.size(); ++i) {
        QVERIFY(f.seek(pos));
        const QByteArray header = resEntry(10, quint16(i + 1), QByteArray(), sizes.at(i));
        QVERIFY(f.write(header) == header.size());
        pos = (pos + 32 + sizes.at(i) + 3) & ~qint64(3);
    }
    QVERIFY(f.resize(pos));
    f.close();

    QVERIFY(f.open(QIODevice::ReadOnly));
    const uchar *mapped = f.map(0, f.size());
    QVERIFY(mapped);
    QList<Resource> resources;
    QString error;
    QVERIFY2(parseResFile(QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), f.size()),
                          resources, error, false),
             qPrintable(error));
    QCOMPARE(resources.size(), sizes.size());
    for (int i = 0; i < sizes.size(); ++i) {
        QCOMPARE(resources.at(i).name, "#" + QString::number(i + 1));
        QCOMPARE(resources.at(i).dataSize, sizes.at(i));
    }
    f.close();

    QVERIFY(corpus::write(dir.filePath("Big.dpr"),
                          "Library Big;\r\n{$R BIG.RES}\r\nBegin\r\nEnd.\r\n"));
    const Run r = run(bin + "/dcc32", {dir.filePath("Big.dpr")});
    QCOMPARE(r.code, 1);
    QVERIFY2(r.output.contains("Big.dpr(2) Error: The resources up to 'BIG.RES' take ") &&
                 r.output.contains("a 32-bit library holds less than 2 GB (2147483648 bytes)"),
             qPrintable(r.output));
    QVERIFY(!QFileInfo::exists(dir.filePath("Big.dll")));
}

void TestTools::brcc32RefusesFileTooLargeForResource()
{
    QTemporaryDir dir;
    QFile big(dir.filePath("big.avi"));
    QVERIFY(big.open(QIODevice::WriteOnly));
    QVERIFY(big.resize(qint64(0x100000000))); // sparse: takes no disk
    big.close();
    QVERIFY(corpus::write(dir.filePath("s.rc"), "\r\nA1 AVI \"big.avi\"\r\n"));
    const Run r = run(bin + "/brcc32", {"s.rc"}, dir.path());
    QCOMPARE(r.code, 1);
    QVERIFY2(r.output.contains("s.rc(2): Error: big.avi: is larger than a resource can be (4 GB)"),
             qPrintable(r.output));
    QVERIFY(!QFileInfo::exists(dir.filePath("s.res")));
}

void TestTools::resourceDirectives_data()
{
    QTest::addColumn<QString>("directives");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("tab") << "{$R\tICONS.RES}" << QStringList{"ICONS.RES"};
    QTest::newRow("line breaks") << "{$R\r\n  ICONS.RES\r\n}" << QStringList{"ICONS.RES"};
    QTest::newRow("control character") << "{$RESOURCE\x0c"
                                          "A.RES}"
                                       << QStringList{"A.RES"};
    QTest::newRow("tab, quoted") << "{$R\t'My Res.res'}" << QStringList{"My Res.res"};
    QTest::newRow("no blank before a quote") << "{$R'X.RES'}" << QStringList{"X.RES"};
    QTest::newRow("parenthesis form") << "(*$R A.RES*)" << QStringList{"A.RES"};
    QTest::newRow("brace in a quoted name")
        << "(*$R 'A}B.RES'*) {$R 'C}D.RES'}" << QStringList{"A}B.RES", "C}D.RES"};
    QTest::newRow("doubled quote") << "{$R 'IT''S.RES'}" << QStringList{"IT'S.RES"};
    QTest::newRow("apostrophe in a plain name") << "{$R it's.res}" << QStringList{"it's.res"};
    QTest::newRow("other switches") << "{$RANGECHECKS ON}{$R+}{$E dll}" << QStringList{};
}

void TestTools::resourceDirectives()
{
    QFETCH(QString, directives);
    QFETCH(QStringList, files);
    LibraryProject parsed;
    int line = 0;
    QString error;
    QVERIFY2(parseLibraryProject("Library L;\r\n" + directives + "\r\nBegin\r\nEnd.\r\n", parsed,
                                 line, error),
             qPrintable(error));
    QStringList found;
    for (const ResourceDirective &d : parsed.resources)
        found << d.file;
    QCOMPARE(found, files);
}

void TestTools::scriptNamesThatLink_data()
{
    QTest::addColumn<QString>("scriptName");
    QTest::addColumn<QString>("directive");
    QTest::newRow("sharp s") << "Straße"
                             << "{$R STRAßE.RES}";
    QTest::newRow("dotless i") << "Kısa ılık"
                               << "{$R KıSA ıLıK.RES}";
    QTest::newRow("dotted capital I") << "İz"
                                      << "{$R İZ.RES}";
    QTest::newRow("outside the basic plane") << "\U00010428x"
                                             << "{$R \U00010400X.RES}";
    QTest::newRow("brace") << "a}b"
                           << "(*$R 'A}B.RES'*)";
    QTest::newRow("apostrophe") << "it's"
                                << "{$R 'IT''S.RES'}";
    QTest::newRow("brace and comment end") << "x*)y}z"
                                           << "(*$R 'X*)Y}Z.RES'*)";
    QTest::newRow("blanks") << "My Res"
                            << "{$R MY RES.RES}";
    QTest::newRow("leading blank") << " lead"
                                   << "{$R ' LEAD.RES'}";
}

void TestTools::scriptNamesThatLink()
{
    QFETCH(QString, scriptName);
    QFETCH(QString, directive);
    QTemporaryDir dir;
    const QByteArray payload = corpus::wave(555);
    QVERIFY(corpus::write(dir.filePath("ding.wav"), payload));
    QVERIFY(corpus::write(dir.filePath(scriptName + ".rc"), "A1 WAVE \"ding.wav\"\r\n"));
    QString why;
    const QByteArray dll = buildLibrary(dir.path(), scriptName, why);
    QVERIFY(readFile(dir.filePath("Lib.dpr")).contains("\r\n" + directive.toUtf8() + "\r\n"));
    QVERIFY2(!dll.isEmpty(), qPrintable(why));
    QCOMPARE(dllResource(dll, "WAVE", "A1"), payload);
}

void TestTools::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("FIFO in a script") << "brcc32"
                                      << "s.rc" << QByteArray("A1 WAVE \"pipe.wav\"\n")
                                      << "s.rc(1): Error: pipe.wav: is not a regular file";
    QTest::newRow("device in a script") << "brcc32"
                                        << "s.rc" << QByteArray("\nA1 RCDATA \"/dev/zero\"\n")
                                        << "s.rc(2): Error: /dev/zero: is not a regular file";
    QTest::newRow("folder in a script") << "brcc32"
                                        << "s.rc" << QByteArray("A1 WAVE folder.wav\n")
                                        << "s.rc(1): Error: folder.wav: is a folder, not a file";
    QTest::newRow("FIFO for a script")
        << "brcc32"
        << "pipe.rc" << QByteArray() << "pipe.rc: Error: is not a regular file";
    QTest::newRow("folder for a script")
        << "brcc32"
        << "folder.rc" << QByteArray() << "folder.rc: Error: is a folder, not a file";
    QTest::newRow("FIFO in a project")
        << "dcc32"
        << "p.dpr" << QByteArray("Library P;\n{$R PIPE.RES}\nBegin\nEnd.\n")
        << "p.dpr(2) Error: Could not read resource file 'PIPE.RES': is not a regular file";
    QTest::newRow("device in a project")
        << "dcc32"
        << "p.dpr" << QByteArray("Library P;\n{$R /dev/zero}\nBegin\nEnd.\n")
        << "p.dpr(2) Error: Could not read resource file '/dev/zero': is not a regular file";
    QTest::newRow("folder in a project")
        << "dcc32"
        << "p.dpr" << QByteArray("Library P;\n\n{$R FOLDER.RES}\nBegin\nEnd.\n")
        << "p.dpr(3) Error: Could not read resource file 'FOLDER.RES': is a folder, not a file";
    QTest::newRow("FIFO for a project")
        << "dcc32"
        << "pipe.dpr" << QByteArray()
        << "pipe.dpr(1) Error: Could not open project file: is not a regular file";
    QTest::newRow("folder for a project")
        << "dcc32"
        << "folder.dpr" << QByteArray()
        << "folder.dpr(1) Error: Could not open project file: is a folder, not a file";
}

void TestTools::onlyRegularFilesAreRead()
{
    QFETCH(QString, tool);
    QFETCH(QString, input);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QTemporaryDir dir;
    for (const char *fifo : {"pipe.wav", "pipe.res", "pipe.rc", "pipe.dpr"})
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(fifo)).constData(), 0600), 0);
    QVERIFY(QDir(dir.path()).mkdir("folder.wav"));
    QVERIFY(QDir(dir.path()).mkdir("folder.res"));
    QVERIFY(QDir(dir.path()).mkdir("folder.rc"));
    QVERIFY(QDir(dir.path()).mkdir("folder.dpr"));
    if (!content.isEmpty())
        QVERIFY(corpus::write(dir.filePath(input), content));
    // A tool that opened the FIFO or read the device would not come back.
    const Run r = run(bin + "/" + tool, {input}, dir.path(), 30000);
    QCOMPARE(r.code, 1);
    QVERIFY2(r.output.contains(message), qPrintable(r.output));
}

void TestTools::dcc32Messages_data()
{
    QTest::addColumn<QString>("directives");
    QTest::addColumn<QString>("message");
    QTest::newRow("twice in one file")
        << "{$R DUP.RES}"
        << "x.dpr(2) Error: 'DUP.RES' holds the resource RCDATA 7 (language 0) twice";
    QTest::newRow("in two files") << "{$R A.RES}\r\n{$R B.RES}"
                                  << "x.dpr(3) Error: 'A.RES' and 'B.RES' both hold the resource "
                                     "RCDATA 7 (language 0)";
    QTest::newRow("not a resource file") << "{$R JUNK.RES}"
                                         << "x.dpr(2) Error: 'JUNK.RES' is not a valid resource "
                                            "file: the file does not start with a "
                                            "resource file header";
    QTest::newRow("unreadable") << "{$R LOCKED.RES}"
                                << "x.dpr(2) Error: Could not read resource file 'LOCKED.RES': "
                                   "cannot open file (Permission denied)";
}

void TestTools::dcc32Messages()
{
    QFETCH(QString, directives);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(corpus::write(dir.filePath("dup.res"),
                          emptyRes + resEntry(10, 7, "one") + resEntry(10, 7, "two")));
    QVERIFY(corpus::write(dir.filePath("a.res"), emptyRes + resEntry(10, 7, "one")));
    QVERIFY(corpus::write(dir.filePath("b.res"), emptyRes + resEntry(10, 7, "two")));
    QVERIFY(corpus::write(dir.filePath("junk.res"), resEntry(10, 7, "no empty entry first")));
    QVERIFY(corpus::write(dir.filePath("locked.res"), emptyRes));
    QVERIFY(QFile::setPermissions(dir.filePath("locked.res"), QFileDevice::Permissions()));
    if (message.contains("Permission denied") &&
        QFile(dir.filePath("locked.res")).open(QIODevice::ReadOnly))
        QSKIP("this user reads files without read permission");
    QVERIFY(corpus::write(dir.filePath("x.dpr"),
                          "Library X;\r\n" + directives.toUtf8() + "\r\nBegin\r\nEnd.\r\n"));
    const Run r = run(bin + "/dcc32", {dir.filePath("x.dpr")});
    QCOMPARE(r.code, 1);
    QVERIFY2(r.output.contains(message), qPrintable(r.output));
    QVERIFY(!QFileInfo::exists(dir.filePath("x.dll")));
}

void TestTools::brcc32NamesAnUnreadableFile()
{
    // Only a file whose header is checked is opened before the compiler runs; when the compiler
    // then fails on an unreadable one, the message still names that file and its line.
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777)));
    QVERIFY(corpus::write(dir.filePath("ok.wav"), corpus::wave()));
    QVERIFY(corpus::write(dir.filePath("locked.wav"), corpus::wave()));
    QVERIFY(QFile::setPermissions(dir.filePath("locked.wav"), QFileDevice::Permissions()));
    QVERIFY(
        corpus::write(dir.filePath("x.rc"), "A1 WAVE \"ok.wav\"\r\nA2 WAVE \"locked.wav\"\r\n"));
    QString program = bin + "/brcc32";
    QStringList args = {dir.filePath("x.rc")};
    if (::geteuid() == 0) {
        // Root reads everything: the compile runs as nobody.
        if (QStandardPaths::findExecutable("setpriv").isEmpty())
            QSKIP("setpriv is not installed");
        args = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", program} + args;
        program = "setpriv";
    }
    const Run r = run(program, args);
    QCOMPARE(r.code, 1);
    QVERIFY2(r.output.contains("x.rc(2): Error: locked.wav: cannot open file (Permission denied)"),
             qPrintable(r.output));
    QVERIFY(!QFileInfo::exists(dir.filePath("x.res")));
}

void TestTools::linksOnlyWhereNeeded_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("linked");
    QTest::newRow("plain") << "ding.wav" << false;
    QTest::newRow("blanks, apostrophe, brackets") << "it's a (b) [c] {d}.wav" << false;
    QTest::newRow("non-ASCII") << "Grüße 名前.wav" << false;
    QTest::newRow("semicolon") << "a;b.wav" << false;
    QTest::newRow("double quote") << "say \"hi\".wav" << true;
    QTest::newRow("backslash") << "back\\slash.wav" << true;
    QTest::newRow("tab") << "tab\there.wav" << true;
    QTest::newRow("comment start") << "a/*b" << true;
    QTest::newRow("byte that is not UTF-8") << QString("caf") + QChar(0xDCE9) + ".wav" << true;
}

void TestTools::linksOnlyWhereNeeded()
{
    QFETCH(QString, name);
    QFETCH(bool, linked);
    QTemporaryDir dir;
    QString folder = dir.path();
    if (name.contains('/')) {
        folder += "/" + name.section('/', 0, 0);
        QVERIFY(QDir().mkpath(folder));
        name = name.section('/', 1);
    }
    const QByteArray file = nativename::encode(folder + "/" + name);
    {
        const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        QVERIFY(fd >= 0);
        const QByteArray wave = corpus::wave();
        QCOMPARE(::write(fd, wave.constData(), size_t(wave.size())), ssize_t(wave.size()));
        ::close(fd);
    }
    const QString path = folder + "/" + name;
    QString written = path;
    written.replace("\"", "\"\"");
    const CheckedScript checked =
        ScriptCheck::check("A1 WAVE \"" + written + "\"\r\n", {dir.path()});
    QVERIFY(checked.problems.isEmpty());
    QCOMPARE(checked.files.size(), 1);
    QCOMPARE(checked.files.first().linked, linked);
    // Handed as it is, the compiler gets the very path; else the link's plain name.
    QCOMPARE(checked.compilable,
             "A1 WAVE \"" + (linked ? ScriptCheck::linkName(0) : path) + "\"\r\n");
    // Names Qt's own clean-up cannot spell.
    QCOMPARE(QProcess::execute("rm", {"-rf", dir.path()}), 0);
}

void TestTools::namesThatAreNotUtf8_data()
{
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("the file's name") << QByteArray("art") << QByteArray("caf\xe9.wav");
    QTest::newRow("the folders' names") << QByteArray("Stra\xdf"
                                                      "e")
                                        << QByteArray("ding.wav");
}

void TestTools::namesThatAreNotUtf8()
{
    QFETCH(QByteArray, folder);
    QFETCH(QByteArray, file);
    QTemporaryDir dir;
    const QByteArray root = QFile::encodeName(dir.path()) + "/" + folder;
    QCOMPARE(::mkdir(root.constData(), 0755), 0);
    const QByteArray payload = corpus::wave(321);
    auto writeRaw = [](const QByteArray &path, const QByteArray &bytes) {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const bool ok = fd >= 0 && ::write(fd, bytes.constData(), size_t(bytes.size())) ==
                                       ssize_t(bytes.size());
        return ::close(fd) == 0 && ok;
    };
    QVERIFY(writeRaw(root + "/" + file, payload));
    // A decoy under the name the bytes would turn into, were they read as text and back.
    if (!nativename::hasRawBytes(nativename::decode(root)))
        QVERIFY(writeRaw(QFile::encodeName(QString::fromUtf8(root + "/" + file)), "DECOY"));
    // The script names the file by its bytes, as the program writes it.
    QVERIFY(writeRaw(root + "/Bytes.rc", "A1 WAVE \"" + root + "/" + file + "\"\r\n"));
    // The script's own path goes as its bytes too: a program hands them on as they are.
    const Run rc = runWithBytes(bin + "/brcc32", root + "/Bytes.rc");
    QVERIFY2(rc.code == 0, qPrintable(rc.output));
    QFile res;
    const int fd = ::open((root + "/Bytes.res").constData(), O_RDONLY);
    QVERIFY(fd >= 0);
    QVERIFY(res.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
    QList<Resource> resources;
    QString error;
    QVERIFY2(parseResFile(res.readAll(), resources, error), qPrintable(error));
    QCOMPARE(resources.size(), 1);
    QCOMPARE(resources.first().type, "WAVE");
    QCOMPARE(resources.first().data, payload);

    // And the library beside it, from a project that names the .res by its bytes.
    QVERIFY(writeRaw(root + "/Lib.dpr", "Library Lib;\r\n{$R BYTES.RES}\r\nBegin\r\nEnd.\r\n"));
    const Run dc = runWithBytes(bin + "/dcc32", root + "/Lib.dpr");
    QVERIFY2(dc.code == 0, qPrintable(dc.output));
    QFile dll;
    const int dllFd = ::open((root + "/Lib.dll").constData(), O_RDONLY);
    QVERIFY(dllFd >= 0);
    QVERIFY(dll.open(dllFd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
    QCOMPARE(dllResource(dll.readAll(), "WAVE", "A1"), payload);
    QCOMPARE(QProcess::execute("rm", {"-rf", dir.path()}), 0);
}

QTEST_GUILESS_MAIN(TestTools)
#include "tst_tools.moc"
