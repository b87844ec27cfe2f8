#include "ui/setup/SetupWizard.h"
#include "core/NameChecks.h"
#include "core/Product.h"
#include "core/setup/SetupChoices.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/services/Look.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QApplication>
#include <QFile>
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
        p.drawText(QRect(0, 90, width(), 24), Qt::AlignCenter, product::name());
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
      m_s(services), m_main(main), m_tool(tool), m_installer(services.platform, *this)
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
    m_page1 = page(QStringLiteral("P1"));
    auto *heading =
        text(m_page1, QStringLiteral("Welcome to ") + product::title() + QLatin1Char(' '),
             {0, 0, 320, 20}, false);
    QFont hf = heading->font();
    hf.setBold(true);
    hf.setPointSize(11);
    heading->setFont(hf);
    text(m_page1,
         QStringLiteral("The following (3) screens, will guide you in setting up the command line "
                        "parameters for the compilers."),
         {0, 26, 320, 32});
    text(m_page1,
         QStringLiteral(
             "Use the up-down arrows to match the current Delphi version installed in your "
             "computer. The complete path will appear in the program field automatically."),
         {0, 66, 320, 44});
    text(m_page1, QStringLiteral("Example: C:\\Program Files\\Borland\\Delphi 4"),
         {0, 114, 320, 16}, false);
    text(m_page1, QStringLiteral("Delphi version:"), {0, 146, 100, 18}, false);
    m_versionSpin = new QSpinBox(m_page1);
    m_versionSpin->setObjectName(QStringLiteral("SpinEdit1"));
    m_versionSpin->setRange(2, 4);
    m_versionSpin->setValue(2);
    m_versionSpin->setGeometry(100, 143, 50, 22);
    text(m_page1, QStringLiteral("Program"), {0, 178, 60, 18}, false);
    m_delphiFolderEdit = new QLineEdit(m_page1);
    m_delphiFolderEdit->setObjectName(QStringLiteral("Edit1"));
    m_delphiFolderEdit->setEnabled(false);
    m_delphiFolderEdit->setGeometry(60, 175, 258, 22);
    m_freeSpaceLabel = text(m_page1, QString(), {0, 220, 320, 16}, false);
    m_freeSpaceLabel->setObjectName(QStringLiteral("Label10"));
    m_freeSpaceLabel->setAlignment(Qt::AlignCenter);

    m_page2 = page(QStringLiteral("Panel2"));
    auto *compilers = new QGroupBox(QStringLiteral("Compiler paths"), m_page2);
    compilers->setGeometry(0, 0, 320, 250);
    text(compilers,
         QStringLiteral("Enter the complete path to both compilers Brcc32 and Dcc32.exe in the "
                        "required fields or use the Add button to try and locate the programs."),
         {10, 22, 300, 44});
    text(compilers,
         QStringLiteral("Example: C:\\Program files\\Borland\\Delphi 4\\Bin\\Brcc32.exe"),
         {10, 70, 300, 34}); // wider than the group: it breaks onto a second line
    text(compilers, QStringLiteral("Brcc32"), {10, 113, 50, 18}, false);
    m_brccEdit = new QLineEdit(compilers);
    m_brccEdit->setObjectName(QStringLiteral("Edit2"));
    m_brccEdit->setGeometry(60, 110, 250, 22);
    text(compilers, QStringLiteral("Dcc32"), {10, 145, 50, 18}, false);
    m_dccEdit = new QLineEdit(compilers);
    m_dccEdit->setObjectName(QStringLiteral("Edit3"));
    m_dccEdit->setGeometry(60, 142, 250, 22);
    m_addButton = new QPushButton(QStringLiteral("Add..."), compilers);
    m_addButton->setObjectName(QStringLiteral("Button3"));
    m_addButton->setGeometry(234, 177, 76, 26);
    m_page2->hide();

    m_page3 = page(QStringLiteral("Panel3"));
    auto *folders = new QGroupBox(QStringLiteral("Program folders"), m_page3);
    folders->setGeometry(0, 0, 320, 214);
    text(folders, QStringLiteral("Main directory:"), {10, 24, 100, 16}, false);
    // Room for a long home folder: a path breaks after its separators.
    m_mainFolderLabel = text(folders, QString(), {110, 24, 200, 44});
    m_mainFolderLabel->setObjectName(QStringLiteral("Label13"));
    text(folders, QStringLiteral("Subdirectory:"), {10, 72, 100, 16}, false);
    m_projectsFolderLabel = text(folders, QString(), {110, 72, 200, 44});
    m_projectsFolderLabel->setObjectName(QStringLiteral("Label14"));
    text(folders,
         QStringLiteral(
             "Press the \"Other Location\" button to select alternate working folder directory for "
             "program, or skip this section to accept the current (default) directories listed."),
         {10, 120, 300, 58});
    m_otherLocationButton = new QPushButton(QStringLiteral("Other Location..."), folders);
    m_otherLocationButton->setObjectName(QStringLiteral("Button4"));
    m_otherLocationButton->setGeometry(190, 182, 120, 26);
    m_progressLabel = text(m_page3, QStringLiteral("...Initializing..."), {0, 216, 320, 30});
    m_progressLabel->setObjectName(QStringLiteral("Label17"));
    m_progressLabel->hide();
    m_progressBar = new QProgressBar(m_page3);
    m_progressBar->setObjectName(QStringLiteral("Bar1"));
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressBar->setGeometry(0, 248, 320, 16);
    m_progressBar->hide();
    m_page3->hide();

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setGeometry(8, 280, 450, 3);
    auto button = [this](const QString &name, const QString &caption, int x) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(x, 292, 80, 26);
        return b;
    };
    m_uninstallButton = button(QStringLiteral("XX"), QStringLiteral("&Uninstall"), 8);
    m_backButton = button(QStringLiteral("Bak1"), QStringLiteral("< &Back"), 204);
    m_backButton->setEnabled(false);
    m_finishButton = button(QStringLiteral("Button1"), QStringLiteral("<  &Finish  >"), 288);
    m_page1Next = button(QStringLiteral("N1"), QStringLiteral("&Next >"), 288);
    m_page1Next->setEnabled(false);
    m_page2Next = button(QStringLiteral("N2"), QStringLiteral("&Next >"), 288);
    m_page2Next->hide();
    m_page3Next = button(QStringLiteral("N3"), QStringLiteral("&Next >"), 288);
    m_page3Next->hide();
    m_exitButton = button(QStringLiteral("Button2"), QStringLiteral("Exit..."), 378);
    m_cancelButton = button(QStringLiteral("Button5"), QStringLiteral("Cancel"), 378);
    m_cancelButton->setDefault(true);
    m_cancelButton->hide();
    m_finishButton->lower(); // covered by N1 until page 3

    connect(m_versionSpin, &QSpinBox::valueChanged, this, &SetupWizard::versionChanged);
    connect(m_delphiFolderEdit, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (t.isEmpty())
            return;
        m_page1Next->setEnabled(true);
        QPalette p = m_delphiFolderEdit->palette();
        p.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
        m_delphiFolderEdit->setPalette(p);
    });
    connect(m_page1Next, &QPushButton::clicked, this, &SetupWizard::next);
    connect(m_page2Next, &QPushButton::clicked, this, &SetupWizard::next);
    connect(m_page3Next, &QPushButton::clicked, this, &SetupWizard::next);
    connect(m_backButton, &QPushButton::clicked, this, &SetupWizard::back);
    connect(m_addButton, &QPushButton::clicked, this, &SetupWizard::addCompiler);
    connect(m_otherLocationButton, &QPushButton::clicked, this, &SetupWizard::otherLocation);
    connect(m_finishButton, &QPushButton::clicked, this, &SetupWizard::finish);
    connect(m_exitButton, &QPushButton::clicked, this, &SetupWizard::exitWizard);
    connect(m_cancelButton, &QPushButton::clicked, this, &SetupWizard::cancel);
    connect(m_uninstallButton, &QPushButton::clicked, this, &SetupWizard::uninstall);
}

