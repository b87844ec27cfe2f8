#include "Fixtures.h"
#include "core/Identifiers.h"
#include "core/NameChecks.h"
#include "core/engine/BuildChecks.h"
#include "core/engine/BuildEngine.h"
#include "platform/Clock.h"
#include "platform/LinuxPlatform.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QQueue>
#include <QTemporaryDir>
#include <QtTest>

using namespace tolvane;

namespace {

const QString bin = QStringLiteral(TOOLCHAIN_BIN);

// Every call of the engine as one line of text; answers queued in advance.
class RecordingReporter : public BuildReporter
{
  public:
    Answer ask(const Message &m) override
    {
        messages << m;
        events << QStringLiteral("ask ") + m.caption;
        if (onAsk)
            onAsk(m);
        return answers.isEmpty() ? Ok : answers.dequeue();
    }
    void pause(int ms) override { paused += ms; }
    void playSound(const QString &name) override { events << QStringLiteral("sound ") + name; }
    void setLine(Line line, const QString &text) override
    {
        lines[int(line)] = text;
        events << QStringLiteral("Msg%1 %2").arg(int(line) + 2).arg(text);
    }
    void setBarValue(Bar bar, int value) override { bars[int(bar)] = value; }
    void setBarMaximum(Bar, int) override {}
    void setBarVisible(Bar, bool) override {}
    void setPanelVisible(Panel panel, bool visible) override
    {
        panels[int(panel)] = visible;
        static const char *names[] = {"Options", "Progress", "Closing", "StatusLines"};
        events << QStringLiteral("%1 %2").arg(names[int(panel)]).arg(visible ? "shown" : "hidden");
    }
    void setBusyLamp(bool on) override { lamp = on; }
    void setCloseButton(bool enabled) override { closeEnabled = enabled; }
    void setCloseDefault(bool) override {}
    void setDiskLabel(const QString &text) override { diskLabel = text; }
    void setBusyCursor(bool busy) override { cursorBusy = busy; }
    void setTitle(const QString &t) override { title = t; }
    void setIdentity(const QString &t, const QString &icon) override
    {
        title = t;
        events << QStringLiteral("identity ") + t + QLatin1Char(' ') + icon;
    }
    void setIcon(const QString &) override {}
    void window(WindowStep step) override { windows << int(step); }
    void fileList(ListAction action, int row) override
    {
        listActions << qMakePair(int(action), row);
    }
    void settingChanged(Setting setting, const QVariant &value) override
    {
        settings[int(setting)] = value;
    }

    const Message *message(Message::Id id) const
    {
        for (const Message &m : messages)
            if (m.id == id)
                return &m;
        return nullptr;
    }

    QQueue<Answer> answers;
    std::function<void(const Message &)> onAsk; // while the box is open
    QList<Message> messages;
    QStringList events;
    QString lines[3];
    int bars[2] = {0, 0};
    bool panels[4] = {false, false, false, false};
    bool lamp = false, closeEnabled = false, cursorBusy = false;
    QString diskLabel, title;
    QList<int> windows;
    QList<QPair<int, int>> listActions;
    QHash<int, QVariant> settings;
    long long paused = 0;
};

class FixedTime : public Clock
{
  public:
    QDateTime now() const override { return QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)); }
};

// The real platform, with hooks where a test needs the outside world to fail.
class TestPlatform : public LinuxPlatform
{
  public:
    int runTool(const QString &program, const QStringList &arguments, QString *output,
                const QString &workingFolder) override
    {
        toolCalls << (QStringList{program} + arguments);
        return LinuxPlatform::runTool(program, arguments, output, workingFolder);
    }
    QStringList moveFiles(const QStringList &sources, const QString &destination) override
    {
        if (beforeMove)
            beforeMove();
        if (movable >= 0) {
            QStringList out = LinuxPlatform::moveFiles(sources.mid(0, movable), destination);
            while (out.size() < sources.size())
                out << QString();
            return out;
        }
        return LinuxPlatform::moveFiles(sources, destination);
    }
    bool printFile(const QString &path) override
    {
        printed << path;
        return QFileInfo::exists(path);
    }
    std::optional<qint64> freeSpace(const QString &path) override
    {
        if (free == unknown)
            return std::nullopt;
        if (free >= 0)
            return free;
        return LinuxPlatform::freeSpace(path);
    }
    std::optional<qint64> blockSize(const QString &folder) override
    {
        if (block > 0)
            return block;
        return LinuxPlatform::blockSize(folder);
    }
    QList<QStringList> toolCalls;
    QStringList printed;
    std::function<void()> beforeMove;
    int movable = -1; // how many of the sources a move manages; -1 for all
    static constexpr qint64 unknown = -2;
    qint64 free = -1; // -1: the disk's own answer
    qint64 block = 0; // 0: the disk's own answer
};

// Little-endian fields, as the resource formats store them.
class Bytes
{
  public:
    Bytes() : m_out(&m_bytes, QIODevice::WriteOnly)
    {
        m_out.setByteOrder(QDataStream::LittleEndian);
    }
    Bytes &u16(quint16 v)
    {
        m_out << v;
        return *this;
    }
    Bytes &u32(quint32 v)
    {
        m_out << v;
        return *this;
    }
    Bytes &raw(const QByteArray &data)
    {
        m_out.writeRawData(data.constData(), int(data.size()));
        return *this;
    }
    QByteArray bytes() const { return m_bytes; }

  private:
    QByteArray m_bytes;
    QDataStream m_out;
};

