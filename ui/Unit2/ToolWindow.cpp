#include "ToolWindow.h"
#include "ClipPlayer.h"
#include "FileList.h"
#include "Identifiers.h"
#include "Look.h"
#include "MainWindow.h"
#include "NameChecks.h"
#include "StringTableEditor.h"
#include "TFileLabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>

namespace tolvane {

namespace {

bool on(const QCheckBox *box)
{
    return box->checkState() == Qt::Checked; // a greyed box counts as off
}

QCheckBox *check(QWidget *parent, const QString &name, const QString &text, const QRect &g,
                 bool checked, bool textLeft = false)
{
    auto *c = new QCheckBox(text, parent);
    c->setObjectName(name);
    c->setGeometry(g);
    c->setChecked(checked);
    if (textLeft)
        c->setLayoutDirection(Qt::RightToLeft);
    return c;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &g)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(g);
    return l;
}

QLabel *picture(QWidget *parent, const QString &name, const QColor &colour, const QRect &g)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(g);
    QPixmap pm(g.size());
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(colour);
    p.drawEllipse(QRectF(1.5, 1.5, g.width() - 3, g.height() - 3));
    p.end();
    l->setPixmap(pm);
    return l;
}

// A group box whose frame reads clearly on every style: a settings window is read by its sections.
class Section : public QGroupBox
{
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QFontMetrics fm(font());
        const int top = title().isEmpty() ? 1 : fm.height() / 2;
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(palette().color(QPalette::Dark), 1));
        p.drawRoundedRect(QRectF(0.5, top + 0.5, width() - 1, height() - top - 1), 3, 3);
        if (title().isEmpty())
            return;
        QString text = title();
        text.replace(QStringLiteral("&&"), QStringLiteral("&"));
        const QRect r(8, 0, fm.horizontalAdvance(text) + 6, fm.height());
        p.fillRect(r, palette().color(QPalette::Window));
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::WindowText));
        p.drawText(r, Qt::AlignCenter, text);
    }
};

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

