#include "ui/widgets/TFileLabel.h"

#include <QtTest>

using namespace tolvane;

class TestPathLabel : public QObject
{
    Q_OBJECT

  private slots:
    void cutAtTheEdge_data();
    void cutAtTheEdge();
    void hugeLineIsMeasuredOnlyWhereItShows();
};

void TestPathLabel::cutAtTheEdge_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("starts");
    QTest::newRow("no separator") << QString(200, 'n') << "nnnn";
    QTest::newRow("long file name") << "C:\\Art\\" + QString(200, 'f') + ".bmp"
                                    << "ffff";
}

void TestPathLabel::cutAtTheEdge()
{
    QFETCH(QString, text);
    QFETCH(QString, starts);
    TFileLabel label;
    label.setSeparator("\\");
    label.resize(120, 20);
    label.setFileName(text);
    const QFontMetrics fm(label.font());
    // What cannot be shortened any more is cut with an ellipsis that shows, not clipped.
    QVERIFY2(label.text().endsWith(QChar(0x2026)), qPrintable(label.text()));
    QVERIFY(label.text().startsWith(starts));
    QVERIFY(fm.horizontalAdvance(label.text()) <= label.contentsRect().width());
    QCOMPARE(label.fileName(), text); // the whole text is kept
}

void TestPathLabel::hugeLineIsMeasuredOnlyWhereItShows()
{
    // A project line of 50 MB: the label hands on only what fits, ellipsis and all.
    const QString huge = "/share/" + QString(50 * 1024 * 1024, 'x') + "/a.bmp";
    TFileLabel label;
    label.resize(300, 20);
    label.setFileName("Removing from list: " + huge);
    QVERIFY(label.text().size() < 400);
    QVERIFY2(label.measured() < 10000, qPrintable(QString::number(label.measured())));
    QVERIFY(label.text().startsWith("Removing from list: ") || label.text().startsWith("..."));
    QVERIFY(label.text().endsWith(QChar(0x2026)) || label.text().endsWith("a.bmp"));
    QCOMPARE(label.fileName().size(), huge.size() + 20);
}

QTEST_MAIN(TestPathLabel)
#include "tst_pathlabel.moc"