void SetupWizard::start()
{
    const QString root = m_s.platform.driveRoot(m_s.platform.currentFolder());
    if (const auto free = m_s.platform.freeSpace(root))
        m_freeSpaceLabel->setText(QStringLiteral("Available space on drive  ") + root +
                                  QStringLiteral("  ") + QString::number(*free) +
                                  QStringLiteral("  bytes"));
    const bool key = m_s.settings.settingsKeyExists();
    m_uninstallButton->setVisible(key);
    if (key)
        m_otherLocationButton->setText(QStringLiteral("New Location...?"));
    setWindowTitle(QStringLiteral("Setup paths..."));
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (!key) {
        m_mainFolderLabel->setText(root);
        return;
    }
    setWindowTitle(QStringLiteral("Current path configurations..."));
    QString value;
    m_s.settings.readText(Setting::Delphi, value);
    m_delphiFolderEdit->setText(value);
    m_s.settings.readText(Setting::Compiler1, value);
    m_brccEdit->setText(value);
    m_s.settings.readText(Setting::Compiler2, value);
    m_dccEdit->setText(value);
    QString folder;
    m_s.settings.readText(Setting::ProgramFolder, folder);
    // Folder names keep their case: on this file system an upper-cased path is another path.
    m_mainFolderLabel->setText(folder);
    m_projectsFolderLabel->setText(SetupChoices::projectsFolderOf(folder));
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
    return {m_versionSpin, m_delphiFolderEdit, m_brccEdit, m_dccEdit};
}

