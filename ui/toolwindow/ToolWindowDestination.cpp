// The destination list, its history entries, the browse button and "Remove All"; the drop
// filter's mask.
#include "core/FileList.h"
#include "core/NameChecks.h"
#include "core/Product.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QAction>
#include <QComboBox>
#include <QFileIconProvider>
#include <QLabel>

namespace tolvane {

// The icon of the entry's own path: a drive, a folder, or a path that is no folder (gone).
QIcon ToolWindow::destinationIcon(const QString &path) const
{
    static QFileIconProvider icons;
    if (!path.isEmpty() && Platform::folderWithSeparator(m_s.platform.driveRoot(path)) ==
                               Platform::folderWithSeparator(path))
        return icons.icon(QFileIconProvider::Drive);
    if (m_s.platform.folderExists(path))
        return icons.icon(QFileIconProvider::Folder);
    return icons.icon(QFileIconProvider::File);
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
    m_destinationList->insertItem(row, destinationIcon(folder), folder);
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

void ToolWindow::destinationChosen()
{
    const QString text = destination();
    m_main.setBuildTarget(text);
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
    FolderRequest request;
    request.owner = this;
    request.caption = product::shortTitle() + QStringLiteral("  Browse for Folder...");
    request.prompt = QStringLiteral("Pick a target folder:");
    request.start = destination();
    const QString chosen = m_s.prompter.chooseFolder(request);
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

} // namespace tolvane
