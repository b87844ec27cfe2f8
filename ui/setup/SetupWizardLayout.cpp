#include "core/Product.h"
#include "ui/services/TaskbarIdentity.h"
#include "ui/setup/SetupWizard.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

namespace tolvane {

namespace {

QLabel *text(QWidget *parent, const QString &t, const QRect &g, bool wrap = true)
{
    auto *l = new QLabel(t, parent);
    l->setGeometry(g);
    l->setWordWrap(wrap);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

// The picture panel at the left: the logo over a deep blue gradient.
class Picture : public QWidget
{
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(0x2d, 0x5f, 0xb0));
        g.setColorAt(1, QColor(0x0e, 0x22, 0x48));
        p.fillRect(rect(), g);
        TaskbarIdentity::icon(QStringLiteral("logo"))
            .paint(&p, QRect(width() / 2 - 24, 30, 48, 48));
        p.setPen(Qt::white);
        QFont f = font();
        f.setBold(true);
        f.setPointSize(13);
        p.setFont(f);
        p.drawText(QRect(0, 90, width(), 24), Qt::AlignCenter, product::name());
        f.setBold(false);
        f.setPointSize(8);
        p.setFont(f);
        p.drawText(QRect(0, 114, width(), 18), Qt::AlignCenter, QStringLiteral("version 3.06b"));
        p.drawText(QRect(0, height() - 30, width(), 18), Qt::AlignCenter, QStringLiteral("Setup"));
    }
};

} // namespace

