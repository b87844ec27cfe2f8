#include "ui/setup/SetupWizard.h"
#include "core/NameChecks.h"
#include "core/Product.h"
#include "core/ProgramFolder.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/services/Look.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>

namespace tolvane {

namespace {

QLabel *text(QWidget *parent, const QString &t, const QRect &g, bool wrap = true)
{
    auto *l = new QLabel(t, parent);
    l->setGeometry(g);
    l->setWordWrap(wrap);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

// The picture panel at the left: the logo over a deep blue gradient.
class Picture : public QWidget
{
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(0x2d, 0x5f, 0xb0));
        g.setColorAt(1, QColor(0x0e, 0x22, 0x48));
        p.fillRect(rect(), g);
        TaskbarIdentity::icon(QStringLiteral("logo"))
            .paint(&p, QRect(width() / 2 - 24, 30, 48, 48));
        p.setPen(Qt::white);
        QFont f = font();
        f.setBold(true);
        f.setPointSize(13);
        p.setFont(f);
        p.drawText(QRect(0, 90, width(), 24), Qt::AlignCenter, QStringLiteral("Tolvane"));
        f.setBold(false);
        f.setPointSize(8);
        p.setFont(f);
        p.drawText(QRect(0, 114, width(), 18), Qt::AlignCenter, QStringLiteral("version 3.06b"));
        p.drawText(QRect(0, height() - 30, width(), 18), Qt::AlignCenter, QStringLiteral("Setup"));
    }
};

QString withSeparator(const QString &s)
{
    return Platform::folderWithSeparator(s);
}

} // namespace

SetupWizard::SetupWizard(Services &services, MainWindow &main, ToolWindow &tool, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint |
                          Qt::WindowStaysOnTopHint),
      m_s(services), m_main(main), m_tool(tool)
{
    setObjectName(QStringLiteral("TSplash"));
    setFixedSize(466, 327);
    useWindowFace(this);
    buildLayout();
    m_timer.setObjectName(QStringLiteral("T1"));
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, &SetupWizard::tick);
}