// A 2x2 24-bit bitmap file.
QByteArray bitmap()
{
    const QByteArray pixels(2 * (2 * 3 + 2), '\x40'); // rows padded to four bytes
    Bytes b;
    b.raw("BM").u32(14 + 40 + pixels.size()).u32(0).u32(14 + 40);
    b.u32(40).u32(2).u32(2).u16(1).u16(24).u32(0).u32(pixels.size()).u32(2835).u32(2835);
    b.u32(0).u32(0).raw(pixels);
    return b.bytes();
}

// A short 8-bit mono wave sound.
QByteArray wave()
{
    const QByteArray samples(400, '\x80');
    Bytes body;
    body.raw("WAVEfmt ").u32(16).u16(1).u16(1).u32(8000).u32(8000).u16(1).u16(8);
    body.raw("data").u32(samples.size()).raw(samples);
    Bytes riff;
    riff.raw("RIFF").u32(body.bytes().size()).raw(body.bytes());
    return riff.bytes();
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void write(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

QString executable(const QString &path, const QByteArray &script)
{
    write(path, script);
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    return path;
}

// A program folder, a destination and three real resource files, all selected.
struct Bench
{
    Bench()
    {
        QDir().mkpath(path("prog"));
        QDir().mkpath(path("dest"));
        write(path("art/ding.wav"), wave());
        write(path("art/logo.bmp"), bitmap());
        write(path("art/tone.wav"), wave());
        for (const QString name : {"art/ding.wav", "art/logo.bmp", "art/tone.wav"})
            entries << ListEntry{path(name), true};
        options.scriptName = QStringLiteral("Art");
        options.libraryName = QStringLiteral("ArtLib");
        options.destination = path("dest");
        options.programFolder = path("prog");
        options.tempFolder = QDir::tempPath() + QLatin1Char('/');
        options.compiler1 = bin + QStringLiteral("/brcc32");
        options.compiler2 = bin + QStringLiteral("/dcc32");
        options.dropFlag = true;
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    BuildSummary run()
    {
        BuildEngine engine(platform, clock, reporter);
        return engine.run(options, entries, strings);
    }
    QStringList files(const QString &folder) const
    {
        return QDir(path(folder)).entryList(QDir::Files, QDir::Name);
    }

    QTemporaryDir dir;
    TestPlatform platform;
    FixedTime clock;
    RecordingReporter reporter;
    BuildOptions options;
    QList<ListEntry> entries;
    QStringList strings;
};

// The names and sizes of the files in a folder (hidden ones too), the fillers of a full disk
// left out.
QMap<QString, qint64> sizesIn(const QString &folder)
{
    QMap<QString, qint64> out;
    for (const QFileInfo &f : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden))
        if (!f.fileName().startsWith("filler-"))
            out.insert(f.fileName(), f.size());
    return out;
}

// Before any thread starts.
const QString mountNamespace = test::SmallFileSystem::prepare();

QString resourceTree(const QString &dll)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("llvm-readobj"), {QStringLiteral("--coff-resources"), dll});
    p.waitForFinished(-1);
    return QString::fromUtf8(p.readAll());
}

} // namespace

class TestBuildEngine : public QObject
{
    Q_OBJECT

  private slots:
    void fullBuild();
    void failureCodes_data();
    void failureCodes();
    void silentCompilerSaysHowItEnded_data();
    void silentCompilerSaysHowItEnded();
    void failedMoveKeepsOutputs_data();
    void failedMoveKeepsOutputs();
    void scriptsOnlyFailedMoveKeepsScript();
    void summaryNamesMovedFiles();
    void projectNotWrittenIsReported();
    void unsafeNames_data();
    void unsafeNames();
    void pathWithLineBreak();
    void toolArgumentsAreAbsolute();
    void spaceCheck_data();
    void spaceCheck();
    void nearlyFullDestination_data();
    void nearlyFullDestination();
    void destinationIsProgramFolder_data();
    void destinationIsProgramFolder();
    void secondBuildInOneProgramFolder();
    void emptyFileCheck_data();
    void emptyFileCheck();
    void fileEmptiedWhileABoxIsOpen();
    void fileNames_data();
    void fileNames();
    void outputPathsStayInTheirFolder_data();
    void outputPathsStayInTheirFolder();
    void equalNames_data();
    void equalNames();
    void missingDestination_data();
    void missingDestination();
    void missingProgramFolder();
    void compilerMissing();
    void compilerNamesWithoutRegardToCase();
    void unselectedEntries();
    void autoSortRemovesUnselected();
    void scriptCannotBeWritten();
};

void TestBuildEngine::fullBuild()
{
    Bench b;
    b.strings << QStringLiteral("1, \"Hello\"");
    const BuildSummary s = b.run();
    QVERIFY2(
        s.end == BuildSummary::End::Compiled,
        qPrintable(b.reporter.messages.isEmpty() ? QString() : b.reporter.messages.last().text));
    QVERIFY(!s.errorFlag);
    QCOMPARE(b.files("dest"), QStringList({"Art.rc", "Art.res", "ArtLib.dll"}));
    QCOMPARE(b.files("prog"), QStringList());
    const QString tree = resourceTree(b.path("dest/ArtLib.dll"));
    QVERIFY2(tree.contains("STRINGTABLE"), qPrintable(tree));
    QCOMPARE(b.reporter.title, QStringLiteral("Task Complete"));
    QCOMPARE(b.reporter.messages.size(), 0);
    // 3 script lines, the 101-step animation, export, sizes, clean-up, credits, end.
    QCOMPARE(b.reporter.paused,
             3 * 20 + 101 * 10 + 1000 + 3 * 500 + 1000 + 1000 + 1000 + 3000 + 3000);
    // The options come back last, and the progress panel goes so that they take clicks.
    QCOMPARE(b.reporter.events.mid(b.reporter.events.size() - 2),
             QStringList({"Options shown", "Progress hidden"}));
    QVERIFY(b.reporter.closeEnabled);
    QVERIFY(!b.reporter.lamp);
}

