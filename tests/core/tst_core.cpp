#include "core/FileList.h"
#include "core/FileTexts.h"
#include "core/Identifiers.h"
#include "core/LibraryProjectWriter.h"
#include "core/NameChecks.h"
#include "core/OutputNames.h"
#include "core/PathLayout.h"
#include "core/Product.h"
#include "core/ProjectFile.h"
#include "core/ResourceKinds.h"
#include "core/ScriptWriter.h"
#include "core/StringTable.h"
#include "platform/LinuxPlatform.h"
#include "platform/NativeName.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tolvane;

namespace {
const QLocale english(QLocale::English, QLocale::UnitedStates);

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void makeFile(const QString &path, int size)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(size, 'r'));
}

QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += l.toUtf8() + "\r\n";
    return out;
}

QStringList banner(const QString &generatedAt)
{
    return {QString(),
            "/" + QString(84, '*'),
            QString(),
            " " + product::ownership(),
            " " + product::contact(),
            " File Generated at: " + generatedAt,
            QString(),
            QString(86, '*') + "/"};
}
} // namespace

class TestCore : public QObject
{
    Q_OBJECT

  private slots:
    void kinds_data();
    void kinds();
    void identifiers_data();
    void identifiers();
    void resIdConflict();
    void sizeText_data();
    void sizeText();
    void totalSizeText_data();
    void totalSizeText();
    void dateTexts();

    void scriptBytes();
    void scriptWithFileInfo();
    void scriptKeepsNameBytes();
    void scriptPathAndFailures();
    void scriptProgress();

    void libraryProject_data();
    void libraryProject();

    void stringTableNumbering();
    void stringTableExport();

    void projectFileRoundTrip();
    void projectFileParse_data();
    void projectFileParse();
    void projectFileRefusesLineBreaks();
    void outputNames();
    void pathLayout_data();
    void pathLayout();
    void fileListRules();
    void numericNames();
};

void TestCore::kinds_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("keyword");
    QTest::newRow("mixed case") << "/art/picture.Bmp"
                                << "BITMAP";
    QTest::newRow("upper case") << "/art/PICTURE.BMP"
                                << "BITMAP";
    QTest::newRow("jpg") << "/art/photo.jpg"
                         << "JPEG";
    QTest::newRow("jpeg has no row") << "/art/photo.jpeg"
                                     << "";
    QTest::newRow("png has no row") << "/art/photo.png"
                                    << "";
    QTest::newRow("last dot counts") << "/art/a.ico.wav"
                                     << "WAVE";
    QTest::newRow("dot in folder only") << "/art.ico/readme"
                                        << "";
    QTest::newRow("animated cursor") << "C:\\Cur\\busy.ANI"
                                     << "ANICUR";
    QTest::newRow("cabinet") << "/x/setup.cab"
                             << "CABFILE";
    QTest::newRow("executable") << "/x/tool.exe"
                                << "EXEFILE";
}

void TestCore::kinds()
{
    QFETCH(QString, path);
    QFETCH(QString, keyword);
    QCOMPARE(ResourceKinds::keyword(path).value_or(QString()), keyword);
    QCOMPARE(ResourceKinds::all().size(), 12);
}

void TestCore::identifiers_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("prefix");
    QTest::addColumn<QString>("id");
    QTest::newRow("one selected takes the name") << 5 << 1 << 0 << "My Res";
    QTest::newRow("one selected in ResId mode") << 5 << 1 << 22 << "My Res";
    QTest::newRow("A, position counts") << 2 << 3 << 0 << "A3";
    QTest::newRow("S") << 0 << 2 << 18 << "S1";
    QTest::newRow("U follows S") << 0 << 2 << 19 << "U1";
    QTest::newRow("ResId") << 3 << 3 << 22 << "4";
    QTest::newRow("X") << 0 << 2 << 23 << "X1";
    QTest::newRow("out of range is X") << 9 << 2 << 24 << "X10";
    QTest::newRow("negative is X") << 0 << 2 << -1 << "X1";
}

