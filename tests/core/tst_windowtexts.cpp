#include "core/FilterTexts.h"
#include "core/MainHints.h"
#include "core/ToolHints.h"

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
    void hints_data();
    void hints();
    void saveListTooltip();
    void toolHints_data();
    void toolHints();
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

void TestWindowTexts::hints_data()
{
    using C = mainhints::Control;
    QTest::addColumn<int>("control");
    QTest::addColumn<bool>("hintsOn");
    QTest::addColumn<bool>("key");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("status"); // "-" leaves the status line as it is
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<int>("time"); // 0 leaves the display time as it is
    const QString paths =
        "(Alt+P) Setup the program's command line to interface\rwith the Borland family of "
        "command line compilers, press here\rto open the setup dialog for command line "
        "parameters (Optional).";
    QTest::newRow("paths, no key, hints off")
        << int(C::Paths) << false << false << 0 << paths << "Compilers off line " << 8000;
    QTest::newRow("paths, key, hints off") << int(C::Paths) << false << true << 0 << "-"
                                           << "Compilers on line " << 8000;
    QTest::newRow("select all, hints off") << int(C::SelectAll) << false << true << 3 << "-"
                                           << "-" << 0;
    QTest::newRow("select all") << int(C::SelectAll) << true << true << 3
                                << "(Alt+A) Selects && auto-scrolls all files in the list..."
                                << "-" << 0;
    QTest::newRow("clear all, hints off") << int(C::ClearAll) << false << true << 3 << "-"
                                          << "Dragons be gone... " << 5000;
    QTest::newRow("build, hints off") << int(C::Build) << false << true << 3 << "-"
                                      << "To: /out/" << 0;
    QTest::newRow("build") << int(C::Build) << true << true << 3
                           << "(Alt+B)...Executes program...(Dual function)\rdiplays multiple "
                              "hint messages pending Tool window settings."
                           << "To: /out/" << 7000;
    QTest::newRow("empty window, set up") << int(C::Background) << false << true << 0 << ""
                                          << "-" << 0;
    QTest::newRow("empty window, not set up")
        << int(C::Background) << false << false << 0
        << "Tolvane is not set up yet: press \"Paths...\" to find the compilers\rand make "
           "the program folder."
        << "-" << 0;
    QTest::newRow("window with files") << int(C::Background) << false << false << 2
                                       << "Click on individual files to show file's property."
                                          "\rHold-down CTRL-KEY and click on items to deselect."
                                       << "-" << 0;
    QTest::newRow("empty list, not set up")
        << int(C::List) << true << false << 0
        << "Tolvane is not set up yet: press \"Paths...\" to find the compilers\rand make "
           "the program folder."
        << "-" << 0;
    QTest::newRow("empty list, set up")
        << int(C::List) << true << true << 0
        << "Drag file(s) or folders from anywhere to auto load, or use the\rdrop down menu to "
           "load both Resource type && project(.tpf) files.\rDrag files types (.pas),(.dpr) and "
           "(.rc) to program to copy as text."
        << "-" << 0;
    QTest::newRow("list with files") << int(C::List) << true << true << 1 << "-"
                                     << "-" << 0;
    QTest::newRow("lamp") << int(C::ExecuteOffLamp) << false << true << 0
                          << "Displays Execute-on-drop status, Green active' Clear inactive."
                          << "-" << 0;
    QTest::newRow("on lamp") << int(C::Lamp) << false << true << 0 << "-"
                             << "-" << 8000;
}

void TestWindowTexts::hints()
{
    QFETCH(int, control);
    QFETCH(bool, hintsOn);
    QFETCH(bool, key);
    QFETCH(int, count);
    QFETCH(QString, status);
    QFETCH(QString, toolTip);
    QFETCH(int, time);
    mainhints::State s;
    s.hintsOn = hintsOn;
    s.keyExists = key;
    s.listCount = count;
    s.destination = "/out/";
    const mainhints::Hint h = mainhints::forControl(mainhints::Control(control), s);
    QCOMPARE(h.status.value_or("-"), status);
    QCOMPARE(h.toolTip.value_or("-"), toolTip);
    QCOMPARE(h.toolTipTime.value_or(0), time);
}