QString SetupWizard::delphiFolder() const
{
    return m_delphiFolderEdit->text();
}
QString SetupWizard::mainFolder() const
{
    return m_mainFolderLabel->text();
}
QString SetupWizard::projectsFolder() const
{
    return m_projectsFolderLabel->text();
}
int SetupWizard::position() const
{
    return m_installer.position();
}

int SetupWizard::page() const
{
    if (!m_page3->isHidden())
        return 3;
    if (!m_page2->isHidden())
        return 2;
    return 1;
}

void SetupWizard::versionChanged(int version)
{
    QString root = m_s.settings.delphiRoot(version);
    // No registered installation: the compilers that come with the program answer for version 4.
    if (root.isEmpty() && version == 4)
        root = m_s.platform.toolchainFolder();
    m_delphiFolderEdit->setText(root);
}

void SetupWizard::showPage(int page)
{
    m_page1->setVisible(page == 1);
    m_page2->setVisible(page == 2);
    m_page3->setVisible(page == 3);
}

void SetupWizard::next()
{
    const int current = page();
    if (current == 1) {
        if (!m_s.settings.settingsKeyExists()) {
            QString systemRoot = m_s.settings.systemRoot();
            if (systemRoot.isEmpty())
                systemRoot = m_s.platform.windowsFolder();
            m_mainFolderLabel->setText(SetupChoices::mainFolderIn(systemRoot));
            m_projectsFolderLabel->setText(
                SetupChoices::projectsFolderOf(m_mainFolderLabel->text()));
        }
        showPage(2);
        m_page2Next->show();
        m_page2Next->raise();
    } else if (current == 2) {
        showPage(3);
        m_page3Next->show();
        m_page3Next->raise();
    } else {
        m_finishButton->show();
        m_finishButton->raise();
        m_page1Next->hide();
        m_page2Next->hide();
        m_page3Next->hide();
    }
    m_backButton->setEnabled(true);
}

void SetupWizard::back()
{
    showPage(1);
    m_finishButton->lower();
    m_page2Next->hide();
    m_page3Next->hide();
    m_page1Next->show();
    m_page1Next->raise();
    m_backButton->setEnabled(false);
}

