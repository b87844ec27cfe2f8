#include "ui/stringtable/StringTableEditor.h"
#include "core/Product.h"
#include "core/StringTable.h"
#include "ui/services/Look.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

namespace tolvane {

StringTableEditor::StringTableEditor(Services &services, ToolWindow &tool, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_s(services),
      m_tool(tool)
{
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(product::titleCopyright() + QStringLiteral("  Quick Table..."));
    setFixedSize(420, 330);
    useWindowFace(this);

    auto *instructions = new QLabel(
        QStringLiteral(
            "Type each string value into the field and press Insert to add it to the list. "
            "Right-click the list to remove an entry. Press Export to save the table to "
            "disk on its own, and Done to insert the table into the next script."),
        this);
    instructions->setObjectName(QStringLiteral("Label1"));
    instructions->setWordWrap(true);
    instructions->setGeometry(10, 8, 400, 48);
    auto *fieldLabel = new QLabel(QStringLiteral("String Value:  max 255  characters"), this);
    fieldLabel->setObjectName(QStringLiteral("Label2"));
    fieldLabel->setGeometry(10, 60, 300, 16);
    m_field = new QLineEdit(QStringLiteral("Enter your text here "), this);
    m_field->setObjectName(QStringLiteral("Edit1"));
    m_field->setMaxLength(255);
    m_field->setGeometry(10, 78, 300, 22);
    auto *listLabel = new QLabel(QStringLiteral("String List..."), this);
    listLabel->setObjectName(QStringLiteral("Label3"));
    listLabel->setGeometry(10, 106, 200, 16);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setGeometry(10, 124, 300, 196);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setMouseTracking(true);
    m_list->viewport()->setMouseTracking(true);
    m_list->viewport()->installEventFilter(this);

    auto button = [this](const QString &name, const QString &text, int y) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setGeometry(320, y, 90, 26);
        b->installEventFilter(this);
        return b;
    };
    m_insert = button(QStringLiteral("Insert"), QStringLiteral("&Insert"), 76);
    m_insert->setDefault(true);
    m_insert->setEnabled(false);
    m_addS = button(QStringLiteral("AddS"), QStringLiteral("Add (%S)"), 124);
    m_addD = button(QStringLiteral("AddD"), QStringLiteral("Add (%D)"), 154);
    m_done = button(QStringLiteral("Done"), QStringLiteral("D&one"), 200);
    m_done->setEnabled(false);
    m_export = button(QStringLiteral("Export"), QStringLiteral("&Export.."), 230);
    m_export->setEnabled(false);
    m_cancel = button(QStringLiteral("Cancel"), QStringLiteral("&Cancel"), 294);
    m_insert->setToolTip(QStringLiteral("After entering text in the string value field, "
                                        "press\nhere to insert the text into the String List box"));
    m_insert->setToolTipDuration(20000);
    m_addS->setToolTip(QStringLiteral("Inserts a string placeholder"));
    m_addS->setToolTipDuration(20000);
    m_addD->setToolTip(QStringLiteral("Inserts a decimal placeholder"));
    m_addD->setToolTipDuration(20000);
    m_cancel->setToolTipDuration(20000);

    m_menu = new QMenu(this);
    m_remove = m_menu->addAction(QStringLiteral("&Remove"));
    m_remove->setObjectName(QStringLiteral("Remove"));
    m_remove->setEnabled(false);

    connect(m_field, &QLineEdit::textChanged, this, &StringTableEditor::checkField);
    connect(m_field, &QLineEdit::returnPressed, this, [this] {
        if (m_insert->isEnabled())
            insert();
    });
    connect(m_insert, &QPushButton::clicked, this, &StringTableEditor::insert);
    connect(m_addS, &QPushButton::clicked, this, [this] { addPlaceholder(QStringLiteral("%s")); });
    connect(m_addD, &QPushButton::clicked, this, [this] { addPlaceholder(QStringLiteral("%d")); });
    connect(m_done, &QPushButton::clicked, this, &StringTableEditor::done);
    connect(m_cancel, &QPushButton::clicked, this, &StringTableEditor::cancel);
    connect(m_export, &QPushButton::clicked, this, &StringTableEditor::exportTable);
    connect(m_remove, &QAction::triggered, this, &StringTableEditor::removeFocused);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        updateRemove();
        m_menu->popup(m_list->viewport()->mapToGlobal(pos));
    });
    updateHints();
}

void StringTableEditor::start()
{
    if (!m_s.settings.settingsKeyExists())
        return;
    quint32 background = 0, text = 0;
    QString error;
    if (!m_s.settings.readColour(QStringLiteral("Color"), background, &error) ||
        !m_s.settings.readColour(QStringLiteral("Font"), text, &error)) {
        m_s.prompter.ask(nullptr, product::title(), error, Box::Error);
        return;
    }
    for (QWidget *w : colourTargets()) {
        QPalette p = w->palette();
        p.setColor(QPalette::Base, ToolWindow::colourFrom(background, p));
        p.setColor(QPalette::Text, ToolWindow::colourFrom(text, p));
        w->setPalette(p);
    }
}

