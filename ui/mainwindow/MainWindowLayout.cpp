// How the main window is laid out: its controls, their places and their connections.
#include "core/FileList.h"
#include "core/Product.h"
#include "core/StringTable.h"
#include "ui/mainwindow/FileListModel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/searchfilter/SearchFilter.h"
#include "ui/services/ClipPlayer.h"
#include "ui/toolwindow/ToolWindow.h"
#include "ui/widgets/Lamp.h"
#include "ui/widgets/TFileLabel.h"

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
    QLabel *l = makeLamp(parent, name, colour);
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
    m_statusLine = new QLabel(this);
    m_statusLine->setObjectName(QStringLiteral("MSG"));
    m_statusLine->setGeometry(8, 4, 325, 53);
    m_statusLine->setWordWrap(true);
    m_statusLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_statusLine->setFont(QFont(QStringLiteral("Tahoma"), 7));

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Logo"));
    logo->setPixmap(TaskbarIdentity::icon(QStringLiteral("logo")).pixmap(32, 32));
    logo->setGeometry(439, 8, 32, 32);
    auto *logo1 = new QLabel(product::name(), this);
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

    m_listCaption = new QLabel(QStringLiteral("File list:"), this);
    m_listCaption->setObjectName(QStringLiteral("P3"));
    m_listCaption->setGeometry(8, 60, 70, 18);
    m_leftProgressText = new TFileLabel(this);
    m_leftProgressText->setObjectName(QStringLiteral("Label1"));
    m_leftProgressText->setGeometry(80, 60, 190, 18);
    m_rightProgressText = new TFileLabel(this);
    m_rightProgressText->setObjectName(QStringLiteral("Label2"));
    m_rightProgressText->setGeometry(272, 60, 199, 18);
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("Bar1"));
    m_progressBar->setGeometry(8, 60, 463, 16);
    m_progressBar->setRange(0, 100);
    m_progressBar->setTextVisible(false);
    m_progressBar->hide();

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
    m_model->setSelectionModel(m_list->selectionModel());
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

    m_resIdBanner = new QFrame(this);
    m_resIdBanner->setObjectName(QStringLiteral("Panel4"));
    m_resIdBanner->setFrameShape(QFrame::Box);
    m_resIdBanner->setGeometry(8, 226, 463, 20);
    m_resIdBanner->setAutoFillBackground(true);
    QPalette bp = m_resIdBanner->palette();
    bp.setColor(QPalette::Window, QColor(255, 250, 205));
    m_resIdBanner->setPalette(bp);
    auto *warnIcon = new QLabel(m_resIdBanner);
    warnIcon->setPixmap(TaskbarIdentity::icon(QStringLiteral("warning")).pixmap(16, 16));
    warnIcon->setGeometry(4, 2, 16, 16);
    auto *warnText =
        new QLabel(QStringLiteral("        String Table constants conflict with ResId setting!"),
                   m_resIdBanner);
    warnText->setObjectName(QStringLiteral("Panel4Text"));
    warnText->setGeometry(20, 1, 440, 18);
    m_resIdBanner->hide();

    m_removalPanel = new QFrame(this);
    m_removalPanel->setObjectName(QStringLiteral("Panel2"));
    m_removalPanel->setFrameShape(QFrame::Panel);
    m_removalPanel->setGeometry(60, 130, 360, 60);
    m_removalPanel->setAutoFillBackground(true);
    auto *static6 = new TFileLabel(m_removalPanel);
    static6->setObjectName(QStringLiteral("StaticText6"));
    static6->setGeometry(8, 36, 344, 18);
    m_removalPanel->hide();
    m_scanPanel = new QFrame(this);
    m_scanPanel->setObjectName(QStringLiteral("Panel3"));
    m_scanPanel->setFrameShape(QFrame::Panel);
    m_scanPanel->setGeometry(60, 130, 360, 60);
    m_scanPanel->setAutoFillBackground(true);
    m_scanClip = new ClipPlayer(QStringLiteral("X2"), m_scanPanel);
    m_scanClip->setGeometry(-6 + 8, 2, 40, 40);
    auto *fl1 = new TFileLabel(m_scanPanel);
    fl1->setObjectName(QStringLiteral("FileLabel1"));
    fl1->setGeometry(50, 8, 300, 18);
    auto *fl2 = new TFileLabel(m_scanPanel);
    fl2->setObjectName(QStringLiteral("FileLabel2"));
    fl2->setGeometry(50, 30, 300, 18);
    m_scanPanel->hide();

    const int row1 = 250, row2 = 282, w = 88, h = 26;
    m_selectAllButton =
        button(this, QStringLiteral("SP1"), QStringLiteral("Select &All"), {8, row1, w, h}, false);
    m_invertButton = button(this, QStringLiteral("SP2"), QStringLiteral("In&vert Selection"),
                            {100, row1, w + 4, h}, false);
    m_clearItemsButton = button(this, QStringLiteral("DEL"), QStringLiteral("Clear It&em(s)"),
                                {196, row1, w, h}, false);
    m_clearAllButton = button(this, QStringLiteral("Button4"), QStringLiteral("&Clear All"),
                              {288, row1, w, h}, false);
    m_saveListButton = button(this, QStringLiteral("Save1"), QStringLiteral("Save &List..."),
                              {383, row1, w, h}, false);
    m_filterButton = new QToolButton(this);
    m_filterButton->setObjectName(QStringLiteral("SX2"));
    m_filterButton->setText(QStringLiteral("\u2315"));
    m_filterButton->setToolTip(QStringLiteral(" File-List filter...  "));
    m_filterButton->setGeometry(60, row2 + 1, 24, 24);
    m_filterButton->setEnabled(false);
    m_toolsButton =
        button(this, QStringLiteral("Sp4"), QStringLiteral("&Tools..."), {100, row2, w + 4, h});
    m_pathsButton =
        button(this, QStringLiteral("Button1"), QStringLiteral("&Paths..."), {196, row2, w, h});
    m_buildButton = button(this, QStringLiteral("Button2"), QStringLiteral("&Build..."),
                           {288, row2, w, h}, false);
    m_exitButton =
        button(this, QStringLiteral("Button3"), QStringLiteral("E&xit"), {383, row2, w, h});
    m_exitButton->setToolTip(QStringLiteral("--Go home--"));
    m_pathsButton->setContextMenuPolicy(Qt::CustomContextMenu);

    m_executeOffLamp = lamp(this, QStringLiteral("CLR"), QColor(235, 235, 235),
                            QStringLiteral("Execute-on-Load (Off)"));
    m_executeOnLamp = lamp(this, QStringLiteral("GRN"), QColor(40, 200, 60),
                           QStringLiteral("Execute on-Load (On)"));
    m_recurseOffLamp = lamp(this, QStringLiteral("Image4"), QColor(235, 235, 235),
                            QStringLiteral("Folder Recursing (Off)"));
    m_recurseOnLamp = lamp(this, QStringLiteral("YEL"), QColor(250, 210, 40),
                           QStringLiteral("Folder Recursing (On)"));
    m_executeOffLamp->move(17, 276 + 10);
    m_executeOnLamp->move(17, 276 + 10);
    m_recurseOffLamp->move(37, 276 + 10);
    m_recurseOnLamp->move(37, 276 + 10);
    m_executeOnLamp->hide();
    m_recurseOnLamp->hide();

    m_resourceCompilerPath = holder(this, QStringLiteral("Edit1"));
    m_libraryCompilerPath = holder(this, QStringLiteral("Edit2"));
    m_programFolder = holder(this, QStringLiteral("Edit3"));
    m_recentAddFolder = holder(this, QStringLiteral("Edit4"));
    m_recentProjectFolder = holder(this, QStringLiteral("Edit5"));
    m_tempFolder = hiddenLabel(this, QStringLiteral("Label4"));
    m_listCounter = hiddenLabel(this, QStringLiteral("Fc"), QStringLiteral("0"));
    m_spareText2 = hiddenLabel(this, QStringLiteral("StaticText2"));
    m_spareText3 = hiddenLabel(this, QStringLiteral("StaticText3"));
    m_lastChosenFolder = hiddenLabel(this, QStringLiteral("StaticText4"));
    m_lastChosenShortPath = hiddenLabel(this, QStringLiteral("StaticText5"));
    connect(m_recentAddFolder, &QLineEdit::textChanged, this,
            [this](const QString &t) { mirror(QStringLiteral("TempDir1"), t); });
    connect(m_recentProjectFolder, &QLineEdit::textChanged, this,
            [this](const QString &t) { mirror(QStringLiteral("TempDir2"), t); });

    connect(m_selectAllButton, &QPushButton::clicked, this, &MainWindow::selectAll);
    connect(m_invertButton, &QPushButton::clicked, this, &MainWindow::invertSelection);
    connect(m_clearItemsButton, &QPushButton::clicked, this, &MainWindow::clearItems);
    connect(m_clearAllButton, &QPushButton::clicked, this, &MainWindow::clearAll);
    connect(m_toolsButton, &QPushButton::clicked, this, &MainWindow::showTools);
    connect(m_pathsButton, &QPushButton::clicked, this, &MainWindow::openPaths);
    connect(m_pathsButton, &QWidget::customContextMenuRequested, this, [this] {
        if (m_tool && m_tool->destination().isEmpty())
            m_s.prompter.ask(
                this, product::titleSpacedCopyright(),
                QStringLiteral("Cannot open destination directory' check Tool Window settings."),
                Box::Error);
    });
    connect(m_exitButton, &QPushButton::clicked, this, &MainWindow::exitProgram);
    connect(m_buildButton, &QPushButton::clicked, this, &MainWindow::build);
    connect(m_filterButton, &QToolButton::clicked, this, &MainWindow::openSearchFilter);

    for (QWidget *watched : std::initializer_list<QWidget *>{
             m_selectAllButton, m_invertButton, m_clearItemsButton, m_clearAllButton,
             m_saveListButton, m_toolsButton, m_pathsButton, m_buildButton, m_executeOffLamp,
             m_executeOnLamp, m_recurseOnLamp, m_list, m_exitButton})
        watched->installEventFilter(this);
    m_list->viewport()->setAttribute(Qt::WA_Hover);
}