void TestBuildEngine::failureCodes_data()
{
    QTest::addColumn<int>("which"); // 0: resource compiler, 1: library compiler
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("msg4");
    QTest::addColumn<bool>("listCleared");
    QTest::addColumn<bool>("executeOff");

    QTest::newRow("-714") << 0 << QByteArray() << "Tolvane Build error -714"
                          << int(BuildFailure::ResourceCompilerNotStarted)
                          << "Press the close button to restore application!" << false << true;
    QTest::newRow("737") << 0 << QByteArray("#!/bin/sh\necho \"Art.rc(9): Error: bad\"\nexit 2\n")
                         << "Tolvane Build error 737" << int(BuildFailure::ResourceCompileError)
                         << "Press the close button to restore application!" << true << true;
    QTest::newRow("-810D") << 1 << QByteArray() << "Tolvane Build error -810D"
                           << int(BuildFailure::LibraryCompilerNotStarted)
                           << "Press the close button to stop current session!" << false << false;
    QTest::newRow("834D") << 1 << QByteArray("#!/bin/sh\necho \"ArtLib.dpr(3) Error: x\"\nexit 3\n")
                          << "Tolvane Build error 834D" << int(BuildFailure::LibraryCompileError)
                          << "Press the close button to reset application!" << false << false;
}

void TestBuildEngine::failureCodes()
{
    QFETCH(int, which);
    QFETCH(QByteArray, script);
    Bench b;
    // An empty script is a file that cannot be started: it is not executable.
    const QString tool = script.isEmpty() ? (write(b.path("tools/cc"), "x"), b.path("tools/cc"))
                                          : executable(b.path("tools/cc"), script);
    (which == 0 ? b.options.compiler1 : b.options.compiler2) = tool;
    const BuildSummary s = b.run();
    QCOMPARE(s.end, BuildSummary::End::CompileFailed);
    QVERIFY(s.failure.has_value());
    QTEST(int(*s.failure), "failure");
    QVERIFY(s.errorFlag);
    const Message *box = b.reporter.message(Message::Id::CompileError);
    QVERIFY(box);
    QTEST(box->caption, "caption");
    QCOMPARE(box->windowsDisabled, which == 1);
    QTEST(b.reporter.lines[2], "msg4");
    QCOMPARE(b.reporter.lines[0], QStringLiteral(". . . .Compiler error. . . ."));
    QCOMPARE(b.files("prog"), QStringList());
    QCOMPARE(b.files("dest"), QStringList());
    QFETCH(bool, listCleared);
    QCOMPARE(s.listPaths.isEmpty(), listCleared);
    QFETCH(bool, executeOff);
    QCOMPARE(b.reporter.settings.contains(int(BuildReporter::Setting::ExecuteOnLoad)), executeOff);
    if (!script.isEmpty())
        QVERIFY2(box->text.contains(which == 0 ? "Art.rc(9): Error: bad" : "ArtLib.dpr(3) Error"),
                 qPrintable(box->text));
}

void TestBuildEngine::silentCompilerSaysHowItEnded_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("text");
    QTest::newRow("crash") << QByteArray("#!/bin/sh\nkill -SEGV $$\n")
                           << "cc ended with signal 11 and printed nothing";
    QTest::newRow("kill") << QByteArray("#!/bin/sh\nkill -KILL $$\n")
                          << "cc ended with signal 9 and printed nothing";
    QTest::newRow("quiet exit") << QByteArray("#!/bin/sh\nexit 3\n")
                                << "cc ended with exit code 3 and printed nothing";
}

void TestBuildEngine::silentCompilerSaysHowItEnded()
{
    QFETCH(QByteArray, script);
    Bench b;
    b.options.compiler2 = executable(b.path("tools/cc"), script);
    b.run();
    const Message *box = b.reporter.message(Message::Id::CompileError);
    QVERIFY(box);
    QCOMPARE(box->caption, QStringLiteral("Tolvane Build error 834D"));
    QTEST(box->text, "text");
}

void TestBuildEngine::failedMoveKeepsOutputs_data()
{
    QTest::addColumn<bool>("vanish");
    QTest::addColumn<int>("movable");
    QTest::newRow("destination vanished") << true << -1;
    QTest::newRow("only the script moved") << false << 1;
}

void TestBuildEngine::failedMoveKeepsOutputs()
{
    QFETCH(bool, vanish);
    QFETCH(int, movable);
    Bench b;
    b.options.keepProject = true;
    if (vanish)
        b.platform.beforeMove = [&] { QDir(b.path("dest")).removeRecursively(); };
    b.platform.movable = movable;
    const BuildSummary s = b.run();
    QCOMPARE(s.end, BuildSummary::End::MoveFailed);
    QVERIFY(s.errorFlag);
    const QStringList kept = vanish ? QStringList({"Art.rc", "Art.res", "ArtLib.dll", "ArtLib.dpr"})
                                    : QStringList({"Art.res", "ArtLib.dll", "ArtLib.dpr"});
    QCOMPARE(b.files("prog"), kept);
    QCOMPARE(b.files("dest"), vanish ? QStringList() : QStringList({"Art.rc"}));
    QVERIFY(readAll(b.path("prog/ArtLib.dll")).startsWith("MZ"));
    const Message *box = b.reporter.message(Message::Id::MoveFailed);
    QVERIFY(box);
    QCOMPARE(box->icon, Message::Icon::Error);
    QVERIFY(box->text.startsWith("Could not move the project files to " + b.path("dest") + "/"));
    for (const QString &name : kept)
        QVERIFY2(box->text.contains("\r" + b.path("prog/" + name)), qPrintable(name));
    for (const QString &event : b.reporter.events)
        QVERIFY2(!event.contains("Complete"), qPrintable(event));
    QVERIFY(!b.reporter.title.contains("Complete"));
    QVERIFY(b.reporter.closeEnabled);
}

