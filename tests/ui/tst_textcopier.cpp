#include "Harness.h"
#include "platform/NativeName.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/PropertiesDialog.h"
#include "ui/textcopier/TextCopier.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
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
    void backslashIsPartOfTheName();
    void printTheSystemRefusesIsTold();
    void printThroughTheSpooler_data();
    void printThroughTheSpooler();
    void dialogsAreAsWideAsTheirTitles();
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

void TestTextCopier::backslashIsPartOfTheName()
{
    Harness h;
    h.createWindows();
    const QString odd = h.path("a\\b.txt");
    write(odd, "odd");
    Answers answers(h, {choose("UnitOption")});
    QVERIFY(dropFiles(h.windows->main(), {odd}));
    QCOMPARE(answers.visits.size(), 1);
    QCOMPARE(answers.visits.first().caption, QString("Select an option for file \"A\\B.TXT\""));
    QCOMPARE(readAll(h.path("a\\b.pas")), QByteArray("odd"));
    QCOMPARE(TextCopier::captionFor("/x/caf" + nativename::decode("\xe9") + ".txt"),
             QString("Select an option for file \"CAF\uFFFD.TXT\""));
}

void TestTextCopier::printTheSystemRefusesIsTold()
{
    Harness h;
    h.platform.printWorks = false; // lp started, and found no printer
    h.createWindows();
    const QString notes = h.path("notes.txt");
    write(notes, "some notes");
    Answers answers(h, {choose("PrintOption")});
    QVERIFY(dropFiles(h.windows->main(), {notes}));
    QCOMPARE(h.platform.printed, QStringList{notes});
    QCOMPARE(h.prompter.boxes.size(), 1);
    QCOMPARE(h.prompter.last().caption, QString("Program error"));
    QCOMPARE(h.prompter.last().text, "Unable to print file " + notes + "!");
    QCOMPARE(int(h.prompter.last().icon), int(Box::Error));
    QCOMPARE(h.prompter.last().buttons, int(Box::Ok));
    QCOMPARE(readAll(notes), QByteArray("some notes"));
}

void TestTextCopier::printThroughTheSpooler_data()
{
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("printed");
    QTest::newRow("queued") << 0 << QByteArray("notes.txt") << true;
    QTest::newRow("no printer") << 1 << QByteArray("notes.txt") << false;
    QTest::newRow("name not UTF-8") << 0 << QByteArray("caf\xe9.txt") << true;
}

// The real print goes to lp: here a stand-in on the PATH that keeps what it was given.
void TestTextCopier::printThroughTheSpooler()
{
    QFETCH(int, exitCode);
    QFETCH(QByteArray, name);
    QFETCH(bool, printed);
    QTemporaryDir dir;
    const QString bin = dir.filePath("bin");
    QDir().mkpath(bin);
    write(bin + "/lp", "#!/bin/sh\ncat > \"$(dirname \"$0\")/job\"\necho \"$@\" > \"$(dirname "
                       "\"$0\")/args\"\necho 'lp: Error - no default destination available.' >&2\n"
                       "exit " +
                           QByteArray::number(exitCode) + "\n");
    QFile::setPermissions(bin + "/lp", QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QByteArray path = QFile::encodeName(dir.path()) + "/" + name;
    {
        FILE *raw = fopen(path.constData(), "wb");
        QVERIFY(raw);
        fputs("line one\r\nline two\r\n", raw);
        fclose(raw);
    }
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin) + ":" + oldPath);
    LinuxPlatform platform;
    const bool result = platform.printFile(nativename::decode(path));
    qputenv("PATH", oldPath);
    QCOMPARE(result, printed);
    QCOMPARE(readAll(bin + "/job"), QByteArray("line one\r\nline two\r\n"));
    QCOMPARE(readAll(bin + "/args"),
             "-t " + nativename::display(nativename::decode(name)).toUtf8() + "\n");
    // Nothing to print, or no spooler at all: a failure as well.
    QVERIFY(!platform.printFile(dir.filePath("missing.txt")));
    qputenv("PATH", QFile::encodeName(dir.filePath("nowhere")));
    QVERIFY(!platform.printFile(nativename::decode(path)));
    qputenv("PATH", oldPath);
}

namespace {

// The least a title bar needs: the title in a bold face a little larger than the windows', and
// room for the close button and one more.
int titleNeeds(const QString &title)
{
    QFont face = QApplication::font();
    face.setBold(true);
    face.setPointSizeF(face.pointSizeF() * 1.2);
    return QFontMetrics(face).horizontalAdvance(title) + 2 * 32;
}

} // namespace

void TestTextCopier::dialogsAreAsWideAsTheirTitles()
{
    Harness h;
    h.createWindows();
    // The properties of a file with a long name.
    const QString cursor = h.file("hand.cursor-for-the-drawing-board.cur");
    PropertiesDialog sheet(cursor, h.platform);
    sheet.setAttribute(Qt::WA_DeleteOnClose, false);
    sheet.show();
    QCOMPARE(sheet.windowTitle(), QString("hand.cursor-for-the-drawing-board.cur Properties"));
    QVERIFY2(sheet.width() >= titleNeeds(sheet.windowTitle()),
             qPrintable(QString::number(sheet.width())));
    sheet.close();

    // The text file utility names its file in its caption.
    const QString notes = h.path("a-rather-long-name-for-a-notes-file.txt");
    write(notes, "x");
    int copierWidth = 0;
    QString copierTitle;
    Answers answers(h, {[&](TextCopier &c) {
                        copierWidth = c.width();
                        copierTitle = c.windowTitle();
                        child<QPushButton>(c, "CancelButton")->click();
                    }});
    QVERIFY(dropFiles(h.windows->main(), {notes}));
    QVERIFY2(copierWidth >= titleNeeds(copierTitle), qPrintable(QString::number(copierWidth)));

    // The real message box and input box: a short text under a product caption.
    WidgetPrompter real;
    int boxWidth = 0;
    QTimer::singleShot(0, [&] {
        auto *m = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(m);
        boxWidth = m->width();
        m->buttons().first()->click();
    });
    Box b;
    b.caption = QStringLiteral("Tolvane v3.06b\u00a9");
    b.text = QStringLiteral("Operation Aborted!");
    b.icon = Box::Warning;
    QCOMPARE(real.ask(b), Box::Ok);
    QVERIFY2(boxWidth >= titleNeeds(b.caption), qPrintable(QString::number(boxWidth)));

    int inputWidth = 0;
    QTimer::singleShot(0, [&] {
        auto *d = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(d);
        inputWidth = d->width();
        d->reject();
    });
    const QString caption = QStringLiteral("Enter a name for string table...");
    QCOMPARE(real.inputText(nullptr, caption, QStringLiteral("Name:"), QString()),
             std::optional<QString>());
    QVERIFY2(inputWidth >= titleNeeds(caption), qPrintable(QString::number(inputWidth)));
}

QTEST_MAIN(TestTextCopier)
#include "tst_textcopier.moc"
