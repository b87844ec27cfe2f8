#include "MainWindow.h"
#include "BuildTexts.h"
#include "ClipPlayer.h"
#include "FileList.h"
#include "FileListModel.h"
#include "Identifiers.h"
#include "Look.h"
#include "NameChecks.h"
#include "PropertiesDialog.h"
#include "SearchFilter.h"
#include "StringTable.h"
#include "StringTableEditor.h"
#include "TFileLabel.h"
#include "ToolWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QToolButton>

namespace tolvane {

namespace {

const QString productTitle = QStringLiteral("Tolvane v3.06b");

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

QStringList MainWindow::addFilters()
{
    return {QStringLiteral("All Files (*.*) (*.gif *.jpg *.avi *.bmp *.ico *.cab *.cur *.exe *.wav "
                           "*.ttf *.fon *.ani)"),
            QStringLiteral("Animated Cursor (*.ani)"),
            QStringLiteral("Audio Video Interleaved (*.avi)"),
            QStringLiteral("Bitmap Image (*.bmp)"),
            QStringLiteral("Cabinet File (*.cab)"),
            QStringLiteral("Cursor Image (*.cur)"),
            QStringLiteral("Executable (*.exe)"),
            QStringLiteral("Icon Image (*.ico)"),
            QStringLiteral("JPEG Image (*.jpg)"),
            QStringLiteral("GIF Image (*.gif)"),
            QStringLiteral("Font File (*.fon)"),
            QStringLiteral("True Type Font (*.ttf)"),
            QStringLiteral("Wave Sound (*.wav)")};
}

QString MainWindow::addFilterText()
{
    return QStringLiteral(
        "All Files (*.*)|*.gif;*.jpg;*.avi;*.bmp;*.ico;*.cab;*.cur;*.exe;*.wav;*.ttf;*.fon;*.ani|"
        "Animated Cursor (*.ani)|*.ani|Audio Video Interleaved (*.avi)|*.avi|Bitmap Image "
        "(*.bmp)|*.bmp|Cabinet File (*.cab)|*.cab|Cursor Image (*.cur)|*.cur|Executable "
        "(*.exe)|*.exe|Icon Image (*.ico)|*.ico|JPEG Image (*.jpg)|*.jpg|GIF Image "
        "(*.gif)|*.gif|Font File (*.fon)|*.fon|True Type Font (*.ttf)|*.ttf|Wave Sound "
        "(*.wav)|*.wav");
}

MainWindow::MainWindow(Services &services, QWidget *parent) : QWidget(parent), m_s(services)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(productTitle);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(479, 312);
    move(191, 136);
    useWindowFace(this);
    setMouseTracking(true);
    buildLayout();
    buildMenu();
}

MainWindow::~MainWindow() = default;

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
        for (QLabel *l : {m_image4, m_yel, m_clr, m_grn})
            l->hide();
    }
    m_label4->setText(m_s.platform.tempFolder());
    setWindowTitle(productTitle);
    m_s.taskbar.setIcon(QStringLiteral("logo"));
    setAcceptDrops(true);
    if (!m_s.settings.settingsKeyExists()) {
        setHeaderText(0, addFilterText());
        if (QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
        return;
    }
    const QString error = m_s.settings.load(sequences::mainWindowLoad(), *this);
    if (!error.isEmpty()) {
        Box b;
        b.caption = m_s.taskbar.title().isEmpty() ? productTitle : m_s.taskbar.title();
        b.text = error;
        b.icon = Box::Error;
        m_s.prompter.ask(b);
    }
}

void MainWindow::apply(const SequenceItem &item, const QVariant &value)
{
    const QString &n = item.name;
    if (n == QLatin1String("Filter Type"))
        setHeaderText(0, QStringLiteral("Filter: ") + value.toString());
    else if (n == QLatin1String("Compiler1"))
        m_edit1->setText(value.toString());
    else if (n == QLatin1String("Compiler2"))
        m_edit2->setText(value.toString());
    else if (n == QLatin1String("Program Folder"))
        m_edit3->setText(value.toString());
    else if (n == QLatin1String("TempDir1"))
        m_edit4->setText(value.toString());
    else if (n == QLatin1String("TempDir2"))
        m_edit5->setText(value.toString());
    else if (n == QLatin1String("Main Left"))
        move(value.toInt(), y());
    else if (n == QLatin1String("Main Top"))
        move(x(), value.toInt());
}