void TestBuildEngine::scriptsOnlyFailedMoveKeepsScript()
{
    Bench b;
    b.options.scriptsOnly = true;
    b.platform.beforeMove = [&] { QDir(b.path("dest")).removeRecursively(); };
    const BuildSummary s = b.run();
    QCOMPARE(s.end, BuildSummary::End::MoveFailed);
    QCOMPARE(b.files("prog"), QStringList({"Art.rc"}));
    QVERIFY(readAll(b.path("prog/Art.rc")).contains("A2 BITMAP"));
    QVERIFY(b.reporter.message(Message::Id::MoveFailed));
    QVERIFY(!b.reporter.title.contains("Complete"));
}

void TestBuildEngine::summaryNamesMovedFiles()
{
    Bench b;
    b.options.summary = true;
    b.options.keepProject = true;
    write(b.path("dest/Art.rc"), "older script");
    write(b.path("dest/ArtLib.dll"), "older library");
    b.reporter.answers << BuildReporter::Yes;
    const BuildSummary s = b.run();
    QCOMPARE(s.end, BuildSummary::End::Compiled);
    const Message *box = b.reporter.message(Message::Id::FileSummary);
    QVERIFY(box);
    const qint64 script = QFileInfo(b.path("dest/Art (2).rc")).size();
    const qint64 library = QFileInfo(b.path("dest/ArtLib (2).dll")).size();
    QVERIFY(script > 100 && library > 100);
    QVERIFY2(box->text.contains("\rScript Document:( Art (2).rc )  Size = " +
                                QString::number(script) + " Bytes\r"),
             qPrintable(box->text));
    QVERIFY(box->text.contains("\rResource File: ( Art.res )  Size = "));
    QVERIFY(box->text.contains(
        "\rLibrary (DLL): ( ArtLib (2).dll )  Size = " + QString::number(library) + " Bytes\r"));
    QVERIFY(box->text.endsWith("\r\rWould you like to print the contents of Art (2).rc?"));
    QCOMPARE(b.platform.printed, QStringList{b.path("dest/Art (2).wri")});
    QCOMPARE(readAll(b.path("dest/Art.rc")), QByteArray("older script"));
    QVERIFY(readAll(b.path("dest/Art (2).rc")).contains("A2 BITMAP"));
}

void TestBuildEngine::projectNotWrittenIsReported()
{
    Bench b;
    QDir().mkpath(b.path("prog/ArtLib.dpr")); // a folder where the project should go
    write(b.path("art/logo.bmp"), QByteArray("BM\0\0junk", 8)); // and a resource compile that fails
    const BuildSummary s = b.run();
    QCOMPARE(s.end, BuildSummary::End::ProjectNotWritten);
    QVERIFY(s.errorFlag);
    QCOMPARE(b.reporter.messages.size(), 1);
    QCOMPARE(b.reporter.messages.first().text, "Cannot create file " + b.path("prog/ArtLib.dpr"));
    QCOMPARE(b.reporter.messages.first().icon, Message::Icon::Error);
    QVERIFY(b.platform.toolCalls.isEmpty());
    // The build ends where the file could not be made; what it made stays.
    QVERIFY(readAll(b.path("prog/Art.rc")).contains("A2 BITMAP"));
    QCOMPARE(s.listPaths.size(), 3);
}

void TestBuildEngine::unsafeNames_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("library");
    QTest::newRow("library up and out") << "Art"
                                        << "../outside/victim";
    QTest::newRow("script up and out") << "../outside/s"
                                       << "ArtLib";
    QTest::newRow("backslash") << "Art"
                               << "..\\outside\\victim";
    QTest::newRow("dots alone") << ".."
                                << "ArtLib";
    QTest::newRow("line break") << "Art\r\nX"
                                << "ArtLib";
    QTest::newRow("colon") << "Art"
                           << "C:victim";
}

void TestBuildEngine::unsafeNames()
{
    QFETCH(QString, script);
    QFETCH(QString, library);
    Bench b;
    b.options.scriptName = script;
    b.options.libraryName = library;
    write(b.path("outside/victim.dpr"), "user's project");
    write(b.path("outside/s.rc"), "user's script");
    write(b.path("outside/s.res"), "user's resources");
    const BuildSummary s = b.run();
    QCOMPARE(s.end, BuildSummary::End::Stopped);
    QCOMPARE(b.reporter.messages.size(), 1);
    QCOMPARE(b.reporter.messages.first().id, Message::Id::BadName);
    QVERIFY2(b.reporter.messages.first().text.contains("cannot be used as a file name"),
             qPrintable(b.reporter.messages.first().text));
    QCOMPARE(readAll(b.path("outside/victim.dpr")), QByteArray("user's project"));
    QCOMPARE(readAll(b.path("outside/s.rc")), QByteArray("user's script"));
    QCOMPARE(readAll(b.path("outside/s.res")), QByteArray("user's resources"));
    QCOMPARE(b.files("prog"), QStringList());
    QVERIFY(b.platform.toolCalls.isEmpty());
    QVERIFY(!b.reporter.panels[int(BuildReporter::Panel::Progress)]);
}

