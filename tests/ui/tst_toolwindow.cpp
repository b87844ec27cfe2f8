#include "Harness.h"
#include "tests/settings/ExpectedOrders.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/stringtable/StringTableEditor.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace tolvane;
using namespace tolvane::test;

namespace {
QVariant stored(Harness &h, const QString &name)
{
    const auto v = h.registry.value(RegRoot::LocalMachine, SettingsStore::settingsKeyPath(), name);
    if (!v)
        return {};
    return v->type == RegValue::Text ? QVariant(v->text) : QVariant(v->dword);
}
} // namespace

class TestToolWindow : public QObject
{
    Q_OBJECT

  private slots:
    void loadsEveryValue();
    void closeSavesInOrder();
    void closeWithoutKeySavesNothing();
    void greyedBoxesStoreZero();
    void scriptNameBlank();
    void libraryNames_data();
    void libraryNames();
    void resNameBlank();
    void destinationSelection();
    void bankFull();
    void removeAll();
    void colourButtons();
    void greyedBoxesComeBack();
    void greyedBoxLoadedOnComesBack();
    void windowColourReachesDropDowns();
    void destinationRows();
    void browseAddsShortForm();
    void dropFilterFollows();
    void hintsLine();
    void manualArea();
    void historyKeepsStoredPositions();
    void destinationIsChosenNotTyped();
    void savedPositionOffTheScreen();
    void textsFitTheirControls();
};

void TestToolWindow::loadsEveryValue()
{
    Harness h;
    QList<QPair<QString, QVariant>> values;
    values << qMakePair(QString("Script Name"), QVariant(QString("Icons")))
           << qMakePair(QString("Prompt Res ID"), QVariant(22))
           << qMakePair(QString("Script Type"), QVariant(7))
           << qMakePair(QString("Prompt Compile"), QVariant(0))
           << qMakePair(QString("Prompt Drag"), QVariant(1))
           << qMakePair(QString("Prompt Auto Sort"), QVariant(1))
           << qMakePair(QString("Recent Local"), QVariant(1))
           << qMakePair(QString("Color"), QVariant(0x00FF0000u))
           << qMakePair(QString("Tool Left"), QVariant(40))
           << qMakePair(QString("Tool Top"), QVariant(60));
    h.setUpFresh(h.path("prog"), values);
    QDir().mkpath(h.path("prog"));
    QDir().mkpath(h.path("d0"));
    QDir().mkpath(h.path("d1"));
    h.settings.saveHistory({h.path("d0"), h.path("d1")});
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    QVERIFY2(h.prompter.boxes.isEmpty(), qPrintable(h.prompter.last().text));
    QCOMPARE(t.scriptName(), QStringLiteral("Icons"));
    QCOMPARE(t.prefixPosition(), 22);
    QCOMPARE(t.dropFilterPosition(), 7);
    QVERIFY(!t.scriptsOnly());
    QCOMPARE(child<QPushButton>(h.windows->main(), "Button2")->text(),
             QStringLiteral("&Build All..."));
    QVERIFY(t.executeOnLoad());
    QCOMPARE(child<QCheckBox>(t, "AutoX")->checkState(),
             Qt::PartiallyChecked); // greyed while executing
    QCOMPARE(t.destination(), h.path("d1"));
    QCOMPARE(t.entryBackground(), QColor(0, 0, 255)); // 0x00BBGGRR
    QCOMPARE(t.pos(), QPoint(40, 60));
    // "Filter Type" is empty after setup: the header names the drop filter's mask instead of
    // nothing. Loading the drop filter position is no choice of the user's: the add dialog keeps
    // its first entry.
    QCOMPARE(h.windows->main().headerText(0), QStringLiteral("Filter: (*.ico)"));
    QCOMPARE(h.windows->main().addFilterIndex(), 1);
}