QList<QWidget *> StringTableEditor::colourTargets() const
{
    return {m_list, m_field};
}

void StringTableEditor::open()
{
    if (m_s.strings.isEmpty())
        m_done->setEnabled(false);
    updateHints();
    show();
    raise();
    activateWindow();
}

void StringTableEditor::tableClearedOutside()
{
    m_s.strings.clear();
    m_list->clear();
    m_export->setEnabled(false);
    updateHints();
}

void StringTableEditor::checkField(const QString &text)
{
    QString message;
    Box box;
    if (text == QLatin1String("!")) {
        box = Prompter::plain(QStringLiteral(
            "Exclamation marks not allowed as the first character for string values !"));
    } else if (text == QLatin1String(",")) {
        box = Prompter::plain(
            QStringLiteral("Comma's are not allowed as the first character for string values !"));
    } else {
        static const QString refused = QStringLiteral("\"#\\/{}~^*[]|+<>:@");
        for (QChar c : text)
            if (refused.contains(c)) {
                box.caption = QStringLiteral("Whoops!");
                box.text =
                    QStringLiteral("Invalid typecast or illegal character. Please try again!");
                box.icon = Box::Warning;
                break;
            }
    }
    if (!box.text.isEmpty()) {
        box.owner = this;
        m_s.prompter.ask(box);
        m_field->clear(); // runs the check again on the empty text
        return;
    }
    m_insert->setEnabled(!m_field->text().isEmpty());
}

void StringTableEditor::insert()
{
    const QString value = m_field->text();
    if (value.isEmpty())
        return;
    const int number = m_s.strings.insert(value);
    m_list->addItem(StringTable::line({number, value}));
    m_field->clear();
    m_done->setEnabled(true);
    m_export->setEnabled(true);
    updateHints();
}

void StringTableEditor::addPlaceholder(const QString &placeholder)
{
    if (m_field->text().isEmpty())
        return;
    m_field->setText(m_field->text() + QLatin1Char(' ') + placeholder + QLatin1Char(' '));
}

void StringTableEditor::done()
{
    hide();
}

void StringTableEditor::cancel()
{
    m_done->setEnabled(false);
    m_export->setEnabled(false);
    m_remove->setEnabled(false);
    m_s.strings.clear();
    m_list->clear();
    updateHints();
    hide();
}

void StringTableEditor::updateRemove()
{
    m_remove->setEnabled(!m_list->selectedItems().isEmpty());
}

void StringTableEditor::removeFocused()
{
    if (m_s.strings.isEmpty())
        return;
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_s.strings.count())
        return;
    m_s.strings.removeAt(row);
    delete m_list->takeItem(row);
    const bool any = !m_s.strings.isEmpty();
    m_done->setEnabled(any);
    m_export->setEnabled(any);
    updateHints();
}

void StringTableEditor::exportTable()
{
    const QString destination = m_tool.destination();
    const auto name =
        m_s.prompter.inputText(this, QStringLiteral("Enter a name for string table..."),
                               QStringLiteral("Saving To: ") + destination, QString());
    if (!name || name->isEmpty())
        return;
    const QString path = StringTable::exportPath(destination, *name);
    if (QFileInfo::exists(path)) {
        Box b = Prompter::dialog(Box::Warning,
                                 QStringLiteral("Overwrite file: ") + *name + QLatin1Char('?'),
                                 Box::Yes | Box::No);
        b.owner = this;
        if (m_s.prompter.ask(b) != Box::Yes)
            return;
    }
    const WriteResult result = m_s.strings.exportTo(m_s.platform, path);
    if (!result) {
        m_s.prompter.ask(this, product::title(), result.error, Box::Error);
    }
}

void StringTableEditor::updateHints()
{
    const bool empty = m_s.strings.isEmpty();
    m_cancel->setToolTip(empty ? QStringLiteral("...Close this Window...")
                               : QStringLiteral("Clear \"String list\" and close?"));
    if (!empty) {
        m_export->setToolTip(QStringLiteral("Press here to save table to: ") +
                             m_tool.destination());
        m_export->setToolTipDuration(6000);
        m_done->setToolTip(QStringLiteral("Press here to insert string list data into script"));
        m_done->setToolTipDuration(6000);
    }
}

bool StringTableEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseMove)
        updateRemove();
    if (event->type() == QEvent::Enter &&
        (watched == m_export || watched == m_cancel || watched == m_done))
        updateHints();
    return QWidget::eventFilter(watched, event);
}

} // namespace tolvane