QVariant MainWindow::current(const SequenceItem &item) const
{
    const QString &n = item.name;
    if (n == QLatin1String("Main Left"))
        return x();
    if (n == QLatin1String("Main Top"))
        return y();
    if (n == QLatin1String("Tool Left"))
        return m_tool ? m_tool->x() : 0;
    if (n == QLatin1String("Tool Top"))
        return m_tool ? m_tool->y() : 0;
    if (n == QLatin1String("TempDir1"))
        return m_edit4->text();
    return {};
}

void MainWindow::mirror(const QString &name, const QString &text)
{
    if (!m_s.settings.settingsKeyExists())
        return;
    if (!m_s.settings.writeMirror(name, text))
        m_s.prompter.ask(Prompter::dialog(Box::Error,
                                          QStringLiteral("Could not save ") + text +
                                              QStringLiteral(" to regfile file..!"),
                                          Box::Ok));
}

QString MainWindow::compiler1() const
{
    return m_edit1->text();
}
QString MainWindow::compiler2() const
{
    return m_edit2->text();
}
QString MainWindow::programFolder() const
{
    return m_edit3->text();
}
QString MainWindow::recentAddFolder() const
{
    return m_edit4->text();
}
QString MainWindow::recentProjectFolder() const
{
    return m_edit5->text();
}
void MainWindow::setRecentAddFolder(const QString &folder)
{
    m_edit4->setText(folder);
}
void MainWindow::setRecentProjectFolder(const QString &folder)
{
    m_edit5->setText(folder);
}
QString MainWindow::tempFolder() const
{
    return m_label4->text();
}
QString MainWindow::counter() const
{
    return m_fc->text();
}
QString MainWindow::statusText() const
{
    return m_msg->property("raw").toString();
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

// Read from the selection's ranges: asking the model row by row grows with the square of a
// scattered selection.
QList<int> MainWindow::selectedRows() const
{
    const int count = m_model->count();
    std::vector<bool> marked(size_t(count), false);
    for (const QItemSelectionRange &range : m_list->selectionModel()->selection())
        for (int r = qMax(0, range.top()); r <= range.bottom() && r < count; ++r)
            marked[size_t(r)] = true;
    QList<int> rows;
    for (int r = 0; r < count; ++r)
        if (marked[size_t(r)])
            rows << r;
    return rows;
}

int MainWindow::selectedCount() const
{
    const QItemSelection selection = m_list->selectionModel()->selection();
    if (selection.isEmpty())
        return 0;
    if (selection.size() == 1)
        return selection.first().height();
    return int(selectedRows().size());
}

bool MainWindow::isSelected(int row) const
{
    return m_list->selectionModel()->isSelected(m_model->index(row));
}

void MainWindow::setSelected(int row, bool on)
{
    m_list->selectionModel()->select(m_model->index(row), on ? QItemSelectionModel::Select
                                                             : QItemSelectionModel::Deselect);
}

void MainWindow::selectRows(const QList<int> &rows)
{
    QItemSelection selection;
    for (int r : rows)
        selection.select(m_model->index(r), m_model->index(r));
    m_list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

bool MainWindow::addFile(const QString &path)
{
    if (m_model->containsNoCase(path))
        return false;
    m_model->add(path);
    return true;
}

void MainWindow::setExecuteLamp(bool on)
{
    m_grn->setVisible(on && m_highColour);
}

void MainWindow::setRecurseLamp(bool on)
{
    if (!m_highColour)
        return;
    m_yel->setVisible(on);
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

QWidget *MainWindow::owner()
{
    return this;
}

// The states that drawing the list gives: the counter, the banner and the buttons.
void MainWindow::refreshListState()
{
    const int count = m_model->count();
    const int selected = selectedCount();
    // An empty list draws no row, so its counter and header keep what the clearing put there.
    if (count > 0) {
        m_fc->setText(QString::number(count));
        setHeaderText(1, FileList::countsBanner(count, selected));
    }
    const FileList::Buttons b = FileList::buttonsFor(count, selected);
    m_sx2->setEnabled(b.filter);
    m_save->setEnabled(b.save);
    m_build->setEnabled(b.build && !m_building);
    m_del->setEnabled(b.clearItems);
    if (count > 0) {
        m_selectAll->setEnabled(true);
        m_invert->setEnabled(true);
        m_clearAll->setEnabled(true);
    } else {
        m_clearAll->setEnabled(false);
    }
}

void MainWindow::updateResIdBanner()
{
    const bool conflict =
        m_tool &&
        Identifiers::resIdConflict(m_tool->prefixPosition(), selectedCount(), m_s.strings.count());
    m_panel4->setVisible(conflict);
}

void MainWindow::updateResNameVisibility()
{
    if (m_tool)
        m_tool->setResNameVisible(selectedCount() <= 1);
}

void MainWindow::hideResIdBanner()
{
    m_panel4->hide();
}

void MainWindow::setFilterButtonEnabled(bool enabled)
{
    m_sx2->setEnabled(enabled);
}

void MainWindow::resetAfterResourceError()
{
    m_model->clear();
    m_label1->setFileName(QString());
    m_label2->setFileName(QString());
    setHeaderText(0, FileList::dots(13));
    setHeaderText(1, QString());
    setListButtonsDisabled();
}

void MainWindow::removeUnselected()
{
    const QList<int> selected = selectedRows();
    QList<int> unselected;
    int next = 0;
    for (int r = 0; r < m_model->count(); ++r) {
        if (next < selected.size() && selected.at(next) == r)
            ++next;
        else
            unselected << r;
    }
    if (unselected.isEmpty())
        return;
    const QStringList keep = [&] {
        QStringList k;
        for (int r : selected)
            k << m_model->at(r);
        return k;
    }();
    m_model->removeRows(unselected);
    QList<int> all;
    for (int i = 0; i < keep.size(); ++i)
        all << i;
    selectRows(all); // what is left is what was selected
}

void MainWindow::setListButtonsDisabled()
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_selectAll, m_invert, m_del, m_build,
                                                       m_clearAll, m_save})
        w->setEnabled(false);
}

