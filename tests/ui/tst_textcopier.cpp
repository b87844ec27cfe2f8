#include "Harness.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/textcopier/TextCopier.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace tolvane;
using namespace tolvane::test;

namespace {
QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// What the dialog looked like when it opened.
struct Visit
{
    QString caption;
    TextCopier::Option option;
    QString taskbarTitle;
    QString taskbarIcon;
};

using Action = std::function<void(TextCopier &)>;

Action choose(const char *option, const char *button = "OkButton")
{
    return [option, button](TextCopier &c) {
        child<QRadioButton>(c, option)->click();
        child<QPushButton>(c, button)->click();
    };
}

// Answers the text file utility each time it opens, one action per opening; when none is left,
// it cancels, so a dialog that should not have opened cannot hang the test.
class Answers : public QObject
{
  public:
    Answers(Harness &h, QList<Action> actions) : m_h(h), m_actions(std::move(actions))
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, &Answers::poll);
        m_timer.start();
    }
    QList<Visit> visits;

  private:
    void poll()
    {
        TextCopier &c = m_h.windows->textCopier();
        if (!c.isVisible())
            return;
        visits << Visit{c.windowTitle(), c.option(), m_h.taskbar.title(), m_h.taskbar.iconName()};
        if (m_actions.isEmpty())
            child<QPushButton>(c, "CancelButton")->click();
        else
            m_actions.takeFirst()(c);
    }
    Harness &m_h;
    QList<Action> m_actions;
    QTimer m_timer;
};
} // namespace

class TestTextCopier : public QObject
{
    Q_OBJECT

  private slots:
    void dialogAtStart();
    void pictureFollowsTheOption();
    void choices_data();
    void choices();
    void sameChoiceTwiceIsRefused();
    void upperCaseExtensionAndTwoFiles();
    void textHandledStaysForTheRun();
};

void TestTextCopier::dialogAtStart()
{
    Harness h;
    h.createWindows();
    TextCopier &c = h.windows->textCopier();
    QCOMPARE(c.objectName(), QString("TForm6"));
    QCOMPARE(c.pos(), h.windows->main().pos() + QPoint(75, 80));
    QVERIFY(!c.isVisible());
    QCOMPARE(c.option(), TextCopier::Print);
    QCOMPARE(c.pictureShown(), TextCopier::Print);
    // The four options from the top down.
    int lastY = -1;
    const QStringList captions = {"Print Text File...", "Save as Unit (.PAS)",
                                  "Save as Resource Script (.RC)",
                                  "Save as Delphi Project file (.DPR)"};
    const char *names[] = {"PrintOption", "UnitOption", "ScriptOption", "ProjectOption"};
    for (int i = 0; i < 4; ++i) {
        QRadioButton *r = child<QRadioButton>(c, names[i]);
        QCOMPARE(r->text(), captions.at(i));
        QVERIFY(r->y() > lastY);
        lastY = r->y();
    }
    QVERIFY(child<QPushButton>(c, "OkButton")->isDefault());
    QCOMPARE(child<QPushButton>(c, "CancelButton")->text(), QString("Cancel"));
}

void TestTextCopier::pictureFollowsTheOption()
{
    Harness h;
    h.createWindows();
    TextCopier &c = h.windows->textCopier();
    child<QRadioButton>(c, "ScriptOption")->click();
    QCOMPARE(c.pictureShown(), TextCopier::Script);
    child<QRadioButton>(c, "ProjectOption")->click();
    QCOMPARE(c.pictureShown(), TextCopier::Project);
    child<QRadioButton>(c, "UnitOption")->click();
    QCOMPARE(c.pictureShown(), TextCopier::Unit);
}

void TestTextCopier::choices_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("created");
    QTest::addColumn<bool>("printed");
    QTest::newRow("print") << "PrintOption"
                           << "OkButton" << QString() << true;
    QTest::newRow("unit") << "UnitOption"
                          << "OkButton"
                          << "notes.pas" << false;
    QTest::newRow("script") << "ScriptOption"
                            << "OkButton"
                            << "notes.rc" << false;
    QTest::newRow("project") << "ProjectOption"
                             << "OkButton"
                             << "notes.dpr" << false;
    QTest::newRow("cancel after choosing") << "ScriptOption"
                                           << "CancelButton" << QString() << false;
    QTest::newRow("escape") << "UnitOption"
                            << "" << QString() << false;
}