void SetupWizard::buildLayout()
{
    auto *picture = new Picture(this);
    picture->setGeometry(8, 8, 120, 266);
    auto page = [this](const QString &name) {
        auto *w = new QWidget(this);
        w->setObjectName(name);
        w->setGeometry(138, 8, 320, 266);
        return w;
    };
    m_p1 = page(QStringLiteral("P1"));
    auto *heading = text(m_p1, QStringLiteral("Welcome to ") + product::title() + QLatin1Char(' '),
                         {0, 0, 320, 20}, false);
    QFont hf = heading->font();
    hf.setBold(true);
    hf.setPointSize(11);
    heading->setFont(hf);
    text(m_p1,
         QStringLiteral("The following (3) screens, will guide you in setting up the command line "
                        "parameters for the compilers."),
         {0, 26, 320, 32});
    text(m_p1,
         QStringLiteral(
             "Use the up-down arrows to match the current Delphi version installed in your "
             "computer. The complete path will appear in the program field automatically."),
         {0, 66, 320, 44});
    text(m_p1, QStringLiteral("Example: C:\\Program Files\\Borland\\Delphi 4"), {0, 114, 320, 16},
         false);
    text(m_p1, QStringLiteral("Delphi version:"), {0, 146, 100, 18}, false);
    m_spin = new QSpinBox(m_p1);
    m_spin->setObjectName(QStringLiteral("SpinEdit1"));
    m_spin->setRange(2, 4);
    m_spin->setValue(2);
    m_spin->setGeometry(100, 143, 50, 22);
    text(m_p1, QStringLiteral("Program"), {0, 178, 60, 18}, false);
    m_edit1 = new QLineEdit(m_p1);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setEnabled(false);
    m_edit1->setGeometry(60, 175, 258, 22);
    m_label10 = text(m_p1, QString(), {0, 220, 320, 16}, false);
    m_label10->setObjectName(QStringLiteral("Label10"));
    m_label10->setAlignment(Qt::AlignCenter);

    m_p2 = page(QStringLiteral("Panel2"));
    auto *compilers = new QGroupBox(QStringLiteral("Compiler paths"), m_p2);
    compilers->setGeometry(0, 0, 320, 250);
    text(compilers,
         QStringLiteral("Enter the complete path to both compilers Brcc32 and Dcc32.exe in the "
                        "required fields or use the Add button to try and locate the programs."),
         {10, 22, 300, 44});
    text(compilers,
         QStringLiteral("Example: C:\\Program files\\Borland\\Delphi 4\\Bin\\Brcc32.exe"),
         {10, 72, 300, 16}, false);
    text(compilers, QStringLiteral("Brcc32"), {10, 104, 50, 18}, false);
    m_edit2 = new QLineEdit(compilers);
    m_edit2->setObjectName(QStringLiteral("Edit2"));
    m_edit2->setGeometry(60, 101, 250, 22);
    text(compilers, QStringLiteral("Dcc32"), {10, 136, 50, 18}, false);
    m_edit3 = new QLineEdit(compilers);
    m_edit3->setObjectName(QStringLiteral("Edit3"));
    m_edit3->setGeometry(60, 133, 250, 22);
    m_add = new QPushButton(QStringLiteral("Add..."), compilers);
    m_add->setObjectName(QStringLiteral("Button3"));
    m_add->setGeometry(234, 168, 76, 26);
    m_p2->hide();

    m_p3 = page(QStringLiteral("Panel3"));
    auto *folders = new QGroupBox(QStringLiteral("Program folders"), m_p3);
    folders->setGeometry(0, 0, 320, 200);
    text(folders, QStringLiteral("Main directory:"), {10, 24, 100, 16}, false);
    m_label13 = text(folders, QString(), {110, 24, 200, 32});
    m_label13->setObjectName(QStringLiteral("Label13"));
    text(folders, QStringLiteral("Subdirectory:"), {10, 60, 100, 16}, false);
    m_label14 = text(folders, QString(), {110, 60, 200, 32});
    m_label14->setObjectName(QStringLiteral("Label14"));
    text(folders,
         QStringLiteral(
             "Press the \"Other Location\" button to select alternate working folder directory for "
             "program, or skip this section to accept the current (default) directories listed."),
         {10, 100, 300, 58});
    m_other = new QPushButton(QStringLiteral("Other Location..."), folders);
    m_other->setObjectName(QStringLiteral("Button4"));
    m_other->setGeometry(190, 164, 120, 26);
    m_label17 = text(m_p3, QStringLiteral("...Initializing..."), {0, 208, 320, 16}, false);
    m_label17->setObjectName(QStringLiteral("Label17"));
    m_label17->hide();
    m_bar = new QProgressBar(m_p3);
    m_bar->setObjectName(QStringLiteral("Bar1"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setGeometry(0, 230, 320, 16);
    m_bar->hide();
    m_p3->hide();

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setGeometry(8, 280, 450, 3);
    auto button = [this](const QString &name, const QString &caption, int x) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(x, 292, 80, 26);
        return b;
    };
    m_xx = button(QStringLiteral("XX"), QStringLiteral("&Uninstall"), 8);
    m_back = button(QStringLiteral("Bak1"), QStringLiteral("< &Back"), 204);
    m_back->setEnabled(false);
    m_finish = button(QStringLiteral("Button1"), QStringLiteral("<  &Finish  >"), 288);
    m_n1 = button(QStringLiteral("N1"), QStringLiteral("&Next >"), 288);
    m_n1->setEnabled(false);
    m_n2 = button(QStringLiteral("N2"), QStringLiteral("&Next >"), 288);
    m_n2->hide();
    m_n3 = button(QStringLiteral("N3"), QStringLiteral("&Next >"), 288);
    m_n3->hide();
    m_exit = button(QStringLiteral("Button2"), QStringLiteral("Exit..."), 378);
    m_cancel = button(QStringLiteral("Button5"), QStringLiteral("Cancel"), 378);
    m_cancel->setDefault(true);
    m_cancel->hide();
    m_finish->lower(); // covered by N1 until page 3

    connect(m_spin, &QSpinBox::valueChanged, this, &SetupWizard::versionChanged);
    connect(m_edit1, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (t.isEmpty())
            return;
        m_n1->setEnabled(true);
        QPalette p = m_edit1->palette();
        p.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
        m_edit1->setPalette(p);
    });
    connect(m_n1, &QPushButton::clicked, this, &SetupWizard::next);
    connect(m_n2, &QPushButton::clicked, this, &SetupWizard::next);
    connect(m_n3, &QPushButton::clicked, this, &SetupWizard::next);
    connect(m_back, &QPushButton::clicked, this, &SetupWizard::back);
    connect(m_add, &QPushButton::clicked, this, &SetupWizard::addCompiler);
    connect(m_other, &QPushButton::clicked, this, &SetupWizard::otherLocation);
    connect(m_finish, &QPushButton::clicked, this, &SetupWizard::finish);
    connect(m_exit, &QPushButton::clicked, this, &SetupWizard::exitWizard);
    connect(m_cancel, &QPushButton::clicked, this, &SetupWizard::cancel);
    connect(m_xx, &QPushButton::clicked, this, &SetupWizard::uninstall);
}

