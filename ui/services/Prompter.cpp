#include "ui/services/Prompter.h"
#include "core/FilterTexts.h"
#include "ui/services/Look.h"
#include "ui/services/TaskbarIdentity.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tolvane {

namespace {

// A message box sizes itself to its text: a short text under a long caption would cut the
// caption in the title bar. A spacer across its grid keeps it as wide as its title.
void widenForTitle(QMessageBox &m, const QString &caption)
{
    if (auto *grid = qobject_cast<QGridLayout *>(m.layout()))
        grid->addItem(
            new QSpacerItem(titleBarWidth(caption), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
            grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

Box Prompter::dialog(Box::Icon icon, const QString &text, int buttons)
{
    Box b;
    b.icon = icon;
    b.text = text;
    b.buttons = buttons;
    switch (icon) {
    case Box::Warning:
        b.caption = QStringLiteral("Warning");
        break;
    case Box::Error:
        b.caption = QStringLiteral("Error");
        break;
    case Box::Information:
        b.caption = QStringLiteral("Information");
        break;
    default:
        b.caption = QStringLiteral("Confirm");
        break;
    }
    return b;
}

Box::Button Prompter::ask(QWidget *owner, const QString &caption, const QString &text,
                          Box::Icon icon, int buttons)
{
    Box b;
    b.owner = owner;
    b.caption = caption;
    b.text = text;
    b.icon = icon;
    b.buttons = buttons;
    return ask(b);
}

Box Prompter::plain(const QString &text)
{
    Box b;
    b.caption = TaskbarIdentity::currentTitle();
    b.text = text;
    return b;
}

Box Prompter::openFailure(const QString &path)
{
    Box b;
    b.caption = QStringLiteral("Failed to Execute...");
    b.icon = Box::Error;
    // The path as it is: on this file system another case is another file.
    b.text = QStringLiteral("Could not open file : ") + path + QLatin1Char(' ');
    return b;
}

Box::Button WidgetPrompter::ask(const Box &box)
{
    QMessageBox m(box.owner ? box.owner->window() : nullptr);
    // A box without an owner must not open behind a window that stays on top (the setup
    // wizard), where nobody could see or click it.
    if (!box.owner)
        m.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    m.setWindowTitle(box.caption);
    QString text = box.text;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m.setText(text);
    switch (box.icon) {
    case Box::Information:
        m.setIcon(QMessageBox::Information);
        break;
    case Box::Warning:
        m.setIcon(QMessageBox::Warning);
        break;
    case Box::Error:
        m.setIcon(QMessageBox::Critical);
        break;
    case Box::Question:
        m.setIcon(QMessageBox::Question);
        break;
    default:
        break;
    }
    QList<QPair<QAbstractButton *, Box::Button>> buttons;
    auto add = [&](Box::Button b, const QString &label, QMessageBox::ButtonRole role) {
        if (box.buttons & b)
            buttons << qMakePair(static_cast<QAbstractButton *>(m.addButton(label, role)), b);
    };
    add(Box::Ok, QStringLiteral("OK"), QMessageBox::AcceptRole);
    add(Box::Yes, QStringLiteral("&Yes"), QMessageBox::YesRole);
    add(Box::No, QStringLiteral("&No"), QMessageBox::NoRole);
    add(Box::Abort, QStringLiteral("&Abort"), QMessageBox::RejectRole);
    add(Box::Cancel, QStringLiteral("Cancel"), QMessageBox::RejectRole);
    widenForTitle(m, box.caption);
    if (!box.position.isNull())
        m.move(box.position);
    m.exec();
    for (const auto &pair : buttons)
        if (m.clickedButton() == pair.first)
            return pair.second;
    // Closed without a button: the last, most cautious answer.
    return buttons.isEmpty() ? Box::Ok : buttons.last().second;
}

QStringList WidgetPrompter::dialogFilters(const OpenFilesRequest &r)
{
    return r.filter.isEmpty() ? r.filters : filtertexts::dialogFilters(r.filter);
}

void WidgetPrompter::prepare(QFileDialog &d, const OpenFilesRequest &r)
{
    const QStringList filters = dialogFilters(r);
    d.setWindowTitle(r.title);
    d.setDirectory(r.folder);
    d.setFileMode(r.multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    // A stored filter's names say what they hold; the patterns behind them stay out of sight.
    d.setOption(QFileDialog::HideNameFilterDetails, !r.filter.isEmpty());
    d.setNameFilters(filters);
    if (r.filterIndex >= 1 && r.filterIndex <= filters.size())
        d.selectNameFilter(filters.at(r.filterIndex - 1));
    if (!r.fileName.isEmpty())
        d.selectFile(r.fileName);
}

OpenFilesResult WidgetPrompter::openFiles(const OpenFilesRequest &r)
{
    QFileDialog d(r.owner);
    prepare(d, r);
    const QStringList filters = dialogFilters(r);
    QObject::connect(&d, &QFileDialog::filterSelected, &d, [&](const QString &filter) {
        if (r.typeChanged)
            r.typeChanged(int(filters.indexOf(filter)) + 1);
    });
    QObject::connect(&d, &QFileDialog::directoryEntered, &d, [&](const QString &folder) {
        if (r.folderChanged)
            r.folderChanged(folder);
    });
    OpenFilesResult result;
    result.accepted = d.exec() == QDialog::Accepted;
    result.files = result.accepted ? d.selectedFiles() : QStringList();
    result.filterIndex = int(filters.indexOf(d.selectedNameFilter())) + 1;
    return result;
}

std::optional<QString> WidgetPrompter::saveFile(const SaveFileRequest &r)
{
    QFileDialog d(r.owner, r.title, r.folder);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setNameFilters(r.filters);
    if (!r.fileName.isEmpty())
        d.selectFile(r.fileName);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return std::nullopt;
    return d.selectedFiles().first();
}

QString WidgetPrompter::chooseFolder(QWidget *owner, const QString &title, const QString &start)
{
    return QFileDialog::getExistingDirectory(owner, title, start);
}

QString WidgetPrompter::chooseFolder(const FolderRequest &r)
{
    QFileDialog d(r.owner, r.caption, r.start);
    d.setFileMode(QFileDialog::Directory);
    d.setOption(QFileDialog::ShowDirsOnly, true);
    // Our own dialog: a native one has no place for the prompt.
    d.setOption(QFileDialog::DontUseNativeDialog, true);
    if (!r.prompt.isEmpty()) {
        d.setLabelText(QFileDialog::LookIn, r.prompt);
        d.setLabelText(QFileDialog::FileName, r.prompt);
    }
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return QString();
    return d.selectedFiles().first();
}

std::optional<QColor> WidgetPrompter::chooseColour(QWidget *owner, const QColor &initial)
{
    const QColor c = QColorDialog::getColor(initial, owner);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<QString> WidgetPrompter::inputText(QWidget *owner, const QString &caption,
                                                 const QString &prompt, const QString &initial)
{
    QInputDialog d(owner);
    d.setWindowTitle(caption);
    d.setLabelText(prompt);
    d.setTextValue(initial);
    // Wide enough for its caption in the title bar, beside the title bar's buttons. Its layout,
    // made when its size is first asked, sets the dialog's least size from its items, so the
    // width goes in as one of them.
    d.minimumSizeHint();
    if (QLayout *layout = d.layout())
        layout->addItem(
            new QSpacerItem(titleBarWidth(caption), 0, QSizePolicy::Minimum, QSizePolicy::Fixed));
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.textValue();
}

} // namespace tolvane