void TestCore::identifiers()
{
    QFETCH(int, position);
    QFETCH(int, selected);
    QFETCH(int, prefix);
    QFETCH(QString, id);
    QCOMPARE(Identifiers::identifier(position, selected, "My Res", prefix), id);
    QCOMPARE(Identifiers::items().size(), 24);
    QVERIFY(!Identifiers::items().contains("T"));
}

void TestCore::resIdConflict()
{
    QVERIFY(Identifiers::resIdConflict(22, 2, 1));
    QVERIFY(!Identifiers::resIdConflict(22, 1, 5));
    QVERIFY(!Identifiers::resIdConflict(22, 2, 0));
    QVERIFY(!Identifiers::resIdConflict(0, 2, 5));
}

void TestCore::sizeText_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << qint64(0) << " 0 Bytes";
    QTest::newRow("1") << qint64(1) << "1 Bytes";
    QTest::newRow("1023") << qint64(1023) << "1,023 Bytes";
    QTest::newRow("1024") << qint64(1024) << "1 KB";
    QTest::newRow("1048576") << qint64(1048576) << "1,024 KB";
    QTest::newRow("1048577") << qint64(1048577) << "1 MB";
    QTest::newRow("1572864") << qint64(1572864) << "1.5 MB";
    QTest::newRow("missing") << qint64(-1) << "-1 Bytes";
    QTest::newRow("beyond 32 bits") << qint64(5368709120) << "5,120 MB";
}

void TestCore::sizeText()
{
    QFETCH(qint64, size);
    QFETCH(QString, text);
    QCOMPARE(FileTexts::sizeText(size, english), text);
}

void TestCore::totalSizeText_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("text");
    QTest::newRow("512") << qint64(512) << "512 Bytes";
    QTest::newRow("1023") << qint64(1023) << "1,023 Bytes";
    QTest::newRow("1024") << qint64(1024) << "1 KB (1,024 Bytes)";
    QTest::newRow("5000") << qint64(5000) << "4 KB (5,000 Bytes)";
    QTest::newRow("1048576") << qint64(1048576) << "1,024 KB (1,048,576 Bytes)";
    QTest::newRow("1572864") << qint64(1572864) << "1.5 MB (1,572,864 Bytes)";
}

void TestCore::totalSizeText()
{
    QFETCH(qint64, size);
    QFETCH(QString, text);
    QCOMPARE(FileTexts::totalSizeText(size, english), text);
}

void TestCore::dateTexts()
{
    LinuxPlatform platform;
    QCOMPARE(FileTexts::dateText(platform, "/nonexistent/file.bmp", english),
             QStringLiteral("Unknown"));
    QCOMPARE(FileTexts::dateTimeText(QDateTime(QDate(2026, 3, 4), QTime(0, 0)), english),
             QStringLiteral("3/4/26"));
    QCOMPARE(FileTexts::dateTimeText(QDateTime(QDate(2026, 3, 4), QTime(14, 5, 9)), english),
             QStringLiteral("3/4/26 2:05:09 PM"));
    // File times go to two seconds.
    QTemporaryDir dir;
    const QString path = dir.filePath("a.bmp");
    makeFile(path, 10);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59)),
                          QFileDevice::FileModificationTime));
    f.close();
    QCOMPARE(FileTexts::dateText(platform, path, english), QStringLiteral("12/31/25 11:59:58 PM"));
}