void ToolWindow::buildLayout()
{
    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::WinPanel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setGeometry(rect());
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_scriptGroup = new Section(QStringLiteral("Script Properties"), this);
    m_scriptGroup->setGeometry(4, 0, 365, 119);
    QWidget *g = m_scriptGroup;
    m_label1 =
        label(g, QStringLiteral("Label1"),
              QStringLiteral("Enter name for script file (max 20 characters)"), {8, 18, 290, 14});
    m_edit1 = new QLineEdit(QStringLiteral("Untitled"), g);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setMaxLength(20);
    m_edit1->setGeometry(8, 33, 150, 21);
    m_panel3 = new QFrame(g);
    m_panel3->setObjectName(QStringLiteral("Panel3"));
    m_panel3->setFrameShape(QFrame::Panel);
    m_panel3->setFrameShadow(QFrame::Sunken);
    m_panel3->setGeometry(166, 33, 130, 21);
    auto *brand = new QLabel(QStringLiteral("Kelvadore\u00ae"), m_panel3);
    brand->setGeometry(2, 2, 126, 17);
    brand->setAlignment(Qt::AlignCenter);
    brand->setEnabled(false);
    m_edit4 = new QLineEdit(QStringLiteral("Untitled"), g);
    m_edit4->setObjectName(QStringLiteral("Edit4"));
    m_edit4->setMaxLength(20);
    m_edit4->setGeometry(166, 33, 130, 21);
    m_idx1 = new QComboBox(g);
    m_idx1->setObjectName(QStringLiteral("Idx1"));
    m_idx1->addItems(Identifiers::items());
    m_idx1->setCurrentIndex(0);
    m_idx1->setCursor(Qt::PointingHandCursor);
    m_idx1->setGeometry(302, 33, 56, 21);
    m_label2 = label(g, QStringLiteral("Label2"),
                     QStringLiteral("Enter a name here if processing a single file only.This field "
                                    "is void if using multiple files."),
                     {8, 55, 236, 26});
    m_label2->setWordWrap(true);
    m_label2->setCursor(Qt::WhatsThisCursor);
    QFont small = m_label2->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    m_label2->setFont(small);
    m_panel2 = label(g, QStringLiteral("Panel2"), QStringLiteral("ResName              ResId"),
                     {246, 59, 112, 16});
    m_panel2->setFrameShape(QFrame::Panel);
    m_panel2->setAlignment(Qt::AlignCenter);
    m_panel2->setCursor(Qt::WhatsThisCursor);
    m_panel2->setFont(small);
    m_label3 = label(g, QStringLiteral("Label3"), QStringLiteral("Destination directory:"),
                     {8, 79, 200, 14});
    m_edit2 = new QComboBox(g);
    m_edit2->setObjectName(QStringLiteral("Edit2"));
    m_edit2->setEditable(true);
    m_edit2->setInsertPolicy(QComboBox::NoInsert);
    m_edit2->setMaxVisibleItems(25);
    m_edit2->setGeometry(8, 93, 314, 22);
    m_edit2->setContextMenuPolicy(Qt::CustomContextMenu);
    m_spx = new QToolButton(g);
    m_spx->setObjectName(QStringLiteral("Spx"));
    m_spx->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    m_spx->setCursor(Qt::PointingHandCursor);
    m_spx->setGeometry(326, 93, 32, 22);
    m_spx->setContextMenuPolicy(Qt::CustomContextMenu);
    m_destMenu = new QMenu(this);
    m_removeAll = m_destMenu->addAction(QStringLiteral("Remove All"));
    m_removeAll->setObjectName(QStringLiteral("RemoveAll"));
    m_removeAll->setEnabled(false);

    m_label9 = label(this, QStringLiteral("Label9"), QString(), {4, 119, 365, 16});
    m_label9->setAlignment(Qt::AlignCenter);

    // Options panel, and the progress panel in the same place.
    m_panel1 = new QWidget(this);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel1->setGeometry(0, 135, 373, 206);
    QWidget *p = m_panel1;
    m_label4 = new TFileLabel(p);
    m_label4->setObjectName(QStringLiteral("Label4"));
    m_label4->setSeparator(QStringLiteral("\\"));
    m_label4->setGeometry(6, 2, 361, 18);
    m_label4->setFrameShape(QFrame::Panel);
    m_label4->setFrameShadow(QFrame::Sunken);
    m_label4->setAlignment(Qt::AlignCenter);
    m_label4->setAutoFillBackground(true);
    m_options = new Section(p);
    m_options->setObjectName(QStringLiteral("OptionsGroup"));
    m_options->setGeometry(6, 20, 361, 184);
    m_cx8 = check(p, QStringLiteral("Cx8"), QStringLiteral("Include file info..."),
                  {12, 28, 168, 18}, false);
    m_cx11 = check(p, QStringLiteral("Cx11"), QStringLiteral("Enable sounds..."), {12, 46, 168, 18},
                   false);
    m_dx1 = check(p, QStringLiteral("Dx1"), QStringLiteral("Execute on load..."), {12, 64, 168, 18},
                  false);
    m_cx14 = check(p, QStringLiteral("Cx14"), QStringLiteral("Repair project files..."),
                   {12, 82, 168, 18}, false);
    m_autoX = check(p, QStringLiteral("AutoX"), QStringLiteral("Auto Sort file list contents..."),
                    {12, 100, 168, 18}, false);
    m_saveGroup = new Section(QStringLiteral("When saving projects:"), p);
    m_saveGroup->setGeometry(12, 118, 172, 48);
    m_rad1 = new QRadioButton(QStringLiteral("Prompt for name..."), m_saveGroup);
    m_rad1->setObjectName(QStringLiteral("Rad1"));
    m_rad1->setGeometry(8, 15, 156, 16);
    m_rad1->setChecked(true);
    m_rad2 = new QRadioButton(QStringLiteral("Use Quick save... "), m_saveGroup);
    m_rad2->setObjectName(QStringLiteral("Rad2"));
    m_rad2->setGeometry(8, 30, 156, 16);
    m_label12 = label(p, QStringLiteral("Label12"), QStringLiteral("Load Files of Type"),
                      {14, 168, 170, 14});
    m_resBox = new QComboBox(p);
    m_resBox->setObjectName(QStringLiteral("ResBox"));
    m_resBox->addItems(dropFilters());
    m_resBox->setCurrentIndex(0);
    m_resBox->setCursor(Qt::PointingHandCursor);
    m_resBox->setGeometry(12, 181, 172, 21);
    m_cx12 = check(p, QStringLiteral("Cx12"), QStringLiteral("Save copy (. DPR) file to disk"),
                   {180, 28, 182, 18}, false, true);
    m_cx13 = check(p, QStringLiteral("Cx13"), QStringLiteral("Display file summary on exit"),
                   {180, 46, 182, 18}, true, true);
    m_cx10 = check(p, QStringLiteral("Cx10"), QStringLiteral("Disable build (scripts only)"),
                   {180, 64, 182, 18}, false, true);
    m_cx6 = check(p, QStringLiteral("Cx6"), QStringLiteral("Show status bar hints"),
                  {180, 82, 182, 18}, true, true);
    m_rx2 = check(p, QStringLiteral("Rx2"), QStringLiteral("Hide window on build "),
                  {180, 100, 182, 18}, false, true);
    m_rfx = check(p, QStringLiteral("Rfx"), QStringLiteral("Recurse folders"), {212, 118, 148, 18},
                  false, true);
    m_image2 = picture(p, QStringLiteral("Image2"), QColor(250, 210, 40), {194, 119, 18, 16});
    m_image4 = picture(p, QStringLiteral("Image4"), QColor(225, 225, 225), {194, 119, 18, 16});
    m_colourGroup = new Section(QStringLiteral("Window && font Colors"), p);
    m_colourGroup->setGeometry(190, 138, 172, 64);
    auto flat = [&](const QString &name, const QString &text, const QRect &r) {
        auto *b = new QPushButton(text, m_colourGroup);
        b->setObjectName(name);
        b->setFlat(true);
        b->setGeometry(r);
        b->setCursor(Qt::PointingHandCursor);
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        return b;
    };
    m_hbx2 = flat(QStringLiteral("Hbx2"), QStringLiteral("Hint bg color"), {4, 16, 82, 20});
    m_hbx3 = flat(QStringLiteral("Hbx3"), QStringLiteral("Hint font color"), {86, 16, 82, 20});
    m_sb1 = flat(QStringLiteral("SpeedButton1"), QStringLiteral("Window color"), {4, 38, 82, 20});
    m_sb2 = flat(QStringLiteral("SpeedButton2"), QStringLiteral("Font color"), {86, 38, 82, 20});

    m_showF = new QFrame(this);
    m_showF->setObjectName(QStringLiteral("ShowF"));
    m_showF->setFrameShape(QFrame::Panel);
    m_showF->setGeometry(0, 135, 373, 206);
    m_clip = new ClipPlayer(QStringLiteral("A4"), m_showF);
    m_clip->setGeometry(101, 20, 170, 40);
    m_msg2 = label(m_showF, QStringLiteral("Msg2"), QString(), {10, 64, 353, 42});
    m_msg2->setAlignment(Qt::AlignCenter);
    m_msg2->setWordWrap(true);
    m_msg3 = label(m_showF, QStringLiteral("Msg3"), QString(), {10, 108, 353, 16});
    m_msg3->setAlignment(Qt::AlignCenter);
    m_bar1 = new QProgressBar(m_showF);
    m_bar1->setObjectName(QStringLiteral("Bar1"));
    m_bar1->setGeometry(40, 128, 293, 14);
    m_bar1->setTextVisible(false);
    m_bar1->hide();
    auto *line = new QFrame(m_showF);
    line->setFrameShape(QFrame::HLine);
    line->setGeometry(10, 148, 353, 3);
    m_msg4 = label(m_showF, QStringLiteral("Msg4"), QString(), {10, 154, 353, 16});
    m_msg4->setAlignment(Qt::AlignCenter);
    m_bar2 = new QProgressBar(m_showF);
    m_bar2->setObjectName(QStringLiteral("Bar2"));
    m_bar2->setGeometry(40, 176, 293, 14);
    m_bar2->setTextVisible(false);
    m_bar2->hide();
    m_closeF = new QFrame(m_showF);
    m_closeF->setObjectName(QStringLiteral("CloseF"));
    m_closeF->setGeometry(98, 18, 176, 56);
    m_closeF->setAutoFillBackground(true);
    m_closeF->hide();
    m_showF->hide();

    m_units = new Section(QStringLiteral("Units"), this);
    m_units->setObjectName(QStringLiteral("Units"));
    m_units->setGeometry(4, 343, 365, 80);
    m_label8 =
        label(m_units, QStringLiteral("Label8"),
              QStringLiteral("Check the units to add to DLL's uses section."), {8, 16, 300, 14});
    m_cx1 =
        check(m_units, QStringLiteral("Cx1"), QStringLiteral("Classes..."), {8, 32, 100, 18}, true);
    m_cx2 = check(m_units, QStringLiteral("Cx2"), QStringLiteral("Windows..."), {112, 32, 100, 18},
                  true);
    m_cx3 = check(m_units, QStringLiteral("Cx3"), QStringLiteral("Dialogs..."), {216, 32, 100, 18},
                  false);
    m_image1 = label(m_units, QStringLiteral("Image1"), QString(), {330, 14, 24, 24});
    m_image1->setPixmap(style()->standardIcon(QStyle::SP_DriveHDIcon).pixmap(24, 24));
    m_edit3 = new QLineEdit(QStringLiteral("Untitled"), m_units);
    m_edit3->setObjectName(QStringLiteral("Edit3"));
    m_edit3->setGeometry(8, 52, 150, 21);
    m_label6 = label(m_units, QStringLiteral("Label6"),
                     QStringLiteral("Use caution not to enter reserved words when naming the DLL"),
                     {164, 50, 194, 28});
    m_label6->setWordWrap(true);
    m_label6->setFont(small);

    m_clr = picture(this, QStringLiteral("CLR"), QColor(235, 235, 235), {10, 432, 16, 16});
    m_red = picture(this, QStringLiteral("RED"), QColor(220, 40, 40), {10, 432, 16, 16});
    m_clr->setToolTip(QStringLiteral("Execute on-drop \"Enabled\""));
    m_red->setToolTip(QStringLiteral("Execute on-drop \"Enabled\""));
    m_red->hide();
    m_logo2 = label(this, QStringLiteral("Logo2"), QStringLiteral("Tolvane"), {32, 426, 150, 26});
    QFont logoFont(QStringLiteral("Tahoma"), 14, QFont::Bold);
    m_logo2->setFont(logoFont);
    m_caption = label(this, QStringLiteral("ToolCaption"), QStringLiteral("Tool Window"),
                      {10, 456, 120, 16});
    QPalette cp = m_caption->palette();
    cp.setColor(QPalette::WindowText, Qt::gray);
    m_caption->setPalette(cp);
    m_manual = new QPushButton(QStringLiteral("&Manual"), this);
    m_manual->setObjectName(QStringLiteral("Button1"));
    m_manual->setCursor(Qt::WhatsThisCursor);
    m_manual->setGeometry(196, 440, 80, 26);
    m_close = new QPushButton(QStringLiteral("&Close"), this);
    m_close->setObjectName(QStringLiteral("Button2"));
    m_close->setCursor(Qt::PointingHandCursor);
    m_close->setGeometry(282, 440, 80, 26);
    m_close->setDefault(true);

    for (QWidget *w : std::initializer_list<QWidget *>{
             m_label1,  m_edit1, m_label2, m_panel2, m_label3, m_edit2, m_spx,  m_label4,
             m_options, m_cx8,   m_cx11,   m_dx1,    m_cx14,   m_autoX, m_rad1, m_rad2,
             m_label12, m_cx12,  m_cx13,   m_cx10,   m_cx6,    m_rx2,   m_rfx,  m_hbx2,
             m_hbx3,    m_sb1,   m_sb2,    m_units,  m_label8, m_edit3, m_clr,  m_close})
        w->installEventFilter(this);
}