void TestBuildEngine::pathWithLineBreak()
{
    Bench b;
    const QString odd = b.path("art/two\nlines.bmp");
    write(odd, bitmap());
    b.entries.insert(1, ListEntry{odd, true});
    const BuildSummary s = b.run();
    QCOMPARE(s.end, BuildSummary::End::Stopped);
    const Message *box = b.reporter.message(Message::Id::BadPath);
    QVERIFY(box);
    QCOMPARE(box->text, "The path \"" + b.path("art/two lines.bmp") +
                            "\" holds a line break and cannot be written to a resource script. "
                            "Rename the file or remove it from the list.");
    QCOMPARE(b.files("prog"), QStringList());
    // An unselected one is not written, so it does not stop the build.
    b.entries[1].selected = false;
    b.reporter.messages.clear();
    QCOMPARE(b.run().end, BuildSummary::End::Compiled);
}

void TestBuildEngine::toolArgumentsAreAbsolute()
{
    // A relative program folder whose name starts like an option.
    Bench b;
    QDir().mkpath(b.path("-prog"));
    const QString before = QDir::currentPath();
    QDir::setCurrent(b.path("."));
    b.options.programFolder = QStringLiteral("-prog");
    const BuildSummary s = b.run();
    QDir::setCurrent(before);
    QCOMPARE(s.end, BuildSummary::End::Compiled);
    QCOMPARE(b.platform.toolCalls.size(), 2);
    QCOMPARE(b.platform.toolCalls.at(0).mid(1), QStringList{b.path("-prog/Art.rc")});
    QCOMPARE(b.platform.toolCalls.at(1).mid(1), QStringList{b.path("-prog/ArtLib.dpr")});
    QCOMPARE(b.files("dest"), QStringList({"Art.rc", "Art.res", "ArtLib.dll"}));
}

void TestBuildEngine::spaceCheck_data()
{
    QTest::addColumn<qint64>("spare"); // free space minus what the outputs need
    QTest::addColumn<bool>("known");
    QTest::addColumn<bool>("fails");
    QTest::newRow("one byte short") << qint64(-1) << true << true;
    QTest::newRow("exactly enough") << qint64(0) << true << false;
    // A chroot whose root is no mount point: the move's own checks decide.
    QTest::newRow("free space unknown") << qint64(0) << false << false;
}

void TestBuildEngine::spaceCheck()
{
    QFETCH(qint64, spare);
    QFETCH(bool, known);
    QFETCH(bool, fails);
    // First measure what this build makes; the disk stores it in blocks of 512 bytes.
    Bench probe;
    probe.options.keepProject = true;
    probe.run();
    qint64 bytes = 0, need = 0;
    for (const QString &f : probe.files("dest")) {
        const qint64 size = QFileInfo(probe.path("dest/" + f)).size();
        bytes += size;
        need += (size + 511) / 512 * 512;
    }
    QVERIFY(need > bytes);

    Bench b;
    b.platform.block = 512;
    b.platform.free = known ? need + spare : TestPlatform::unknown;
    const BuildSummary s = b.run();
    QCOMPARE(s.total, bytes);
    QCOMPARE(s.needed, need);
    QCOMPARE(s.end, fails ? BuildSummary::End::SpaceFailure : BuildSummary::End::Compiled);
    if (!fails) {
        QCOMPARE(b.files("dest"), QStringList({"Art.rc", "Art.res", "ArtLib.dll"}));
        return;
    }
    QVERIFY(!s.errorFlag);
    const Message *box = b.reporter.message(Message::Id::SpaceFailure);
    QVERIFY(box);
    QCOMPARE(box->owner, Message::Owner::BesideToolWindow);
    QCOMPARE(box->buttons, int(Message::Abort));
    QVERIFY(box->text.startsWith("Not enough space on target drive " + b.path("dest") +
                                 ", to move project files!\r"));
    QCOMPARE(b.reporter.events.filter("sound").first(), QStringLiteral("sound A2"));
    QCOMPARE(b.files("prog"), QStringList());
    QCOMPARE(b.files("dest"), QStringList());
    QCOMPARE(b.reporter.title, QStringLiteral("Tolvane v3.06b"));
}

void TestBuildEngine::nearlyFullDestination_data()
{
    QTest::addColumn<bool>("trustDisk"); // false: the platform claims room enough
    QTest::newRow("the bytes fit, the blocks do not") << true;
    QTest::newRow("room claimed on a full disk") << false;
}