void TestToolWindow::closeSavesInOrder()
{
    Harness h;
    h.setUpFresh(h.path("prog"));
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    // Start from an empty key, so the order of the writes shows.
    h.registry.deleteKeyTree(RegRoot::LocalMachine, SettingsStore::settingsKeyPath());
    h.settings.createSettingsKey();
    t.setScriptName(QString());
    t.setDropFilterPosition(12);
    h.windows->main().setRecentAddFolder("/art/");
    h.windows->main().setRecentProjectFolder("/projects/");
    QVERIFY(t.closeWindow());
    // The main window's recent folders go with the tool window's values.
    QCOMPARE(stored(h, "TempDir1").toString(), QStringLiteral("/art/"));
    QCOMPARE(stored(h, "TempDir2").toString(), QStringLiteral("/projects/"));
    const QStringList expected = toolWindowCloseOrder();
    QCOMPARE(h.registry.valueNames(RegRoot::LocalMachine, SettingsStore::settingsKeyPath()),
             expected);
    QCOMPARE(stored(h, "Script Name").toString(), QStringLiteral("Untitled"));
    QCOMPARE(stored(h, "Filter Type").toString(), QStringLiteral("(*.wav)"));
    QCOMPARE(stored(h, "Script Type").toUInt(), 12u);
    QCOMPARE(stored(h, "Color").toUInt(), 2147483653u);
    QCOMPARE(stored(h, "hColor").toUInt(), 2147483663u);
    QCOMPARE(stored(h, "Recent Folder").toString(), t.destination());
    QCOMPARE(h.settings.loadHistory(), t.destinationEntries());
}

void TestToolWindow::closeWithoutKeySavesNothing()
{
    Harness h;
    h.createWindows();
    h.windows->main().setEnabled(false);
    QVERIFY(h.windows->tool().closeWindow());
    QVERIFY(h.windows->main().isEnabled());
    QVERIFY(!QFile::exists(h.path("registry.reg")));
}

void TestToolWindow::greyedBoxesStoreZero()
{
    Harness h;
    h.setUpFresh(h.path("prog"));
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    child<QCheckBox>(t, "Cx10")->setChecked(false);
    child<QCheckBox>(t, "Cx12")->setChecked(true);
    child<QCheckBox>(t, "AutoX")->setChecked(true);
    child<QCheckBox>(t, "Cx10")->setChecked(true); // greys the project copy box
    t.setExecuteOnLoad(true);                      // greys auto sort
    QCOMPARE(child<QCheckBox>(t, "Cx12")->checkState(), Qt::PartiallyChecked);
    QVERIFY(!child<QCheckBox>(t, "Cx1")->isEnabled());
    QVERIFY(!child<QLineEdit>(t, "Edit3")->isEnabled());
    QTest::mouseClick(child<QCheckBox>(t, "Cx12"), Qt::LeftButton);
    QCOMPARE(child<QCheckBox>(t, "Cx12")->checkState(), Qt::PartiallyChecked);
    QVERIFY(t.closeWindow());
    QCOMPARE(stored(h, "Prompt Position").toUInt(), 0u);
    QCOMPARE(stored(h, "Prompt Auto Sort").toUInt(), 0u);
    QCOMPARE(stored(h, "Prompt Drag").toUInt(), 1u);
}

void TestToolWindow::scriptNameBlank()
{
    Harness h;
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    QTest::keyClicks(child<QLineEdit>(t, "Edit1"), " ");
    QCOMPARE(h.prompter.last().caption, QStringLiteral("Tolvane v3.06b \u00a9"));
    QCOMPARE(h.prompter.last().text,
             QStringLiteral("Please do not use blank spaces while assigning script's name!"));
    QCOMPARE(h.prompter.last().icon, Box::Warning);
    QCOMPARE(t.scriptName(), QString());
    QCOMPARE(h.sound.played, QStringList{"A2"}); // whatever the sounds option says
    QCOMPARE(h.taskbar.title(), QStringLiteral("Tolvane v3.06"));
}

void TestToolWindow::libraryNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    QTest::newRow("123") << "123" << true;
    QTest::newRow("$1F") << "$1F" << true;
    QTest::newRow("+7") << "+7" << true;
    QTest::newRow("1abc") << "1abc" << false;
    QTest::newRow("-1") << "-1" << false;
    QTest::newRow("-$1F") << "-$1F" << false;
    QTest::newRow("beyond 32 bits") << "99999999999" << false;
    QTest::newRow("ResLib") << "ResLib" << false;
}