void ToolWindow::connectReactions()
{
    connect(m_cx6, &QCheckBox::stateChanged, this, [this] {
        const bool shown = m_cx6->checkState() != Qt::Unchecked;
        m_hbx2->setEnabled(shown);
        m_hbx3->setEnabled(shown);
        m_label4->setVisible(shown);
        if (!shown)
            m_showF->hide();
    });
    connect(m_cx10, &QCheckBox::stateChanged, this, [this] {
        if (!on(m_cx10)) {
            m_main.buildButton()->setText(QStringLiteral("&Build All..."));
            m_label8->setEnabled(true);
            m_image1->show();
            m_units->show();
            m_label6->setEnabled(true);
            for (QWidget *w : std::initializer_list<QWidget *>{m_cx1, m_cx2, m_cx3, m_edit3})
                w->setEnabled(true);
            if (m_cx12->checkState() == Qt::PartiallyChecked) {
                m_cx12->setCheckState(Qt::Unchecked);
                m_cx12->setTristate(false);
            }
        } else {
            m_image1->hide();
            for (QWidget *w :
                 std::initializer_list<QWidget *>{m_cx1, m_cx2, m_cx3, m_label6, m_label8, m_edit3})
                w->setEnabled(false);
            m_cx12->setCheckState(Qt::PartiallyChecked);
            m_main.buildButton()->setText(QStringLiteral("&Build..."));
        }
    });
    connect(m_cx12, &QCheckBox::clicked, this, [this] {
        if (on(m_cx10))
            m_cx12->setCheckState(Qt::PartiallyChecked);
        else
            m_cx12->setTristate(false);
    });
    connect(m_dx1, &QCheckBox::stateChanged, this, [this] {
        const bool executing = on(m_dx1);
        if (keyExists()) {
            if (executing)
                m_autoX->setCheckState(Qt::PartiallyChecked);
            else {
                m_autoX->setEnabled(true);
                if (m_autoX->checkState() == Qt::PartiallyChecked)
                    m_autoX->setCheckState(Qt::Unchecked);
                m_autoX->setTristate(false);
            }
        }
        m_main.setExecuteLamp(executing);
    });
    connect(m_autoX, &QCheckBox::clicked, this, [this] {
        if (on(m_dx1) || m_dx1->checkState() == Qt::PartiallyChecked)
            m_autoX->setCheckState(Qt::PartiallyChecked);
        else
            m_autoX->setTristate(false);
    });
    connect(m_rfx, &QCheckBox::stateChanged, this, [this] {
        if (m_lowColour)
            return;
        const bool recursing = on(m_rfx);
        m_image4->setVisible(!recursing);
        m_main.setRecurseLamp(recursing);
    });
    connect(m_resBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_main.setAddFilterIndex(index + 1);
        m_main.setHeaderText(0, QStringLiteral("Filter: ") + dropFilterMask());
    });
    connect(m_edit1, &QLineEdit::textChanged, this, &ToolWindow::checkScriptName);
    connect(m_edit3, &QLineEdit::textChanged, this, &ToolWindow::checkLibraryName);
    connect(m_edit4, &QLineEdit::textChanged, this, &ToolWindow::checkResName);
    connect(m_edit2, &QComboBox::activated, this, &ToolWindow::destinationChosen);
    connect(m_spx, &QToolButton::clicked, this, &ToolWindow::browse);
    connect(m_spx, &QWidget::customContextMenuRequested, this, &ToolWindow::openDestination);
    connect(m_edit2, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (keyExists())
            m_removeAll->setEnabled(m_edit2->count() > 1);
        m_destMenu->popup(m_edit2->mapToGlobal(pos));
    });
    connect(m_removeAll, &QAction::triggered, this, &ToolWindow::removeAll);
    connect(m_sb1, &QPushButton::clicked, this, [this] { colourButton(0, false); });
    connect(m_sb2, &QPushButton::clicked, this, [this] { colourButton(1, false); });
    connect(m_hbx2, &QPushButton::clicked, this, [this] { colourButton(2, false); });
    connect(m_hbx3, &QPushButton::clicked, this, [this] { colourButton(3, false); });
    connect(m_sb1, &QWidget::customContextMenuRequested, this, [this] { colourButton(0, true); });
    connect(m_hbx2, &QWidget::customContextMenuRequested, this, [this] { colourButton(2, true); });
    connect(m_manual, &QPushButton::clicked, this, [this] { openManual(false, false); });
    connect(m_close, &QPushButton::clicked, this, &ToolWindow::closeWindow);
    m_label2->installEventFilter(this);
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
    QPalette lp = m_logo2->palette();
    lp.setColor(QPalette::WindowText, palette().color(QPalette::Button).darker(112));
    m_logo2->setPalette(lp);
    m_lowColour = m_s.platform.colourDepth() < 16;
    if (m_lowColour)
        for (QWidget *w : std::initializer_list<QWidget *>{m_image2, m_image4, m_clr, m_red})
            w->hide();
    m_manual->setEnabled(m_s.platform.fileExists(manualPath()));
    if (!m_s.platform.folderExists(Platform::folderWithSeparator(m_main.programFolder()) +
                                   QStringLiteral("Projects")))
        m_rad2->setEnabled(false);
    m_main.buildButton()->setText(on(m_cx10) ? QStringLiteral("&Build...")
                                             : QStringLiteral("&Build All..."));
    if (keyExists()) {
        m_cx10->setEnabled(true);
        m_cx13->setEnabled(true);
        m_cx12->setEnabled(true);
        const QStringList history = m_s.settings.loadHistory();
        m_edit2->clear();
        for (const QString &entry : history)
            addDestination(entry, false);
        m_edit2->setCurrentIndex(-1);
        m_edit2->setEditText(QString());
        const QString error = m_s.settings.load(sequences::toolWindowLoad(), *this);
        if (!error.isEmpty()) {
            Box b;
            b.caption = m_s.taskbar.title().isEmpty() ? QStringLiteral("Tolvane v3.06b")
                                                      : m_s.taskbar.title();
            b.text = error;
            b.icon = Box::Error;
            m_s.prompter.ask(b);
        }
        return;
    }
    m_cx10->setChecked(true);
    m_cx10->setEnabled(false);
    m_cx12->setCheckState(Qt::Unchecked);
    m_cx12->setTristate(false);
    m_cx12->setEnabled(false);
    m_cx13->setEnabled(false);
    m_cx13->setChecked(false);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_main.setHeaderText(0, QStringLiteral("Filter: ") + dropFilterMask());
    setSingleDestination(
        Platform::folderWithSeparator(m_s.platform.shortPath(m_s.platform.currentFolder())));
}