void TestCore::scriptBytes()
{
    QTemporaryDir dir;
    LinuxPlatform platform;
    FixedClock clock(QDateTime(QDate(2026, 12, 8), QTime(9, 30, 0)));
    ScriptWriter writer(platform, clock, english);
    ScriptSettings s;
    s.scriptName = "MyRes";
    s.resName = "Single";
    s.prefixPosition = 0;
    s.programFolder = dir.path(); // no trailing separator
    s.settingsKeyExists = true;
    const QList<ListEntry> entries = {{"/art/a.ico", true},
                                      {"/art/b \"q\".bmp", true},
                                      {"/art/c.wav", false},
                                      {"/art/d.ani", true}};
    const QStringList table = {"1, \"One\"", "2, \"Two\"", "3, \"a;b\""};
    QVERIFY(writer.write(entries, table, s));
    QStringList expected = banner("12/8/26 9:30:00 AM");
    expected << QString() << "STRINGTABLE"
             << "{" << table << "}" << QString() << ";" + QString(24, ' ') + "[Script Name: MYRES]"
             << QString() << "A1 ICON \"/art/a.ico\""
             << "A2 BITMAP \"/art/b \"\"q\"\".bmp\""
             << "A4 ANICUR \"/art/d.ani\"";
    QCOMPARE(readAll(dir.filePath("MyRes.rc")), crlf(expected));

    // Without a string table the banner is followed by exactly one blank line; ResId numbers.
    s.prefixPosition = 22;
    QVERIFY(writer.write(entries, {}, s));
    QStringList plain = banner("12/8/26 9:30:00 AM");
    plain << QString() << ";" + QString(24, ' ') + "[Script Name: MYRES]" << QString()
          << "1 ICON \"/art/a.ico\""
          << "2 BITMAP \"/art/b \"\"q\"\".bmp\""
          << "4 ANICUR \"/art/d.ani\"";
    QCOMPARE(readAll(dir.filePath("MyRes.rc")), crlf(plain));
}

void TestCore::scriptWithFileInfo()
{
    QTemporaryDir dir;
    LinuxPlatform platform;
    FixedClock clock(QDateTime(QDate(2026, 1, 2), QTime(0, 0)));
    ScriptWriter writer(platform, clock, english);
    const QString big = dir.filePath("big.bmp");
    const QString small = dir.filePath("small.ico");
    makeFile(big, 1572864);
    makeFile(small, 1023);
    for (const QString &p : {big, small}) {
        QFile f(p);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.setFileTime(QDateTime(QDate(2026, 2, 3), QTime(0, 0)), QFileDevice::FileModificationTime);
    }
    ScriptSettings s;
    s.scriptName = "Info";
    s.resName = "Logo";
    s.fileInfo = true;
    s.programFolder = dir.path() + "/";
    s.settingsKeyExists = true;
    // One selected: the single name and the two-blank date label.
    QStringList lines = writer.lines({{big, false}, {small, true}}, {}, s);
    QCOMPARE(lines.last(), "Logo ICON \"" + small + "\"   ; size: 1,023 Bytes  date: 2/3/26");
    lines = writer.lines({{big, true}, {small, true}}, {}, s);
    QCOMPARE(lines.at(lines.size() - 2),
             "A1 BITMAP \"" + big + "\"   ; size: 1.5 MB   date: 2/3/26");
    QCOMPARE(lines.at(5), QStringLiteral(" File Generated at: 1/2/26"));
    lines = writer.lines({{dir.filePath("gone.wav"), true}, {small, true}}, {}, s);
    QCOMPARE(lines.at(lines.size() - 2),
             "A1 WAVE \"" + dir.filePath("gone.wav") + "\"   ; size: -1 Bytes   date: Unknown");
}

