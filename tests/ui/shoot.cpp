// Renders each window as a user sees it, first run and set up, into PNG files.
// Usage: shoot OUTPUT_FOLDER   (run under Xvfb or offscreen)
#include "Harness.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/searchfilter/SearchFilter.h"
#include "ui/setup/SetupWizard.h"
#include "ui/stringtable/StringTableEditor.h"
#include "ui/textcopier/TextCopier.h"
#include "ui/toolwindow/ProgressPanel.h"
#include "ui/toolwindow/ToolWindow.h"
#include "ui/widgets/TFileLabel.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>

using namespace tolvane;
using namespace tolvane::test;

static void save(QWidget &w, const QString &file)
{
    w.show();
    w.raise();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    w.grab().save(file);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    {
        Harness h;
        h.createWindows();
        save(h.windows->main(), out + "/main-first-run.png");
        h.windows->main().showTools();
        save(h.windows->tool(), out + "/tool-first-run.png");
        h.windows->tool().hide();
        SetupWizard &w = h.windows->setup();
        h.platform.toolchain = QStringLiteral("/opt/tolvane/toolchain");
        w.findChild<QSpinBox *>(QStringLiteral("SpinEdit1"))->setValue(4);
        save(w, out + "/setup-page1.png");
        w.next();
        w.findChild<QLineEdit *>(QStringLiteral("Edit2"))
            ->setText(QStringLiteral("/opt/tolvane/toolchain/bin/brcc32"));
        w.findChild<QLineEdit *>(QStringLiteral("Edit3"))
            ->setText(QStringLiteral("/opt/tolvane/toolchain/bin/dcc32"));
        save(w, out + "/setup-page2.png");
        w.next();
        save(w, out + "/setup-page3.png");
        w.hide();
    }
    {
        Harness h;
        QDir().mkpath(h.path("prog/Projects"));
        // As setup leaves it: every value, no filter type, no destination history.
        h.setUpFresh(h.path("prog"));
        h.createWindows();
        MainWindow &m = h.windows->main();
        const QStringList names = {"app.ico",  "busy.ani",  "click.wav", "intro.avi", "logo.bmp",
                                   "hand.cur", "photo.jpg", "spin.gif",  "setup.cab"};
        for (const QString &n : names)
            m.addFile(h.file("art/" + n, 2048));
        m.selectRows({0, 2, 3, 5, 8});
        save(m, out + "/main-set-up.png");
        m.showTools();
        save(h.windows->tool(), out + "/tool-set-up.png");
        ToolWindow &tool = h.windows->tool();
        tool.showProgress(". . .Writing: 4 script lines. . .");
        tool.setProgressLine(BuildReporter::Line::Msg3, "PHOTO.JPG");
        tool.setProgressLine(BuildReporter::Line::Msg4, "....Porting Data (Brcc32)....");
        tool.setProgressBarValue(BuildReporter::Bar::Bar1, 60);
        tool.setProgressBarVisible(BuildReporter::Bar::Bar1, true);
        save(h.windows->tool(), out + "/tool-progress.png");
        h.windows->main().insertStringTable();
        StringTableEditor &e = h.windows->editor();
        for (const QString v : {"Hello, world!", "Files copied: %d", "Ready"}) {
            e.field()->setText(v);
            e.insert();
        }
        save(e, out + "/string-table.png");
        h.windows->filter().openAt({0, 0});
        h.windows->filter().edit()->setText("ICO");
        save(h.windows->filter(), out + "/search-filter.png");
        h.windows->filter().hide();
        // The folder scan's panel, as it shows while a dropped folder is scanned.
        m.clearAll();
        m.findChild<QFrame *>("Panel3")->show();
        m.findChild<TFileLabel *>("FileLabel1")->setFileName("File: splash-screen.bmp");
        m.findChild<TFileLabel *>("FileLabel2")
            ->setFileName("Directory: /home/ann/projects/installer/resources/pictures/");
        save(m, out + "/scan-panel.png");
        m.findChild<QFrame *>("Panel3")->hide();
        TextCopier &c = h.windows->textCopier();
        c.setWindowTitle(TextCopier::captionFor("/home/ann/notes/readme.txt"));
        c.setOption(TextCopier::Unit);
        save(c, out + "/text-copier.png");
    }
    return 0;
}