void TestBuildEngine::nearlyFullDestination()
{
    QFETCH(bool, trustDisk);
    Bench probe;
    probe.options.keepProject = true;
    QCOMPARE(probe.run().end, BuildSummary::End::Compiled);
    const QMap<QString, qint64> whole = sizesIn(probe.path("dest"));
    QCOMPARE(whole.size(), 4);
    qint64 bytes = 0, blocks = 0;
    for (const qint64 size : whole) {
        bytes += size;
        blocks += (size + 4095) / 4096;
    }
    const int pages = int((bytes + 4095) / 4096);
    if (pages >= blocks)
        QSKIP("the outputs leave no room between their bytes and their blocks");

    test::SmallFileSystem fs(64);
    if (!fs.isMounted())
        QSKIP(qPrintable(fs.whyNot()));
    Bench b;
    b.options.keepProject = true;
    b.options.destination = fs.filePath("dest");
    QVERIFY(QDir().mkpath(b.options.destination));
    QVERIFY(fs.leaveFree(pages));
    if (!trustDisk)
        b.platform.free = qint64(1) << 40;
    const BuildSummary s = b.run();
    const QMap<QString, qint64> arrived = sizesIn(b.options.destination);
    if (trustDisk) {
        QCOMPARE(s.end, BuildSummary::End::SpaceFailure);
        QCOMPARE(arrived, (QMap<QString, qint64>()));
        return;
    }
    // The move found out itself: every output is whole, in the destination or where it was made.
    QCOMPARE(s.end, BuildSummary::End::MoveFailed);
    const QMap<QString, qint64> kept = sizesIn(b.path("prog"));
    QVERIFY(!kept.isEmpty());
    QMap<QString, qint64> all = arrived;
    all.insert(kept);
    QCOMPARE(all, whole);
    const Message *box = b.reporter.message(Message::Id::MoveFailed);
    QVERIFY(box);
    for (const QString &name : kept.keys())
        QVERIFY2(box->text.contains("\r" + b.path("prog/" + name)), qPrintable(box->text));
}

void TestBuildEngine::destinationIsProgramFolder_data()
{
    QTest::addColumn<bool>("scriptsOnly");
    QTest::addColumn<QStringList>("outputs");
    QTest::newRow("compiled") << false << QStringList({"Art.rc", "Art.res", "ArtLib.dll"});
    QTest::newRow("scripts only") << true << QStringList{"Art.rc"};
}

void TestBuildEngine::destinationIsProgramFolder()
{
    QFETCH(bool, scriptsOnly);
    QFETCH(QStringList, outputs);
    Bench b;
    b.options.scriptsOnly = scriptsOnly;
    b.options.destination = b.path("prog");
    // Outputs that stay where they are need no room: a full disk does not stop them.
    b.platform.free = 0;
    for (int build = 0; build < 2; ++build) {
        const BuildSummary s = b.run();
        QVERIFY(s.succeeded());
        // Named as built, build after build.
        QCOMPARE(b.files("prog"), outputs);
        QCOMPARE(s.moved.value(0), b.path("prog/Art.rc"));
    }
    QVERIFY(readAll(b.path("prog/Art.rc")).contains("A2 BITMAP"));
}

void TestBuildEngine::secondBuildInOneProgramFolder()
{
    Bench b;
    write(b.path("prog/Art.rc"), "the other build's script");
    QProcess other;
    other.start(MOVEHELPER, {"lock", b.path("prog")});
    QVERIFY(other.waitForStarted());
    QVERIFY(other.waitForReadyRead(30000));
    QCOMPARE(other.readLine(), QByteArray("locked\n"));

    BuildSummary s = b.run();
    QCOMPARE(s.end, BuildSummary::End::Stopped);
    QCOMPARE(b.reporter.messages.size(), 1);
    const Message box = b.reporter.messages.first();
    QCOMPARE(box.id, Message::Id::BuildRunning);
    QCOMPARE(box.caption, QStringLiteral("Tolvane v3.06b"));
    QCOMPARE(box.icon, Message::Icon::Warning);
    QCOMPARE(box.text, "Another build is running in the program folder \"" + b.path("prog") +
                           "\".\rPress Build again when it has finished.");
    QCOMPARE(readAll(b.path("prog/Art.rc")), QByteArray("the other build's script"));
    QCOMPARE(b.files("dest"), QStringList());
    QVERIFY(b.platform.toolCalls.isEmpty());
    QCOMPARE(s.listPaths.size(), 3);

    // A build that was killed holds nothing.
    other.kill();
    QVERIFY(other.waitForFinished(30000));
    b.reporter.messages.clear();
    s = b.run();
    QCOMPARE(s.end, BuildSummary::End::Compiled);
    QCOMPARE(b.files("dest"), QStringList({"Art.rc", "Art.res", "ArtLib.dll"}));
}

void TestBuildEngine::emptyFileCheck_data()
{
    QTest::addColumn<bool>("scriptsOnly");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("entriesLeft");
    QTest::newRow("removed on Yes, build stops") << false << int(BuildReporter::Yes) << 3;
    QTest::newRow("kept on No") << false << int(BuildReporter::No) << 4;
    QTest::newRow("scripts only passes it") << true << int(BuildReporter::Yes) << 4;
}

void TestBuildEngine::emptyFileCheck()
{
    QFETCH(bool, scriptsOnly);
    QFETCH(int, answer);
    Bench b;
    write(b.path("art/empty.gif"), QByteArray());
    b.entries.insert(1, ListEntry{b.path("art/empty.gif"), true});
    b.options.scriptsOnly = scriptsOnly;
    b.reporter.answers << BuildReporter::Answer(answer);
    const BuildSummary s = b.run();
    QTEST(int(s.listPaths.size()), "entriesLeft");
    if (scriptsOnly) {
        QCOMPARE(s.end, BuildSummary::End::ScriptsOnly);
        return;
    }
    QCOMPARE(s.end, BuildSummary::End::Stopped);
    QCOMPARE(b.reporter.messages.size(), 1);
    QCOMPARE(b.reporter.messages.first().text,
             "File \"" + b.path("art/empty.gif").toUpper() +
                 "\",\rcontains zero bytes of data. The compiler cannot accept this file!\rWould "
                 "you like to remove the file from the File list?");
    QCOMPARE(b.files("prog"), QStringList());
}