// Accessors ---------------------------------------------------------------------------------

QString ToolWindow::scriptName() const
{
    return m_edit1->text();
}
void ToolWindow::setScriptName(const QString &name)
{
    m_edit1->setText(name);
}
QString ToolWindow::libraryName() const
{
    return m_edit3->text();
}
void ToolWindow::setLibraryName(const QString &name)
{
    m_edit3->setText(name);
}
QString ToolWindow::resName() const
{
    return m_edit4->text();
}
void ToolWindow::setResName(const QString &name)
{
    m_edit4->setText(name);
}
void ToolWindow::setResNameVisible(bool visible)
{
    m_edit4->setVisible(visible);
}
bool ToolWindow::resNameVisible() const
{
    return !m_edit4->isHidden();
}
int ToolWindow::prefixPosition() const
{
    return m_idx1->currentIndex();
}
void ToolWindow::setPrefixPosition(int position)
{
    m_idx1->setCurrentIndex(position >= 0 && position < 24 ? position : -1);
}
QString ToolWindow::destination() const
{
    return m_edit2->currentText();
}
int ToolWindow::dropFilterPosition() const
{
    return m_resBox->currentIndex();
}
void ToolWindow::setDropFilterPosition(int position)
{
    m_resBox->setCurrentIndex(position);
}
bool ToolWindow::hintsOn() const
{
    return on(m_cx6);
}
bool ToolWindow::soundsOn() const
{
    return on(m_cx11);
}
bool ToolWindow::executeOnLoad() const
{
    return on(m_dx1);
}
void ToolWindow::setExecuteOnLoad(bool value)
{
    m_dx1->setChecked(value);
}
bool ToolWindow::recurse() const
{
    return on(m_rfx);
}
bool ToolWindow::scriptsOnly() const
{
    return on(m_cx10);
}
bool ToolWindow::autoSort() const
{
    return on(m_autoX);
}
bool ToolWindow::fileInfo() const
{
    return on(m_cx8);
}
bool ToolWindow::hideOnBuild() const
{
    return on(m_rx2);
}
bool ToolWindow::summary() const
{
    return on(m_cx13);
}
bool ToolWindow::keepProject() const
{
    return on(m_cx12);
}
bool ToolWindow::repairProjects() const
{
    return on(m_cx14);
}
bool ToolWindow::classes() const
{
    return on(m_cx1);
}
bool ToolWindow::windowsUnit() const
{
    return on(m_cx2);
}
bool ToolWindow::dialogs() const
{
    return on(m_cx3);
}
bool ToolWindow::promptedSave() const
{
    return m_rad1->isChecked();
}
bool ToolWindow::quickSave() const
{
    return m_rad2->isChecked();
}
bool ToolWindow::saveModesDiffer() const
{
    return m_rad1->isEnabled() != m_rad2->isEnabled();
}
void ToolWindow::setQuickSaveEnabled(bool enabled)
{
    m_rad2->setEnabled(enabled);
}
void ToolWindow::setManualEnabled(bool enabled)
{
    m_manual->setEnabled(enabled);
}
void ToolWindow::setDiskLabel(const QString &text)
{
    m_label9->setText(text);
}
QString ToolWindow::diskLabel() const
{
    return m_label9->text();
}
QString ToolWindow::hintLine() const
{
    return m_label4->fileName();
}
QColor ToolWindow::entryBackground() const
{
    return m_edit1->palette().color(QPalette::Base);
}
QColor ToolWindow::entryText() const
{
    return m_edit1->palette().color(QPalette::Text);
}