void SetupWizard::start()
{
    const QString root = m_s.platform.driveRoot(m_s.platform.currentFolder());
    if (const auto free = m_s.platform.freeSpace(root))
        m_label10->setText(QStringLiteral("Available space on drive  ") + root +
                           QStringLiteral("  ") + QString::number(*free) +
                           QStringLiteral("  bytes"));
    const bool key = m_s.settings.settingsKeyExists();
    m_xx->setVisible(key);
    if (key)
        m_other->setText(QStringLiteral("New Location...?"));
    setWindowTitle(QStringLiteral("Setup paths..."));
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (!key) {
        m_label13->setText(root);
        return;
    }
    setWindowTitle(QStringLiteral("Current path configurations..."));
    QString value;
    m_s.settings.readText(QStringLiteral("Delphi"), value);
    m_edit1->setText(value);
    m_s.settings.readText(QStringLiteral("Compiler1"), value);
    m_edit2->setText(value);
    m_s.settings.readText(QStringLiteral("Compiler2"), value);
    m_edit3->setText(value);
    QString folder;
    m_s.settings.readText(QStringLiteral("Program Folder"), folder);
    // Folder names keep their case: on this file system an upper-cased path is another path.
    m_label13->setText(folder);
    m_label14->setText(withSeparator(folder) + QStringLiteral("Projects"));
    if (!m_s.platform.folderExists(folder))
        m_s.prompter.ask(
            Prompter::dialog(Box::Error,
                             QStringLiteral("Could not locate program directory ") + folder +
                                 QStringLiteral("\rpress the paths button to run setup dialog and "
                                                "re-enter directory!"),
                             Box::Ok));
}

QList<QWidget *> SetupWizard::colourTargets() const
{
    return {m_spin, m_edit1, m_edit2, m_edit3};
}

QString SetupWizard::delphiFolder() const
{
    return m_edit1->text();
}
QString SetupWizard::mainFolder() const
{
    return m_label13->text();
}
QString SetupWizard::projectsFolder() const
{
    return m_label14->text();
}
int SetupWizard::position() const
{
    return m_bar->value();
}

int SetupWizard::page() const
{
    if (!m_p3->isHidden())
        return 3;
    if (!m_p2->isHidden())
        return 2;
    return 1;
}

void SetupWizard::versionChanged(int version)
{
    QString root = m_s.settings.delphiRoot(version);
    // No registered installation: the compilers that come with the program answer for version 4.
    if (root.isEmpty() && version == 4)
        root = m_s.platform.toolchainFolder();
    m_edit1->setText(root);
}

