// How the main window is laid out: its controls, their places and their connections.
#include "ui/services/ClipPlayer.h"
#include "core/FileList.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/searchfilter/SearchFilter.h"
#include "core/StringTable.h"
#include "ui/widgets/TFileLabel.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QToolButton>

namespace tolvane {

namespace {
// Rows of 16 pixels: the file's icon at 2, its text at 22.
class RowDelegate : public QStyledItemDelegate
{
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return {200, 16};
    }
    void paint(QPainter *p, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette &pal = option.palette;
        p->fillRect(option.rect, selected ? pal.highlight() : pal.base());
        const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
        icon.paint(p, QRect(option.rect.left() + 2, option.rect.top(), 16, 16));
        p->setPen(selected ? pal.highlightedText().color() : pal.text().color());
        p->setFont(option.font);
        p->drawText(option.rect.adjusted(22, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                    index.data(Qt::DisplayRole).toString());
        if (option.state & QStyle::State_HasFocus) {
            QPen pen(pal.text().color(), 1, Qt::DotLine);
            p->setPen(pen);
            p->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
    }
};

QLabel *lamp(QWidget *parent, const QString &name, const QColor &colour, const QString &tip)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setFixedSize(16, 16);
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    QRadialGradient g(6, 6, 9);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, colour);
    p.setBrush(g);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.end();
    l->setPixmap(pm);
    l->setToolTip(tip);
    return l;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption,
                    const QRect &geometry, bool enabled = true)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    b->setEnabled(enabled);
    return b;
}

QLineEdit *holder(QWidget *parent, const QString &name)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->hide();
    return e;
}

QLabel *hiddenLabel(QWidget *parent, const QString &name, const QString &text = QString())
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->hide();
    return l;
}

} // namespace