bool MainWindow::askClearStringTable()
{
    if (m_s.strings.isEmpty())
        return false;
    const Box::Button answer = m_s.prompter.ask(Prompter::dialog(
        Box::Warning, QStringLiteral("The string table still has text...clear contents?"),
        Box::Yes | Box::No));
    if (answer != Box::Yes)
        return false;
    if (m_editor)
        m_editor->tableClearedOutside();
    m_s.strings.clear();
    return true;
}

void MainWindow::selectAll()
{
    update();
    setWindowTitle(productTitle);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_s.taskbar.setIcon(QStringLiteral("logo"));
    playClick();
    if (m_model->count() > 0)
        m_list->selectAll();
    if (m_tool)
        m_tool->setResNameVisible(false);
    QApplication::restoreOverrideCursor();
    updateResIdBanner();
    if (m_tool && m_tool->scriptsOnly())
        return;
    for (int i = 0; i < m_model->count(); ++i) {
        if (m_s.platform.fileSize(m_model->at(i)) != 0)
            continue;
        if (m_tool)
            m_tool->setExecuteOnLoad(false);
        const QString text = buildtexts::zeroByteQuestion(m_model->at(i));
        if (m_s.prompter.ask(Prompter::dialog(Box::Warning, text, Box::Yes | Box::No)) ==
            Box::Yes) {
            if (m_model->count() < 2)
                clearItems();
            else
                m_model->removeAt(i);
        }
        break;
    }
}