void SetupWizard::addCompiler()
{
    OpenFilesRequest r;
    r.owner = this;
    r.title = QStringLiteral("Locate Brcc32 & Dcc32 and double-click programs...");
    r.folder = withSeparator(m_delphiFolderEdit->text()) + QStringLiteral("bin");
    r.filters = {QStringLiteral("Executables (*.exe brcc32 dcc32)")};
    const OpenFilesResult result = m_s.prompter.openFiles(r);
    if (!result.accepted || result.files.isEmpty())
        return;
    const QString chosen = result.files.first();
    switch (SetupChoices::compilerOf(chosen)) {
    case SetupChoices::ResourceCompiler:
        m_brccEdit->setText(chosen);
        break;
    case SetupChoices::LibraryCompiler:
        m_dccEdit->setText(chosen);
        break;
    case SetupChoices::NotACompiler:
        break;
    }
}

void SetupWizard::otherLocation()
{
    const QString chosen =
        m_s.prompter.chooseFolder(this, QStringLiteral("Select a target folder from directory in:"),
                                  m_s.platform.currentFolder());
    if (chosen.isEmpty())
        return;
    m_mainFolderLabel->setText(SetupChoices::mainFolderIn(m_s.platform.shortPath(chosen)));
    m_projectsFolderLabel->setText(SetupChoices::projectsFolderOf(m_mainFolderLabel->text()));
}

bool SetupWizard::fieldsIncomplete() const
{
    return !SetupChoices::complete(m_delphiFolderEdit->text(), m_brccEdit->text(),
                                   m_dccEdit->text());
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
    if (SetupChoices::onFloppyDrive(m_mainFolderLabel->text())) {
        m_s.prompter.ask(Prompter::dialog(
            Box::Error, QStringLiteral("Cannot create program folders on floppy disc drives!"),
            Box::Ok));
        return;
    }
    m_progressLabel->show();
    m_progressBar->show();
    // A running sequence goes on; a stopped one starts again with the folders now shown, so that
    // another folder chosen after a failure is the one created.
    if (!m_timer.isActive())
        m_installer.start(installPlan());
    m_timer.start();
    update();
}

QVariant SetupWizard::current(const SequenceItem &item) const
{
    switch (item.key) {
    case Setting::Delphi:
        return m_delphiFolderEdit->text();
    case Setting::DelphiVersion:
        return m_versionSpin->value();
    case Setting::InstallDate:
        return QLocale().toString(m_s.clock.now().date(), QLocale::ShortFormat);
    case Setting::Compiler1:
        return m_brccEdit->text();
    case Setting::Compiler2:
        return m_dccEdit->text();
    case Setting::ProgramFolder:
        return m_mainFolderLabel->text();
    case Setting::RecentAddFolder:
        return QString();
    case Setting::RecentProjectFolder:
        return m_projectsFolderLabel->text();
    case Setting::RecentFolder:
        return withSeparator(m_s.platform.shortPath(m_s.platform.currentFolder()));
    case Setting::MainLeft:
        return m_main.x();
    case Setting::MainTop:
        return m_main.y();
    case Setting::ToolLeft:
        return m_tool.x();
    case Setting::ToolTop:
        return m_tool.y();
    default:
        break;
    }
    // The three fixed texts; everything else is the tool window's state.
    const SettingRow &row = SettingsRecord::row(item.key);
    if (row.control.isEmpty())
        return row.fresh;
    return m_tool.current(item);
}

InstallPlan SetupWizard::installPlan() const
{
    InstallPlan plan;
    plan.mainFolder = m_mainFolderLabel->text();
    plan.projectsFolder = m_projectsFolderLabel->text();
    QFile cabinet(QStringLiteral(":/cabfile/ACROBAT"));
    if (cabinet.open(QIODevice::ReadOnly))
        plan.cabinet = cabinet.readAll();
    const QString extract = Platform::resolveExecutable(
        withSeparator(m_s.platform.toolchainFolder()) + QStringLiteral("bin/extract"));
    plan.extractProgram = extract.isEmpty() ? QStringLiteral("extract") : extract;
    return plan;
}

