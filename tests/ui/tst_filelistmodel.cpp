#include "ui/mainwindow/FileListModel.h"

#include <QListView>
#include <QSignalSpy>
#include <QtTest>

using namespace tolvane;

namespace {
QStringList numbered(int from, int to, int step, const char *form)
{
    QStringList out;
    for (int i = from; i < to; i += step)
        out << QString::asprintf(form, i);
    return out;
}
} // namespace

// The list's model under a real view: bulk changes keep the selection of the entries that stay.
class TestFileListModel : public QObject
{
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void removalsKeepTheSelection_data();
    void removalsKeepTheSelection();
    void mergesKeepTheSelection_data();
    void mergesKeepTheSelection();
    void oneAtATimeIsNoReset();
    void namesShowAsPeopleReadThem();

  private:
    QStringList selectedTexts() const
    {
        QStringList out;
        for (int r = 0; r < model->count(); ++r)
            if (view->selectionModel()->isSelected(model->index(r)))
                out << model->at(r);
        return out;
    }
    void selectEvery(int step)
    {
        QItemSelection s;
        for (int r = 0; r < model->count(); r += step)
            s.select(model->index(r), model->index(r));
        view->selectionModel()->select(s, QItemSelectionModel::ClearAndSelect);
    }

    QListView *view = nullptr;
    FileListModel *model = nullptr;
};

void TestFileListModel::init()
{
    view = new QListView;
    model = new FileListModel(view);
    view->setModel(model);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    model->setSelectionModel(view->selectionModel());
}

void TestFileListModel::cleanup()
{
    delete view;
    view = nullptr;
}

void TestFileListModel::removalsKeepTheSelection_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<QList<int>>("rows");
    QTest::newRow("two apart") << 20 << QList<int>{2, 7};
    QTest::newRow("many apart") << 40 << QList<int>{0, 4, 5, 9, 13, 17, 21, 25, 29, 33, 37, 39};
    QTest::newRow("a long list, every third") << 3000 << [] {
        QList<int> r;
        for (int i = 1; i < 3000; i += 3)
            r << i;
        return r;
    }();
}

void TestFileListModel::removalsKeepTheSelection()
{
    QFETCH(int, entries);
    QFETCH(QList<int>, rows);
    model->replaceAll(numbered(0, entries, 1, "/art/%05d.bmp"));
    selectEvery(2);
    int current = entries - 1;
    while (rows.contains(current))
        --current;
    view->selectionModel()->setCurrentIndex(model->index(current), QItemSelectionModel::NoUpdate);
    QStringList expectedLeft, expectedSelected;
    for (int r = 0; r < entries; ++r) {
        if (rows.contains(r))
            continue;
        const QString text = QString::asprintf("/art/%05d.bmp", r);
        expectedLeft << text;
        if (r % 2 == 0)
            expectedSelected << text;
    }
    model->removeRows(rows);
    QCOMPARE(model->paths(), expectedLeft);
    QCOMPARE(selectedTexts(), expectedSelected);
    QCOMPARE(model->at(view->currentIndex().row()), QString::asprintf("/art/%05d.bmp", current));
}

void TestFileListModel::mergesKeepTheSelection_data()
{
    QTest::addColumn<QStringList>("incoming");
    QTest::newRow("eight apart") << numbered(1, 16, 2, "/art/%05d.ico");
    QTest::newRow("twelve apart") << numbered(1, 24, 2, "/art/%05d.ico");
    QTest::newRow("many, all after") << numbered(0, 2000, 1, "/zz/%05d.ico");
}

void TestFileListModel::mergesKeepTheSelection()
{
    QFETCH(QStringList, incoming);
    model->replaceAll(numbered(0, 1200, 1, "/art/%05d.bmp"));
    // All selected, and a long list: the case the selection keeps in a short form of its own.
    view->selectAll();
    model->addMany(incoming);
    QCOMPARE(model->count(), 1200 + int(incoming.size()));
    QCOMPARE(selectedTexts(), numbered(0, 1200, 1, "/art/%05d.bmp"));
    for (const QString &t : incoming)
        QVERIFY(model->paths().contains(t));
}

void TestFileListModel::oneAtATimeIsNoReset()
{
    model->replaceAll(numbered(0, 30, 1, "/art/%05d.bmp"));
    selectEvery(3);
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(model, &QAbstractItemModel::rowsInserted);
    for (const QString &t : numbered(0, 30, 5, "/art/%05d.cur"))
        model->add(t);
    QCOMPARE(resets.count(), 0);
    QCOMPARE(inserts.count(), 6);
    QCOMPARE(inserts.first().at(1).toInt(), 1); // after 00000.bmp
    QCOMPARE(selectedTexts(), numbered(0, 30, 3, "/art/%05d.bmp"));
}

void TestFileListModel::namesShowAsPeopleReadThem()
{
    const QString raw = QStringLiteral("/art/caf") + QChar(0xDCE9) + QStringLiteral(".wav");
    model->add(raw);
    QCOMPARE(model->at(0), raw);
    QCOMPARE(model->data(model->index(0), Qt::DisplayRole).toString(),
             QStringLiteral("/art/caf\uFFFD.wav"));
}

QTEST_MAIN(TestFileListModel)
#include "tst_filelistmodel.moc"