void TestBuildEngine::fileEmptiedWhileABoxIsOpen()
{
    // The ResId question comes between the file check and the zero-byte check; a file emptied
    // while it is open is still found.
    Bench b;
    b.options.prefixPosition = Identifiers::numberItem;
    b.strings = QStringList{"a string"};
    b.reporter.onAsk = [&b](const Message &m) {
        if (m.id == Message::Id::ResIdConflict)
            write(b.path("art/ding.wav"), QByteArray());
    };
    b.reporter.answers << BuildReporter::Yes << BuildReporter::No;
    const BuildSummary s = b.run();
    QCOMPARE(s.end, BuildSummary::End::Stopped);
    QCOMPARE(b.reporter.messages.size(), 2);
    QCOMPARE(int(b.reporter.messages.at(1).id), int(Message::Id::EmptyFile));
    QVERIFY2(b.reporter.messages.at(1).text.startsWith("File \"" +
                                                       b.path("art/ding.wav").toUpper() + "\""),
             qPrintable(b.reporter.messages.at(1).text));
}

void TestBuildEngine::fileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    QTest::newRow("plain") << "MyRes" << false;
    QTest::newRow("dots and dashes") << "my.res-2_b" << false;
    QTest::newRow("non-ASCII") << QString::fromUtf8("Stra\u00dfe\u0131") << false;
    QTest::newRow("empty, filled in later") << "" << false;
    QTest::newRow("slash") << "a/b" << true;
    QTest::newRow("backslash") << "a\\b" << true;
    QTest::newRow("two dots") << "a..b" << true;
    QTest::newRow("tab") << "a\tb" << true;
    QTest::newRow("question mark") << "a?" << true;
    QTest::newRow("quote") << "a\"b" << true;
}

void TestBuildEngine::fileNames()
{
    QFETCH(QString, name);
    QFETCH(bool, refused);
    QCOMPARE(!NameChecks::fileNameProblem(name).isEmpty(), refused);
}

void TestBuildEngine::equalNames_data()
{
    QTest::addColumn<bool>("scriptsOnly");
    QTest::addColumn<bool>("asked");
    QTest::newRow("asked") << false << true;
    QTest::newRow("not with scripts only") << true << false;
}

void TestBuildEngine::equalNames()
{
    QFETCH(bool, scriptsOnly);
    QFETCH(bool, asked);
    Bench b;
    b.options.libraryName = QStringLiteral("art");
    b.options.scriptsOnly = scriptsOnly;
    b.reporter.answers << BuildReporter::No;
    const BuildSummary s = b.run();
    QCOMPARE(b.reporter.message(Message::Id::SameNames) != nullptr, asked);
    if (!asked) {
        QCOMPARE(s.end, BuildSummary::End::ScriptsOnly);
        return;
    }
    const Message *box = b.reporter.message(Message::Id::SameNames);
    QCOMPARE(box->text, QStringLiteral("The current script and library names are identical. This "
                                       "will prevent\rthe file(s) .RC .PAS. DPR, to copy as Plain "
                                       "Text when dragged onto\rthe program. Its recommended to "
                                       "rename one of the fields..continue?"));
    QCOMPARE(box->buttons, int(Message::Yes | Message::No));
    QCOMPARE(s.end, BuildSummary::End::Stopped);
    QCOMPARE(b.files("dest"), QStringList());
}

void TestBuildEngine::missingDestination_data()
{
    QTest::addColumn<QString>("destination"); // below the bench
    QTest::addColumn<QString>("named");       // the second line of the first box
    QTest::newRow("folder gone") << "Gone/Out"
                                 << "\r\"%1/Gone/Out\" does not exist.";
    QTest::newRow("no text") << ""
                             << "";
}

void TestBuildEngine::missingDestination()
{
    QFETCH(QString, destination);
    QFETCH(QString, named);
    Bench b;
    b.options.destination = destination.isEmpty() ? QString() : b.path(destination);
    QVERIFY(QDir().mkpath(b.path("Here")));
    const QString before = QDir::currentPath();
    QDir::setCurrent(b.path("Here"));
    const BuildSummary s = b.run();
    QCOMPARE(s.end, BuildSummary::End::Stopped);
    QCOMPARE(b.reporter.messages.size(), 2);
    QCOMPARE(b.reporter.messages.at(0).text,
             "No destination directory specified...assuming current!" +
                 (named.isEmpty() ? QString() : named.arg(b.dir.path())));
    QCOMPARE(b.reporter.messages.at(0).owner, Message::Owner::MainWindow);
    QCOMPARE(b.reporter.messages.at(1).icon, Message::Icon::None);
    // The current folder as it is spelled, not upper-cased into one that is not there.
    QVERIFY2(b.reporter.messages.at(1).text.startsWith(
                 "The recent default directory is: " + b.path("Here") +
                 "/\rTo save to this "
                 "directory press the"),
             qPrintable(b.reporter.messages.at(1).text));
    QCOMPARE(b.reporter.title, QStringLiteral("Tolvane v3.06b"));
    QCOMPARE(b.reporter.settings.value(int(BuildReporter::Setting::ExecuteOnLoad)),
             QVariant(false));
    QVERIFY(b.reporter.closeEnabled);

    // Build again builds into the current folder, as the boxes said.
    b.options.destination =
        b.reporter.settings.value(int(BuildReporter::Setting::Destination)).toString();
    b.reporter.messages.clear();
    const BuildSummary again = b.run();
    QDir::setCurrent(before);
    QCOMPARE(again.end, BuildSummary::End::Compiled);
    QCOMPARE(b.reporter.messages.size(), 0);
    QCOMPARE(b.files("Here"), QStringList({"Art.rc", "Art.res", "ArtLib.dll"}));
}