QStringList ToolWindow::destinationEntries() const
{
    QStringList out;
    for (int i = 0; i < m_edit2->count(); ++i)
        out << m_edit2->itemText(i);
    return out;
}

void ToolWindow::addDestination(const QString &folder, bool select)
{
    // The list is sorted without regard to case.
    const int row = FileList::insertPosition(destinationEntries(), folder);
    static QFileIconProvider icons;
    m_edit2->insertItem(row, icons.icon(QFileIconProvider::Folder), folder);
    if (select)
        m_edit2->setCurrentIndex(row);
}

void ToolWindow::setSingleDestination(const QString &folder)
{
    m_edit2->clear();
    addDestination(folder, true);
}

QString ToolWindow::dropFilterMask()
{
    if (m_resBox->count() == 0)
        return QStringLiteral("*.*");
    if (m_resBox->currentIndex() < 0)
        m_resBox->setCurrentIndex(m_resBox->count() - 1);
    const QString text = m_resBox->currentText();
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
    QList<QWidget *> targets = {m_idx1,  m_edit1,  m_edit2,          m_edit3,
                                m_edit4, m_resBox, m_main.listView()};
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
            QList<QWidget *> targets = {m_edit1, m_edit2,           m_idx1,  m_edit4,
                                        m_edit3, m_main.listView(), m_resBox};
            targets << m_wizardTargets; // the setup wizard's spin edit and three fields
            for (QWidget *w : targets)
                setColours(w, &face, nullptr, 0x80000000u + 15, 0);
        } else if (which == 2) {
            setColours(m_label4, &face, nullptr, 0x80000000u + 15, 0);
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
        setColours(m_label4, &c, nullptr, colourValue(c), 0);
        break;
    case 3:
        setColours(m_label4, nullptr, &c, 0, colourValue(c));
        break;
    }
}

// Settings ------------------------------------------------------------------------------------