void MainWindow::invertSelection()
{
    m_p3->hide();
    setWindowTitle(QStringLiteral("Tolvane v3.06b - resource builder"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    playClick();
    const int count = m_model->count();
    if (count > 0) {
        // Show where the walk ended, as a walk over every entry would.
        const QString last = QFileInfo(m_model->at(count - 1)).fileName();
        if (isSelected(count - 1))
            m_label2->setFileName(QStringLiteral("Excluding file: ") + last);
        else
            m_label1->setFileName(QStringLiteral("Selecting file: ") + last);
        m_list->selectionModel()->select(
            QItemSelection(m_model->index(0), m_model->index(count - 1)),
            QItemSelectionModel::Toggle);
    }
    m_label1->setFileName(QString());
    m_label2->setFileName(QString());
    QApplication::restoreOverrideCursor();
    m_p3->show();
    if (m_tool)
        m_tool->setResNameVisible(selectedCount() <= 1);
    updateResIdBanner();
}

void MainWindow::clearItems()
{
    m_static3->clear();
    m_static2->clear();
    setWindowTitle(QStringLiteral("Tolvane v3.06b - resource builder"));
    const QList<int> rows = selectedRows();
    m_model->removeRows(rows);
    if (m_model->count() < 9)
        m_sx2->setEnabled(false);
    if (m_tool)
        m_tool->setResNameVisible(selectedCount() <= 1);
    updateResIdBanner();
    if (m_model->count() == 0) {
        m_fc->setText(QStringLiteral("0"));
        m_label1->setFileName(QString());
        m_label2->setFileName(QString());
        setListButtonsDisabled();
        setHeaderText(1, FileList::dots(39));
        askClearStringTable();
    }
}

void MainWindow::clearAll()
{
    m_fc->setText(QStringLiteral("0"));
    m_saveDialogName.clear();
    if (m_tool)
        m_tool->setResNameVisible(true);
    playClick();
    askClearStringTable();
    if (m_model->count() == 0)
        return;
    if (m_filter)
        m_filter->hide();
    m_sx2->setEnabled(false);
    m_s.taskbar.set(QStringLiteral("Ready..."), QStringLiteral("logo"));
    m_model->clear();
    m_label1->setFileName(QString());
    m_label2->setFileName(QString());
    m_addDialogName.clear();
    setHeaderText(1, FileList::dots(39));
    setListButtonsDisabled();
    setWindowTitle(productTitle);
    updateResIdBanner();
}

void MainWindow::showTools()
{
    if (!m_tool)
        return;
    m_tool->setManualEnabled(m_s.platform.fileExists(manualPath()));
    m_tool->showOptions();
    const bool key = m_s.settings.settingsKeyExists();
    if (!key || !m_s.platform.folderExists(Platform::folderWithSeparator(programFolder()) +
                                           QStringLiteral("Projects")))
        m_tool->setQuickSaveEnabled(false);
    m_tool->activateWindow();
    m_tool->setFocus();
    const QString dest = m_tool->destination();
    if (!dest.isEmpty()) {
        const QString root = m_s.platform.driveRoot(dest);
        if (const auto free = m_s.platform.freeSpace(root))
            m_tool->setDiskLabel(NameChecks::diskLabel(root, *free));
    }
    if (m_tool->destinationEntries().isEmpty())
        m_tool->setSingleDestination(
            Platform::folderWithSeparator(m_s.platform.shortPath(m_s.platform.currentFolder())));
}

void MainWindow::openPaths()
{
    emit pathsRequested();
    if (!m_setup)
        return; // the setup wizard is not part of this build yet
    hide();
    if (m_tool && m_tool->isVisible())
        m_tool->hide();
    m_setup->show();
    m_s.taskbar.set(QStringLiteral("Setup Paths..."), QStringLiteral("logo"));
}

void MainWindow::exitProgram()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_s.settings.settingsKeyExists()) {
        const QString error = m_s.settings.save(sequences::mainWindowExitSave(), *this);
        if (!error.isEmpty()) {
            // Reported, but closing is never refused: the user is not kept in the program.
            Box b;
            b.caption = productTitle;
            b.text = error;
            b.icon = Box::Error;
            m_s.prompter.ask(b);
        }
    }
    if (m_tool)
        m_tool->hide();
    if (m_editor)
        m_editor->hide();
    if (m_filter)
        m_filter->hide();
    if (m_setup)
        m_setup->hide();
    event->accept();
    emit exitRequested();
}

void MainWindow::openExplorer()
{
    m_s.taskbar.set(QStringLiteral("Load From Explorer..."), QStringLiteral("explorer"));
    m_s.platform.openFolder(programFolder().isEmpty() ? m_s.platform.currentFolder()
                                                      : programFolder());
}

void MainWindow::openManual()
{
    const QString path = manualPath();
    if (m_s.platform.openFile(path))
        return;
    Box b;
    b.caption = QStringLiteral("Failed to Execute...");
    b.text = QStringLiteral("Could not open file : ") + path.toUpper() + QLatin1Char(' ');
    b.icon = Box::Error;
    m_s.prompter.ask(b);
}

void MainWindow::insertStringTable()
{
    if (!m_editor)
        return;
    m_editor->open();
}