// A name from an old share, Latin-1 and so not UTF-8: the script holds its very bytes (the rest
// of the line is UTF-8), sized and dated, and is itself written into a folder named so.
void TestCore::scriptKeepsNameBytes()
{
    QTemporaryDir dir;
    const QByteArray top = QFile::encodeName(dir.path());
    const QByteArray prog = top + "/Projekte-\xe4";
    QCOMPARE(::mkdir(prog.constData(), 0755), 0);
    const QDateTime stamp(QDate(2026, 2, 3), QTime(0, 0));
    for (const QByteArray &name : {QByteArray("caf\xe9.wav"), QByteArray("caf\xe8.wav")}) {
        const int fd = ::open((top + '/' + name).constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, name.constData(), name.size()), ssize_t(name.size()));
        ::close(fd);
        const struct timespec times[2] = {{0, UTIME_OMIT}, {stamp.toSecsSinceEpoch(), 0}};
        QCOMPARE(::utimensat(AT_FDCWD, (top + '/' + name).constData(), times, 0), 0);
    }
    LinuxPlatform platform;
    FixedClock clock(QDateTime(QDate(2026, 12, 8), QTime(9, 30, 0)));
    ScriptWriter writer(platform, clock, english);
    ScriptSettings s;
    s.scriptName = QString::fromUtf8("Kl\xc3\xa4nge");
    s.fileInfo = true;
    s.programFolder = nativename::decode(prog);
    s.settingsKeyExists = true;
    QStringList shown;
    const QList<ListEntry> entries = {{nativename::decode(top + "/caf\xe8.wav"), true},
                                      {nativename::decode(top + "/caf\xe9.wav"), true}};
    QVERIFY(writer.write(entries, {}, s, [&](const ScriptProgress &p) { shown << p.msg3; }));
    QCOMPARE(shown,
             QStringList({QStringLiteral("CAF\uFFFD.WAV"), QStringLiteral("CAF\uFFFD.WAV")}));

    QByteArray script;
    const int fd = ::open((prog + "/Kl\xc3\xa4nge.rc").constData(), O_RDONLY);
    QVERIFY(fd >= 0);
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        script.append(buffer, n);
    ::close(fd);
    QVERIFY(script.contains(";" + QByteArray(24, ' ') + "[Script Name: KL\xc3\x84NGE]\r\n"));
    QVERIFY2(script.endsWith("\r\nA1 WAVE \"" + top +
                             "/caf\xe8.wav\"   ; size: 8 Bytes   date: 2/3/26\r\n"
                             "A2 WAVE \"" +
                             top + "/caf\xe9.wav\"   ; size: 8 Bytes   date: 2/3/26\r\n"),
             script.right(200).toPercentEncoding(" /;:\"").constData());
    ::nftw(
        top.constData(),
        [](const char *p, const struct stat *, int, struct FTW *) {
            ::remove(p);
            return 0;
        },
        8, FTW_DEPTH | FTW_PHYS);
}

void TestCore::scriptPathAndFailures()
{
    QTemporaryDir dir;
    LinuxPlatform platform;
    Clock clock;
    ScriptWriter writer(platform, clock, english);
    ScriptSettings s;
    s.scriptName = "Res";
    s.programFolder = dir.path();
    s.settingsKeyExists = true;
    s.tempFolder = "/tmp/x/";
    QCOMPARE(ScriptWriter::scriptPath(s), dir.path() + "/Res.rc");
    s.programFolder = dir.path() + "/";
    QCOMPARE(ScriptWriter::scriptPath(s), dir.path() + "/Res.rc");
    s.settingsKeyExists = false;
    QCOMPARE(ScriptWriter::scriptPath(s), QStringLiteral("/tmp/x/Res.rc"));

    // Nothing selected: no file.
    s.settingsKeyExists = true;
    QVERIFY(writer.write({{"/a.bmp", false}}, {}, s));
    QVERIFY(!QFile::exists(dir.filePath("Res.rc")));

    // A missing folder: the standard message, no file.
    s.programFolder = dir.filePath("missing");
    const WriteResult r = writer.write({{"/a.bmp", true}}, {}, s);
    QVERIFY(!r);
    QCOMPARE(r.error, "Cannot create file " + dir.filePath("missing") + "/Res.rc");
}

