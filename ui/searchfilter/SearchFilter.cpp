#include "ui/searchfilter/SearchFilter.h"
#include "core/FileList.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/services/ClipPlayer.h"
#include "ui/services/Look.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tolvane {

SearchFilter::SearchFilter(MainWindow &main, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_main(main)
{
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("Search file filter..."));
    setFixedSize(300, 110);
    useWindowFace(this);
    auto *label = new QLabel(
        QStringLiteral("Enter the 3 letter file extension and press the \"Ok\" button."), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    label->setGeometry(10, 6, 280, 32);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setMaxLength(4);
    m_edit->setGeometry(10, 44, 80, 22);
    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_ok->setDefault(true);
    m_ok->setEnabled(false);
    m_ok->setGeometry(120, 76, 80, 26);
    m_close = new QPushButton(QStringLiteral("&Close"), this);
    m_close->setObjectName(QStringLiteral("Button2"));
    m_close->setGeometry(210, 76, 80, 26);
    m_animation = new ClipPlayer(QStringLiteral("A4"), this);
    m_animation->setGeometry(100, 42, 190, 28);
    m_animation->hide();
    connect(m_edit, &QLineEdit::textEdited, this, [this](const QString &text) {
        const int cursor = m_edit->cursorPosition();
        m_edit->setText(text.toUpper());
        m_edit->setCursorPosition(cursor);
    });
    connect(m_edit, &QLineEdit::textChanged, this,
            [this] { m_ok->setEnabled(m_edit->text().size() > 2); });
    connect(m_edit, &QLineEdit::returnPressed, this, [this] {
        if (m_ok->isEnabled())
            accept();
    });
    connect(m_ok, &QPushButton::clicked, this, &SearchFilter::accept);
    connect(m_close, &QPushButton::clicked, this, &SearchFilter::closeFilter);
}

void SearchFilter::openAt(const QPoint &topLeft)
{
    m_edit->clear();
    move(topLeft);
    show();
    raise();
    activateWindow();
}

void SearchFilter::accept()
{
    m_animation->show();
    const QString ext = m_edit->text().toUpper();
    QList<int> rows;
    const QStringList &paths = m_main.list().paths();
    for (int i = 0; i < paths.size(); ++i)
        if (FileList::hasExtension(paths.at(i), ext))
            rows << i;
    m_main.selectRows(rows);
    m_animation->hide();
    m_main.updateResNameVisibility();
    hide();
}

void SearchFilter::closeFilter()
{
    m_edit->clear();
    hide();
}

} // namespace tolvane
