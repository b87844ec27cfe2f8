#include "core/FilterTexts.h"

#include <QtTest>

using namespace tolvane;

class TestWindowTexts : public QObject
{
    Q_OBJECT

  private slots:
    void dialogFilters_data();
    void dialogFilters();
    void addDialogFilterEntries();
    void addDialogHeader_data();
    void addDialogHeader();
    void filterHeaders();
    void masks_data();
    void masks();
};

void TestWindowTexts::dialogFilters_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("filters");
    QTest::newRow("one pair") << "Icon Image (*.ico)|*.ico"
                              << QStringList{"Icon Image (*.ico) (*.ico)"};
    QTest::newRow("several patterns")
        << "All Files (*.*)|*.gif;*.jpg;*.avi|Wave Sound (*.wav)|*.wav"
        << QStringList{"All Files (*.*) (*.gif *.jpg *.avi)", "Wave Sound (*.wav) (*.wav)"};
    QTest::newRow("name without patterns") << "Anything" << QStringList{"Anything (*)"};
    QTest::newRow("empty patterns")
        << "Projects||Text|*.txt" << QStringList{"Projects (*)", "Text (*.txt)"};
    QTest::newRow("blanks around patterns") << "Two| *.a ; *.b " << QStringList{"Two (*.a *.b)"};
}

void TestWindowTexts::dialogFilters()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, filters);
    QCOMPARE(filtertexts::dialogFilters(stored), filters);
}

void TestWindowTexts::addDialogFilterEntries()
{
    const QString stored = filtertexts::addDialogFilter();
    QCOMPARE(filtertexts::filterNames(stored),
             QStringList({"All Files (*.*)", "Animated Cursor (*.ani)",
                          "Audio Video Interleaved (*.avi)", "Bitmap Image (*.bmp)",
                          "Cabinet File (*.cab)", "Cursor Image (*.cur)", "Executable (*.exe)",
                          "Icon Image (*.ico)", "JPEG Image (*.jpg)", "GIF Image (*.gif)",
                          "Font File (*.fon)", "True Type Font (*.ttf)", "Wave Sound (*.wav)"}));
    // "All Files" holds the twelve resource kinds, nothing else.
    QCOMPARE(filtertexts::dialogFilters(stored).first(),
             QStringLiteral("All Files (*.*) (*.gif *.jpg *.avi *.bmp *.ico *.cab *.cur *.exe "
                            "*.wav *.ttf *.fon *.ani)"));
    QCOMPARE(filtertexts::dialogFilters(stored).at(7),
             QStringLiteral("Icon Image (*.ico) (*.ico)"));
}

void TestWindowTexts::addDialogHeader_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("header");
    QTest::newRow("all") << 1 << "Filter (*.*)";
    QTest::newRow("ani") << 2 << "Filter (*.ani)";
    QTest::newRow("ico") << 8 << "Filter (*.ico)";
    QTest::newRow("jpg before gif") << 9 << "Filter (*.jpg)";
    QTest::newRow("wav") << 13 << "Filter (*.wav)";
    QTest::newRow("none chosen") << 0 << "";
    QTest::newRow("past the end") << 14 << "";
}

void TestWindowTexts::addDialogHeader()
{
    QFETCH(int, entry);
    QFETCH(QString, header);
    QCOMPARE(filtertexts::addDialogHeader(entry), header);
}

void TestWindowTexts::filterHeaders()
{
    QCOMPARE(filtertexts::dropFilterHeader("(*.ani)"), QStringLiteral("Filter: (*.ani)"));
    QCOMPARE(filtertexts::storedFilterHeader("(*.cur)", "(*.ico)"),
             QStringLiteral("Filter: (*.cur)"));
    // Never stored: the drop filter's own mask, not "Filter: " alone.
    QCOMPARE(filtertexts::storedFilterHeader(QString(), "(*.ico)"),
             QStringLiteral("Filter: (*.ico)"));
}

void TestWindowTexts::masks_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("mask");
    QTest::newRow("all") << "All Resource Files (*.*)"
                         << "(*.*)";
    QTest::newRow("two blanks, upper case") << "Audio Video  (*.AVI)"
                                            << "(*.AVI)";
    QTest::newRow("no bracket") << "plain"
                                << "plain";
    QTest::newRow("last bracket") << "A (b) (*.x)"
                                  << "(*.x)";
}

void TestWindowTexts::masks()
{
    QFETCH(QString, entry);
    QFETCH(QString, mask);
    QCOMPARE(filtertexts::maskOf(entry), mask);
}

QTEST_GUILESS_MAIN(TestWindowTexts)
#include "tst_windowtexts.moc"