void ToolWindow::apply(const SequenceItem &item, const QVariant &value)
{
    const QString &n = item.name;
    auto flag = [&](QCheckBox *box) { box->setChecked(value.toBool()); };
    if (n == QLatin1String("Recent Local")) {
        const int i = value.toInt();
        if (i >= 0 && i < m_edit2->count())
            m_edit2->setCurrentIndex(i);
    } else if (n == QLatin1String("Script Name")) {
        m_edit1->setText(value.toString());
    } else if (n == QLatin1String("Library Name")) {
        m_edit3->setText(value.toString());
    } else if (n == QLatin1String("Res Name")) {
        m_edit4->setText(value.toString());
    } else if (n == QLatin1String("Prompt Res ID")) {
        setPrefixPosition(value.toInt());
    } else if (n == QLatin1String("Script Type")) {
        const int i = value.toInt();
        m_resBox->setCurrentIndex(i >= 0 && i < m_resBox->count() ? i : -1);
    } else if (n == QLatin1String("Prompt Recurse")) {
        flag(m_rfx);
    } else if (n == QLatin1String("Prompt Name")) {
        if (value.toBool())
            m_rad1->setChecked(true);
    } else if (n == QLatin1String("Prompt Not")) {
        if (value.toBool())
            m_rad2->setChecked(true);
    } else if (n == QLatin1String("Prompt FileInfo")) {
        flag(m_cx8);
    } else if (n == QLatin1String("Prompt Close")) {
        flag(m_rx2);
    } else if (n == QLatin1String("Prompt Drag")) {
        flag(m_dx1);
    } else if (n == QLatin1String("Prompt Sound")) {
        flag(m_cx11);
    } else if (n == QLatin1String("Prompt Auto Sort")) {
        if (on(m_dx1))
            m_autoX->setCheckState(Qt::PartiallyChecked);
        else
            flag(m_autoX);
    } else if (n == QLatin1String("Prompt ReName")) {
        flag(m_cx14);
    } else if (n == QLatin1String("Prompt Summary")) {
        flag(m_cx13);
    } else if (n == QLatin1String("Prompt Position")) {
        if (on(m_cx10))
            m_cx12->setCheckState(Qt::PartiallyChecked);
        else
            flag(m_cx12);
    } else if (n == QLatin1String("Prompt Compile")) {
        flag(m_cx10);
    } else if (n == QLatin1String("Prompt sHint")) {
        flag(m_cx6);
    } else if (n == QLatin1String("Prompt Class")) {
        flag(m_cx1);
    } else if (n == QLatin1String("Prompt Window")) {
        flag(m_cx2);
    } else if (n == QLatin1String("Prompt Dialog")) {
        flag(m_cx3);
    } else if (n == QLatin1String("Color") || n == QLatin1String("Font")) {
        QWidget *w = targetNamed(item.target.isEmpty() ? QStringLiteral("Edit1") : item.target);
        if (!w)
            return;
        const QColor c = colourFrom(value.toUInt(), w->palette());
        if (n == QLatin1String("Color"))
            setColours(w, &c, nullptr, value.toUInt(), 0);
        else
            setColours(w, nullptr, &c, 0, value.toUInt());
    } else if (n == QLatin1String("hColor")) {
        const QColor c = colourFrom(value.toUInt(), m_label4->palette());
        setColours(m_label4, &c, nullptr, value.toUInt(), 0);
    } else if (n == QLatin1String("hFColor")) {
        const QColor c = colourFrom(value.toUInt(), m_label4->palette());
        setColours(m_label4, nullptr, &c, 0, value.toUInt());
    } else if (n == QLatin1String("Tool Left")) {
        move(value.toInt(), y());
    } else if (n == QLatin1String("Tool Top")) {
        move(x(), value.toInt());
    }
}

QVariant ToolWindow::current(const SequenceItem &item) const
{
    const QString &n = item.name;
    if (n == QLatin1String("Script Name"))
        return m_edit1->text();
    if (n == QLatin1String("Library Name"))
        return m_edit3->text();
    if (n == QLatin1String("Res Name"))
        return m_edit4->text();
    if (n == QLatin1String("Filter Type"))
        return const_cast<ToolWindow *>(this)->dropFilterMask();
    if (n == QLatin1String("Recent Folder"))
        return destination();
    if (n == QLatin1String("TempDir1"))
        return m_main.recentAddFolder();
    if (n == QLatin1String("TempDir2"))
        return m_main.recentProjectFolder();
    if (n == QLatin1String("Recent Local"))
        return m_edit2->currentIndex();
    if (n == QLatin1String("Script Type"))
        return m_resBox->currentIndex();
    if (n == QLatin1String("Prompt Res ID"))
        return m_idx1->currentIndex();
    static const QHash<QString, QString> boxes = {
        {"Prompt Recurse", "Rfx"},   {"Prompt FileInfo", "Cx8"}, {"Prompt Drag", "Dx1"},
        {"Prompt Close", "Rx2"},     {"Prompt Sound", "Cx11"},   {"Prompt Auto Sort", "AutoX"},
        {"Prompt ReName", "Cx14"},   {"Prompt Summary", "Cx13"}, {"Prompt Compile", "Cx10"},
        {"Prompt Position", "Cx12"}, {"Prompt sHint", "Cx6"},    {"Prompt Class", "Cx1"},
        {"Prompt Window", "Cx2"},    {"Prompt Dialog", "Cx3"}};
    if (boxes.contains(n))
        return on(findChild<QCheckBox *>(boxes.value(n)));
    if (n == QLatin1String("Prompt Name"))
        return m_rad1->isChecked();
    if (n == QLatin1String("Prompt Not"))
        return m_rad2->isChecked();
    auto stored = [](const QWidget *w, const char *property, QPalette::ColorRole role) -> QVariant {
        const QVariant v = w->property(property);
        if (v.isValid())
            return v.toUInt();
        return colourValue(w->palette().color(role));
    };
    if (n == QLatin1String("Color"))
        return m_edit1->property("colourValue").isValid()
                   ? stored(m_edit1, "colourValue", QPalette::Base)
                   : QVariant(0x80000005u);
    if (n == QLatin1String("Font"))
        return m_edit1->property("fontValue").isValid()
                   ? stored(m_edit1, "fontValue", QPalette::Text)
                   : QVariant(0u);
    if (n == QLatin1String("hColor"))
        return m_label4->property("colourValue").isValid()
                   ? stored(m_label4, "colourValue", QPalette::Window)
                   : QVariant(0x8000000Fu);
    if (n == QLatin1String("hFColor"))
        return m_label4->property("fontValue").isValid()
                   ? stored(m_label4, "fontValue", QPalette::WindowText)
                   : QVariant(0u);
    if (n == QLatin1String("Tool Left"))
        return x();
    if (n == QLatin1String("Tool Top"))
        return y();
    return {};
}

// Field checks --------------------------------------------------------------------------------

void ToolWindow::checkScriptName()
{
    if (!m_edit1->text().contains(QLatin1Char(' ')))
        return;
    m_s.taskbar.set(QStringLiteral("Whoops!"), QStringLiteral("warning"));
    m_s.sound.play(QStringLiteral("A2"));
    Box b;
    b.owner = this;
    b.caption = QStringLiteral("Tolvane v3.06b \u00a9");
    b.text = QStringLiteral("Please do not use blank spaces while assigning script's name!");
    b.icon = Box::Warning;
    m_s.prompter.ask(b);
    m_edit1->clear();
    m_s.taskbar.set(QStringLiteral("Tolvane v3.06"), QString());
}

