#include "platform/NativeName.h"

#include <QtTest>

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
};

QTEST_GUILESS_MAIN(NamesTest)
#include "tst_names.moc"