void TestToolWindow::libraryNames()
{
    QFETCH(QString, name);
    QFETCH(bool, refused);
    Harness h;
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    child<QCheckBox>(t, "Cx10")->setChecked(false);
    t.setLibraryName(name);
    QCOMPARE(t.libraryName().isEmpty(), refused);
    if (refused) {
        QCOMPARE(h.prompter.last().caption, QStringLiteral("Tolvane v3.06..."));
        QCOMPARE(
            h.prompter.last().text,
            QStringLiteral(
                "Compiler cannot process numeric values, as a first character in dll's name!"));
        QCOMPARE(h.prompter.last().icon, Box::Error);
    } else {
        QVERIFY(h.prompter.boxes.isEmpty());
    }
}

void TestToolWindow::resNameBlank()
{
    Harness h;
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    t.setResName("My Res");
    QCOMPARE(h.prompter.last().text,
             QStringLiteral("Please do not use blank spaces in this field!"));
    QCOMPARE(h.prompter.last().caption, QStringLiteral("Tolvane v3.06 illegal typecast..."));
    QCOMPARE(t.resName(), QString());
    QVERIFY(t.isEnabled());
}

void TestToolWindow::destinationSelection()
{
    Harness h;
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    QComboBox *list = child<QComboBox>(t, "Edit2");
    QDir().mkpath(h.path("keep"));
    list->addItem(h.path("keep"));
    list->addItem(h.path("gone"));
    list->setCurrentIndex(2);
    emit list->activated(2);
    QCOMPARE(t.destinationEntries(), QStringList({h.dir.path() + "/", h.path("keep")}));
    QCOMPARE(list->currentIndex(), 0);
    QVERIFY(h.prompter.boxes.isEmpty());
    list->setCurrentIndex(1);
    emit list->activated(1);
    QVERIFY(t.diskLabel().startsWith("Available space on drive '/"));
    QVERIFY(t.diskLabel().endsWith(" bytes"));
    QCOMPARE(child(h.windows->main(), "Button2")->toolTip(), "To: " + h.path("keep"));
}

void TestToolWindow::bankFull()
{
    for (bool key : {true, false}) {
        Harness h;
        if (key)
            h.setUpFresh(h.path("prog"));
        h.createWindows();
        ToolWindow &t = h.windows->tool();
        QComboBox *list = child<QComboBox>(t, "Edit2");
        list->clear();
        for (int i = 0; i < 21; ++i) {
            QDir().mkpath(h.path(QStringLiteral("d%1").arg(i, 2, 10, QLatin1Char('0'))));
            list->addItem(h.path(QStringLiteral("d%1").arg(i, 2, 10, QLatin1Char('0'))));
        }
        list->setCurrentIndex(5);
        emit list->activated(5);
        if (key) {
            QCOMPARE(h.prompter.last().caption, QStringLiteral("Bank Full..!"));
            QCOMPARE(h.prompter.last().text,
                     QStringLiteral(
                         "The Maximum amount of favorites have been reached....removing 1 item !"));
            QCOMPARE(list->count(), 20);
            QVERIFY(!t.destinationEntries().contains(h.path("d05")));
            QCOMPARE(list->currentIndex(), 0);
        } else {
            QCOMPARE(list->count(), 21);
        }
    }
}

void TestToolWindow::removeAll()
{
    Harness h;
    h.setUpFresh(h.path("prog"));
    h.settings.saveHistory({"/a", "/b"});
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    QAction *remove = t.findChild<QAction *>("RemoveAll");
    QVERIFY(!remove->isEnabled());
    emit child(t, "Edit2")->customContextMenuRequested({1, 1});
    QVERIFY(remove->isEnabled());
    h.prompter.answers << Box::No;
    remove->trigger();
    QCOMPARE(t.destinationEntries().size(), 2);
    h.prompter.answers << Box::Yes;
    remove->trigger();
    QCOMPARE(
        h.prompter.boxes.at(h.prompter.boxes.size() - 2).text,
        QStringLiteral("Are you sure you want to delete' all saved directories from the program?"));
    QCOMPARE(h.prompter.last().text,
             QStringLiteral("Application needs to be restarted, for changes to take affect."));
    QVERIFY(t.destinationEntries().isEmpty());
    QVERIFY(!h.registry.keyExists(RegRoot::CurrentUser, "Tolvane"));
    QVERIFY(!remove->isEnabled());
}