void SetupWizard::buildLayout()
{
    auto *picture = new Picture(this);
    picture->setGeometry(8, 8, 120, 266);
    auto page = [this](const QString &name) {
        auto *w = new QWidget(this);
        w->setObjectName(name);
        w->setGeometry(138, 8, 320, 266);
        return w;
    };
    m_page1 = page(QStringLiteral("P1"));
    auto *heading =
        text(m_page1, QStringLiteral("Welcome to ") + product::title() + QLatin1Char(' '),
             {0, 0, 320, 20}, false);
    QFont hf = heading->font();
    hf.setBold(true);
    hf.setPointSize(11);
    heading->setFont(hf);
    text(m_page1,
         QStringLiteral("The following (3) screens, will guide you in setting up the command line "
                        "parameters for the compilers."),
         {0, 26, 320, 32});
    text(m_page1,
         QStringLiteral(
             "Use the up-down arrows to match the current Delphi version installed in your "
             "computer. The complete path will appear in the program field automatically."),
         {0, 66, 320, 44});
    text(m_page1, QStringLiteral("Example: C:\\Program Files\\Borland\\Delphi 4"),
         {0, 114, 320, 16}, false);
    text(m_page1, QStringLiteral("Delphi version:"), {0, 146, 100, 18}, false);
    m_versionSpin = new QSpinBox(m_page1);
    m_versionSpin->setObjectName(QStringLiteral("SpinEdit1"));
    m_versionSpin->setRange(2, 4);
    m_versionSpin->setValue(2);
    m_versionSpin->setGeometry(100, 143, 50, 22);
    text(m_page1, QStringLiteral("Program"), {0, 178, 60, 18}, false);
    m_delphiFolderEdit = new QLineEdit(m_page1);
    m_delphiFolderEdit->setObjectName(QStringLiteral("Edit1"));
    m_delphiFolderEdit->setEnabled(false);
    m_delphiFolderEdit->setGeometry(60, 175, 258, 22);
    m_freeSpaceLabel = text(m_page1, QString(), {0, 220, 320, 16}, false);
    m_freeSpaceLabel->setObjectName(QStringLiteral("Label10"));
    m_freeSpaceLabel->setAlignment(Qt::AlignCenter);

    m_page2 = page(QStringLiteral("Panel2"));
    auto *compilers = new QGroupBox(QStringLiteral("Compiler paths"), m_page2);
    compilers->setGeometry(0, 0, 320, 250);
    text(compilers,
         QStringLiteral("Enter the complete path to both compilers Brcc32 and Dcc32.exe in the "
                        "required fields or use the Add button to try and locate the programs."),
         {10, 22, 300, 44});
    text(compilers,
         QStringLiteral("Example: C:\\Program files\\Borland\\Delphi 4\\Bin\\Brcc32.exe"),
         {10, 70, 300, 34}); // wider than the group: it breaks onto a second line
    text(compilers, QStringLiteral("Brcc32"), {10, 113, 50, 18}, false);
    m_brccEdit = new QLineEdit(compilers);
    m_brccEdit->setObjectName(QStringLiteral("Edit2"));
    m_brccEdit->setGeometry(60, 110, 250, 22);
    text(compilers, QStringLiteral("Dcc32"), {10, 145, 50, 18}, false);
    m_dccEdit = new QLineEdit(compilers);
    m_dccEdit->setObjectName(QStringLiteral("Edit3"));
    m_dccEdit->setGeometry(60, 142, 250, 22);
    m_addButton = new QPushButton(QStringLiteral("Add..."), compilers);
    m_addButton->setObjectName(QStringLiteral("Button3"));
    m_addButton->setGeometry(234, 177, 76, 26);
    m_page2->hide();

    m_page3 = page(QStringLiteral("Panel3"));
    auto *folders = new QGroupBox(QStringLiteral("Program folders"), m_page3);
    folders->setGeometry(0, 0, 320, 214);
    text(folders, QStringLiteral("Main directory:"), {10, 24, 100, 16}, false);
    // Room for a long home folder: a path breaks after its separators.
    m_mainFolderLabel = text(folders, QString(), {110, 24, 200, 44});
    m_mainFolderLabel->setObjectName(QStringLiteral("Label13"));
    text(folders, QStringLiteral("Subdirectory:"), {10, 72, 100, 16}, false);
    m_projectsFolderLabel = text(folders, QString(), {110, 72, 200, 44});
    m_projectsFolderLabel->setObjectName(QStringLiteral("Label14"));
    text(folders,
         QStringLiteral(
             "Press the \"Other Location\" button to select alternate working folder directory for "
             "program, or skip this section to accept the current (default) directories listed."),
         {10, 120, 300, 58});
    m_otherLocationButton = new QPushButton(QStringLiteral("Other Location..."), folders);
    m_otherLocationButton->setObjectName(QStringLiteral("Button4"));
    m_otherLocationButton->setGeometry(190, 182, 120, 26);
    m_progressLabel = text(m_page3, QStringLiteral("...Initializing..."), {0, 216, 320, 30});
    m_progressLabel->setObjectName(QStringLiteral("Label17"));
    m_progressLabel->hide();
    m_progressBar = new QProgressBar(m_page3);
    m_progressBar->setObjectName(QStringLiteral("Bar1"));
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressBar->setGeometry(0, 248, 320, 16);
    m_progressBar->hide();
    m_page3->hide();

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setGeometry(8, 280, 450, 3);
    auto button = [this](const QString &name, const QString &caption, int x) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(x, 292, 80, 26);
        return b;
    };
    m_uninstallButton = button(QStringLiteral("XX"), QStringLiteral("&Uninstall"), 8);
    m_backButton = button(QStringLiteral("Bak1"), QStringLiteral("< &Back"), 204);
    m_finishButton = button(QStringLiteral("Button1"), QStringLiteral("<  &Finish  >"), 288);
    m_page1Next = button(QStringLiteral("N1"), QStringLiteral("&Next >"), 288);
    m_page1Next->setEnabled(false);
    m_page2Next = button(QStringLiteral("N2"), QStringLiteral("&Next >"), 288);
    m_page3Next = button(QStringLiteral("N3"), QStringLiteral("&Next >"), 288);
    m_exitButton = button(QStringLiteral("Button2"), QStringLiteral("Exit..."), 378);
    m_cancelButton = button(QStringLiteral("Button5"), QStringLiteral("Cancel"), 378);
    m_cancelButton->setDefault(true);
    m_cancelButton->hide();
    showStep(Page1); // hides the other steps' buttons and pages, disables Back
}

void SetupWizard::connectControls()
{
    connect(m_versionSpin, &QSpinBox::valueChanged, this, &SetupWizard::versionChanged);
    connect(m_delphiFolderEdit, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (t.isEmpty())
            return;
        m_page1Next->setEnabled(true);
        QPalette p = m_delphiFolderEdit->palette();
        p.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
        m_delphiFolderEdit->setPalette(p);
    });
    connect(m_page1Next, &QPushButton::clicked, this, &SetupWizard::next);
    connect(m_page2Next, &QPushButton::clicked, this, &SetupWizard::next);
    connect(m_page3Next, &QPushButton::clicked, this, &SetupWizard::next);
    connect(m_backButton, &QPushButton::clicked, this, &SetupWizard::back);
    connect(m_addButton, &QPushButton::clicked, this, &SetupWizard::addCompiler);
    connect(m_otherLocationButton, &QPushButton::clicked, this, &SetupWizard::otherLocation);
    connect(m_finishButton, &QPushButton::clicked, this, &SetupWizard::finish);
    connect(m_exitButton, &QPushButton::clicked, this, &SetupWizard::exitWizard);
    connect(m_cancelButton, &QPushButton::clicked, this, &SetupWizard::cancel);
    connect(m_uninstallButton, &QPushButton::clicked, this, &SetupWizard::uninstall);
}

} // namespace tolvane