void ToolWindow::checkLibraryName()
{
    const QString text = m_edit3->text();
    QString message;
    if (text.contains(QLatin1Char(' ')))
        message = QStringLiteral("Please do not use blank spaces while entering Dll's name!");
    else if (!text.isEmpty() && NameChecks::isNumericName(text))
        message = QStringLiteral(
            "Compiler cannot process numeric values, as a first character in dll's name!");
    if (message.isEmpty())
        return;
    m_s.taskbar.set(QStringLiteral("Rename DLL"), QStringLiteral("warning"));
    Box b;
    b.owner = this;
    b.caption = QStringLiteral("Tolvane v3.06...");
    b.text = message;
    b.icon = Box::Error;
    m_s.prompter.ask(b);
    m_edit3->clear();
    m_s.taskbar.set(QStringLiteral("Tolvane v3.06"), QString());
}

void ToolWindow::checkResName()
{
    if (!m_edit4->text().contains(QLatin1Char(' ')))
        return;
    setEnabled(false);
    Box b;
    b.caption = QStringLiteral("Tolvane v3.06 illegal typecast...");
    b.text = QStringLiteral("Please do not use blank spaces in this field!");
    b.icon = Box::Error;
    m_s.prompter.ask(b);
    setEnabled(true);
    m_edit4->clear();
}

// Destination list ----------------------------------------------------------------------------

void ToolWindow::destinationChosen()
{
    const QString text = destination();
    m_main.buildButton()->setToolTip(QStringLiteral("To: ") + text);
    if (m_s.platform.folderExists(m_s.platform.shortPath(text))) {
        m_destinationRoot = m_s.platform.driveRoot(text);
    } else {
        m_edit2->removeItem(m_edit2->currentIndex());
        m_edit2->setCurrentIndex(m_edit2->count() > 0 ? 0 : -1);
    }
    if (!m_destinationRoot.isEmpty())
        if (const auto free = m_s.platform.freeSpace(m_destinationRoot))
            m_label9->setText(NameChecks::diskLabel(m_destinationRoot, *free, true));
    if (keyExists() && m_edit2->count() > 20) {
        Box b;
        b.caption = QStringLiteral("Bank Full..!");
        b.text = QStringLiteral(
            "The Maximum amount of favorites have been reached....removing 1 item !");
        b.icon = Box::Warning;
        m_s.prompter.ask(b);
        m_edit2->removeItem(m_edit2->currentIndex());
        m_edit2->setCurrentIndex(0);
    }
}

void ToolWindow::browse()
{
    const QString chosen =
        m_s.prompter.chooseFolder(this, QStringLiteral("Pick a target folder:"), destination());
    if (chosen.isEmpty())
        return;
    addDestination(m_s.platform.shortPath(chosen), false);
    m_edit2->setFocus();
    if (isVisible())
        m_edit2->showPopup();
}

void ToolWindow::openDestination()
{
    const QString text = destination();
    if (text.isEmpty())
        return;
    if (m_s.platform.folderExists(text)) {
        m_s.platform.openFolder(text);
        return;
    }
    Box b;
    b.caption = QStringLiteral("Tolvane v3.06");
    b.icon = Box::Error;
    b.text = QStringLiteral("The directory specified : ") + text +
             QStringLiteral(" \" does not exist, or has been removed!");
    m_s.prompter.ask(b);
}

void ToolWindow::removeAll()
{
    Box b;
    b.owner = this;
    b.caption = QStringLiteral("Tolvane v3.06b");
    b.text =
        QStringLiteral("Are you sure you want to delete' all saved directories from the program?");
    b.icon = Box::Warning;
    b.buttons = Box::Yes | Box::No;
    if (m_s.prompter.ask(b) != Box::Yes)
        return;
    m_s.settings.removeHistory();
    m_edit2->clear();
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
    Box b;
    b.caption = QStringLiteral("Failed to Execute...");
    b.icon = Box::Error;
    b.text = QStringLiteral("Could not open file : ") + path.toUpper() + QLatin1Char(' ');
    m_s.prompter.ask(b);
}

void ToolWindow::showOptions()
{
    show();
    raise();
    m_showF->hide();
    m_panel1->show();
    m_close->setEnabled(true);
}

bool ToolWindow::closeWindow()
{
    if (soundsOn())
        m_s.sound.play(QStringLiteral("A1"));
    if (m_edit1->text().isEmpty())
        m_edit1->setText(QStringLiteral("Untitled"));
    if (m_edit3->text().isEmpty())
        m_edit3->setText(QStringLiteral("Untitled"));
    if (keyExists()) {
        const QString error = m_s.settings.save(sequences::toolWindowSave(), *this);
        if (!error.isEmpty()) {
            Box b;
            b.caption = m_s.taskbar.title().isEmpty() ? QStringLiteral("Tolvane v3.06b")
                                                      : m_s.taskbar.title();
            b.text = error;
            b.icon = Box::Error;
            m_s.prompter.ask(b);
            return false;
        }
        m_s.settings.saveHistory(destinationEntries());
    } else {
        m_main.setEnabled(true);
    }
    m_main.show();
    m_panel1->hide();
    m_s.taskbar.set(QStringLiteral("Tolvane v3.06"), QStringLiteral("logo"));
    if (m_main.isMinimized())
        m_main.showNormal();
    m_main.update();
    hide();
    emit closed();
    return true;
}

// Hints ---------------------------------------------------------------------------------------

void ToolWindow::hint(const QString &text, bool always)
{
    if (!always && !hintsOn())
        return;
    QString shown = text;
    shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    m_label4->setFileName(shown);
}

void ToolWindow::setToolTipTime(QWidget *w, int ms)
{
    m_toolTipTime = ms;
    w->setToolTipDuration(ms);
}