void TestBuildEngine::missingProgramFolder()
{
    Bench b;
    QDir(b.path("prog")).removeRecursively();
    const BuildSummary s = b.run();
    QCOMPARE(s.end, BuildSummary::End::Stopped);
    QCOMPARE(b.reporter.messages.last().caption, QStringLiteral("Missing program folder..."));
    QCOMPARE(b.reporter.title, QStringLiteral("Working Folder..."));
    // The panel stays until the user closes it.
    QVERIFY(b.reporter.panels[int(BuildReporter::Panel::Progress)]);
    QVERIFY(!b.reporter.closeEnabled);
}

void TestBuildEngine::compilerMissing()
{
    Bench b;
    b.options.compiler2 = QStringLiteral("/nonexistent/DCC32.EXE");
    const BuildSummary s = b.run();
    QCOMPARE(s.end, BuildSummary::End::ConfigurationProblem);
    QVERIFY(s.errorFlag);
    QCOMPARE(b.reporter.messages.last().caption, QStringLiteral("Configuration problem"));
    QCOMPARE(b.reporter.messages.last().text,
             QStringLiteral("Cannot read the compiler's path information please check "
                            "settings!\r\rDcc32 compiler Path: /nonexistent/DCC32.EXE ?"));
    QCOMPARE(b.files("prog"), QStringList());
    QCOMPARE(b.reporter.lines[2], QStringLiteral("Press the close button to reset program...!"));
}

void TestBuildEngine::compilerNamesWithoutRegardToCase()
{
    Bench b;
    b.options.compiler1 = bin + QStringLiteral("/BRCC32.EXE");
    b.options.compiler2 = bin + QStringLiteral("/Dcc32.exe");
    QCOMPARE(b.run().end, BuildSummary::End::Compiled);
    QCOMPARE(b.files("dest"), QStringList({"Art.rc", "Art.res", "ArtLib.dll"}));
}

void TestBuildEngine::unselectedEntries()
{
    // 101 entries, 25 selected: 101 / 4 is 25, not more than 25, so nothing is asked.
    Bench b;
    b.options.scriptsOnly = true;
    for (int i = 0; i < 98; ++i) {
        const QString f = b.path(QStringLiteral("more/m%1.wav").arg(i, 3, 10, QLatin1Char('0')));
        write(f, "0123456789");
        b.entries << ListEntry{f, false};
    }
    for (int i = 3; i < 25; ++i)
        b.entries[i].selected = true;
    BuildSummary s = b.run();
    QCOMPARE(s.end, BuildSummary::End::ScriptsOnly);
    QVERIFY(!b.reporter.message(Message::Id::RemoveUnselected));
    QVERIFY(s.unselectedNote);
    QCOMPARE(s.listPaths.size(), 101);

    // With 24 selected it asks; Yes leaves only the selected entries.
    b.entries[24 - 1].selected = false;
    b.reporter.answers << BuildReporter::Yes;
    s = b.run();
    const Message *box = b.reporter.message(Message::Id::RemoveUnselected);
    QVERIFY(box);
    QCOMPARE(box->caption, QStringLiteral("Confirm"));
    QCOMPARE(box->icon, Message::Icon::Question);
    QCOMPARE(s.listPaths.size(), 24);
}

void TestBuildEngine::autoSortRemovesUnselected()
{
    Bench b;
    b.options.scriptsOnly = true;
    b.options.autoSort = true;
    b.entries[1].selected = false;
    const BuildSummary s = b.run();
    QCOMPARE(s.listPaths, QStringList({b.path("art/ding.wav"), b.path("art/tone.wav")}));
    QVERIFY(b.reporter.messages.isEmpty());
    QVERIFY(b.reporter.events.contains("Msg4 Sorting File List updating as needed."));
    QCOMPARE(b.reporter.listActions.first().first,
             int(BuildReporter::ListAction::RemoveUnselected));
}

void TestBuildEngine::scriptCannotBeWritten()
{
    Bench b;
    QDir().mkpath(b.path("prog/Art.rc")); // a folder where the script should go
    const BuildSummary s = b.run();
    QCOMPARE(s.end, BuildSummary::End::ScriptNotWritten);
    QCOMPARE(b.reporter.messages.last().text, "Cannot create file " + b.path("prog") + "/Art.rc");
    QCOMPARE(b.reporter.messages.last().icon, Message::Icon::Error);
    QCOMPARE(b.files("dest"), QStringList());
    QCOMPARE(b.reporter.lines[0], QStringLiteral(". . .Script complete. . ."));
    QVERIFY(b.reporter.closeEnabled);
    QCOMPARE(s.listPaths.size(), 3); // the list and the settings stay as they were
    QVERIFY(b.reporter.settings.isEmpty());
}

void TestBuildEngine::outputPathsStayInTheirFolder_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("inside");
    QTest::newRow("plain") << "/p/a.rc"
                           << "/p" << true;
    QTest::newRow("folder with separator") << "/p/a.rc"
                                           << "/p/" << true;
    QTest::newRow("up and out") << "/p/../q/a.rc"
                                << "/p" << false;
    QTest::newRow("down a level") << "/p/x/a.rc"
                                  << "/p" << false;
    QTest::newRow("the folder above") << "/p/.."
                                      << "/p" << false;
    QTest::newRow("relative, in the current folder") << "a.rc"
                                                     << "" << true;
    QTest::newRow("relative, elsewhere") << "../a.rc"
                                         << "" << false;
}

void TestBuildEngine::outputPathsStayInTheirFolder()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QTEST(buildchecks::isDirectlyInside(path, folder), "inside");
}

QTEST_GUILESS_MAIN(TestBuildEngine)
#include "tst_buildengine.moc"