void MainWindow::buildLayout()
{
    m_msg = new QLabel(this);
    m_msg->setObjectName(QStringLiteral("MSG"));
    m_msg->setGeometry(8, 4, 325, 53);
    m_msg->setWordWrap(true);
    m_msg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_msg->setFont(QFont(QStringLiteral("Tahoma"), 7));

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Logo"));
    logo->setPixmap(TaskbarIdentity::icon(QStringLiteral("logo")).pixmap(32, 32));
    logo->setGeometry(439, 8, 32, 32);
    auto *logo1 = new QLabel(QStringLiteral("Tolvane"), this);
    logo1->setObjectName(QStringLiteral("Logo1"));
    logo1->setGeometry(340, 14, 96, 24);
    QFont logoFont(QStringLiteral("Tahoma"), 14, QFont::Bold);
    logo1->setFont(logoFont);
    logo1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The logo label is drawn in the button face colour, so it shows as a relief only.
    QPalette lp = logo1->palette();
    lp.setColor(QPalette::WindowText, palette().color(QPalette::Button).darker(112));
    logo1->setPalette(lp);
    auto *mx = new QLabel(QStringLiteral("Main Window"), this);
    mx->setObjectName(QStringLiteral("Mx"));
    mx->setEnabled(false);
    mx->setGeometry(340, 40, 96, 14);
    mx->setAlignment(Qt::AlignRight);
    QPalette mp = mx->palette();
    mp.setColor(QPalette::Disabled, QPalette::WindowText, palette().color(QPalette::Button));
    mx->setPalette(mp);

    m_p3 = new QLabel(QStringLiteral("File list:"), this);
    m_p3->setObjectName(QStringLiteral("P3"));
    m_p3->setGeometry(8, 60, 70, 18);
    m_label1 = new TFileLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(80, 60, 190, 18);
    m_label2 = new TFileLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setGeometry(272, 60, 199, 18);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("Bar1"));
    m_bar->setGeometry(8, 60, 463, 16);
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);
    m_bar->hide();

    m_headerModel = new QStandardItemModel(0, 2, this);
    m_header = new QHeaderView(Qt::Horizontal, this);
    m_header->setObjectName(QStringLiteral("HC"));
    m_header->setModel(m_headerModel);
    m_header->setGeometry(8, 80, 463, 20);
    m_header->setSectionsClickable(true);
    m_header->setHighlightSections(true);
    m_header->setMaximumSectionSize(1000);
    m_header->resizeSection(0, 95);
    m_header->resizeSection(1, 1000);
    m_header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_header->setMouseTracking(true);
    setHeaderText(0, FileList::dots(11));
    setHeaderText(1, FileList::dots(39));
    connect(m_header, &QHeaderView::sectionClicked, this, [this] {
        setHeaderText(1, FileList::countsBanner(m_model->count(), selectedCount()));
    });

    m_model = new FileListModel(this);
    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setModel(m_model);
    m_list->setItemDelegate(new RowDelegate(m_list));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setUniformItemSizes(true);
    m_list->setGeometry(8, 100, 463, 146);
    m_list->setFont(QFont(QStringLiteral("Verdana"), 9));
    m_list->setMouseTracking(true);
    m_list->viewport()->setMouseTracking(true);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette listPalette = m_list->palette();
    listPalette.setColor(QPalette::Base, Qt::white);
    m_list->setPalette(listPalette);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &MainWindow::refreshListState);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &MainWindow::refreshListState);
    connect(m_model, &QAbstractItemModel::modelReset, this, &MainWindow::refreshListState);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::refreshListState);
    connect(m_list, &QListView::clicked, this, &MainWindow::listClicked);
    m_list->viewport()->installEventFilter(this);

    m_panel4 = new QFrame(this);
    m_panel4->setObjectName(QStringLiteral("Panel4"));
    m_panel4->setFrameShape(QFrame::Box);
    m_panel4->setGeometry(8, 226, 463, 20);
    m_panel4->setAutoFillBackground(true);
    QPalette bp = m_panel4->palette();
    bp.setColor(QPalette::Window, QColor(255, 250, 205));
    m_panel4->setPalette(bp);
    auto *warnIcon = new QLabel(m_panel4);
    warnIcon->setPixmap(TaskbarIdentity::icon(QStringLiteral("warning")).pixmap(16, 16));
    warnIcon->setGeometry(4, 2, 16, 16);
    auto *warnText = new QLabel(
        QStringLiteral("        String Table constants conflict with ResId setting!"), m_panel4);
    warnText->setObjectName(QStringLiteral("Panel4Text"));
    warnText->setGeometry(20, 1, 440, 18);
    m_panel4->hide();

    m_panel2 = new QFrame(this);
    m_panel2->setObjectName(QStringLiteral("Panel2"));
    m_panel2->setFrameShape(QFrame::Panel);
    m_panel2->setGeometry(60, 130, 360, 60);
    m_panel2->setAutoFillBackground(true);
    auto *static6 = new TFileLabel(m_panel2);
    static6->setObjectName(QStringLiteral("StaticText6"));
    static6->setGeometry(8, 36, 344, 18);
    m_panel2->hide();
    m_panel3 = new QFrame(this);
    m_panel3->setObjectName(QStringLiteral("Panel3"));
    m_panel3->setFrameShape(QFrame::Panel);
    m_panel3->setGeometry(60, 130, 360, 60);
    m_panel3->setAutoFillBackground(true);
    m_reel = new ClipPlayer(QStringLiteral("X2"), m_panel3);
    m_reel->setGeometry(-6 + 8, 2, 40, 40);
    auto *fl1 = new TFileLabel(m_panel3);
    fl1->setObjectName(QStringLiteral("FileLabel1"));
    fl1->setGeometry(50, 8, 300, 18);
    auto *fl2 = new TFileLabel(m_panel3);
    fl2->setObjectName(QStringLiteral("FileLabel2"));
    fl2->setGeometry(50, 30, 300, 18);
    m_panel3->hide();

    const int row1 = 250, row2 = 282, w = 88, h = 26;
    m_selectAll =
        button(this, QStringLiteral("SP1"), QStringLiteral("Select &All"), {8, row1, w, h}, false);
    m_invert = button(this, QStringLiteral("SP2"), QStringLiteral("In&vert Selection"),
                      {100, row1, w + 4, h}, false);
    m_del = button(this, QStringLiteral("DEL"), QStringLiteral("Clear It&em(s)"), {196, row1, w, h},
                   false);
    m_clearAll = button(this, QStringLiteral("Button4"), QStringLiteral("&Clear All"),
                        {288, row1, w, h}, false);
    m_save = button(this, QStringLiteral("Save1"), QStringLiteral("Save &List..."),
                    {383, row1, w, h}, false);
    m_sx2 = new QToolButton(this);
    m_sx2->setObjectName(QStringLiteral("SX2"));
    m_sx2->setText(QStringLiteral("\u2315"));
    m_sx2->setToolTip(QStringLiteral(" File-List filter...  "));
    m_sx2->setGeometry(60, row2 + 1, 24, 24);
    m_sx2->setEnabled(false);
    m_tools =
        button(this, QStringLiteral("Sp4"), QStringLiteral("&Tools..."), {100, row2, w + 4, h});
    m_paths =
        button(this, QStringLiteral("Button1"), QStringLiteral("&Paths..."), {196, row2, w, h});
    m_build = button(this, QStringLiteral("Button2"), QStringLiteral("&Build..."),
                     {288, row2, w, h}, false);
    m_exit = button(this, QStringLiteral("Button3"), QStringLiteral("E&xit"), {383, row2, w, h});
    m_exit->setToolTip(QStringLiteral("--Go home--"));
    m_paths->setContextMenuPolicy(Qt::CustomContextMenu);

    m_clr = lamp(this, QStringLiteral("CLR"), QColor(235, 235, 235),
                 QStringLiteral("Execute-on-Load (Off)"));
    m_grn = lamp(this, QStringLiteral("GRN"), QColor(40, 200, 60),
                 QStringLiteral("Execute on-Load (On)"));
    m_image4 = lamp(this, QStringLiteral("Image4"), QColor(235, 235, 235),
                    QStringLiteral("Folder Recursing (Off)"));
    m_yel = lamp(this, QStringLiteral("YEL"), QColor(250, 210, 40),
                 QStringLiteral("Folder Recursing (On)"));
    m_clr->move(17, 276 + 10);
    m_grn->move(17, 276 + 10);
    m_image4->move(37, 276 + 10);
    m_yel->move(37, 276 + 10);
    m_grn->hide();
    m_yel->hide();

    m_edit1 = holder(this, QStringLiteral("Edit1"));
    m_edit2 = holder(this, QStringLiteral("Edit2"));
    m_edit3 = holder(this, QStringLiteral("Edit3"));
    m_edit4 = holder(this, QStringLiteral("Edit4"));
    m_edit5 = holder(this, QStringLiteral("Edit5"));
    m_label4 = hiddenLabel(this, QStringLiteral("Label4"));
    m_fc = hiddenLabel(this, QStringLiteral("Fc"), QStringLiteral("0"));
    m_static2 = hiddenLabel(this, QStringLiteral("StaticText2"));
    m_static3 = hiddenLabel(this, QStringLiteral("StaticText3"));
    m_static4 = hiddenLabel(this, QStringLiteral("StaticText4"));
    m_static5 = hiddenLabel(this, QStringLiteral("StaticText5"));
    connect(m_edit4, &QLineEdit::textChanged, this,
            [this](const QString &t) { mirror(QStringLiteral("TempDir1"), t); });
    connect(m_edit5, &QLineEdit::textChanged, this,
            [this](const QString &t) { mirror(QStringLiteral("TempDir2"), t); });

    connect(m_selectAll, &QPushButton::clicked, this, &MainWindow::selectAll);
    connect(m_invert, &QPushButton::clicked, this, &MainWindow::invertSelection);
    connect(m_del, &QPushButton::clicked, this, &MainWindow::clearItems);
    connect(m_clearAll, &QPushButton::clicked, this, &MainWindow::clearAll);
    connect(m_tools, &QPushButton::clicked, this, &MainWindow::showTools);
    connect(m_paths, &QPushButton::clicked, this, &MainWindow::openPaths);
    connect(m_paths, &QWidget::customContextMenuRequested, this, [this] {
        if (m_tool && m_tool->destination().isEmpty()) {
            Box b;
            b.owner = this;
            b.caption = QStringLiteral("Tolvane v3.06b \u00a9");
            b.text =
                QStringLiteral("Cannot open destination directory' check Tool Window settings.");
            b.icon = Box::Error;
            m_s.prompter.ask(b);
        }
    });
    connect(m_exit, &QPushButton::clicked, this, &MainWindow::exitProgram);
    connect(m_build, &QPushButton::clicked, this, &MainWindow::build);
    connect(m_sx2, &QToolButton::clicked, this, &MainWindow::openSearchFilter);

    for (QWidget *w :
         std::initializer_list<QWidget *>{m_selectAll, m_invert, m_del, m_clearAll, m_save, m_tools,
                                          m_paths, m_build, m_clr, m_grn, m_yel, m_list, m_exit})
        w->installEventFilter(this);
    m_list->viewport()->setAttribute(Qt::WA_Hover);
}