void TestToolWindow::greyedBoxesComeBack()
{
    Harness h;
    h.setUpFresh(h.path("prog"));
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    auto *scriptsOnly = child<QCheckBox>(t, "Cx10");
    auto *keep = child<QCheckBox>(t, "Cx12");
    auto *autoSort = child<QCheckBox>(t, "AutoX");
    scriptsOnly->setChecked(false);
    keep->setChecked(true);
    autoSort->setChecked(true);
    scriptsOnly->setChecked(true);
    t.setExecuteOnLoad(true);
    QCOMPARE(keep->checkState(), Qt::PartiallyChecked);
    QCOMPARE(autoSort->checkState(), Qt::PartiallyChecked);
    scriptsOnly->setChecked(false);
    t.setExecuteOnLoad(false);
    QCOMPARE(keep->checkState(), Qt::Checked);
    QCOMPARE(autoSort->checkState(), Qt::Checked);
    // An unticked box greyed and let go is unticked again.
    keep->setChecked(false);
    scriptsOnly->setChecked(true);
    scriptsOnly->setChecked(false);
    QCOMPARE(keep->checkState(), Qt::Unchecked);
    QVERIFY(!keep->isTristate());
}

void TestToolWindow::greyedBoxLoadedOnComesBack()
{
    // Stored while greyed, the box was on before: loading keeps that for when it is let go.
    Harness h;
    h.setUpFresh(h.path("prog"), {{"Prompt Compile", 1}, {"Prompt Position", 1}});
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    QCOMPARE(child<QCheckBox>(t, "Cx12")->checkState(), Qt::PartiallyChecked);
    QVERIFY(!t.keepProject());
    child<QCheckBox>(t, "Cx10")->setChecked(false);
    QCOMPARE(child<QCheckBox>(t, "Cx12")->checkState(), Qt::Checked);
}

void TestToolWindow::windowColourReachesDropDowns()
{
    Harness h;
    h.setUpFresh(h.path("prog"));
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    t.showOptions();
    const QColor red(200, 20, 20);
    h.prompter.colours << red;
    QTest::mouseClick(child<QPushButton>(t, "SpeedButton1"), Qt::LeftButton);
    for (const char *name : {"Idx1", "Edit2", "ResBox"}) {
        auto *combo = child<QComboBox>(t, name);
        // What the closed list shows: its face in the chosen colour, not the button grey.
        const QImage face = combo->grab().toImage();
        const QColor c = face.pixelColor(face.width() / 3, face.height() / 2);
        QVERIFY2(c.red() > c.green() + 100 && c.red() > c.blue() + 100,
                 qPrintable(QStringLiteral("%1: %2").arg(name, c.name())));
        // And the open list.
        QCOMPARE(combo->view()->palette().color(QPalette::Base), red);
    }
    const QColor blue(10, 10, 160);
    h.prompter.colours << blue;
    QTest::mouseClick(child<QPushButton>(t, "SpeedButton2"), Qt::LeftButton);
    QCOMPARE(child<QComboBox>(t, "ResBox")->palette().color(QPalette::ButtonText), blue);
    QCOMPARE(child<QComboBox>(t, "ResBox")->view()->palette().color(QPalette::Text), blue);
    QCOMPARE(h.windows->editor().list()->palette().color(QPalette::Text), blue);
}

void TestToolWindow::destinationRows()
{
    Harness h;
    h.setUpFresh(h.path("prog"));
    QDir().mkpath(h.path("out"));
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    h.prompter.folders << h.path("out");
    QTest::mouseClick(child(t, "Spx"), Qt::LeftButton);
    auto *list = child<QComboBox>(t, "Edit2");
    QCOMPARE(list->view()->sizeHintForRow(0), 16);
    // A folder that is gone shows another picture than one that is there.
    h.prompter.folders << "/no/such/place";
    QTest::mouseClick(child(t, "Spx"), Qt::LeftButton);
    const int there = list->findText(h.path("out"));
    const int gone = list->findText("/no/such/place");
    QVERIFY(there >= 0 && gone >= 0);
    QVERIFY(list->itemIcon(there).pixmap(16).toImage() !=
            list->itemIcon(gone).pixmap(16).toImage());
    QCOMPARE(h.prompter.folderRequests.last().prompt, QStringLiteral("Pick a target folder:"));
    QCOMPARE(h.prompter.folderRequests.last().caption,
             QStringLiteral("Tolvane v3.06  Browse for Folder..."));
}

