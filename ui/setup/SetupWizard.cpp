#include "ui/setup/SetupWizard.h"
#include "core/Product.h"
#include "core/setup/SetupChoices.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/services/Look.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>

namespace tolvane {

SetupWizard::SetupWizard(Services &services, MainWindow &main, ToolWindow &tool, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint |
                          Qt::WindowStaysOnTopHint),
      m_s(services), m_main(main), m_tool(tool), m_installer(services.platform, *this)
{
    setObjectName(QStringLiteral("TSplash"));
    setFixedSize(466, 327);
    useWindowFace(this);
    buildLayout();
    connectControls();
    m_timer.setObjectName(QStringLiteral("T1"));
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, &SetupWizard::tick);
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
        offerBundledCompilers();
        return;
    }
    setWindowTitle(QStringLiteral("Current path configurations..."));
    loadConfiguration();
}

// A value that is not a text (a number typed in by hand) leaves its field empty.
QString SetupWizard::storedText(Setting name)
{
    QString value;
    if (!m_s.settings.readText(name, value))
        return QString();
    return value;
}

void SetupWizard::loadConfiguration()
{
    m_delphiFolderEdit->setText(storedText(Setting::Delphi));
    m_brccEdit->setText(storedText(Setting::Compiler1));
    m_dccEdit->setText(storedText(Setting::Compiler2));
    const QString folder = storedText(Setting::ProgramFolder);
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

// With no installation registered, the compilers that come with the program are the only ones
// there are: the wizard opens at their version with their paths, so a first run can go straight
// through.
void SetupWizard::offerBundledCompilers()
{
    for (int version = m_versionSpin->minimum(); version <= m_versionSpin->maximum(); ++version)
        if (!m_s.settings.delphiRoot(version).isEmpty())
            return;
    const QString bin = Platform::folderWithSeparator(m_s.platform.toolchainFolder());
    if (bin.isEmpty())
        return;
    const QString brcc = Platform::resolveExecutable(bin + QStringLiteral("bin/brcc32"));
    const QString dcc = Platform::resolveExecutable(bin + QStringLiteral("bin/dcc32"));
    if (brcc.isEmpty() || dcc.isEmpty())
        return;
    m_versionSpin->setValue(m_versionSpin->maximum());
    m_brccEdit->setText(brcc);
    m_dccEdit->setText(dcc);
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

// Only the step's own button is there: the others are hidden, so their shortcuts cannot fire.
void SetupWizard::showStep(Step step)
{
    const int shown = step == FinishReady ? 3 : int(step);
    m_page1->setVisible(shown == 1);
    m_page2->setVisible(shown == 2);
    m_page3->setVisible(shown == 3);
    m_page1Next->setVisible(step == Page1);
    m_page2Next->setVisible(step == Page2);
    m_page3Next->setVisible(step == Page3);
    m_finishButton->setVisible(step == FinishReady);
    m_backButton->setEnabled(step != Page1);
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
        showStep(Page2);
    } else if (current == 2) {
        showStep(Page3);
    } else {
        showStep(FinishReady);
    }
}

void SetupWizard::back()
{
    showStep(Page1);
}

void SetupWizard::addCompiler()
{
    OpenFilesRequest r;
    r.owner = this;
    r.title = QStringLiteral("Locate Brcc32 & Dcc32 and double-click programs...");
    r.folder = Platform::folderWithSeparator(m_delphiFolderEdit->text()) + QStringLiteral("bin");
    // Shown as "Executables"; the stand-in compilers have no ".exe" and are found as well.
    r.filter = QStringLiteral("Executables|*.exe;brcc32;dcc32");
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

} // namespace tolvane
