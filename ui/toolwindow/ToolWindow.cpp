#include "ui/toolwindow/ToolWindow.h"
#include "core/FilterTexts.h"
#include "core/NameChecks.h"
#include "core/Product.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/services/Look.h"
#include "ui/services/Placement.h"
#include "ui/services/SettingsBinder.h"
#include "ui/stringtable/StringTableEditor.h"
#include "ui/toolwindow/ProgressPanel.h"
#include "ui/widgets/TFileLabel.h"
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QRadioButton>

#include <QCheckBox>
#include <QComboBox>
#include <QFileIconProvider>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

namespace tolvane {

namespace {
bool on(const QCheckBox *box)
{
    return box->checkState() == Qt::Checked; // a greyed box counts as off
}

// A box greyed by its partner keeps the state it had, and takes it back when the partner lets
// it go.
void grey(QCheckBox *box, Qt::CheckState &own)
{
    if (box->checkState() != Qt::PartiallyChecked)
        own = box->checkState();
    box->setCheckState(Qt::PartiallyChecked);
}

void ungrey(QCheckBox *box, Qt::CheckState &own)
{
    if (box->checkState() == Qt::PartiallyChecked)
        box->setCheckState(own);
    box->setTristate(false);
}

} // namespace

QStringList ToolWindow::dropFilters()
{
    return filtertexts::dropFilterEntries();
}

ToolWindow::ToolWindow(Services &services, MainWindow &main, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), m_s(services), m_main(main)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Tool Window"));
    setFixedSize(373, 477);
    useWindowFace(this);
    buildLayout();
    connectReactions();
}

void ToolWindow::connectReactions()
{
    connect(m_hintsBox, &QCheckBox::stateChanged, this, [this] {
        const bool shown = m_hintsBox->checkState() != Qt::Unchecked;
        m_hintBackgroundButton->setEnabled(shown);
        m_hintTextButton->setEnabled(shown);
        m_hintLine->setVisible(shown);
        if (!shown)
            m_progress->panel()->hide();
    });
    connect(m_scriptsOnlyBox, &QCheckBox::stateChanged, this, [this] {
        const bool scriptsOnly = on(m_scriptsOnlyBox);
        m_main.showBuildMode(scriptsOnly);
        if (!scriptsOnly) {
            m_unitsCaption->setEnabled(true);
            m_compilingPicture->show();
            m_unitsGroup->show();
            m_reservedWordsNote->setEnabled(true);
            for (QWidget *w : std::initializer_list<QWidget *>{m_classesBox, m_windowsUnitBox,
                                                               m_dialogsBox, m_libraryName})
                w->setEnabled(true);
            ungrey(m_keepProjectBox, m_keepProjectOwn);
        } else {
            m_compilingPicture->hide();
            for (QWidget *w : std::initializer_list<QWidget *>{m_classesBox, m_windowsUnitBox,
                                                               m_dialogsBox, m_reservedWordsNote,
                                                               m_unitsCaption, m_libraryName})
                w->setEnabled(false);
            grey(m_keepProjectBox, m_keepProjectOwn);
        }
    });
    connect(m_keepProjectBox, &QCheckBox::clicked, this, [this] {
        if (on(m_scriptsOnlyBox))
            m_keepProjectBox->setCheckState(Qt::PartiallyChecked);
        else
            m_keepProjectBox->setTristate(false);
    });
    connect(m_executeOnLoadBox, &QCheckBox::stateChanged, this, [this] {
        const bool executing = on(m_executeOnLoadBox);
        if (keyExists()) {
            if (executing) {
                grey(m_autoSortBox, m_autoSortOwn);
            } else {
                m_autoSortBox->setEnabled(true);
                ungrey(m_autoSortBox, m_autoSortOwn);
            }
        }
        m_main.setExecuteLamp(executing);
    });
    connect(m_autoSortBox, &QCheckBox::clicked, this, [this] {
        if (on(m_executeOnLoadBox) || m_executeOnLoadBox->checkState() == Qt::PartiallyChecked)
            m_autoSortBox->setCheckState(Qt::PartiallyChecked);
        else
            m_autoSortBox->setTristate(false);
    });
    connect(m_recurseBox, &QCheckBox::stateChanged, this, [this] {
        if (m_lowColour)
            return;
        const bool recursing = on(m_recurseBox);
        m_recurseOffPicture->setVisible(!recursing);
        m_main.setRecurseLamp(recursing);
    });
    connect(m_dropFilterList, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_loadingSettings)
            return;
        m_main.showDropFilter(index, dropFilterMask());
    });
    connect(m_scriptName, &QLineEdit::textChanged, this, &ToolWindow::checkScriptName);
    connect(m_libraryName, &QLineEdit::textChanged, this, &ToolWindow::checkLibraryName);
    connect(m_resName, &QLineEdit::textChanged, this, &ToolWindow::checkResName);
    connect(m_destinationList, &QComboBox::activated, this, &ToolWindow::destinationChosen);
    connect(m_browseButton, &QToolButton::clicked, this, &ToolWindow::browse);
    connect(m_browseButton, &QWidget::customContextMenuRequested, this,
            &ToolWindow::openDestination);
    connect(m_destinationList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) {
                if (keyExists())
                    m_removeAll->setEnabled(m_destinationList->count() > 1);
                m_destMenu->popup(m_destinationList->mapToGlobal(pos));
            });
    connect(m_removeAll, &QAction::triggered, this, &ToolWindow::removeAll);
    connect(m_windowColourButton, &QPushButton::clicked, this, [this] { colourButton(0, false); });
    connect(m_fontColourButton, &QPushButton::clicked, this, [this] { colourButton(1, false); });
    connect(m_hintBackgroundButton, &QPushButton::clicked, this,
            [this] { colourButton(2, false); });
    connect(m_hintTextButton, &QPushButton::clicked, this, [this] { colourButton(3, false); });
    connect(m_windowColourButton, &QWidget::customContextMenuRequested, this,
            [this] { colourButton(0, true); });
    connect(m_hintBackgroundButton, &QWidget::customContextMenuRequested, this,
            [this] { colourButton(2, true); });
    connect(m_manualButton, &QPushButton::clicked, this, [this] { openManual(false, false); });
    connect(m_closeButton, &QPushButton::clicked, this, &ToolWindow::closeWindow);
    m_resNameHelp->installEventFilter(this);
    m_panel2->installEventFilter(this);
}