void TestToolWindow::colourButtons()
{
    Harness h;
    h.setUpFresh(h.path("prog"));
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    h.prompter.colours << QColor(10, 20, 30);
    QTest::mouseClick(child<QPushButton>(t, "SpeedButton1"), Qt::LeftButton);
    QCOMPARE(t.entryBackground(), QColor(10, 20, 30));
    QCOMPARE(child<QListView>(h.windows->main(), "ListBox1")->palette().color(QPalette::Base),
             QColor(10, 20, 30));
    QVERIFY(t.closeWindow());
    QCOMPARE(stored(h, "Color").toUInt(), 0x001E140Au);
}

void TestToolWindow::browseAddsShortForm()
{
    Harness h;
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    QDir().mkpath(h.path("My Dest"));
    h.prompter.folders << h.path("My Dest");
    QTest::mouseClick(child(t, "Spx"), Qt::LeftButton);
    QVERIFY(t.destinationEntries().contains(h.path("My Dest"))); // no separator appended
    QCOMPARE(h.prompter.folderCaptions,
             QStringList{QStringLiteral("Tolvane v3.06  Browse for Folder...")});
}

void TestToolWindow::dropFilterFollows()
{
    Harness h;
    h.createWindows();
    h.windows->tool().setDropFilterPosition(1);
    QCOMPARE(h.windows->main().headerText(0), QStringLiteral("Filter: (*.ani)"));
    QCOMPARE(h.windows->main().addFilterIndex(), 2);
}

void TestToolWindow::hintsLine()
{
    Harness h;
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(child(t, "Cx8"), &enter);
    QCOMPARE(t.hintLine(),
             QStringLiteral("Inserts the file sizes and dates of each file into the script"));
    child<QCheckBox>(t, "Cx6")->setChecked(false);
    QVERIFY(child(t, "Label4")->isHidden());
    QApplication::sendEvent(child(t, "Cx11"), &enter); // hints off: unchanged
    QCOMPARE(t.hintLine(),
             QStringLiteral("Inserts the file sizes and dates of each file into the script"));
    QApplication::sendEvent(child(t, "Button2"), &enter); // always
    QCOMPARE(t.hintLine(), QStringLiteral(".......Close Tool Window........"));
    QApplication::sendEvent(child(t, "Rfx"), &enter);
    QCOMPARE(t.toolTipDisplayTime(), 50000);
}

void TestToolWindow::manualArea()
{
    Harness h;
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    QTest::mouseClick(child(t, "Label2"), Qt::RightButton);
    QCOMPARE(h.prompter.last().text,
             QStringLiteral("Manual not available! Press the Paths button to install..."));

    // With the manual there, a failed open names it as it is spelled.
    Harness g;
    QDir().mkpath(g.path("Prog"));
    g.file("Prog/Tolvane.pdf");
    g.setUp({{"Program Folder", g.path("Prog")}});
    g.createWindows();
    g.platform.openWorks = false;
    QTest::mouseClick(child(g.windows->tool(), "Label2"), Qt::RightButton);
    QCOMPARE(g.prompter.last().caption, QStringLiteral("Failed to Execute..."));
    QCOMPARE(g.prompter.last().text, "Could not open file : " + g.path("Prog") + "/Tolvane.pdf ");
}

// The positions are those of the stored names n0, n1 ...; "Recent Local" counts in them.
void TestToolWindow::historyKeepsStoredPositions()
{
    Harness h;
    h.setUpFresh(h.path("prog"), {{"Recent Local", 0}});
    QDir().mkpath(h.path("zz"));
    QDir().mkpath(h.path("art"));
    h.settings.saveHistory({h.path("zz"), h.path("art")});
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    QCOMPARE(t.destinationEntries(), QStringList({h.path("zz"), h.path("art")}));
    QCOMPARE(t.destination(), h.path("zz"));
    QVERIFY(t.closeWindow());
    QCOMPARE(h.settings.loadHistory(), QStringList({h.path("zz"), h.path("art")}));
    QCOMPARE(stored(h, "Recent Folder").toString(), h.path("zz"));
}