void SetupWizard::tick()
{
    if (!m_installer.advance())
        m_timer.stop();
}

void SetupWizard::progress(int position)
{
    m_progressBar->setValue(position);
}

void SetupWizard::showCancel()
{
    m_cancelButton->show();
    m_cancelButton->raise();
}

void SetupWizard::status(const QString &text)
{
    m_progressLabel->setText(text);
}

void SetupWizard::pause(int milliseconds)
{
    m_s.pacer.pause(milliseconds);
}

void SetupWizard::folderFailed(const QString &text)
{
    m_timer.stop();
    m_s.prompter.ask(Prompter::dialog(Box::Error, text, Box::Abort));
}

QString SetupWizard::writeSettings()
{
    repaint();
    QString error;
    if (m_s.settings.createSettingsKey(&error))
        error = m_s.settings.save(sequences::setupWrite(), *this);
    m_finishButton->setEnabled(false);
    return error;
}

void SetupWizard::actionFailed(const QString &text)
{
    m_s.prompter.ask(nullptr, product::title(), text, Box::Error);
}

void SetupWizard::complete()
{
    m_timer.stop();
    m_s.prompter.ask(this, product::title(),
                     QStringLiteral("Program needs to be restarted for changes to take affect"),
                     Box::Information);
    m_progressBar->hide();
    m_progressLabel->clear();
    endProgram();
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
    m_progressBar->hide();
    m_progressLabel->clear();
    if (m_s.prompter.ask(this, QStringLiteral("Abort Installation!"),
                         QStringLiteral("Setup is not complete! Are you sure you want to cancel?"),
                         Box::Warning, Box::Yes | Box::No) != Box::Yes) {
        m_progressBar->show();
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
    m_abortText = abortText;
    Uninstaller(m_s.platform, *this).run(m_mainFolderLabel->text(), m_projectsFolderLabel->text());
    endProgram();
}

QString SetupWizard::removeSettingsKeys()
{
    m_s.settings.removeCompanyKey();
    if (!m_s.settings.settingsKeyExists())
        return QString();
    return QStringLiteral("Could not remove the registry key HKEY_LOCAL_MACHINE") +
           SettingsStore::companyKeyPath();
}

QString SetupWizard::removeHistory()
{
    m_s.settings.removeHistory();
    if (!m_s.settings.registry().keyExists(RegRoot::Users, SettingsStore::historyRemovalKeyPath()))
        return QString();
    return QStringLiteral("Could not remove the registry key HKEY_USERS\\") +
           SettingsStore::historyRemovalKeyPath();
}

void SetupWizard::keyFailed(const QString &text)
{
    m_s.prompter.ask(nullptr, product::title(), text, Box::Error);
}

void SetupWizard::folderMissing(const QString &text)
{
    m_s.prompter.ask(Prompter::dialog(Box::Error, text, Box::Ok));
}

void SetupWizard::refused(const QString &text)
{
    m_s.prompter.ask(Prompter::dialog(Box::Error, text, Box::Ok));
}

bool SetupWizard::confirmDelete(const QString &folder)
{
    Box confirm;
    confirm.owner = this;
    confirm.caption = QStringLiteral("Confirm Folder Delete");
    confirm.text = QStringLiteral("Are you sure you want to remove the folder '") + folder +
                   QStringLiteral("' and all its contents?");
    confirm.icon = Box::Question;
    confirm.buttons = Box::Yes | Box::No;
    return m_s.prompter.ask(confirm) == Box::Yes;
}

void SetupWizard::kept(const QString &text)
{
    m_s.prompter.ask(nullptr, product::titleCopyright(), text, Box::Information);
}

void SetupWizard::aborted()
{
    m_s.prompter.ask(nullptr, product::titleCopyright(), m_abortText, Box::Warning);
}

void SetupWizard::endProgram()
{
    m_ended = true;
    m_timer.stop();
    emit quitRequested();
}

} // namespace tolvane