void TestCore::scriptProgress()
{
    LinuxPlatform platform;
    Clock clock;
    ScriptWriter writer(platform, clock, english);
    ScriptSettings s;
    s.scriptName = "P";
    QList<ScriptProgress> steps;
    auto record = [&](const ScriptProgress &p) { steps << p; };

    writer.lines({{"/x/a.bmp", true}, {"/x/b.ico", true}}, {}, s, record);
    QCOMPARE(steps.size(), 2);
    QCOMPARE(steps.at(1).title, QStringLiteral("Writing Script Line 2"));
    QCOMPARE(steps.at(1).msg2, QStringLiteral(". . .Writing: 1 script lines. . ."));
    QCOMPARE(steps.at(1).msg3, QStringLiteral("B.ICO"));
    QCOMPARE(steps.at(1).pauseMs, 20);
    QVERIFY(steps.at(1).barVisible);
    QCOMPARE(steps.at(1).advance, 1);

    steps.clear();
    s.unselectedNote = true;
    QList<ListEntry> many;
    for (int i = 0; i < 120; ++i)
        many << ListEntry{QStringLiteral("/x/%1.bmp").arg(i, 3, 10, QLatin1Char('0')), i % 2 == 0};
    writer.lines(many, {}, s, record);
    QCOMPARE(steps.size(), 60);
    QCOMPARE(steps.first().msg2, QStringLiteral(". . .Sorting selected files..please wait. . ."));
    QCOMPARE(steps.first().pauseMs, 60);
    QCOMPARE(steps.first().barMaximum, 60);
    QVERIFY(steps.first().barVisible);
    QCOMPARE(steps.first().advance, 10);
    QCOMPARE(steps.last().title, QStringLiteral("Writing Script Line 119"));

    steps.clear();
    s.autoSort = true;
    writer.lines({{"/x/a.bmp", true}, {"/x/b.bmp", false}}, {}, s, record);
    QVERIFY(!steps.first().barVisible); // 9 or fewer of a partly selected list
    QCOMPARE(steps.first().advance, 1);
}

void TestCore::libraryProject_data()
{
    QTest::addColumn<bool>("cls");
    QTest::addColumn<bool>("win");
    QTest::addColumn<bool>("dlg");
    QTest::addColumn<QString>("uses");
    QTest::newRow("classes and windows")
        << true << true << false << "uses sysutils,classes,windows;";
    QTest::newRow("none") << false << false << false << "uses sysutils;";
    QTest::newRow("all") << true << true << true << "uses sysutils,classes,windows,dialogs;";
    QTest::newRow("dialogs only") << false << false << true << "uses sysutils,dialogs;";
}

void TestCore::libraryProject()
{
    QFETCH(bool, cls);
    QFETCH(bool, win);
    QFETCH(bool, dlg);
    QFETCH(QString, uses);
    QTemporaryDir dir;
    LibrarySettings s{"ResLib", "Icons", cls, win, dlg, dir.path()};
    QCOMPARE(LibraryProjectWriter::projectPath(s), dir.path() + "/ResLib.dpr");
    LinuxPlatform platform;
    QVERIFY(LibraryProjectWriter::write(platform, s));
    const QStringList expected = {
        QString(),
        "Library ResLib;",
        QString(),
        "{ Important note about DLL memory management: ShareMem must be the",
        "first unit in your library's USES clause AND your project's (select",
        "View-Project Source) USES clause if your DLL exports any procedures or",
        "functions that pass strings as parameters or function results. This",
        "applies to all strings passed to and from your DLL--even those that",
        "are nested in records and classes. ShareMem is the interface unit to",
        "the DELPHIMM.DLL shared memory manager, which must be deployed along",
        "with your DLL. To avoid using DELPHIMM.DLL, pass string information",
        "using PChar or ShortString parameters. }",
        uses,
        "{$R ICONS.RES}",
        "Begin",
        "End."};
    QCOMPARE(readAll(dir.filePath("ResLib.dpr")), crlf(expected));
}

void TestCore::stringTableNumbering()
{
    StringTable t;
    QCOMPARE(t.insert("A"), 1);
    QCOMPARE(t.insert("B"), 2);
    QCOMPARE(t.insert("C"), 3);
    t.removeAt(1);
    QCOMPARE(t.insert("D"), 4); // never a second 3
    QCOMPARE(t.lines(), QStringList({"1, \"A\"", "3, \"C\"", "4, \"D\""}));
    t.removeAt(2);
    QCOMPARE(t.insert("E"), 4); // the highest left is 3
    t.clear();
    QCOMPARE(t.insert("F"), 1);
    t.removeAt(5); // out of range: nothing happens
    QCOMPARE(t.count(), 1);
    QCOMPARE(StringTable::line({7, "say \"hi\""}), QStringLiteral("7, \"say \"\"hi\"\"\""));
}