void SetupWizard::showPage(int page)
{
    m_p1->setVisible(page == 1);
    m_p2->setVisible(page == 2);
    m_p3->setVisible(page == 3);
}

void SetupWizard::next()
{
    const int current = page();
    if (current == 1) {
        if (!m_s.settings.settingsKeyExists()) {
            QString systemRoot = m_s.settings.systemRoot();
            if (systemRoot.isEmpty())
                systemRoot = m_s.platform.windowsFolder();
            m_label13->setText(withSeparator(systemRoot) + QStringLiteral("TOLVANE"));
            m_label14->setText(withSeparator(m_label13->text()) + QStringLiteral("Projects"));
        }
        showPage(2);
        m_n2->show();
        m_n2->raise();
    } else if (current == 2) {
        showPage(3);
        m_n3->show();
        m_n3->raise();
    } else {
        m_finish->show();
        m_finish->raise();
        m_n1->hide();
        m_n2->hide();
        m_n3->hide();
    }
    m_back->setEnabled(true);
}

void SetupWizard::back()
{
    showPage(1);
    m_finish->lower();
    m_n2->hide();
    m_n3->hide();
    m_n1->show();
    m_n1->raise();
    m_back->setEnabled(false);
}

void SetupWizard::addCompiler()
{
    OpenFilesRequest r;
    r.owner = this;
    r.title = QStringLiteral("Locate Brcc32 & Dcc32 and double-click programs...");
    r.folder = withSeparator(m_edit1->text()) + QStringLiteral("bin");
    r.filters = {QStringLiteral("Executables (*.exe brcc32 dcc32)")};
    const OpenFilesResult result = m_s.prompter.openFiles(r);
    if (!result.accepted || result.files.isEmpty())
        return;
    const QString chosen = result.files.first();
    QString name = QFileInfo(chosen).fileName().toUpper();
    if (!name.endsWith(QLatin1String(".EXE")))
        name += QStringLiteral(".EXE"); // the programs of this platform have no extension
    if (name == QLatin1String("BRCC32.EXE"))
        m_edit2->setText(chosen);
    else if (name == QLatin1String("DCC32.EXE"))
        m_edit3->setText(chosen);
}

void SetupWizard::otherLocation()
{
    const QString chosen =
        m_s.prompter.chooseFolder(this, QStringLiteral("Select a target folder from directory in:"),
                                  m_s.platform.currentFolder());
    if (chosen.isEmpty())
        return;
    m_label13->setText(withSeparator(m_s.platform.shortPath(chosen)) + QStringLiteral("TOLVANE"));
    m_label14->setText(withSeparator(m_label13->text()) + QStringLiteral("Projects"));
}

bool SetupWizard::fieldsIncomplete() const
{
    return m_edit1->text().isEmpty() || m_edit2->text().isEmpty() || m_edit3->text().isEmpty();
}

void SetupWizard::finish()
{
    if (fieldsIncomplete()) {
        m_s.prompter.ask(
            this, QStringLiteral("Incomplete form...!"),
            QStringLiteral("One or more required fields are not complete,\rplease review all "
                           "fields before continuing application!"),
            Box::Warning);
        return;
    }
    const QString head = m_label13->text().left(3);
    if (head == QLatin1String("A:\\") || head == QLatin1String("B:\\")) {
        m_s.prompter.ask(Prompter::dialog(
            Box::Error, QStringLiteral("Cannot create program folders on floppy disc drives!"),
            Box::Ok));
        return;
    }
    m_label17->show();
    m_bar->show();
    m_timer.start();
    update();
}

QString SetupWizard::folderF() const
{
    return withSeparator(m_label13->text());
}

void SetupWizard::actionError(const QString &message)
{
    m_s.prompter.ask(nullptr, product::title(), message, Box::Error);
}

