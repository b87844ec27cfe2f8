#include "ui/mainwindow/MainWindow.h"
#include "core/FileList.h"
#include "core/FilterTexts.h"
#include "core/MainHints.h"
#include "core/Product.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/services/Look.h"
#include "ui/services/MessagePresenter.h"
#include "ui/services/Placement.h"
#include "ui/services/SettingsBinder.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>

namespace tolvane {

MainWindow::MainWindow(Services &services, QWidget *parent) : QWidget(parent), m_s(services)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(product::title());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(479, 312);
    move(191, 136);
    useWindowFace(this);
    setMouseTracking(true);
    buildLayout();
    buildMenu();
    buildProjectParts();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectWindows(ToolWindow *tool, QWidget *setup, StringTableEditor *editor,
                                SearchFilter *filter)
{
    m_tool = tool;
    m_setup = setup;
    m_editor = editor;
    m_filter = filter;
}

void MainWindow::start()
{
    m_highColour = m_s.platform.colourDepth() > 15;
    if (!m_highColour) {
        for (QLabel *l : {m_recurseOffLamp, m_recurseOnLamp, m_executeOffLamp, m_executeOnLamp})
            l->hide();
    }
    m_tempFolder->setText(m_s.platform.tempFolder());
    setWindowTitle(product::title());
    m_s.taskbar.setIcon(QStringLiteral("logo"));
    setAcceptDrops(true);
    if (!m_s.settings.settingsKeyExists()) {
        setHeaderText(0, filtertexts::addDialogFilter());
        // Nothing works before setup has run: say where it starts.
        setHint(firstRunText());
        if (QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
        return;
    }
    const QString error = m_s.settings.load(sequences::mainWindowLoad(), *this);
    keepTitleOnScreen(*this);
    if (!error.isEmpty())
        m_s.prompter.ask(nullptr, m_s.taskbar.applicationTitle(), error, Box::Error);
}

SettingsBinder MainWindow::binder() const
{
    // Only this window's own controls: the tool window gives its values itself.
    return SettingsBinder({this});
}

void MainWindow::apply(const SequenceItem &item, const QVariant &value)
{
    if (item.key == Setting::FilterType) {
        m_filterTypeEmpty = value.toString().isEmpty();
        setHeaderText(0, filtertexts::dropFilterHeader(value.toString()));
    } else
        binder().write(item.key, value);
}

QVariant MainWindow::current(const SequenceItem &item) const
{
    switch (item.key) {
    case Setting::ToolLeft:
        return m_tool ? QVariant(m_tool->x()) : QVariant();
    case Setting::ToolTop:
        return m_tool ? QVariant(m_tool->y()) : QVariant();
    default:
        return binder().read(item.key);
    }
}

void MainWindow::mirror(Setting key, const QString &text)
{
    if (!m_s.settings.settingsKeyExists())
        return;
    if (!m_s.settings.writeMirror(key, text))
        m_s.prompter.ask(Prompter::dialog(Box::Error,
                                          QStringLiteral("Could not save ") + text +
                                              QStringLiteral(" to regfile file..!"),
                                          Box::Ok));
}

QString MainWindow::compiler1() const
{
    return m_resourceCompilerPath->text();
}

QString MainWindow::compiler2() const
{
    return m_libraryCompilerPath->text();
}

QString MainWindow::programFolder() const
{
    return m_programFolder->text();
}

QString MainWindow::recentAddFolder() const
{
    return m_recentAddFolder->text();
}

QString MainWindow::recentProjectFolder() const
{
    return m_recentProjectFolder->text();
}

void MainWindow::setRecentAddFolder(const QString &folder)
{
    m_recentAddFolder->setText(folder);
}

void MainWindow::setRecentProjectFolder(const QString &folder)
{
    m_recentProjectFolder->setText(folder);
}

QString MainWindow::tempFolder() const
{
    return m_tempFolder->text();
}

QString MainWindow::counter() const
{
    return m_listCounter->text();
}

QString MainWindow::statusText() const
{
    return m_statusLine->property("raw").toString();
}

QString MainWindow::manualPath() const
{
    return Platform::folderWithSeparator(programFolder()) + QStringLiteral("Tolvane.pdf");
}

QString MainWindow::headerText(int section) const
{
    return m_headerModel->headerData(section, Qt::Horizontal).toString();
}

void MainWindow::setHeaderText(int section, const QString &text)
{
    m_headerModel->setHeaderData(section, Qt::Horizontal, text);
}

void MainWindow::setExecuteLamp(bool on)
{
    m_executeOnLamp->setVisible(on && m_highColour);
}

void MainWindow::setRecurseLamp(bool on)
{
    if (!m_highColour)
        return;
    m_recurseOnLamp->setVisible(on);
}

bool MainWindow::hintsOn() const
{
    return m_tool && m_tool->hintsOn();
}

void MainWindow::playClick()
{
    if (m_tool && m_tool->soundsOn())
        m_s.sound.play(QStringLiteral("A1"));
}

QString MainWindow::firstRunText()
{
    return mainhints::firstRunText();
}

void MainWindow::showBuildMode(bool scriptsOnly)
{
    m_buildButton->setText(scriptsOnly ? QStringLiteral("&Build...")
                                       : QStringLiteral("&Build All..."));
}

void MainWindow::setBuildTarget(const QString &destination)
{
    m_buildButton->setToolTip(QStringLiteral("To: ") + destination);
}

void MainWindow::setListColours(const QColor *background, const QColor *text)
{
    paintEntry(m_list, background, text);
    paintEntry(m_list->viewport(), background, text);
}

void MainWindow::showDropFilter(int position, const QString &mask)
{
    m_addFilterIndex = position + 1;
    m_filterTypeEmpty = false;
    setHeaderText(0, filtertexts::dropFilterHeader(mask));
}

void MainWindow::fillEmptyFilter(const QString &mask)
{
    if (m_filterTypeEmpty)
        setHeaderText(0, filtertexts::storedFilterHeader(QString(), mask));
    m_filterTypeEmpty = false;
}

void MainWindow::setStatusLineVisible(bool visible)
{
    m_statusLine->setVisible(visible);
}

MessagePresenter MainWindow::messages() const
{
    return MessagePresenter(m_s.prompter, {const_cast<MainWindow *>(this), m_list, m_tool});
}

} // namespace tolvane
