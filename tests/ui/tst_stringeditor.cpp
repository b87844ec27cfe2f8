#include "Harness.h"
#include "core/ScriptWriter.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/stringtable/StringTableEditor.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace tolvane;
using namespace tolvane::test;

namespace {
void type(StringTableEditor &e, const QString &text)
{
    e.field()->clear();
    QTest::keyClicks(e.field(), text);
}
QStringList rows(StringTableEditor &e)
{
    QStringList out;
    for (int i = 0; i < e.list()->count(); ++i)
        out << e.list()->item(i)->text();
    return out;
}
} // namespace

class TestStringEditor : public QObject
{
    Q_OBJECT

  private slots:
    void createdHidden();
    void numberingNeverRepeats();
    void refusedInput_data();
    void refusedInput();
    void placeholders();
    void exportFile();
    void cancelEmptiesTable();
    void tableSurvivesDone();
};

void TestStringEditor::createdHidden()
{
    Harness h;
    h.createWindows();
    StringTableEditor &e = h.windows->editor();
    QVERIFY(!e.isVisible());
    QCOMPARE(e.windowTitle(), QStringLiteral("Tolvane v3.06b\u00a9  Quick Table..."));
    QCOMPARE(e.field()->text(), QStringLiteral("Enter your text here "));
    for (const char *name : {"Insert", "Done", "Export"})
        QVERIFY2(!child(e, name)->isEnabled(), name);
    MainWindow &main = h.windows->main();
    main.move(300, 200);
    main.show();
    h.windows->main().insertStringTable();
    QVERIFY(e.isVisible());
    // It opens over the main window, not in a corner of the screen.
    QVERIFY(main.geometry().contains(e.geometry().center()));
}

void TestStringEditor::numberingNeverRepeats()
{
    Harness h;
    h.createWindows();
    StringTableEditor &e = h.windows->editor();
    for (const QString v : {"A", "B", "C"}) {
        type(e, v);
        QTest::mouseClick(child<QPushButton>(e, "Insert"), Qt::LeftButton);
    }
    QCOMPARE(rows(e), QStringList({"1, \"A\"", "2, \"B\"", "3, \"C\""}));
    QVERIFY(child(e, "Done")->isEnabled() && child(e, "Export")->isEnabled());
    QAction *remove = e.findChild<QAction *>("Remove");
    e.list()->setCurrentRow(1);
    e.updateRemove();
    QVERIFY(remove->isEnabled());
    remove->trigger();
    type(e, "D");
    e.insert();
    QCOMPARE(rows(e), QStringList({"1, \"A\"", "3, \"C\"", "4, \"D\""}));
    QCOMPARE(h.strings.lines(), rows(e));
    // Several lines selected: only the one with the focus goes.
    e.list()->selectAll();
    e.list()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    remove->trigger();
    QCOMPARE(rows(e), QStringList({"3, \"C\"", "4, \"D\""}));
    e.list()->setCurrentRow(0);
    remove->trigger();
    e.list()->setCurrentRow(0);
    remove->trigger();
    QVERIFY(!child(e, "Done")->isEnabled() && !child(e, "Export")->isEnabled());
    type(e, "E");
    e.insert();
    QCOMPARE(rows(e), QStringList({"1, \"E\""})); // an emptied table starts again at 1
}

void TestStringEditor::refusedInput_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("kept");
    QTest::newRow("! first")
        << "!"
        << "Exclamation marks not allowed as the first character for string values !"
        << "";
    QTest::newRow(", first") << ","
                             << "Comma's are not allowed as the first character for string values !"
                             << "";
    QTest::newRow("quote") << "say \"x"
                           << "Invalid typecast or illegal character. Please try again!"
                           << "";
    QTest::newRow("colon") << "Value:"
                           << "Invalid typecast or illegal character. Please try again!"
                           << "";
    QTest::newRow("at sign") << "a@b"
                             << "Invalid typecast or illegal character. Please try again!"
                             << "";
    QTest::newRow("later ! and , pass") << "Hello, world!"
                                        << ""
                                        << "Hello, world!";
    QTest::newRow("backslash") << "C\\x"
                               << "Invalid typecast or illegal character. Please try again!"
                               << "";
}