// Typing into the destination list chooses nothing: what is stored is an entry of the list.
void TestToolWindow::destinationIsChosenNotTyped()
{
    Harness h;
    h.setUpFresh(h.path("prog"), {{"Recent Local", 1}});
    QDir().mkpath(h.path("d0"));
    QDir().mkpath(h.path("d1"));
    h.settings.saveHistory({h.path("d0"), h.path("d1")});
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    QComboBox *list = child<QComboBox>(t, "Edit2");
    list->setFocus();
    QTest::keyClicks(list, "zzz/free text");
    QCOMPARE(t.destination(), h.path("d1"));
    QVERIFY(t.closeWindow());
    QCOMPARE(stored(h, "Recent Folder").toString(), h.path("d1"));
    QCOMPARE(stored(h, "Recent Local").toUInt(), 1u);
}

// Dragged to a corner and saved there, the window comes back with its top on the screen.
void TestToolWindow::savedPositionOffTheScreen()
{
    Harness h;
    h.setUpFresh(h.path("prog"), {{"Tool Left", -300}, {"Tool Top", -200}});
    h.createWindows();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(h.windows->tool().pos(), screen.topLeft());
}

namespace {
// The width a control has for its text, and the width the text needs.
bool fits(QWidget *w, QString *why)
{
    const QFontMetrics fm(w->font());
    QString text;
    int room = 0;
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->wordWrap() || label->text().isEmpty())
            return true;
        text = label->text();
        room = label->contentsRect().width() - 2 * label->margin();
    } else if (auto *box = qobject_cast<QAbstractButton *>(w)) {
        if (box->text().isEmpty())
            return true;
        text = box->text();
        text.remove(QLatin1Char('&'));
        room = box->width() - (box->sizeHint().width() - fm.horizontalAdvance(text));
    } else {
        return true;
    }
    if (fm.horizontalAdvance(text) <= room)
        return true;
    *why = w->objectName() + ": \"" + text + "\" needs " +
           QString::number(fm.horizontalAdvance(text)) + " of " + QString::number(room);
    return false;
}
} // namespace

void TestToolWindow::textsFitTheirControls()
{
    Harness h;
    h.setUpFresh(h.path("prog"));
    h.createWindows();
    ToolWindow &t = h.windows->tool();
    t.showOptions();
    QVERIFY(QTest::qWaitForWindowExposed(&t));
    QStringList cut;
    for (QWidget *w : t.findChildren<QWidget *>()) {
        QString why;
        if (!fits(w, &why))
            cut << why;
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));
    QString why;
    // Every hint, the longest too, shows in the hint line as far as it goes, from its start.
    auto *line = child<QLabel>(t, "Label4");
    QEvent enter(QEvent::Enter);
    for (const char *name : {"Cx14", "AutoX", "Cx12", "Cx13", "Rfx", "Spx", "Label4", "Cx6"}) {
        QApplication::sendEvent(child(t, name), &enter);
        QVERIFY2(fits(line, &why), qPrintable(why));
        const QString shown =
            line->text().endsWith(QChar(0x2026)) ? line->text().chopped(1) : line->text();
        QVERIFY2(t.hintLine().startsWith(shown), qPrintable(line->text()));
    }
    // The credits a build ends with show whole in their status lines, wrapped where need be.
    const QList<QPair<const char *, QString>> credits = {
        {"Msg2", QStringLiteral("Tolvane v3.06b\u00a9 - built with care for your resources")},
        {"Msg4",
         QStringLiteral("Kelvadore Inc. - support: see the Tolvane manual, Troubleshooting.")}};
    for (const auto &[name, text] : credits) {
        auto *status = child<QLabel>(t, name);
        const QRect needed = status->fontMetrics().boundingRect(
            QRect(0, 0, status->contentsRect().width(), 1000), Qt::TextWordWrap, text);
        QVERIFY2(needed.height() <= status->contentsRect().height() &&
                     (status->wordWrap() || needed.width() <= status->contentsRect().width()),
                 name);
    }
}

QTEST_MAIN(TestToolWindow)
#include "tst_toolwindow.moc"
