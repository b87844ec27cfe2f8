// Builds of one project with SOURCE_DATE_EPOCH set: the script's banner carries that moment, so
// the script, the .res and the library come out byte for byte the same.
#include "platform/Registry.h"
#include "tests/tools/Corpus.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace tolvane;

class TestReproducible : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase();
    void sameProjectSameBytes();

  private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    // Builds the project into DEST with the given moment and time zone; returns its stderr.
    QString build(const QString &dest, const QString &epoch, const QString &zone);
    QByteArray read(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir m_dir;
};

void TestReproducible::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(corpus::write(path("art/logo.bmp"), corpus::bitmap(24, 40)));
    QVERIFY(corpus::write(path("art/ding.wav"), corpus::wave()));
    QVERIFY(corpus::write(
        path("Art.tpf"), (path("art/ding.wav") + "\r\n" + path("art/logo.bmp") + "\r\n").toUtf8()));
    Registry registry(path("registry.reg"));
    const QString key = QStringLiteral("\\SOFTWARE\\Kelvadore\\Tolvane");
    QVERIFY(registry.createKey(RegRoot::LocalMachine, key));
    registry.setText(RegRoot::LocalMachine, key, "Compiler1", TOOLCHAIN_BIN "/brcc32");
    registry.setText(RegRoot::LocalMachine, key, "Compiler2", TOOLCHAIN_BIN "/dcc32");
    registry.setText(RegRoot::LocalMachine, key, "Script Name", "Art");
    registry.setText(RegRoot::LocalMachine, key, "Library Name", "ArtLib");
    registry.setDword(RegRoot::LocalMachine, key, "Prompt Compile", 0);
}

QString TestReproducible::build(const QString &dest, const QString &epoch, const QString &zone)
{
    if (!QDir().mkpath(path(dest)))
        return QStringLiteral("cannot make ") + dest;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SOURCE_DATE_EPOCH", epoch);
    env.insert("TZ", zone);
    env.insert("LC_ALL", "C");
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(TOLVANE_BUILD),
            {path("Art.tpf"), "--dest", path(dest), "--registry", path("registry.reg"), "--quiet"});
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QStringLiteral("failed: ") + QString::fromUtf8(p.readAll()) + p.errorString();
    return QString();
}

void TestReproducible::sameProjectSameBytes()
{
    // 2009-02-13 23:31:30 UTC; the second build runs in another time zone.
    QCOMPARE(build("first", "1234567890", "UTC"), QString());
    QCOMPARE(build("second", "1234567890", "Pacific/Auckland"), QString());
    for (const char *name : {"Art.rc", "Art.res", "ArtLib.dll"}) {
        const QByteArray first = read(QStringLiteral("first/") + name);
        QVERIFY2(!first.isEmpty(), name);
        QVERIFY2(first == read(QStringLiteral("second/") + name), name);
    }
    QVERIFY2(read("first/Art.rc").contains("\r\n File Generated at: 13 Feb 2009 23:31:30\r\n"),
             read("first/Art.rc").constData());

    // Another moment gives another banner, and only the banner changes.
    QCOMPARE(build("third", "946684800", "UTC"), QString()); // 2000-01-01 00:00:00
    QByteArray script = read("third/Art.rc");
    QVERIFY2(script.contains("\r\n File Generated at: 1 Jan 2000\r\n"), script.constData());
    script.replace(" File Generated at: 1 Jan 2000\r\n",
                   " File Generated at: 13 Feb 2009 23:31:30\r\n");
    QCOMPARE(script, read("first/Art.rc"));
}

QTEST_GUILESS_MAIN(TestReproducible)
#include "tst_reproducible.moc"