void TestWindowTexts::saveListTooltip()
{
    mainhints::State s;
    s.quickSave = true;
    QCOMPARE(*mainhints::forControl(mainhints::Control::SaveList, s).toolTip,
             QStringLiteral("Will create unique file name for project file "));
    s.quickSave = false;
    QCOMPARE(*mainhints::forControl(mainhints::Control::SaveList, s).toolTip,
             QStringLiteral("Will prompt for name of project file"));
    QVERIFY(
        mainhints::forControl(mainhints::Control::SaveList, s)
            .status->endsWith(
                "Current mode\rwill use the Save dialog box, to name and store file anywhere."));
    s.saveTipOff = true;
    QCOMPARE(*mainhints::forControl(mainhints::Control::SaveList, s).toolTip, QString());
}

void TestWindowTexts::toolHints_data()
{
    using C = toolhints::Control;
    QTest::addColumn<int>("control");
    QTest::addColumn<bool>("hintsOn");
    QTest::addColumn<int>("destinations");
    QTest::addColumn<QString>("line"); // "-" leaves the hint line as it is
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<int>("time");
    QTest::newRow("caption, hints off")
        << int(C::ScriptNameCaption) << false << 0 << "Enter the script's name in this field"
        << "-" << 0;
    QTest::newRow("name field, hints off") << int(C::ScriptName) << false << 0 << "-"
                                           << "-" << 0;
    QTest::newRow("name field") << int(C::ScriptName) << true << 0 << "Enter script's name here"
                                << "-" << 0;
    QTest::newRow("options group")
        << int(C::OptionsGroup) << false << 0 << QString(56, '.') << "-" << 0;
    QTest::newRow("units group, hints off") << int(C::UnitsGroup) << false << 0 << "-"
                                            << "-" << 0;
    QTest::newRow("scripts only, hints off")
        << int(C::ScriptsOnly) << false << 0 << "-"
        << "Check mark here, to disable compilation of (.DPR)\nRes File and library files, "
           "program will only write the script."
        << 50000;
    QTest::newRow("one destination")
        << int(C::DestinationList) << true << 1 << "-"
        << "All program files, are moved from the program\nfolder to the location entered in "
           "this field...\nRight-click in this window, to remove all saved directories."
        << 0;
    QTest::newRow("two destinations")
        << int(C::DestinationList) << true << 2 << "-"
        << "All progam files are moved from the program folder to the location\nentered in "
           "this field. Right click to remove all saved directories...\nRight-click in this "
           "window to remove all saved directories."
        << 30000;
    QTest::newRow("quick save") << int(C::QuickSave) << true << 0 << "-"
                                << "Creates a unique file name for project file.Files are\nsaved "
                                   "to the /home/u/prog\\projects folder."
                                << 20000;
    QTest::newRow("close") << int(C::Close) << false << 0 << ".......Close Tool Window........"
                           << "-" << 0;
}

void TestWindowTexts::toolHints()
{
    QFETCH(int, control);
    QFETCH(bool, hintsOn);
    QFETCH(int, destinations);
    QFETCH(QString, line);
    QFETCH(QString, toolTip);
    QFETCH(int, time);
    toolhints::State s;
    s.hintsOn = hintsOn;
    s.keyExists = true;
    s.destinations = destinations;
    s.programFolder = "/Home/U/Prog";
    const toolhints::Hint h = toolhints::forControl(toolhints::Control(control), s);
    QCOMPARE(h.line.value_or("-"), line);
    QCOMPARE(h.toolTip.value_or("-"), toolTip);
    QCOMPARE(h.toolTipTime.value_or(0), time);
}

QTEST_GUILESS_MAIN(TestWindowTexts)
#include "tst_windowtexts.moc"
