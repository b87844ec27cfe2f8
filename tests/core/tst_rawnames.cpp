// A resource file whose name is not UTF-8 (Latin-1, from an old share) goes the whole way: found
// and checked by the build, written into the script by its bytes, compiled into the .res and
// linked into the library.
#include "core/engine/BuildEngine.h"
#include "core/scan/FolderScan.h"
#include "platform/Clock.h"
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

class QuietReporter : public BuildReporter
{
  public:
    Answer ask(const Message &m) override
    {
        asked << m.caption + QStringLiteral(": ") + m.text;
        return Ok;
    }
    void pause(int) override {}
    void playSound(const QString &) override {}
    void setLine(Line, const QString &) override {}
    void setBarValue(Bar, int) override {}
    void setBarMaximum(Bar, int) override {}
    void setBarVisible(Bar, bool) override {}
    void setPanelVisible(Panel, bool) override {}
    void setBusyLamp(bool) override {}
    void setCloseButton(bool) override {}
    void setCloseDefault(bool) override {}
    void setDiskLabel(const QString &) override {}
    void setBusyCursor(bool) override {}
    void setTitle(const QString &) override {}
    void setIdentity(const QString &, const QString &) override {}
    void setIcon(const QString &) override {}
    void window(WindowStep) override {}
    void fileList(ListAction, int) override {}
    void settingChanged(Setting, const QVariant &) override {}
    QStringList asked;
};

// An 8-bit mono wave whose samples are a pattern no other file of the test holds.
QByteArray wave(char sample)
{
    const QByteArray samples(600, sample);
    QByteArray fmt("fmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0", 24);
    QByteArray data = "data" + QByteArray("\x58\x02\0\0", 4) + samples;
    QByteArray body = "WAVE" + fmt + data;
    const quint32 n = quint32(body.size());
    QByteArray size(4, '\0');
    for (int i = 0; i < 4; ++i)
        size[i] = char((n >> (8 * i)) & 0xFF);
    return "RIFF" + size + body;
}

void writeBytes(const QByteArray &path, const QByteArray &data)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY2(fd >= 0, path.toPercentEncoding("/").constData());
    QCOMPARE(::write(fd, data.constData(), data.size()), ssize_t(data.size()));
    ::close(fd);
}

QByteArray readBytes(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY);
    if (fd < 0)
        return "<missing>";
    QByteArray out;
    char buffer[1 << 14];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        out.append(buffer, n);
    ::close(fd);
    return out;
}

class Collector : public ScanListener
{
  public:
    void visiting(const QString &, const QString &) override {}
    bool isDuplicate(const QString &path) override { return found.contains(path); }
    void add(const QString &path) override { found << path; }
    QStringList found;
};

// QTemporaryDir cannot remove a name that is not UTF-8; this goes by bytes, also after a failure.
struct RemovedAfter
{
    QByteArray top;
    ~RemovedAfter()
    {
        ::nftw(
            top.constData(),
            [](const char *p, const struct stat *, int, struct FTW *) {
                ::remove(p);
                return 0;
            },
            8, FTW_DEPTH | FTW_PHYS);
    }
};

class FixedTime : public Clock
{
  public:
    QDateTime now() const override { return QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)); }
};

} // namespace

class TestRawNames : public QObject
{
    Q_OBJECT

  private slots:
    void buildsIntoTheLibrary();
};

void TestRawNames::buildsIntoTheLibrary()
{
    QTemporaryDir dir;
    const QByteArray top = QFile::encodeName(dir.path());
    const QByteArray art = top + "/Kl\xe4nge";
    const RemovedAfter cleanup{art};
    for (const QByteArray &folder : {art, top + "/prog", top + "/dest"})
        QCOMPARE(::mkdir(folder.constData(), 0755), 0);
    const QByteArray latin = wave('\x11'), plain = wave('\x22');
    writeBytes(art + "/caf\xe9.wav", latin);
    writeBytes(art + "/tone.wav", plain);

    LinuxPlatform platform;
    FixedTime clock;
    QuietReporter reporter;
    BuildOptions options;
    options.scriptName = QStringLiteral("Art");
    options.libraryName = QStringLiteral("ArtLib");
    options.destination = dir.filePath("dest");
    options.programFolder = dir.filePath("prog");
    options.tempFolder = QDir::tempPath() + QLatin1Char('/');
    options.compiler1 = QStringLiteral(TOOLCHAIN_BIN "/brcc32");
    options.compiler2 = QStringLiteral(TOOLCHAIN_BIN "/dcc32");
    options.dropFlag = true;
    options.lastAddedPath = nativename::decode(art + "/caf\xe9.wav");
    // The folder as a drop hands it over, by its bytes.
    Collector scan;
    FolderScan(platform, scan).run(nativename::decode(art), false, 0);
    scan.found.sort();
    QCOMPARE(scan.found, QStringList({nativename::decode(art + "/caf\xe9.wav"),
                                      nativename::decode(art + "/tone.wav")}));
    QList<ListEntry> entries;
    for (const QString &path : std::as_const(scan.found))
        entries << ListEntry{path, true};
    BuildEngine engine(platform, clock, reporter);
    const BuildSummary summary = engine.run(options, entries, {});
    QVERIFY2(summary.end == BuildSummary::End::Compiled, qPrintable(reporter.asked.join('\n')));

    const QByteArray script = readBytes(top + "/dest/Art.rc");
    QVERIFY2(script.endsWith("A1 WAVE \"" + art + "/caf\xe9.wav\"\r\nA2 WAVE \"" + art +
                             "/tone.wav\"\r\n"),
             script.right(160).toPercentEncoding(" /\"").constData());
    // Each file's own bytes are in the compiled resources and in the library.
    const QByteArray res = readBytes(top + "/dest/Art.res");
    const QByteArray dll = readBytes(top + "/dest/ArtLib.dll");
    QVERIFY(res.contains(latin));
    QVERIFY(res.contains(plain));
    QVERIFY(dll.startsWith("MZ"));
    QVERIFY(dll.contains(latin));
    QVERIFY(dll.contains(plain));
    // The source files are only read.
    QCOMPARE(readBytes(art + "/caf\xe9.wav"), latin);
}

QTEST_GUILESS_MAIN(TestRawNames)
#include "tst_rawnames.moc"