void TestTextCopier::choices()
{
    QFETCH(QString, option);
    QFETCH(QString, button);
    QFETCH(QString, created);
    QFETCH(bool, printed);
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    const QString notes = h.path("notes.txt");
    write(notes, "some notes\r\n");
    const QByteArray o = option.toLatin1(), b = button.toLatin1();
    Action act = [o, b](TextCopier &c) {
        child<QRadioButton>(c, o.constData())->click();
        if (b.isEmpty())
            QTest::keyClick(&c, Qt::Key_Escape);
        else
            child<QPushButton>(c, b.constData())->click();
    };
    Answers answers(h, {act});
    QVERIFY(dropFiles(m, {notes}));
    QCOMPARE(answers.visits.size(), 1);
    const Visit v = answers.visits.first();
    QCOMPARE(v.caption, QString("Select an option for file \"NOTES.TXT\""));
    QCOMPARE(v.option, TextCopier::Print);
    QCOMPARE(v.taskbarTitle, QString("Text File Copier"));
    QCOMPARE(v.taskbarIcon, QString("text"));
    // Either button gives the taskbar back.
    QCOMPARE(h.taskbar.title(), QString("Tolvane v3.06b"));
    QCOMPARE(h.taskbar.iconName(), QString("logo"));

    QCOMPARE(h.platform.printed, printed ? QStringList{notes} : QStringList{});
    QStringList files = QDir(h.dir.path()).entryList({"notes.*"}, QDir::Files);
    files.sort();
    QStringList expected = {"notes.txt"};
    if (!created.isEmpty())
        expected.prepend(created);
    expected.sort();
    QCOMPARE(files, expected);
    QCOMPARE(readAll(notes), QByteArray("some notes\r\n"));
    if (!created.isEmpty())
        QCOMPARE(readAll(h.path(created)), QByteArray("some notes\r\n"));
    if (button != "OkButton")
        QCOMPARE(h.windows->textCopier().option(), TextCopier::None);
    // A text file was handled: no failure message, whatever was chosen.
    QVERIFY(h.prompter.boxes.isEmpty());
    QVERIFY(m.list().paths().isEmpty());
}

void TestTextCopier::sameChoiceTwiceIsRefused()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    const QString notes = h.path("notes.txt");
    write(notes, "first");
    Answers answers(h, {choose("UnitOption"), choose("UnitOption")});
    QVERIFY(dropFiles(m, {notes}));
    write(notes, "second");
    QVERIFY(dropFiles(m, {notes}));
    QCOMPARE(answers.visits.size(), 2);
    QCOMPARE(h.prompter.boxes.size(), 1);
    const Box b = h.prompter.last();
    QCOMPARE(b.caption, QString("Error"));
    QCOMPARE(b.text, "A filename error occurred, while creating: \r" + notes + " !");
    QCOMPARE(int(b.icon), int(Box::Error));
    QCOMPARE(b.buttons, int(Box::Abort));
    QCOMPARE(readAll(notes), QByteArray("second"));
    QCOMPARE(readAll(h.path("notes.pas")), QByteArray("first"));
}

void TestTextCopier::upperCaseExtensionAndTwoFiles()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    const QString readme = h.path("readme.TXT"), other = h.path("other.txt");
    write(readme, "read me");
    write(other, "other");
    Answers answers(h, {choose("ScriptOption"), choose("ProjectOption", "CancelButton")});
    QVERIFY(dropFiles(m, {readme, other}));
    QCOMPARE(answers.visits.size(), 2);
    QCOMPARE(answers.visits.at(0).caption, QString("Select an option for file \"README.TXT\""));
    QCOMPARE(answers.visits.at(1).caption, QString("Select an option for file \"OTHER.TXT\""));
    // Each opening starts with Print chosen, whatever was chosen before.
    QCOMPARE(answers.visits.at(0).option, TextCopier::Print);
    QCOMPARE(answers.visits.at(1).option, TextCopier::Print);
    QCOMPARE(readAll(h.path("readme.rc")), QByteArray("read me"));
    QVERIFY(!QFile::exists(h.path("other.dpr")));
}

void TestTextCopier::textHandledStaysForTheRun()
{
    Harness h;
    h.createWindows();
    MainWindow &m = h.windows->main();
    write(h.path("notes.txt"), "x");
    Answers answers(h, {});
    QVERIFY(dropFiles(m, {h.path("notes.txt")}));
    QVERIFY(h.prompter.boxes.isEmpty());
    // A later drop that adds nothing still reports no failure: the flag is never cleared.
    QVERIFY(dropFiles(m, {h.file("readme.doc")}));
    QVERIFY(h.prompter.boxes.isEmpty());
    QVERIFY(m.textHandled());
}

QTEST_MAIN(TestTextCopier)
#include "tst_textcopier.moc"
