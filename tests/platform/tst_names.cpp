#include "platform/NativeFile.h"
#include "platform/NativeName.h"

#include <QtTest>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

using namespace tolvane;

// Names as the file system gives them: bytes that are usually, but not always, UTF-8.
class NamesTest : public QObject
{
    Q_OBJECT

  private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("raw");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ascii") << QByteArray("art/a.bmp") << false << QStringLiteral("art/a.bmp");
        QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9.wav") << false
                               << QStringLiteral("caf\u00e9.wav");
        QTest::newRow("astral") << QByteArray("\xf0\x9f\x8e\xb5.wav") << false
                                << QString::fromUtf8("\xf0\x9f\x8e\xb5.wav");
        QTest::newRow("latin-1") << QByteArray("caf\xe9.wav") << true
                                 << QStringLiteral("caf\ufffd.wav");
        QTest::newRow("cut sequence") << QByteArray("a\xc3") << true << QStringLiteral("a\ufffd");
        QTest::newRow("overlong slash")
            << QByteArray("a\xc0\xaf") << true << QStringLiteral("a\ufffd\ufffd");
        QTest::newRow("encoded surrogate")
            << QByteArray("\xed\xa0\x80") << true << QStringLiteral("\ufffd\ufffd\ufffd");
        QTest::newRow("high bytes")
            << QByteArray("\xff\xfe\x80") << true << QStringLiteral("\ufffd\ufffd\ufffd");
    }

    void roundTrip()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, raw);
        QFETCH(QString, shown);
        const QString name = nativename::decode(bytes);
        QCOMPARE(nativename::encode(name), bytes);
        QCOMPARE(nativename::hasRawBytes(name), raw);
        QCOMPARE(nativename::display(name), shown);
    }

    // Two names that differ only in a byte that does not decode stay two names.
    void rawBytesKeepNamesApart()
    {
        const QString a = nativename::decode("caf\xe9.wav");
        const QString b = nativename::decode("caf\xe8.wav");
        QVERIFY(a != b);
        QCOMPARE(nativename::display(a), nativename::display(b));
    }

    // A real file with such a name is found again by the bytes the text gives back.
    void fileIsFoundAgain()
    {
        QTemporaryDir dir;
        const QByteArray path = QFile::encodeName(dir.path()) + "/caf\xe9.wav";
        FILE *f = std::fopen(path.constData(), "wb");
        QVERIFY(f);
        std::fputs("RIFF", f);
        std::fclose(f);
        const QString name = nativename::decode(path);
        FILE *g = std::fopen(nativename::encode(name).constData(), "rb");
        QVERIFY(g);
        std::fclose(g);
    }

    // Where a write lands: through every link to the file it names, whether that exists or not.
    void writeTarget_data()
    {
        QTest::addColumn<QByteArray>("path"); // below the test's folder
        QTest::addColumn<QByteArray>("target");
        QTest::newRow("plain file") << QByteArray("real/a.rc") << QByteArray("real/a.rc");
        QTest::newRow("file not there yet")
            << QByteArray("real/new.rc") << QByteArray("real/new.rc");
        QTest::newRow("relative link") << QByteArray("a-link.rc") << QByteArray("real/a.rc");
        QTest::newRow("chain of links") << QByteArray("chain.rc") << QByteArray("real/a.rc");
        QTest::newRow("link to nothing yet")
            << QByteArray("dangling.rc") << QByteArray("real/later.rc");
        QTest::newRow("linked folder") << QByteArray("folder-link/a.rc") << QByteArray("real/a.rc");
        QTest::newRow("name not utf-8")
            << QByteArray("folder-link/caf\xe9.rc") << QByteArray("real/caf\xe9.rc");
    }

    void writeTarget()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, target);
        QTemporaryDir dir;
        char real[PATH_MAX];
        QVERIFY(::realpath(QFile::encodeName(dir.path()).constData(), real));
        const QByteArray top(real);
        QCOMPARE(::mkdir((top + "/real").constData(), 0755), 0);
        FILE *f = std::fopen((top + "/real/a.rc").constData(), "wb");
        QVERIFY(f);
        std::fclose(f);
        QCOMPARE(::symlink("real/a.rc", (top + "/a-link.rc").constData()), 0);
        QCOMPARE(::symlink("a-link.rc", (top + "/chain.rc").constData()), 0);
        QCOMPARE(::symlink("real/later.rc", (top + "/dangling.rc").constData()), 0);
        QCOMPARE(::symlink("real", (top + "/folder-link").constData()), 0);
        QCOMPARE(nativefile::writeTarget(nativename::decode(top + '/' + path)),
                 nativename::decode(top + '/' + target));
    }
};

QTEST_GUILESS_MAIN(NamesTest)
#include "tst_names.moc"