void MainWindow::addFiles()
{
    m_p3->hide();
    OpenFilesRequest r;
    r.owner = this;
    r.title = QStringLiteral("From directory ") + recentAddFolder();
    r.folder = recentAddFolder();
    r.filters = addFilters();
    r.filterIndex = m_tool ? m_tool->dropFilterPosition() + 1 : 1;
    r.typeChanged = [this](int entry) {
        if (m_tool && entry >= 1 && entry <= 13)
            m_tool->setDropFilterPosition(entry - 1);
    };
    r.folderChanged = [this](const QString &folder) {
        const QString p = QFileInfo(folder).absoluteFilePath().toUpper();
        const QString fonts =
            QFileInfo(m_s.platform.systemFontsFolder()).absoluteFilePath().toUpper();
        if (p == fonts) {
            Box b;
            b.caption = QStringLiteral("Tolvane v3.06\u00a9");
            b.icon = Box::Warning;
            b.text = QStringLiteral("Cannot access the windows fonts folder from a dialog. To load "
                                    "fonts,\ropen the Windows "
                                    "Explorer and drag the \"Complete fonts folder\" "
                                    "onto\rtolvane, or copy-paste the fonts "
                                    "from the Windows Fonts folder to a\rnew folder. There you "
                                    "have access to load them! "
                                    "Never drag individual\rfonts from the \"Windows Fonts\" "
                                    "folder some fonts are used by "
                                    "system!\r");
            m_s.prompter.ask(b);
        }
    };
    const OpenFilesResult result = m_s.prompter.openFiles(r);
    // Closed: the header names the type that was chosen, whether or not files were.
    static const QStringList masks = {"*.*",   "*.ani", "*.avi", "*.bmp", "*.cab", "*.cur", "*.exe",
                                      "*.ico", "*.jpg", "*.gif", "*.fon", "*.ttf", "*.wav"};
    if (result.filterIndex >= 1 && result.filterIndex <= 13) {
        m_addFilterIndex = result.filterIndex;
        if (m_tool)
            m_tool->setDropFilterPosition(result.filterIndex - 1);
        setHeaderText(0, QStringLiteral("Filter (") + masks.at(result.filterIndex - 1) +
                             QLatin1Char(')'));
    }
    if (!result.accepted || result.files.isEmpty())
        return;
    const QString folder =
        Platform::folderWithSeparator(QFileInfo(result.files.first()).absolutePath());
    m_lastAdded = result.files.last();
    setRecentAddFolder(folder);
    m_label2->show();
    m_msg->hide();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString bare = folder;
    if (bare.size() > 1 && Platform::endsWithSeparator(bare))
        bare.chop(1);
    m_addDialogName = bare;
    m_static4->setText(bare);
    m_static5->setText(bare);
    m_bar->setMaximum(int(result.files.size()));
    m_bar->setValue(0);
    for (const QString &file : result.files) {
        m_bar->show();
        m_bar->setValue(m_bar->value() + 1);
        addFile(file);
        if (int(result.files.size()) == m_model->count() && m_tool && m_tool->executeOnLoad()) {
            m_bar->hide();
            selectAll();
            build();
        }
    }
    m_bar->setValue(0);
    m_bar->hide();
    m_label2->hide();
    m_label2->setFileName(QString());
    QApplication::restoreOverrideCursor();
    m_msg->show();
    setHeaderText(1, FileList::countsBanner(m_model->count(), selectedCount()));
    m_p3->show();
}

void MainWindow::showProperties()
{
    const QList<int> rows = selectedRows();
    if (rows.size() > 20) {
        m_s.prompter.ask(Prompter::dialog(
            Box::Warning, QStringLiteral("Total number of properties displayed, may not exceed 20"),
            Box::Abort));
        return;
    }
    int offset = 0;
    for (int row : rows) {
        m_list->viewport()->update();
        if (m_s.platform.showProperties(m_model->at(row)))
            continue;
        auto *sheet = new PropertiesDialog(m_model->at(row), m_s.platform, m_list);
        sheet->move(pos() + QPoint(40 + offset, 40 + offset));
        offset += 24;
        sheet->show();
    }
}

void MainWindow::openSearchFilter()
{
    if (!m_filter)
        return;
    m_filter->openAt(QPoint(x() + 10, y() + 150));
}

void MainWindow::build()
{
    if (m_building)
        return; // a second build never starts inside a running one
    m_building = true;
    emit buildRequested();
    m_building = false;
    refreshListState();
}

void MainWindow::listClicked()
{
    const int selected = selectedCount();
    if (m_tool) {
        m_tool->setResNameVisible(selected < 2);
        if (selected == 1 && m_tool->resName().isEmpty())
            m_tool->setResName(QStringLiteral("Untitled"));
    }
    m_del->setEnabled(selected >= 1);
}

void MainWindow::listReleased()
{
    if (selectedCount() > 1)
        setWindowTitle(productTitle);
}

void MainWindow::setHint(const QString &text)
{
    m_msg->setProperty("raw", text);
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    m_msg->setText(shown);
}