void TestCore::stringTableExport()
{
    QTemporaryDir dir;
    StringTable t;
    t.insert("Hello, world!");
    t.insert("Value: %s ");
    const QString path = StringTable::exportPath(dir.path(), "Strings");
    QCOMPARE(path, dir.path() + "/Strings.rc");
    LinuxPlatform platform;
    QVERIFY(t.exportTo(platform, path));
    const QStringList expected = {
        "/" + QString(84, '*'),
        QString(),
        "        " + product::exportCredit(),
        "        " + product::rightsNotice(),
        "        Send this script' to the Brcc32 compiler, to compile to RES.",
        QString(),
        QString(85, '*') + "/",
        QString(),
        "STRINGTABLE",
        "{",
        "1, \"Hello, world!\"",
        "2, \"Value: %s \"",
        "}",
        QString()};
    QCOMPARE(readAll(path), crlf(expected));
    QVERIFY(product::exportCredit().contains("Tolvane v3.06b"));
    QVERIFY(!t.exportTo(platform, dir.filePath("no/such/folder/x.rc")));
}

void TestCore::projectFileRoundTrip()
{
    QTemporaryDir dir;
    LinuxPlatform platform;
    const QString file = dir.filePath("PROJ.TPF");
    const QStringList paths = {"C:\\Art\\a.ico", "/home/u/My Art/b \u00e9.bmp"};
    QVERIFY(ProjectFile::write(platform, file, paths));
    QCOMPARE(readAll(file), crlf(paths));
    QCOMPARE(ProjectFile::parse(readAll(file)), paths);
    QVERIFY(ProjectFile::write(platform, file, {}));
    QCOMPARE(readAll(file), QByteArray());
    QCOMPARE(ProjectFile::quickSaveName("/p", 3600000), QStringLiteral("/p/Projects/PF10810.TPF"));
    QCOMPARE(ProjectFile::quickSaveName("/p/", 3600000 * qint64(24 * 900)),
             QStringLiteral("/p/Projects/PF") +
                 QString::number(qint32(3600000 * qint64(24 * 900) / 333)) + ".TPF");
}

void TestCore::projectFileParse_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lf and cr") << QByteArray("a\nb\rc") << QStringList{"a", "b", "c"};
    QTest::newRow("empty line kept") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("zero ends") << QByteArray("a\r\nb\0c\r\n", 8) << QStringList{"a", "b"};
    QTest::newRow("empty") << QByteArray() << QStringList{};
    QTest::newRow("lf cr is two breaks") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
}

void TestCore::projectFileParse()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, entries);
    QCOMPARE(ProjectFile::parse(data), entries);
}

void TestCore::projectFileRefusesLineBreaks()
{
    QTemporaryDir dir;
    LinuxPlatform platform;
    const QString file = dir.filePath("P.TPF");
    QVERIFY(ProjectFile::write(platform, file, {"/keep/me.bmp"}));
    const WriteResult r = ProjectFile::write(platform, file, {"/ok.bmp", "/bad\nname.bmp"});
    QVERIFY(!r);
    QVERIFY(r.error.contains("line break"));
    QCOMPARE(readAll(file), QByteArray("/keep/me.bmp\r\n")); // the old file is untouched
}

void TestCore::outputNames()
{
    OutputNames n = OutputNames::form("/prog", "/tmp/", "/dest", "S", "L", true);
    QCOMPARE(n.workingScript, QStringLiteral("/prog/S.rc"));
    QCOMPARE(n.workingResource, QStringLiteral("/prog/S.res"));
    QCOMPARE(n.workingProject, QStringLiteral("/prog/L.dpr"));
    QCOMPARE(n.workingLibrary, QStringLiteral("/prog/L.dll"));
    QCOMPARE(n.destinationScript, QStringLiteral("/dest/S.rc"));
    QCOMPARE(n.destinationResource, QStringLiteral("/dest/S.res"));
    QCOMPARE(n.destinationProject, QStringLiteral("/dest/L.dpr"));
    QCOMPARE(n.destinationLibrary, QStringLiteral("/dest/L.dll"));
    QCOMPARE(n.printCopy, QStringLiteral("/dest/S.wri"));
    QCOMPARE(n.destinationFolder, QStringLiteral("/dest/"));
    n = OutputNames::form("/prog/", "/tmp/", "/dest/", "S", "L", false);
    QCOMPARE(n.workingScript, QStringLiteral("/tmp/S.rc"));
    QCOMPARE(n.workingResource, QStringLiteral("/prog/S.res"));
}

