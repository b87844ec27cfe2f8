// How the tool window is laid out: its sections, controls and their places.
#include "ui/services/ClipPlayer.h"
#include "core/Identifiers.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/widgets/TFileLabel.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace tolvane {

namespace {
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

} // namespace tolvane
