// How the tool window is laid out: its sections, controls and their places.
#include "core/Identifiers.h"
#include "core/Product.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/services/ClipPlayer.h"
#include "ui/toolwindow/ProgressPanel.h"
#include "ui/toolwindow/ToolWindow.h"
#include "ui/widgets/IconRowDelegate.h"
#include "ui/widgets/Lamp.h"
#include "ui/widgets/TFileLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
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
    QLabel *l = makeLamp(parent, name, colour, g.size());
    l->move(g.topLeft());
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
    m_scriptNameCaption =
        label(g, QStringLiteral("Label1"),
              QStringLiteral("Enter name for script file (max 20 characters)"), {8, 18, 290, 14});
    m_scriptName = new QLineEdit(QStringLiteral("Untitled"), g);
    m_scriptName->setObjectName(QStringLiteral("Edit1"));
    m_scriptName->setMaxLength(20);
    m_scriptName->setGeometry(8, 33, 150, 21);
    m_panel3 = new QFrame(g);
    m_panel3->setObjectName(QStringLiteral("Panel3"));
    m_panel3->setFrameShape(QFrame::Panel);
    m_panel3->setFrameShadow(QFrame::Sunken);
    m_panel3->setGeometry(166, 33, 130, 21);
    auto *brand = new QLabel(product::brand(), m_panel3);
    brand->setGeometry(2, 2, 126, 17);
    brand->setAlignment(Qt::AlignCenter);
    brand->setEnabled(false);
    m_resName = new QLineEdit(QStringLiteral("Untitled"), g);
    m_resName->setObjectName(QStringLiteral("Edit4"));
    m_resName->setMaxLength(20);
    m_resName->setGeometry(166, 33, 130, 21);
    m_prefixList = new QComboBox(g);
    m_prefixList->setObjectName(QStringLiteral("Idx1"));
    m_prefixList->addItems(Identifiers::items());
    m_prefixList->setCurrentIndex(0);
    m_prefixList->setCursor(Qt::PointingHandCursor);
    m_prefixList->setGeometry(302, 33, 56, 21);
    m_resNameHelp =
        label(g, QStringLiteral("Label2"),
              QStringLiteral("Enter a name here if processing a single file only.This field "
                             "is void if using multiple files."),
              {8, 55, 236, 26});
    m_resNameHelp->setWordWrap(true);
    m_resNameHelp->setCursor(Qt::WhatsThisCursor);
    QFont small = m_resNameHelp->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    m_resNameHelp->setFont(small);
    m_panel2 = label(g, QStringLiteral("Panel2"), QStringLiteral("ResName              ResId"),
                     {246, 59, 112, 16});
    m_panel2->setFrameShape(QFrame::Panel);
    m_panel2->setAlignment(Qt::AlignCenter);
    m_panel2->setCursor(Qt::WhatsThisCursor);
    m_panel2->setFont(small);
    m_destinationCaption = label(g, QStringLiteral("Label3"),
                                 QStringLiteral("Destination directory:"), {8, 79, 200, 14});
    m_destinationList = new QComboBox(g);
    m_destinationList->setObjectName(QStringLiteral("Edit2"));
    // A drop-down list: a destination is chosen or browsed for, never typed.
    m_destinationList->setEditable(false);
    m_destinationList->setMaxVisibleItems(25);
    m_destinationList->setItemDelegate(new IconRowDelegate(m_destinationList));
    m_destinationList->setIconSize(QSize(16, 16));
    m_destinationList->setGeometry(8, 93, 314, 22);
    m_destinationList->setContextMenuPolicy(Qt::CustomContextMenu);
    m_browseButton = new QToolButton(g);
    m_browseButton->setObjectName(QStringLiteral("Spx"));
    m_browseButton->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    m_browseButton->setCursor(Qt::PointingHandCursor);
    m_browseButton->setGeometry(326, 93, 32, 22);
    m_browseButton->setContextMenuPolicy(Qt::CustomContextMenu);
    m_destMenu = new QMenu(this);
    m_removeAll = m_destMenu->addAction(QStringLiteral("Remove All"));
    m_removeAll->setObjectName(QStringLiteral("RemoveAll"));
    m_removeAll->setEnabled(false);

    m_diskLabel = label(this, QStringLiteral("Label9"), QString(), {4, 119, 365, 16});
    m_diskLabel->setAlignment(Qt::AlignCenter);

    // Options panel, and the progress panel in the same place.
    m_panel1 = new QWidget(this);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel1->setGeometry(0, 135, 373, 206);
    QWidget *p = m_panel1;
    m_hintLine = new TFileLabel(p);
    m_hintLine->setObjectName(QStringLiteral("Label4"));
    m_hintLine->setSeparator(QStringLiteral("\\"));
    m_hintLine->setGeometry(6, 2, 361, 18);
    m_hintLine->setFrameShape(QFrame::Panel);
    m_hintLine->setFrameShadow(QFrame::Sunken);
    m_hintLine->setAlignment(Qt::AlignCenter);
    m_hintLine->setAutoFillBackground(true);
    m_optionsGroup = new Section(p);
    m_optionsGroup->setObjectName(QStringLiteral("OptionsGroup"));
    m_optionsGroup->setGeometry(6, 20, 361, 184);
    m_fileInfoBox = check(p, QStringLiteral("Cx8"), QStringLiteral("Include file info..."),
                          {12, 28, 150, 18}, false);
    m_soundsBox = check(p, QStringLiteral("Cx11"), QStringLiteral("Enable sounds..."),
                        {12, 46, 150, 18}, false);
    m_executeOnLoadBox = check(p, QStringLiteral("Dx1"), QStringLiteral("Execute on load..."),
                               {12, 64, 168, 18}, false);
    m_repairBox = check(p, QStringLiteral("Cx14"), QStringLiteral("Repair project files..."),
                        {12, 82, 168, 18}, false);
    m_autoSortBox =
        check(p, QStringLiteral("AutoX"), QStringLiteral("Auto Sort file list contents..."),
              {12, 100, 182, 18}, false);
    m_saveGroup = new Section(QStringLiteral("When saving projects:"), p);
    m_saveGroup->setGeometry(12, 118, 172, 48);
    m_promptedSaveButton = new QRadioButton(QStringLiteral("Prompt for name..."), m_saveGroup);
    m_promptedSaveButton->setObjectName(QStringLiteral("Rad1"));
    m_promptedSaveButton->setGeometry(8, 15, 156, 16);
    m_promptedSaveButton->setChecked(true);
    m_quickSaveButton = new QRadioButton(QStringLiteral("Use Quick save... "), m_saveGroup);
    m_quickSaveButton->setObjectName(QStringLiteral("Rad2"));
    m_quickSaveButton->setGeometry(8, 30, 156, 16);
    m_dropFilterCaption = label(p, QStringLiteral("Label12"), QStringLiteral("Load Files of Type"),
                                {14, 168, 170, 14});
    m_dropFilterList = new QComboBox(p);
    m_dropFilterList->setObjectName(QStringLiteral("ResBox"));
    m_dropFilterList->addItems(dropFilters());
    m_dropFilterList->setCurrentIndex(0);
    m_dropFilterList->setCursor(Qt::PointingHandCursor);
    m_dropFilterList->setGeometry(12, 181, 172, 21);
    m_keepProjectBox =
        check(p, QStringLiteral("Cx12"), QStringLiteral("Save copy (. DPR) file to disk"),
              {164, 28, 198, 18}, false, true);
    m_summaryBox = check(p, QStringLiteral("Cx13"), QStringLiteral("Display file summary on exit"),
                         {164, 46, 198, 18}, true, true);
    m_scriptsOnlyBox =
        check(p, QStringLiteral("Cx10"), QStringLiteral("Disable build (scripts only)"),
              {180, 64, 182, 18}, false, true);
    m_hintsBox = check(p, QStringLiteral("Cx6"), QStringLiteral("Show status bar hints"),
                       {180, 82, 182, 18}, true, true);
    m_hideOnBuildBox = check(p, QStringLiteral("Rx2"), QStringLiteral("Hide window on build "),
                             {196, 100, 166, 18}, false, true);
    m_recurseBox = check(p, QStringLiteral("Rfx"), QStringLiteral("Recurse folders"),
                         {212, 118, 148, 18}, false, true);
    m_recurseOnPicture =
        picture(p, QStringLiteral("Image2"), QColor(250, 210, 40), {194, 119, 18, 16});
    m_recurseOffPicture =
        picture(p, QStringLiteral("Image4"), QColor(225, 225, 225), {194, 119, 18, 16});
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
    m_hintBackgroundButton =
        flat(QStringLiteral("Hbx2"), QStringLiteral("Hint bg color"), {1, 16, 82, 20});
    m_hintTextButton =
        flat(QStringLiteral("Hbx3"), QStringLiteral("Hint font color"), {83, 16, 88, 20});
    m_windowColourButton =
        flat(QStringLiteral("SpeedButton1"), QStringLiteral("Window color"), {1, 38, 82, 20});
    m_fontColourButton =
        flat(QStringLiteral("SpeedButton2"), QStringLiteral("Font color"), {83, 38, 88, 20});

    m_progress = new ProgressPanel(this, m_panel1);

    m_unitsGroup = new Section(QStringLiteral("Units"), this);
    m_unitsGroup->setObjectName(QStringLiteral("Units"));
    m_unitsGroup->setGeometry(4, 343, 365, 80);
    m_unitsCaption =
        label(m_unitsGroup, QStringLiteral("Label8"),
              QStringLiteral("Check the units to add to DLL's uses section."), {8, 16, 300, 14});
    m_classesBox = check(m_unitsGroup, QStringLiteral("Cx1"), QStringLiteral("Classes..."),
                         {8, 32, 100, 18}, true);
    m_windowsUnitBox = check(m_unitsGroup, QStringLiteral("Cx2"), QStringLiteral("Windows..."),
                             {112, 32, 100, 18}, true);
    m_dialogsBox = check(m_unitsGroup, QStringLiteral("Cx3"), QStringLiteral("Dialogs..."),
                         {216, 32, 100, 18}, false);
    m_compilingPicture =
        label(m_unitsGroup, QStringLiteral("Image1"), QString(), {330, 14, 24, 24});
    m_compilingPicture->setPixmap(style()->standardIcon(QStyle::SP_DriveHDIcon).pixmap(24, 24));
    m_libraryName = new QLineEdit(QStringLiteral("Untitled"), m_unitsGroup);
    m_libraryName->setObjectName(QStringLiteral("Edit3"));
    m_libraryName->setGeometry(8, 52, 150, 21);
    m_reservedWordsNote =
        label(m_unitsGroup, QStringLiteral("Label6"),
              QStringLiteral("Use caution not to enter reserved words when naming the DLL"),
              {164, 50, 194, 28});
    m_reservedWordsNote->setWordWrap(true);
    m_reservedWordsNote->setFont(small);

    m_clr = picture(this, QStringLiteral("CLR"), QColor(235, 235, 235), {10, 432, 16, 16});
    m_clr->setToolTip(QStringLiteral("Execute on-drop \"Enabled\""));
    m_logo = label(this, QStringLiteral("Logo2"), product::name(), {32, 426, 150, 26});
    QFont logoFont(QStringLiteral("Tahoma"), 14, QFont::Bold);
    m_logo->setFont(logoFont);
    m_windowCaption = label(this, QStringLiteral("ToolCaption"), QStringLiteral("Tool Window"),
                            {10, 456, 120, 16});
    QPalette cp = m_windowCaption->palette();
    cp.setColor(QPalette::WindowText, Qt::gray);
    m_windowCaption->setPalette(cp);
    m_manualButton = new QPushButton(QStringLiteral("&Manual"), this);
    m_manualButton->setObjectName(QStringLiteral("Button1"));
    m_manualButton->setCursor(Qt::WhatsThisCursor);
    m_manualButton->setGeometry(196, 440, 80, 26);
    m_closeButton = new QPushButton(QStringLiteral("&Close"), this);
    m_closeButton->setObjectName(QStringLiteral("Button2"));
    m_closeButton->setCursor(Qt::PointingHandCursor);
    m_closeButton->setGeometry(282, 440, 80, 26);
    m_closeButton->setDefault(true);

    for (QWidget *w : std::initializer_list<QWidget *>{m_scriptNameCaption,
                                                       m_scriptName,
                                                       m_resNameHelp,
                                                       m_panel2,
                                                       m_destinationCaption,
                                                       m_destinationList,
                                                       m_browseButton,
                                                       m_hintLine,
                                                       m_optionsGroup,
                                                       m_fileInfoBox,
                                                       m_soundsBox,
                                                       m_executeOnLoadBox,
                                                       m_repairBox,
                                                       m_autoSortBox,
                                                       m_promptedSaveButton,
                                                       m_quickSaveButton,
                                                       m_dropFilterCaption,
                                                       m_keepProjectBox,
                                                       m_summaryBox,
                                                       m_scriptsOnlyBox,
                                                       m_hintsBox,
                                                       m_hideOnBuildBox,
                                                       m_recurseBox,
                                                       m_hintBackgroundButton,
                                                       m_hintTextButton,
                                                       m_windowColourButton,
                                                       m_fontColourButton,
                                                       m_unitsGroup,
                                                       m_unitsCaption,
                                                       m_libraryName,
                                                       m_clr,
                                                       m_closeButton})
        w->installEventFilter(this);
}

} // namespace tolvane
