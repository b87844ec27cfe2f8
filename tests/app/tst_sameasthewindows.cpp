// tolvane-build beside the windows: the same list and settings give the same resources, and a
// project named on the windowed program's command line is loaded at start.
#include "Harness.h"
#include "app/StartProject.h"
#include "tests/tools/Corpus.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QProcess>
#include <QtTest>

using namespace tolvane;
using namespace tolvane::test;

namespace {

const QString headless = QStringLiteral(TOLVANE_BUILD);
const QString bin = QStringLiteral(TOOLCHAIN_BIN);

struct Run
{
    int status = -1;
    QString out;
};

Run run(const QString &program, const QStringList &args, const QString &folder = QString())
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (!folder.isEmpty())
        p.setWorkingDirectory(folder);
    p.start(program, args);
    p.waitForFinished(-1);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAll())};
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

// The library's resource tree, without the line that names the file.
QString resourceTree(const QString &dll)
{
    const Run r = run(QStringLiteral("llvm-readobj"), {"--coff-resources", dll});
    QStringList lines = r.out.split('\n');
    lines.removeIf([](const QString &l) { return l.startsWith("File: "); });
    return lines.join('\n');
}

} // namespace

class TestSameAsTheWindows : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase();
    void sameResources_data();
    void sameResources();
    void projectArgumentLoadsAtStart();
    void missingProjectArgumentIsReported();

  private:
    QTemporaryDir m_art;
    QStringList m_files;
};

void TestSameAsTheWindows::initTestCase()
{
    // One file of every kind the program builds.
    const auto add = [&](const QString &name, const QByteArray &data) {
        QVERIFY(corpus::write(m_art.filePath(name), data));
        m_files << m_art.filePath(name);
    };
    add("logo.bmp", corpus::bitmap(24, 40));
    add("app.ico", corpus::iconFile(1, true));
    add("hand.cur", corpus::iconFile(2, false));
    add("busy.ani", corpus::animatedCursor());
    add("clip.avi", corpus::avi());
    add("ding.wav", corpus::wave());
    add("dot.gif", corpus::gif());
    add("Photo.jpg", corpus::jpeg());
    add("small.fon", corpus::fakeFon());
    add("sans.ttf", corpus::trueTypeFont());
    QVERIFY(corpus::write(m_art.filePath("src/readme.txt"), "hello cabinet\n"));
    QCOMPARE(run("gcab", {"-c", "-n", m_art.filePath("data.cab"), m_art.filePath("src/readme.txt")})
                 .status,
             0);
    m_files << m_art.filePath("data.cab");
    QVERIFY(corpus::write(m_art.filePath("src/Tool.dpr"), "library Tool;\nbegin\nend.\n"));
    QCOMPARE(run(bin + "/dcc32", {m_art.filePath("src/Tool.dpr")}).status, 0);
    QVERIFY(QFile::copy(m_art.filePath("src/Tool.dll"), m_art.filePath("Tool.exe")));
    m_files << m_art.filePath("Tool.exe");
}

void TestSameAsTheWindows::sameResources_data()
{
    QTest::addColumn<int>("prefix");
    QTest::addColumn<int>("fileInfo");
    QTest::addColumn<int>("dialogs");
    QTest::newRow("ResName A") << 0 << 0 << 0;
    QTest::newRow("ResName K, file info, dialogs") << 10 << 1 << 1;
    QTest::newRow("ResId") << 22 << 1 << 0;
}

