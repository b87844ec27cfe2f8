#include "core/FileList.h"

#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>

using namespace tolvane;

namespace {
// Texts from characters whose case folding is easy to get wrong: Turkish i's, sharp s, final
// sigma, the Kelvin and Angstrom signs, letters outside the basic plane (Deseret) and plain ASCII.
QStringList trickyTexts(int n, quint32 seed)
{
    const QStringList pieces = {"a",          "A",          "b",  "Z",      "_",  "/", ".", "ı",
                                "I",          "İ",          "i",  "ß",      "ss", "Σ", "σ", "ς",
                                "\u212A",     "k",          "K",  "\u212B", "å",  "Å", "é", "É",
                                "\U00010428", "\U00010400", "名", "\uFFFD", "~",  "0", "9", " "};
    QRandomGenerator random(seed);
    QStringList texts;
    for (int i = 0; i < n; ++i) {
        QString t;
        const int len = random.bounded(1, 6);
        for (int k = 0; k < len; ++k)
            t += pieces.at(random.bounded(int(pieces.size())));
        texts << t;
    }
    return texts;
}

QStringList sortedByCompare(QStringList texts)
{
    std::stable_sort(texts.begin(), texts.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return texts;
}

QStringList rowsOf(const FileList &list)
{
    QStringList out;
    for (int r = 0; r < list.count(); ++r)
        out << list.at(r);
    return out;
}
} // namespace

class TestFileList : public QObject
{
    Q_OBJECT