void MainWindow::setToolTipTime(QWidget *w, int ms)
{
    m_toolTipTime = ms;
    w->setToolTipDuration(ms);
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    // Over the window background.
    m_fc->setText(QString::number(m_model->count()));
    updateResIdBanner();
    m_msg->show();
    setHint(m_model->count() == 0
                ? QString()
                : QStringLiteral("Click on individual files to show file's property.\rHold-down "
                                 "CTRL-KEY and click on items to deselect."));
    QWidget::mouseMoveEvent(event);
}

void MainWindow::hover(QObject *w)
{
    const bool hints = hintsOn();
    const bool key = m_s.settings.settingsKeyExists();
    if (w == m_selectAll && hints)
        setHint(QStringLiteral("(Alt+A) Selects && auto-scrolls all files in the list..."));
    else if (w == m_invert && hints)
        setHint(QStringLiteral("(Alt+V) Inverts currently selected file(s)."));
    else if (w == m_del && hints)
        setHint(QStringLiteral("(Alt+E) Clears highlighted ( Selected ),files from list."));
    else if (w == m_tools && hints)
        setHint(QStringLiteral("(Alt+T) Displays program's Tool Window..."));
    else if (w == m_clearAll) {
        if (hints)
            setHint(QStringLiteral("(Alt+C) Removes all items from list at one time!\r(Resets) all "
                                   "items in the files list."));
        m_clearAll->setToolTip(QStringLiteral("Dragons be gone... "));
        setToolTipTime(m_clearAll, 5000);
    } else if (w == m_paths) {
        if (!key)
            setHint(QStringLiteral(
                "(Alt+P) Setup the program's command line to interface\rwith the Borland family of "
                "command line compilers, press here\rto open the setup dialog for command line "
                "parameters (Optional)."));
        else if (hints)
            setHint(QStringLiteral(
                "(Alt+P) Displays the directory of Brcc32/Dcc32 compilers.\rRight-click to open "
                "current destination folder via Tools Window.\rOpen setup dialog for program "
                "uninstallation and or modifications."));
        m_paths->setToolTip(key ? QStringLiteral("Compilers on line ")
                                : QStringLiteral("Compilers off line "));
        setToolTipTime(m_paths, 8000);
    } else if (w == m_build) {
        if (hints)
            setHint(QStringLiteral(
                "(Alt+B)...Executes program...(Dual function)\rdiplays multiple hint messages "
                "pending Tool window settings."));
        m_build->setToolTip(QStringLiteral("To: ") + (m_tool ? m_tool->destination() : QString()));
        if (hints)
            setToolTipTime(m_build, 7000);
    } else if (w == m_save) {
        const bool quick = m_tool && m_tool->quickSave();
        if (hints)
            setHint(
                quick
                    ? QStringLiteral(
                          "(Alt+L) When file(s) are loaded into the program, use this\rbutton to "
                          "save the(Selected) list as a favorite. Current mode\rwill stored file "
                          "to the projects folder as a(.tpf) file.")
                    : QStringLiteral(
                          "(Alt+L) When file(s) are loaded into the program, use this\rbutton to "
                          "save the(Selected) list as a favorite. Current mode\rwill use the Save "
                          "dialog box, to name and store file anywhere."));
        if (m_tool && m_tool->saveModesDiffer())
            m_saveTipOff = true;
        m_save->setToolTip(m_saveTipOff ? QString()
                           : quick
                               ? QStringLiteral("Will create unique file name for project file ")
                               : QStringLiteral("Will prompt for name of project file"));
    } else if (w == m_list || w == m_list->viewport()) {
        if (hints && m_model->count() == 0)
            setHint(QStringLiteral(
                "Drag file(s) or folders from anywhere to auto load, or use the\rdrop down menu "
                "to load both Resource type && project(.tpf) files.\rDrag files types "
                "(.pas),(.dpr) "
                "and (.rc) to program to copy as text."));
        updateResIdBanner();
    } else if (w == m_clr) {
        setHint(QStringLiteral("Displays Execute-on-drop status, Green active' Clear inactive."));
    } else if (w == m_grn || w == m_yel) {
        setToolTipTime(static_cast<QWidget *>(w), 8000);
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::HoverEnter:
        hover(watched);
        break;
    case QEvent::MouseButtonRelease:
        if (watched == m_list->viewport())
            listReleased();
        break;
    case QEvent::MouseButtonPress:
        if (watched == m_list->viewport())
            m_prop->setEnabled(selectedCount() > 0);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tolvane