void TestSameAsTheWindows::sameResources()
{
    QFETCH(int, prefix);
    QFETCH(int, fileInfo);
    QFETCH(int, dialogs);
    Harness h;
    QDir().mkpath(h.path("prog/Projects"));
    QDir().mkpath(h.path("windows"));
    QDir().mkpath(h.path("headless"));
    h.setUpFresh(h.path("prog"), {{"Script Name", QString("Art")},
                                  {"Library Name", QString("ArtLib")},
                                  {"Prompt Compile", 0},
                                  {"Prompt Summary", 0},
                                  {"Prompt Res ID", prefix},
                                  {"Prompt FileInfo", fileInfo},
                                  {"Prompt Dialog", dialogs},
                                  {"Compiler1", bin + "/brcc32"},
                                  {"Compiler2", bin + "/dcc32"}});
    h.createWindows();
    h.windows->tool().setSingleDestination(h.path("windows"));
    QList<int> all;
    for (const QString &f : m_files) {
        QVERIFY(h.windows->main().addFile(f));
        all << all.size();
    }
    h.windows->main().selectRows(all);
    h.windows->main().build();
    QCOMPARE(QDir(h.path("windows")).entryList(QDir::Files, QDir::Name),
             QStringList({"Art.rc", "Art.res", "ArtLib.dll"}));

    QByteArray list;
    for (const QString &f : m_files)
        list += f.toUtf8() + "\r\n";
    QVERIFY(corpus::write(h.path("art.tpf"), list));
    const Run r = run(headless, {h.path("art.tpf"), "--dest", h.path("headless"), "--registry",
                                 h.registry.filePath()});
    QVERIFY2(r.status == 0, qPrintable(r.out));
    QCOMPARE(QDir(h.path("headless")).entryList(QDir::Files, QDir::Name),
             QStringList({"Art.rc", "Art.res", "ArtLib.dll"}));

    QCOMPARE(contents(h.path("headless/Art.res")), contents(h.path("windows/Art.res")));
    const QString tree = resourceTree(h.path("windows/ArtLib.dll"));
    QVERIFY2(tree.contains("CABFILE") && tree.contains("EXEFILE"), qPrintable(tree));
    QCOMPARE(resourceTree(h.path("headless/ArtLib.dll")), tree);
    // The scripts differ only in the moment in their banner.
    const auto body = [](const QByteArray &script) {
        return script.mid(script.indexOf("[Script Name:"));
    };
    QCOMPARE(body(contents(h.path("headless/Art.rc"))), body(contents(h.path("windows/Art.rc"))));
}

void TestSameAsTheWindows::projectArgumentLoadsAtStart()
{
    Harness h;
    h.createWindows();
    QByteArray list;
    for (const QString &f : {m_files.at(5), m_files.at(0)})
        list += f.toUtf8() + "\r\n";
    QVERIFY(corpus::write(h.path("work/two.tpf"), list));
    // A relative path, from the folder the program was started in.
    const QString started = QDir::currentPath();
    QVERIFY(QDir::setCurrent(h.path("work")));
    loadProjectAtStart(h.windows->main(), "two.tpf");
    QDir::setCurrent(started);
    QCOMPARE(h.windows->main().list().count(), 0); // not before the event loop runs
    QTRY_COMPARE(h.windows->main().list().count(), 2);
    QCOMPARE(h.windows->main().list().paths(), QStringList({m_files.at(5), m_files.at(0)}));
    QCOMPARE(h.windows->main().windowTitle(), h.path("work/two.tpf"));
    QVERIFY(h.prompter.boxes.isEmpty());
}

void TestSameAsTheWindows::missingProjectArgumentIsReported()
{
    Harness h;
    h.createWindows();
    loadProjectAtStart(h.windows->main(), h.path("gone.tpf"));
    QTRY_COMPARE(h.prompter.boxes.size(), 1);
    QCOMPARE(h.prompter.last().caption, QStringLiteral("Tolvane v3.06"));
    QCOMPARE(h.prompter.last().text, QStringLiteral("Cannot open file: ") + h.path("gone.tpf") +
                                         "\rthe specified file name does not exist in directory!");
    QCOMPARE(h.windows->main().list().count(), 0);
}

QTEST_MAIN(TestSameAsTheWindows)
#include "tst_sameasthewindows.moc"