bool ToolWindow::keyExists() const
{
    return m_s.settings.settingsKeyExists();
}

QString ToolWindow::manualPath() const
{
    return m_main.manualPath();
}

void ToolWindow::start()
{
    QPalette lp = m_logo->palette();
    lp.setColor(QPalette::WindowText, palette().color(QPalette::Button).darker(112));
    m_logo->setPalette(lp);
    m_lowColour = m_s.platform.colourDepth() < 16;
    if (m_lowColour)
        for (QWidget *w :
             std::initializer_list<QWidget *>{m_recurseOnPicture, m_recurseOffPicture, m_clr})
            w->hide();
    m_progress->setLowColour(m_lowColour);
    m_manualButton->setEnabled(m_s.platform.fileExists(manualPath()));
    if (!m_s.platform.folderExists(Platform::folderWithSeparator(m_main.programFolder()) +
                                   QStringLiteral("Projects")))
        m_quickSaveButton->setEnabled(false);
    m_main.showBuildMode(on(m_scriptsOnlyBox));
    if (keyExists()) {
        m_scriptsOnlyBox->setEnabled(true);
        m_summaryBox->setEnabled(true);
        m_keepProjectBox->setEnabled(true);
        // The entries keep their stored positions, which "Recent Local" counts in.
        m_destinationList->clear();
        for (const QString &entry : m_s.settings.loadHistory())
            m_destinationList->addItem(destinationIcon(entry), entry);
        m_destinationList->setCurrentIndex(-1);
        m_loadingSettings = true;
        const QString error = m_s.settings.load(sequences::toolWindowLoad(), *this);
        m_loadingSettings = false;
        m_main.fillEmptyFilter(dropFilterMask());
        keepTitleOnScreen(*this);
        if (!error.isEmpty())
            m_s.prompter.ask(nullptr, m_s.taskbar.applicationTitle(), error, Box::Error);
        return;
    }
    m_scriptsOnlyBox->setChecked(true);
    m_scriptsOnlyBox->setEnabled(false);
    m_keepProjectBox->setCheckState(Qt::Unchecked);
    m_keepProjectBox->setTristate(false);
    m_keepProjectBox->setEnabled(false);
    m_summaryBox->setEnabled(false);
    m_summaryBox->setChecked(false);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_main.showDropFilter(dropFilterPosition(), dropFilterMask());
    setSingleDestination(
        Platform::folderWithSeparator(m_s.platform.shortPath(m_s.platform.currentFolder())));
}

// Manual, showing and closing -----------------------------------------------------------------

void ToolWindow::openManual(bool rightPress, bool fromHelpArea)
{
    const QString path = manualPath();
    if (fromHelpArea) {
        if (!m_s.platform.fileExists(path)) {
            m_s.prompter.ask(Prompter::plain(
                QStringLiteral("Manual not available! Press the Paths button to install...")));
            return;
        }
        if (!rightPress)
            return;
    }
    if (m_s.platform.openFile(path))
        return;
    m_s.prompter.ask(Prompter::openFailure(path));
}

void ToolWindow::showOptions()
{
    show();
    raise();
    m_progress->showOptions();
    m_closeButton->setEnabled(true);
}

bool ToolWindow::closeWindow()
{
    if (soundsOn())
        m_s.sound.play(QStringLiteral("A1"));
    if (m_scriptName->text().isEmpty())
        m_scriptName->setText(QStringLiteral("Untitled"));
    if (m_libraryName->text().isEmpty())
        m_libraryName->setText(QStringLiteral("Untitled"));
    if (keyExists()) {
        const QString error = m_s.settings.save(sequences::toolWindowSave(), *this);
        if (!error.isEmpty()) {
            m_s.prompter.ask(nullptr, m_s.taskbar.applicationTitle(), error, Box::Error);
            return false;
        }
        m_s.settings.saveHistory(destinationEntries());
    } else {
        m_main.setEnabled(true);
    }
    m_main.show();
    m_panel1->hide();
    m_s.taskbar.set(product::shortTitle(), QStringLiteral("logo"));
    if (m_main.isMinimized())
        m_main.showNormal();
    m_main.update();
    hide();
    emit closed();
    return true;
}

void ToolWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragFrom = event->globalPosition().toPoint() - frameGeometry().topLeft();
    QWidget::mousePressEvent(event);
}

void ToolWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - m_dragFrom);
    QWidget::mouseMoveEvent(event);
}

} // namespace tolvane