void MainWindow::buildMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("PM1"));
    auto add = [this](const QString &name, const QString &text, const QKeySequence &key) {
        QAction *a = m_menu->addAction(text);
        a->setObjectName(name);
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
        return a;
    };
    m_load1 = add(QStringLiteral("Load1"), QStringLiteral("&Add Files..."),
                  QKeySequence(QStringLiteral("Ctrl+A")));
    m_menu->setDefaultAction(m_load1);
    m_load2 = add(QStringLiteral("Load2"), QStringLiteral("&Load Projects Files..."),
                  QKeySequence(QStringLiteral("Ctrl+L")));
    m_menu->addSeparator();
    m_explorer = add(QStringLiteral("Explorer1"), QStringLiteral("Open &Explorer"),
                     QKeySequence(QStringLiteral("Ctrl+E")));
    m_menu->addSeparator();
    m_prop = add(QStringLiteral("Prop1"), QStringLiteral("P&roperties"),
                 QKeySequence(QStringLiteral("Ctrl+R")));
    m_prop->setEnabled(false);
    m_menu->addSeparator();
    m_addTable = add(QStringLiteral("AddStringTable1"), QStringLiteral("&Insert String Table"),
                     QKeySequence(QStringLiteral("Ctrl+I")));
    m_n4 = m_menu->addSeparator();
    m_n4->setObjectName(QStringLiteral("N4"));
    m_manual = add(QStringLiteral("Manual1"), QStringLiteral("&Manual"),
                   QKeySequence(QStringLiteral("Ctrl+M")));

    connect(m_load1, &QAction::triggered, this, &MainWindow::addFiles);
    connect(m_explorer, &QAction::triggered, this, &MainWindow::openExplorer);
    connect(m_prop, &QAction::triggered, this, &MainWindow::showProperties);
    connect(m_addTable, &QAction::triggered, this, &MainWindow::insertStringTable);
    connect(m_manual, &QAction::triggered, this, &MainWindow::openManual);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        const bool manual = m_s.platform.fileExists(manualPath());
        m_manual->setVisible(manual);
        m_n4->setVisible(manual);
        m_prop->setEnabled(selectedCount() > 0);
        m_menu->popup(m_list->viewport()->mapToGlobal(pos));
    });
}

} // namespace tolvane
