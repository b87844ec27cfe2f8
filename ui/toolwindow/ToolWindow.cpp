#include "ui/toolwindow/ToolWindow.h"
#include "core/FileList.h"
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

QIcon folderIcon()
{
    static QFileIconProvider icons;
    return icons.icon(QFileIconProvider::Folder);
}

} // namespace

QStringList ToolWindow::dropFilters()
{
    return {QStringLiteral("All Resource Files (*.*)"), QStringLiteral("Animated Cursors (*.ani)"),
            QStringLiteral("Audio Video  (*.AVI)"),     QStringLiteral("Bitmap Image (*.bmp)"),
            QStringLiteral("Cabinet File (*.cab)"),     QStringLiteral("Cursor Image (*.cur)"),
            QStringLiteral("Executable (*.exe)"),       QStringLiteral("Icon Image (*.ico)"),
            QStringLiteral("JPEG Image (*.jpg)"),       QStringLiteral("GIF Image (*.gif)"),
            QStringLiteral("Font File (*.fon)"),        QStringLiteral("TTF Font (*.ttf)"),
            QStringLiteral("Wave Sound (*.wav)")};
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
        if (!on(m_scriptsOnlyBox)) {
            m_main.buildButton()->setText(QStringLiteral("&Build All..."));
            m_unitsCaption->setEnabled(true);
            m_compilingPicture->show();
            m_unitsGroup->show();
            m_reservedWordsNote->setEnabled(true);
            for (QWidget *w : std::initializer_list<QWidget *>{m_classesBox, m_windowsUnitBox,
                                                               m_dialogsBox, m_libraryName})
                w->setEnabled(true);
            if (m_keepProjectBox->checkState() == Qt::PartiallyChecked) {
                m_keepProjectBox->setCheckState(Qt::Unchecked);
                m_keepProjectBox->setTristate(false);
            }
        } else {
            m_compilingPicture->hide();
            for (QWidget *w : std::initializer_list<QWidget *>{m_classesBox, m_windowsUnitBox,
                                                               m_dialogsBox, m_reservedWordsNote,
                                                               m_unitsCaption, m_libraryName})
                w->setEnabled(false);
            m_keepProjectBox->setCheckState(Qt::PartiallyChecked);
            m_main.buildButton()->setText(QStringLiteral("&Build..."));
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
            if (executing)
                m_autoSortBox->setCheckState(Qt::PartiallyChecked);
            else {
                m_autoSortBox->setEnabled(true);
                if (m_autoSortBox->checkState() == Qt::PartiallyChecked)
                    m_autoSortBox->setCheckState(Qt::Unchecked);
                m_autoSortBox->setTristate(false);
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
        m_main.setAddFilterIndex(index + 1);
        m_main.setHeaderText(0, QStringLiteral("Filter: ") + dropFilterMask());
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
    m_main.buildButton()->setText(on(m_scriptsOnlyBox) ? QStringLiteral("&Build...")
                                                       : QStringLiteral("&Build All..."));
    if (keyExists()) {
        m_scriptsOnlyBox->setEnabled(true);
        m_summaryBox->setEnabled(true);
        m_keepProjectBox->setEnabled(true);
        // The entries keep their stored positions, which "Recent Local" counts in.
        m_destinationList->clear();
        for (const QString &entry : m_s.settings.loadHistory())
            m_destinationList->addItem(folderIcon(), entry);
        m_destinationList->setCurrentIndex(-1);
        m_loadingSettings = true;
        const QString error = m_s.settings.load(sequences::toolWindowLoad(), *this);
        m_loadingSettings = false;
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
    m_main.setHeaderText(0, QStringLiteral("Filter: ") + dropFilterMask());
    setSingleDestination(
        Platform::folderWithSeparator(m_s.platform.shortPath(m_s.platform.currentFolder())));
}

// Accessors ---------------------------------------------------------------------------------

QString ToolWindow::scriptName() const
{
    return m_scriptName->text();
}
void ToolWindow::setScriptName(const QString &name)
{
    m_scriptName->setText(name);
}
QString ToolWindow::libraryName() const
{
    return m_libraryName->text();
}
void ToolWindow::setLibraryName(const QString &name)
{
    m_libraryName->setText(name);
}
QString ToolWindow::resName() const
{
    return m_resName->text();
}
void ToolWindow::setResName(const QString &name)
{
    m_resName->setText(name);
}
void ToolWindow::setResNameVisible(bool visible)
{
    m_resName->setVisible(visible);
}
bool ToolWindow::resNameVisible() const
{
    return !m_resName->isHidden();
}
int ToolWindow::prefixPosition() const
{
    return m_prefixList->currentIndex();
}
void ToolWindow::setPrefixPosition(int position)
{
    m_prefixList->setCurrentIndex(position >= 0 && position < 24 ? position : -1);
}
QString ToolWindow::destination() const
{
    return m_destinationList->currentText();
}
int ToolWindow::dropFilterPosition() const
{
    return m_dropFilterList->currentIndex();
}
void ToolWindow::setDropFilterPosition(int position)
{
    m_dropFilterList->setCurrentIndex(position);
}
bool ToolWindow::hintsOn() const
{
    return on(m_hintsBox);
}
bool ToolWindow::soundsOn() const
{
    return on(m_soundsBox);
}
bool ToolWindow::executeOnLoad() const
{
    return on(m_executeOnLoadBox);
}
void ToolWindow::setExecuteOnLoad(bool value)
{
    m_executeOnLoadBox->setChecked(value);
}
bool ToolWindow::recurse() const
{
    return on(m_recurseBox);
}
bool ToolWindow::scriptsOnly() const
{
    return on(m_scriptsOnlyBox);
}
bool ToolWindow::autoSort() const
{
    return on(m_autoSortBox);
}
bool ToolWindow::fileInfo() const
{
    return on(m_fileInfoBox);
}
bool ToolWindow::hideOnBuild() const
{
    return on(m_hideOnBuildBox);
}
bool ToolWindow::summary() const
{
    return on(m_summaryBox);
}
bool ToolWindow::keepProject() const
{
    return on(m_keepProjectBox);
}
bool ToolWindow::repairProjects() const
{
    return on(m_repairBox);
}
bool ToolWindow::classes() const
{
    return on(m_classesBox);
}
bool ToolWindow::windowsUnit() const
{
    return on(m_windowsUnitBox);
}
bool ToolWindow::dialogs() const
{
    return on(m_dialogsBox);
}
bool ToolWindow::promptedSave() const
{
    return m_promptedSaveButton->isChecked();
}
bool ToolWindow::quickSave() const
{
    return m_quickSaveButton->isChecked();
}
bool ToolWindow::saveModesDiffer() const
{
    return m_promptedSaveButton->isEnabled() != m_quickSaveButton->isEnabled();
}
void ToolWindow::setQuickSaveEnabled(bool enabled)
{
    m_quickSaveButton->setEnabled(enabled);
}
void ToolWindow::setManualEnabled(bool enabled)
{
    m_manualButton->setEnabled(enabled);
}
void ToolWindow::setDiskLabel(const QString &text)
{
    m_diskLabel->setText(text);
}
QString ToolWindow::diskLabel() const
{
    return m_diskLabel->text();
}
QString ToolWindow::hintLine() const
{
    return m_hintLine->fileName();
}
QColor ToolWindow::entryBackground() const
{
    return m_scriptName->palette().color(QPalette::Base);
}
QColor ToolWindow::entryText() const
{
    return m_scriptName->palette().color(QPalette::Text);
}

QStringList ToolWindow::destinationEntries() const
{
    QStringList out;
    for (int i = 0; i < m_destinationList->count(); ++i)
        out << m_destinationList->itemText(i);
    return out;
}

void ToolWindow::addDestination(const QString &folder, bool select)
{
    // The list is sorted without regard to case.
    const int row = FileList::insertPosition(destinationEntries(), folder);
    m_destinationList->insertItem(row, folderIcon(), folder);
    if (select)
        m_destinationList->setCurrentIndex(row);
}

void ToolWindow::chooseDestination(const QString &folder)
{
    const int row = destinationEntries().indexOf(folder);
    if (row >= 0)
        m_destinationList->setCurrentIndex(row);
    else
        addDestination(folder, true);
}

void ToolWindow::setSingleDestination(const QString &folder)
{
    m_destinationList->clear();
    addDestination(folder, true);
}

QString ToolWindow::dropFilterMask()
{
    if (m_dropFilterList->count() == 0)
        return QStringLiteral("*.*");
    if (m_dropFilterList->currentIndex() < 0)
        m_dropFilterList->setCurrentIndex(m_dropFilterList->count() - 1);
    const QString text = m_dropFilterList->currentText();
    const int open = text.lastIndexOf(QLatin1Char('('));
    return open >= 0 ? text.mid(open) : text;
}

// Colours -------------------------------------------------------------------------------------

QColor ToolWindow::colourFrom(quint32 value, const QPalette &palette)
{
    if (value & 0x80000000u) {
        switch (value & 0xFF) {
        case 5:
            return palette.color(QPalette::Base);
        case 8:
            return palette.color(QPalette::Text);
        case 15:
            return palette.color(QPalette::Button);
        case 18:
            return palette.color(QPalette::ButtonText);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

quint32 ToolWindow::colourValue(const QColor &c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

void ToolWindow::setColours(QWidget *w, const QColor *background, const QColor *text,
                            quint32 bgValue, quint32 fgValue)
{
    if (!w)
        return;
    QPalette p = w->palette();
    if (background) {
        p.setColor(QPalette::Base, *background);
        p.setColor(QPalette::Window, *background);
        w->setProperty("colourValue", bgValue);
    }
    if (text) {
        p.setColor(QPalette::Text, *text);
        p.setColor(QPalette::WindowText, *text);
        p.setColor(QPalette::ButtonText, *text);
        w->setProperty("fontValue", fgValue);
    }
    w->setPalette(p);
    w->setAutoFillBackground(background != nullptr || w->autoFillBackground());
}

QWidget *ToolWindow::targetNamed(const QString &name) const
{
    if (name == QLatin1String("ListBox1"))
        return m_main.listView();
    return findChild<QWidget *>(name);
}

QList<QWidget *> ToolWindow::colourTargets() const
{
    QList<QWidget *> targets = {m_prefixList, m_scriptName,     m_destinationList, m_libraryName,
                                m_resName,    m_dropFilterList, m_main.listView()};
    if (m_editor)
        targets << m_editor->colourTargets();
    return targets;
}

void ToolWindow::colourButton(int which, bool rightPress)
{
    if (which <= 1 && soundsOn())
        m_s.sound.play(QStringLiteral("A1"));
    if (rightPress) {
        const QColor face = palette().color(QPalette::Button);
        if (which == 0) {
            QList<QWidget *> targets = {m_scriptName,    m_destinationList, m_prefixList,
                                        m_resName,       m_libraryName,     m_main.listView(),
                                        m_dropFilterList};
            targets << m_wizardTargets; // the setup wizard's spin edit and three fields
            for (QWidget *w : targets)
                setColours(w, &face, nullptr, 0x80000000u + 15, 0);
        } else if (which == 2) {
            setColours(m_hintLine, &face, nullptr, 0x80000000u + 15, 0);
        }
        return;
    }
    QColor initial = which == 0   ? QColor(Qt::white)
                     : which == 1 ? QColor(Qt::black)
                                  : m_lastHintColour;
    const auto chosen = m_s.prompter.chooseColour(this, initial);
    if (!chosen)
        return;
    const QColor c = *chosen;
    if (which >= 2)
        m_lastHintColour = c;
    switch (which) {
    case 0:
        for (QWidget *w : colourTargets())
            setColours(w, &c, nullptr, colourValue(c), 0);
        break;
    case 1:
        for (QWidget *w : colourTargets())
            setColours(w, nullptr, &c, 0, colourValue(c));
        break;
    case 2:
        setColours(m_hintLine, &c, nullptr, colourValue(c), 0);
        break;
    case 3:
        setColours(m_hintLine, nullptr, &c, 0, colourValue(c));
        break;
    }
}

// Field checks --------------------------------------------------------------------------------

void ToolWindow::checkScriptName()
{
    const QString text = m_scriptName->text();
    if (!text.contains(QLatin1Char(' '))) {
        // The name becomes a file in the program folder: nothing that leads elsewhere.
        const QString problem = NameChecks::fileNameProblem(text);
        if (problem.isEmpty())
            return;
        m_s.taskbar.set(QStringLiteral("Whoops!"), QStringLiteral("warning"));
        m_s.prompter.ask(this, product::titleSpacedCopyright(), problem, Box::Warning);
        m_scriptName->clear();
        m_s.taskbar.set(product::shortTitle(), QString());
        return;
    }
    m_s.taskbar.set(QStringLiteral("Whoops!"), QStringLiteral("warning"));
    m_s.sound.play(QStringLiteral("A2"));
    m_s.prompter.ask(
        this, product::titleSpacedCopyright(),
        QStringLiteral("Please do not use blank spaces while assigning script's name!"),
        Box::Warning);
    m_scriptName->clear();
    m_s.taskbar.set(product::shortTitle(), QString());
}

void ToolWindow::checkLibraryName()
{
    const QString text = m_libraryName->text();
    QString message;
    if (text.contains(QLatin1Char(' ')))
        message = QStringLiteral("Please do not use blank spaces while entering Dll's name!");
    else if (!text.isEmpty() && NameChecks::isNumericName(text))
        message = QStringLiteral(
            "Compiler cannot process numeric values, as a first character in dll's name!");
    else
        message = NameChecks::fileNameProblem(text);
    if (message.isEmpty())
        return;
    m_s.taskbar.set(QStringLiteral("Rename DLL"), QStringLiteral("warning"));
    m_s.prompter.ask(this, product::shortTitle() + QStringLiteral("..."), message, Box::Error);
    m_libraryName->clear();
    m_s.taskbar.set(product::shortTitle(), QString());
}

void ToolWindow::checkResName()
{
    if (!m_resName->text().contains(QLatin1Char(' ')))
        return;
    setEnabled(false);
    m_s.prompter.ask(nullptr, product::shortTitle() + QStringLiteral(" illegal typecast..."),
                     QStringLiteral("Please do not use blank spaces in this field!"), Box::Error);
    setEnabled(true);
    m_resName->clear();
}

// Destination list ----------------------------------------------------------------------------

void ToolWindow::destinationChosen()
{
    const QString text = destination();
    m_main.buildButton()->setToolTip(QStringLiteral("To: ") + text);
    if (m_s.platform.folderExists(m_s.platform.shortPath(text))) {
        m_destinationRoot = m_s.platform.driveRoot(text);
    } else {
        m_destinationList->removeItem(m_destinationList->currentIndex());
        m_destinationList->setCurrentIndex(m_destinationList->count() > 0 ? 0 : -1);
    }
    if (!m_destinationRoot.isEmpty())
        if (const auto free = m_s.platform.freeSpace(m_destinationRoot))
            m_diskLabel->setText(NameChecks::diskLabel(m_destinationRoot, *free, true));
    if (keyExists() && m_destinationList->count() > 20) {
        m_s.prompter.ask(
            nullptr, QStringLiteral("Bank Full..!"),
            QStringLiteral(
                "The Maximum amount of favorites have been reached....removing 1 item !"),
            Box::Warning);
        m_destinationList->removeItem(m_destinationList->currentIndex());
        m_destinationList->setCurrentIndex(0);
    }
}

void ToolWindow::browse()
{
    const QString chosen = m_s.prompter.chooseFolder(
        this, product::shortTitle() + QStringLiteral("  Browse for Folder..."), destination());
    if (chosen.isEmpty())
        return;
    addDestination(m_s.platform.shortPath(chosen), false);
    m_destinationList->setFocus();
    if (isVisible())
        m_destinationList->showPopup();
}

void ToolWindow::openDestination()
{
    const QString text = destination();
    if (text.isEmpty())
        return;
    if (m_s.platform.folderExists(text)) {
        if (!m_s.platform.openFolder(text))
            m_s.prompter.ask(Prompter::openFailure(text));
        return;
    }
    Box b;
    b.caption = product::shortTitle();
    b.icon = Box::Error;
    b.text = QStringLiteral("The directory specified : ") + text +
             QStringLiteral(" \" does not exist, or has been removed!");
    m_s.prompter.ask(b);
}

void ToolWindow::removeAll()
{
    if (m_s.prompter.ask(this, product::title(),
                         QStringLiteral("Are you sure you want to delete' all saved directories "
                                        "from the program?"),
                         Box::Warning, Box::Yes | Box::No) != Box::Yes)
        return;
    m_s.settings.removeHistory();
    m_destinationList->clear();
    m_removeAll->setEnabled(false);
    m_s.prompter.ask(Prompter::plain(
        QStringLiteral("Application needs to be restarted, for changes to take affect.")));
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