bool SetupWizard::createFolder(const QString &folder, int waitMs)
{
    // One level: the parent must exist already.
    if (m_s.platform.folderExists(QFileInfo(QDir::cleanPath(folder)).path()))
        QDir().mkdir(folder);
    m_s.pacer.pause(waitMs);
    if (m_s.platform.folderExists(folder))
        return true;
    m_timer.stop();
    m_s.prompter.ask(Prompter::dialog(Box::Error,
                                      QStringLiteral("Could not create ") + folder +
                                          QStringLiteral(" please select another folder!"),
                                      Box::Abort));
    return false;
}

QVariant SetupWizard::current(const SequenceItem &item) const
{
    const QString &n = item.name;
    if (n == QLatin1String("Delphi"))
        return m_edit1->text();
    if (n == QLatin1String("Delphi Version"))
        return m_spin->value();
    if (n == QLatin1String("Install Date"))
        return QLocale().toString(m_s.clock.now().date(), QLocale::ShortFormat);
    if (n == QLatin1String("Compiler1"))
        return m_edit2->text();
    if (n == QLatin1String("Compiler2"))
        return m_edit3->text();
    if (n == QLatin1String("Program Folder"))
        return m_label13->text();
    if (n == QLatin1String("TempDir1"))
        return QString();
    if (n == QLatin1String("TempDir2"))
        return m_label14->text();
    if (n == QLatin1String("Recent Folder"))
        return withSeparator(m_s.platform.shortPath(m_s.platform.currentFolder()));
    if (n == QLatin1String("Main Left"))
        return m_main.x();
    if (n == QLatin1String("Main Top"))
        return m_main.y();
    if (n == QLatin1String("Tool Left"))
        return m_tool.x();
    if (n == QLatin1String("Tool Top"))
        return m_tool.y();
    // The three fixed texts; everything else is the tool window's state.
    const SettingRow *row = SettingsRecord::find(n);
    if (row && row->control.isEmpty())
        return row->fresh;
    return m_tool.current(item);
}

void SetupWizard::tick()
{
    m_bar->setValue(m_bar->value() + 1);
    const QString f = folderF();
    switch (m_bar->value()) {
    case 1:
        m_cancel->show();
        m_cancel->raise();
        break;
    case 5:
        m_label17->setText(QStringLiteral("Creating ") + m_label13->text());
        if (!createFolder(m_label13->text(), 1000))
            return;
        m_label17->setText(QStringLiteral("Adding sub ") + m_label14->text());
        if (!createFolder(m_label14->text(), 500))
            return;
        // The mark that lets uninstall know this folder is ours to delete.
        QFile(f + ProgramFolder::markerName()).open(QIODevice::WriteOnly);
        break;
    case 20: {
        repaint();
        QString error;
        if (!m_s.settings.createSettingsKey(&error)) {
            actionError(error);
        } else {
            error = m_s.settings.save(sequences::setupWrite(), *this);
            if (!error.isEmpty())
                actionError(error);
        }
        m_finish->setEnabled(false);
        break;
    }
    case 30:
        for (const QString &name : {QStringLiteral("Tolvane.pd_"), QStringLiteral("Tolvane.pdf")})
            if (m_s.platform.fileExists(f + name))
                m_s.platform.removeFile(f + name);
        break;
    case 50: {
        QFile cabinet(QStringLiteral(":/cabfile/ACROBAT"));
        QFile out(f + QStringLiteral("Tolvane.pd_"));
        if (!cabinet.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly) ||
            out.write(cabinet.readAll()) < 0)
            actionError(QStringLiteral("Cannot create file ") + out.fileName());
        break;
    }
    case 70: {
        // The expander runs to its end before the sequence looks for its result at 85.
        const QString extract = Platform::resolveExecutable(
            withSeparator(m_s.platform.toolchainFolder()) + QStringLiteral("bin/extract"));
        m_s.platform.runTool(extract.isEmpty() ? QStringLiteral("extract") : extract,
                             {f + QStringLiteral("Tolvane.pd_"), QStringLiteral("/L"), f}, nullptr);
        // The cabinet holds TOLVANE.PDF; on a case-sensitive file system give it the manual's name.
        if (!m_s.platform.fileExists(f + QStringLiteral("Tolvane.pdf")) &&
            m_s.platform.fileExists(f + QStringLiteral("TOLVANE.PDF")))
            m_s.platform.renameFile(f + QStringLiteral("TOLVANE.PDF"),
                                    f + QStringLiteral("Tolvane.pdf"));
        break;
    }
    case 85:
        if (m_s.platform.fileExists(f + QStringLiteral("Tolvane.pdf")))
            m_s.platform.removeFile(f + QStringLiteral("Tolvane.pd_"));
        break;
    case 95:
        m_label17->setText(QStringLiteral("...Setup complete..."));
        break;
    case 100: {
        m_timer.stop();
        m_s.prompter.ask(this, product::title(),
                         QStringLiteral("Program needs to be restarted for changes to take affect"),
                         Box::Information);
        m_bar->hide();
        m_label17->clear();
        endProgram();
        break;
    }
    default:
        break;
    }
}