void TestStringEditor::refusedInput()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, kept);
    Harness h;
    h.createWindows();
    StringTableEditor &e = h.windows->editor();
    e.field()->clear();
    e.field()->setText(typed); // pasted whole
    QCOMPARE(e.field()->text(), kept);
    QCOMPARE(child(e, "Insert")->isEnabled(), !kept.isEmpty());
    if (message.isEmpty()) {
        QVERIFY(h.prompter.boxes.isEmpty());
        return;
    }
    QCOMPARE(h.prompter.boxes.size(), 1);
    QCOMPARE(h.prompter.last().text, message);
    if (message.startsWith("Invalid")) {
        QCOMPARE(h.prompter.last().caption, QStringLiteral("Whoops!"));
        QCOMPARE(h.prompter.last().icon, Box::Warning);
    }
}

void TestStringEditor::placeholders()
{
    Harness h;
    h.createWindows();
    StringTableEditor &e = h.windows->editor();
    type(e, "Count");
    QTest::mouseClick(child<QPushButton>(e, "AddS"), Qt::LeftButton);
    QCOMPARE(e.field()->text(), QStringLiteral("Count %s "));
    QTest::mouseClick(child<QPushButton>(e, "AddD"), Qt::LeftButton);
    QCOMPARE(e.field()->text(), QStringLiteral("Count %s  %d "));
    e.field()->clear();
    QTest::mouseClick(child<QPushButton>(e, "AddS"), Qt::LeftButton);
    QCOMPARE(e.field()->text(), QString());
}

void TestStringEditor::exportFile()
{
    Harness h;
    h.createWindows();
    StringTableEditor &e = h.windows->editor();
    h.windows->tool().setSingleDestination(h.dir.path());
    type(e, "Hello");
    e.insert();
    h.prompter.inputs << QString("Strings");
    e.exportTable();
    QCOMPARE(h.prompter.inputPrompts.last(),
             "Enter a name for string table...|Saving To: " + h.dir.path());
    QFile f(h.path("Strings.rc"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray first = f.readAll();
    f.close();
    QVERIFY(first.contains("STRINGTABLE\r\n{\r\n1, \"Hello\"\r\n}\r\n"));

    // No leaves the file as it was, byte for byte; Yes replaces it.
    type(e, "World");
    e.insert();
    h.prompter.inputs << QString("Strings");
    h.prompter.answers << Box::No;
    e.exportTable();
    QCOMPARE(h.prompter.last().text, QStringLiteral("Overwrite file: Strings?"));
    QCOMPARE(h.prompter.last().icon, Box::Warning);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), first);
    f.close();
    h.prompter.inputs << QString("Strings");
    h.prompter.answers << Box::Yes;
    e.exportTable();
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().contains("2, \"World\""));
    f.close();
    // Cancel or an empty name writes nothing.
    h.prompter.inputs << std::nullopt << QString();
    e.exportTable();
    e.exportTable();
    QCOMPARE(QDir(h.dir.path()).entryList({"*.rc"}).size(), 1);
    QCOMPARE(h.strings.count(), 2); // exporting leaves the table as it is
}

void TestStringEditor::cancelEmptiesTable()
{
    Harness h;
    h.createWindows();
    StringTableEditor &e = h.windows->editor();
    h.windows->main().insertStringTable();
    type(e, "Gone");
    e.insert();
    QTest::mouseClick(child<QPushButton>(e, "Cancel"), Qt::LeftButton);
    QVERIFY(!e.isVisible());
    QVERIFY(h.strings.isEmpty());
    QVERIFY(!child(e, "Done")->isEnabled());
    ScriptWriter writer(h.platform, h.clock);
    ScriptSettings s;
    s.scriptName = "S";
    const QStringList script =
        writer.lines({{"/a.bmp", true}, {"/b.bmp", true}}, h.strings.lines(), s);
    QVERIFY(!script.contains("STRINGTABLE"));
}

void TestStringEditor::tableSurvivesDone()
{
    Harness h;
    h.createWindows();
    StringTableEditor &e = h.windows->editor();
    h.windows->main().insertStringTable();
    type(e, "Stay");
    e.insert();
    QTest::mouseClick(child<QPushButton>(e, "Done"), Qt::LeftButton);
    QVERIFY(!e.isVisible());
    QCOMPARE(h.strings.lines(), QStringList{"1, \"Stay\""});
    h.windows->main().insertStringTable();
    QVERIFY(child(e, "Done")->isEnabled());
    QCOMPARE(rows(e), QStringList{"1, \"Stay\""});
}

QTEST_MAIN(TestStringEditor)
#include "tst_stringeditor.moc"