void TestCore::pathLayout_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("shown");
    const QString p = "C:\\Program Files\\Tools\\Bin\\BRCC32.EXE"; // 37 characters
    QTest::newRow("fits") << p << 37 << 0 << p;
    QTest::newRow("no separator, fits") << "BRCC32.EXE" << 20 << 0 << "BRCC32.EXE";
    QTest::newRow("no separator, too wide") << "BRCC32.EXE" << 5 << 0 << "BRCC32.EXE";
    QTest::newRow("one folder too many, from left")
        << p << 30 << 0 << "C:\\...\\Tools\\Bin\\BRCC32.EXE";
    QTest::newRow("one folder too many, from right")
        << p << 34 << 1 << "C:\\Program Files\\...\\BRCC32.EXE";
    QTest::newRow("only drive and name fit") << p << 18 << 0 << "C:\\...\\BRCC32.EXE";
    QTest::newRow("name alone") << p << 12 << 0 << "BRCC32.EXE";
    QTest::newRow("network path has no drive")
        << "\\\\server\\share\\dir\\f.ico" << 20 << 0 << "...\\share\\dir\\f.ico";
    QTest::newRow("first folder that does not fit ends it")
        << "C:\\a\\very-long-folder\\b\\x.ico" << 20 << 0 << "C:\\...\\b\\x.ico";
}

void TestCore::pathLayout()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(int, direction);
    QFETCH(QString, shown);
    const auto chars = [](const QString &s) { return int(s.size()); };
    QCOMPARE(PathLayout::layout(text, "\\", PathLayout::Direction(direction), width, chars), shown);
    QCOMPARE(PathLayout::split("\\a\\", "\\"), QStringList({"", "a", ""}));
}

void TestCore::fileListRules()
{
    QCOMPARE(FileList::countsBanner(12, 5), QStringLiteral("Objects: 12  Select: 5  Less: 7"));
    const QStringList sorted = {"/a.bmp", "/B.bmp", "/c.bmp"};
    QCOMPARE(FileList::insertPosition(sorted, "/b.ICO"), 2);
    QCOMPARE(FileList::insertPosition(sorted, "/A.bmp"), 1); // after the equal one
    QVERIFY(FileList::containsNoCase(sorted, "/b.BMP"));
    QVERIFY(!FileList::containsNoCase(sorted, "/b.bm"));
    const FileList::Buttons nine = FileList::buttonsFor(9, 0);
    QVERIFY(!nine.filter && !nine.build && nine.clearAll);
    QVERIFY(FileList::buttonsFor(10, 1).filter && FileList::buttonsFor(10, 1).save);
    QVERIFY(FileList::hasExtension("c:/x/A.Ico", "ICO"));
    QVERIFY(!FileList::hasExtension("c:/x/A.icon", "ICO"));
}

void TestCore::numericNames()
{
    for (const char *refused : {"123", "$1F", "+7", "  42", "0"})
        QVERIFY2(NameChecks::isNumericName(QString::fromLatin1(refused)), refused);
    for (const char *kept : {"1abc", "-1", "-$1F", "$", "+", "99999999999", "Lib", ""})
        QVERIFY2(!NameChecks::isNumericName(QString::fromLatin1(kept)), kept);
    QCOMPARE(NameChecks::diskLabel("D:\\", 1234),
             QStringLiteral("Available space on drive 'D:\\' 1234 Bytes"));
}

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