void SetupWizard::exitWizard()
{
    if (fieldsIncomplete() &&
        m_s.prompter.ask(Prompter::dialog(
            Box::Question, QStringLiteral("Setup is not complete, are you sure you want to exit?"),
            Box::Yes | Box::No)) != Box::Yes)
        return;
    m_main.update();
    hide();
    m_s.taskbar.set(product::title(), QStringLiteral("logo"));
    m_main.show();
}

void SetupWizard::cancel()
{
    m_timer.stop();
    m_bar->hide();
    m_label17->clear();
    if (m_s.prompter.ask(this, QStringLiteral("Abort Installation!"),
                         QStringLiteral("Setup is not complete! Are you sure you want to cancel?"),
                         Box::Warning, Box::Yes | Box::No) != Box::Yes) {
        m_bar->show();
        m_timer.start();
        return;
    }
    removal(QStringLiteral("Operation Aborted by User!"));
}

void SetupWizard::uninstall()
{
    if (m_s.prompter.ask(this, product::brand() + QStringLiteral(" Uninstall!"),
                         QStringLiteral("This will remove all registry and program folder "
                                        "information.\rTerminate the current session anyway?"),
                         Box::Warning, Box::Yes | Box::No) == Box::Yes)
        removal(QStringLiteral("Operation Aborted!"));
}

void SetupWizard::removal(const QString &abortText)
{
    m_s.settings.removeCompanyKey();
    m_s.pacer.pause(2000);
    m_s.settings.removeHistory();
    const QString folder = m_label13->text();
    if (!m_s.platform.folderExists(folder)) {
        m_s.prompter.ask(Prompter::dialog(
            Box::Error, QStringLiteral("Could not locate program folder ") + folder, Box::Ok));
        endProgram();
        return;
    }
    // Never anything but the folder setup made, whatever the settings said.
    const QString refusal = ProgramFolder::removalRefusal(
        folder, m_s.platform.homeFolder(),
        m_s.platform.fileExists(folderF() + ProgramFolder::markerName()));
    bool removed = false;
    if (!refusal.isEmpty()) {
        m_s.prompter.ask(Prompter::dialog(Box::Error, refusal, Box::Ok));
    } else {
        Box confirm;
        confirm.owner = this;
        confirm.caption = QStringLiteral("Confirm Folder Delete");
        confirm.text = QStringLiteral("Are you sure you want to remove the folder '") + folder +
                       QStringLiteral("' and all its contents?");
        confirm.icon = Box::Question;
        confirm.buttons = Box::Yes | Box::No;
        if (m_s.prompter.ask(confirm) == Box::Yes)
            removed = m_s.platform.removeFolderTree(folder);
    }
    if (!removed) {
        m_s.prompter.ask(nullptr, product::titleCopyright(), abortText, Box::Warning);
    }
    endProgram();
}

void SetupWizard::endProgram()
{
    m_ended = true;
    m_timer.stop();
    emit quitRequested();
}

} // namespace tolvane