  private slots:
    void sortOrdersAsTheComparison();
    void comparisonIsTheCaseBlindOrder();
    void oneAtATimeAcrossBlocks();
    void equalTextsKeepTheirArrival();
    void mergeTellsWhereTheNewOnesWent();
    void removalsInOnePass_data();
    void removalsInOnePass();
};

void TestFileList::sortOrdersAsTheComparison()
{
    for (quint32 seed : {1u, 2u, 3u}) {
        QStringList texts = trickyTexts(3000, seed);
        const QStringList expected = sortedByCompare(texts);
        FileList::sort(texts);
        QCOMPARE(texts, expected);
    }
    QStringList small = {"b.BMP", "A.bmp", "a.BMP", "C.ico"};
    FileList::sort(small);
    QCOMPARE(small, (QStringList{"A.bmp", "a.BMP", "b.BMP", "C.ico"}));
}

// The comparison folds ASCII itself and hands the rest over: pairs that part in ASCII, in
// letters that fold to ASCII (the Kelvin sign), in pairs of surrogates or only in their length.
void TestFileList::comparisonIsTheCaseBlindOrder()
{
    const QStringList a = trickyTexts(4000, 7), b = trickyTexts(4000, 8);
    const QStringList prefixes = {"", "/home/User/Art/", "/HOME/user/art/", "/home/user/Krt/"};
    int checked = 0;
    for (int i = 0; i < a.size(); ++i) {
        for (const QString &p : prefixes) {
            for (const QString &q : prefixes) {
                const QString x = p + a.at(i), y = q + b.at(i);
                const bool expected = x.compare(y, Qt::CaseInsensitive) < 0;
                if (FileList::lessThan(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("\"%1\" < \"%2\" should be %3")
                                         .arg(x, y, expected ? "true" : "false")));
                if (FileList::lessThan(x, x) || FileList::lessThan(y, y))
                    QFAIL(qPrintable(QStringLiteral("\"%1\" is less than itself").arg(x)));
                ++checked;
            }
        }
    }
    QCOMPARE(checked, 64000);
    QVERIFY(FileList::lessThan("art/a.bmp", "ART/B.bmp"));
    QVERIFY(!FileList::lessThan("ART/B.bmp", "art/a.bmp"));
    QVERIFY(FileList::lessThan("a.bm", "A.BMP"));
    QVERIFY(FileList::lessThan("_", "a")); // '_' comes after 'Z' but before 'a' once folded
    QVERIFY(FileList::lessThan("K", "l"));
    QVERIFY(!FileList::lessThan("K", "k") && !FileList::lessThan("k", "K"));
}

void TestFileList::oneAtATimeAcrossBlocks()
{
    // Enough entries for several blocks, each inserted where it belongs.
    QStringList texts;
    for (int i = 0; i < 5000; ++i)
        texts << QStringLiteral("/art/%1/file%2.bmp")
                     .arg((i * 7919) % 5000, 4, 10, QChar('0'))
                     .arg(i);
    FileList list;
    for (const QString &t : texts) {
        const int row = list.insert(t);
        QCOMPARE(list.at(row), t);
    }
    const QStringList expected = sortedByCompare(texts);
    QCOMPARE(list.count(), 5000);
    QCOMPARE(rowsOf(list), expected);
    QCOMPARE(list.entries(), expected);
    for (const QString &t : {expected.first(), expected.at(2500), expected.last()})
        QVERIFY(list.containsNoCase(t.toUpper()));
    QVERIFY(!list.containsNoCase("/art/0000/file.bmp"));
    // A range over a block's end and the next block's start.
    list.removeRange(500, 700);
    QStringList less = expected;
    less.remove(500, 700);
    QCOMPARE(rowsOf(list), less);
    QCOMPARE(list.insertPosition(less.at(600)), 601);
}

void TestFileList::equalTextsKeepTheirArrival()
{
    FileList list;
    list.assign({"x.bmp", "X.BMP", "a.bmp"});
    QCOMPARE(list.entries(), (QStringList{"a.bmp", "x.bmp", "X.BMP"}));
    // A new equal text goes after those already listed, one at a time or merged.
    QCOMPARE(list.insert("x.Bmp"), 3);
    list.merge({"X.bmp", "0.bmp", "A.BMP", "b", "c", "d", "e", "f", "g"});
    QCOMPARE(list.entries(), (QStringList{"0.bmp", "a.bmp", "A.BMP", "b", "c", "d", "e", "f", "g",
                                          "x.bmp", "X.BMP", "x.Bmp", "X.bmp"}));
}

void TestFileList::mergeTellsWhereTheNewOnesWent()
{
    FileList list;
    QStringList old;
    for (int i = 0; i < 1500; i += 2)
        old << QStringLiteral("f%1").arg(i, 5, 10, QChar('0'));
    list.assign(old);
    QStringList incoming;
    for (int i = 2999; i > 0; i -= 6)
        incoming << QStringLiteral("F%1").arg(i, 5, 10, QChar('0'));
    const QList<int> rows = list.merge(incoming);
    QCOMPARE(list.count(), int(old.size() + incoming.size()));
    QCOMPARE(list.entries(), sortedByCompare(old + incoming));
    QCOMPARE(rows.size(), incoming.size());
    QStringList landed;
    for (int r : rows)
        landed << list.at(r);
    QStringList expected = incoming;
    std::reverse(expected.begin(), expected.end());
    QCOMPARE(landed, expected);
    QVERIFY(std::is_sorted(rows.begin(), rows.end()));

    // Texts equal to old ones once folded, runs before, between and after the old texts: an
    // equal old text stays before the new one, and equal new ones keep their arrival.
    for (quint32 seed : {11u, 12u, 13u}) {
        FileList mixed;
        const QStringList before = sortedByCompare(trickyTexts(1500, seed));
        mixed.assign(before);
        QStringList arriving = trickyTexts(700, seed + 100);
        arriving << before.mid(200, 50) << before.first().toUpper() << before.last().toLower();
        mixed.merge(arriving);
        QCOMPARE(mixed.entries(), sortedByCompare(before + arriving));
    }
}

void TestFileList::removalsInOnePass_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("first and last") << QList<int>{0, 5} << QStringList{"b", "c", "d", "e"};
    QTest::newRow("scattered") << QList<int>{1, 3, 4} << QStringList{"a", "c", "f"};
    QTest::newRow("all") << QList<int>{0, 1, 2, 3, 4, 5} << QStringList{};
}

void TestFileList::removalsInOnePass()
{
    QFETCH(QList<int>, rows);
    QFETCH(QStringList, left);
    FileList list;
    list.assign({"f", "e", "d", "c", "b", "a"});
    list.removeRows(rows);
    QCOMPARE(list.entries(), left);
    QCOMPARE(rowsOf(list), left);
    // The list goes on working after the removal.
    list.insert("cc");
    QCOMPARE(list.count(), int(left.size()) + 1);
}

QTEST_GUILESS_MAIN(TestFileList)
#include "tst_filelist.moc"