void ToolWindow::hover(QObject *w)
{
    if (w == m_label1)
        hint(QStringLiteral("Enter the script's name in this field"), true);
    else if (w == m_edit1)
        hint(QStringLiteral("Enter script's name here"));
    else if (w == m_label2) {
        hint(QStringLiteral("This field assigns the \"ResName\" when processing single files."));
        if (m_label2->toolTip().isEmpty() || !hintsOn())
            m_label2->setToolTip(
                QStringLiteral("Consult topic \"Creating the script\" in the help manual...\nYou "
                               "can also right click in this area to open the manual."));
        setToolTipTime(m_label2, 20000);
    } else if (w == m_panel2) {
        m_panel2->setToolTip(
            QStringLiteral("Consult topic \"ResName/ResId\" in the help manual...\nYou can also "
                           "right click in this area to open the manual."));
        setToolTipTime(m_panel2, 20000);
        if (hintsOn())
            m_label2->setToolTip(
                QStringLiteral("Consult the help manual on topics related to this section."));
    } else if (w == m_label3)
        hint(QStringLiteral("All project files are moved to this location after compilation"));
    else if (w == m_edit2) {
        if (keyExists() && m_edit2->count() >= 2) {
            m_edit2->setToolTip(QStringLiteral(
                "All progam files are moved from the program folder to the location\nentered in "
                "this field. Right click to remove all saved directories...\nRight-click in this "
                "window to remove all saved directories."));
            setToolTipTime(m_edit2, 30000);
        } else {
            m_edit2->setToolTip(QStringLiteral(
                "All program files, are moved from the program\nfolder to the location entered in "
                "this field...\nRight-click in this window, to remove all saved directories."));
        }
    } else if (w == m_spx)
        hint(
            QStringLiteral("Selects the destination directory right-click to open current folder"));
    else if (w == m_label4)
        hint(QStringLiteral(".....Tolvane version 3.06b. Beta release....."), true);
    else if (w == m_options)
        hint(QString(56, QLatin1Char('.')), true);
    else if (w == m_cx8)
        hint(QStringLiteral("Inserts the file sizes and dates of each file into the script"));
    else if (w == m_cx11)
        hint(QStringLiteral("Enables audible prompts on button clicks and some error messages..."));
    else if (w == m_dx1)
        hint(QStringLiteral("Starts to compile file(s) upon loading."));
    else if (w == m_cx14) {
        hint(QStringLiteral(".......Repairs corrupt project files (Recommended)"));
        m_cx14->setToolTip(
            QStringLiteral("Removes invalid file names from project (.TPF) files.\nRenames file "
                           "extension to(.BCK) pending no existing links."));
        setToolTipTime(m_cx14, 20000);
    } else if (w == m_autoX) {
        hint(QStringLiteral(
            "Automatically removes unselected items from File List, upon execution."));
        m_autoX->setToolTip(QStringLiteral("Sorts files in the list before, program executes."));
        setToolTipTime(m_autoX, 20000);
    } else if (w == m_rad1) {
        m_rad1->setToolTip(
            QStringLiteral("Prompts for file name and location upon creating project files."));
        setToolTipTime(m_rad1, 20000);
    } else if (w == m_rad2) {
        m_rad2->setToolTip(
            QStringLiteral("Creates a unique file name for project file.Files are\nsaved to the ") +
            m_main.programFolder().toLower() + QStringLiteral("\\projects folder."));
        setToolTipTime(m_rad2, 20000);
    } else if (w == m_label12) {
        hint(QStringLiteral("Selects the file filter type."));
        m_label12->setToolTip(QStringLiteral(
            "Sets the filter mask of all files and folders dragged onto program.\nAlso corresponds "
            "with that of the \"Add Files\" menu file filters..."));
        setToolTipTime(m_label12, 20000);
    } else if (w == m_cx12)
        hint(QStringLiteral(
            "Saves a copy of the Delphi Project (.dpr) file to disk after compilation"));
    else if (w == m_cx13)
        hint(QStringLiteral(
            "Displays file info after project build and prompts printing of script file."));
    else if (w == m_cx10) {
        hint(QStringLiteral("Disables compilation' will write scripts only."));
        m_cx10->setToolTip(
            QStringLiteral("Check mark here, to disable compilation of (.DPR)\nRes File and "
                           "library files, program will only write the script."));
        setToolTipTime(m_cx10, 50000);
    } else if (w == m_cx6)
        hint(QStringLiteral("Click here to disable \" Tolvane Hints \" both windows"), true);
    else if (w == m_rx2)
        hint(QStringLiteral("Hides program's Main && Tool Windows during execution..."));
    else if (w == m_rfx) {
        hint(QStringLiteral(
            "Loads contents of additional subdirectories (if any) upon folder drag."));
        m_rfx->setToolTip(
            QStringLiteral("When dragging folder(s) onto program, engaging this control\nwill "
                           "include all subdirectories in the search path. Use caution\nnot to "
                           "exceed the system's resources while using this method!"));
        setToolTipTime(m_rfx, 50000);
    } else if (w == m_hbx2)
        hint(QStringLiteral("Changes hint background color (Right-click) button for default"));
    else if (w == m_hbx3)
        hint(QStringLiteral("...Changes hint text color..."));
    else if (w == m_sb1)
        hint(QStringLiteral("Sets window color of all screens right-click for window color..."));
    else if (w == m_sb2)
        hint(QStringLiteral("Sets the font color of all windows..."));
    else if (w == m_units)
        hint(QString(49, QLatin1Char('.')));
    else if (w == m_label8) {
        m_label8->setToolTip(
            QStringLiteral("Check the units to include into (DLL'S) uses section."));
        setToolTipTime(m_label8, 50000);
    } else if (w == m_edit3)
        hint(QStringLiteral(".........Assign name to (DLL) here.........."));
    else if (w == m_clr)
        hint(QStringLiteral("Tool status indicator' Red = busy ,Clear = free"));
    else if (w == m_close)
        hint(QStringLiteral(".......Close Tool Window........"), true);
}

bool ToolWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter)
        hover(watched);
    if (event->type() == QEvent::MouseButtonPress && (watched == m_label2 || watched == m_panel2)) {
        const auto *me = static_cast<QMouseEvent *>(event);
        openManual(me->button() == Qt::RightButton, true);
    }
    return QWidget::eventFilter(watched, event);
}

// A press on any free part of the surface moves the window, as a title bar would.
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