void MainWindow::buildMenu()
{
    m_listMenu = new QMenu(this);
    m_listMenu->setObjectName(QStringLiteral("PM1"));
    auto add = [this](const QString &name, const QString &text, const QKeySequence &key) {
        QAction *a = m_listMenu->addAction(text);
        a->setObjectName(name);
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
        return a;
    };
    m_addFilesAction = add(QStringLiteral("Load1"), QStringLiteral("&Add Files..."),
                           QKeySequence(QStringLiteral("Ctrl+A")));
    m_listMenu->setDefaultAction(m_addFilesAction);
    m_loadProjectsAction = add(QStringLiteral("Load2"), QStringLiteral("&Load Projects Files..."),
                               QKeySequence(QStringLiteral("Ctrl+L")));
    m_listMenu->addSeparator();
    m_explorerAction = add(QStringLiteral("Explorer1"), QStringLiteral("Open &Explorer"),
                           QKeySequence(QStringLiteral("Ctrl+E")));
    m_listMenu->addSeparator();
    m_propertiesAction = add(QStringLiteral("Prop1"), QStringLiteral("P&roperties"),
                             QKeySequence(QStringLiteral("Ctrl+R")));
    m_propertiesAction->setEnabled(false);
    m_listMenu->addSeparator();
    m_stringTableAction =
        add(QStringLiteral("AddStringTable1"), QStringLiteral("&Insert String Table"),
            QKeySequence(QStringLiteral("Ctrl+I")));
    m_manualSeparator = m_listMenu->addSeparator();
    m_manualSeparator->setObjectName(QStringLiteral("N4"));
    m_manualAction = add(QStringLiteral("Manual1"), QStringLiteral("&Manual"),
                         QKeySequence(QStringLiteral("Ctrl+M")));

    connect(m_addFilesAction, &QAction::triggered, this, &MainWindow::addFiles);
    connect(m_explorerAction, &QAction::triggered, this, &MainWindow::openExplorer);
    connect(m_propertiesAction, &QAction::triggered, this, &MainWindow::showProperties);
    connect(m_stringTableAction, &QAction::triggered, this, &MainWindow::insertStringTable);
    connect(m_manualAction, &QAction::triggered, this, &MainWindow::openManual);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        const bool manual = m_s.platform.fileExists(manualPath());
        m_manualAction->setVisible(manual);
        m_manualSeparator->setVisible(manual);
        m_propertiesAction->setEnabled(selectedCount() > 0);
        m_listMenu->popup(m_list->viewport()->mapToGlobal(pos));
    });
}

} // namespace tolvane
