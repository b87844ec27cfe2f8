#include "ui/textcopier/TextCopier.h"
#include "core/Product.h"
#include "platform/NativeName.h"
#include "ui/services/Look.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>

namespace tolvane {

namespace {

// A sheet of paper with its corner turned, the common ground of three pictures.
void paper(QPainter &p, const QColor &band, const QString &tag)
{
    QPainterPath sheet;
    sheet.moveTo(7, 2);
    sheet.lineTo(21, 2);
    sheet.lineTo(27, 8);
    sheet.lineTo(27, 30);
    sheet.lineTo(7, 30);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.setBrush(QColor(220, 220, 220));
    p.drawPolygon(QPolygonF({QPointF(21, 2), QPointF(21, 8), QPointF(27, 8)}));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (int y = 12; y <= 18; y += 3)
        p.drawLine(10, y, 24, y);
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRect(QRectF(4, 20, 26, 9));
    p.setPen(Qt::white);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(8);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(4, 20, 26, 9), Qt::AlignCenter, tag);
}

QPixmap picture(TextCopier::Option option)
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (option) {
    case TextCopier::Print:
        p.setPen(QPen(QColor(80, 80, 80), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(QColor(170, 175, 185));
        p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 20, 14, 9));
        p.setPen(QPen(QColor(150, 150, 150), 1));
        p.drawLine(11, 24, 21, 24);
        p.drawLine(11, 26, 19, 26);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 200, 60));
        p.drawEllipse(QPointF(25, 16), 1.5, 1.5);
        break;
    case TextCopier::Unit:
        paper(p, QColor(30, 90, 170), QStringLiteral("PAS"));
        break;
    case TextCopier::Script:
        paper(p, QColor(150, 60, 40), QStringLiteral("RC"));
        break;
    case TextCopier::Project:
    case TextCopier::None:
        paper(p, QColor(40, 120, 60), QStringLiteral("DPR"));
        break;
    }
    return pm;
}

const QString productTitle = product::title();

} // namespace

TextCopier::TextCopier(Services &services, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_s(services)
{
    setObjectName(QStringLiteral("TForm6"));
    setModal(true);
    setFixedSize(340, 214);
    useWindowFace(this);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("OptionPicture"));
    m_picture->setGeometry(12, 10, 32, 32);
    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("CopierIcon"));
    icon->setPixmap(TaskbarIdentity::icon(QStringLiteral("text")).pixmap(32, 32));
    icon->setGeometry(296, 10, 32, 32);

    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(56, 10, 228, 130);
    m_options = new QButtonGroup(this);
    const QList<QPair<const char *, QString>> options = {
        {"PrintOption", QStringLiteral("Print Text File...")},
        {"UnitOption", QStringLiteral("Save as Unit (.PAS)")},
        {"ScriptOption", QStringLiteral("Save as Resource Script (.RC)")},
        {"ProjectOption", QStringLiteral("Save as Delphi Project file (.DPR)")}};
    for (int i = 0; i < options.size(); ++i) {
        auto *radio = new QRadioButton(options.at(i).second, frame);
        radio->setObjectName(QString::fromLatin1(options.at(i).first));
        radio->setGeometry(12, 10 + i * 29, 210, 22);
        m_options->addButton(radio, i);
    }
    connect(m_options, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            showPicture(Option(id));
    });

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    ok->setGeometry(152, 172, 84, 26);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setGeometry(244, 172, 84, 26);
    connect(ok, &QPushButton::clicked, this, &TextCopier::accept);
    connect(cancel, &QPushButton::clicked, this, &TextCopier::reject);

    setOption(Print);
    showPicture(Print);
}

void TextCopier::fitCaption()
{
    // Wide enough for the caption beside the title bar's buttons; the icon and the buttons keep
    // their place at the right edge.
    const int width = qMax(340, titleBarWidth(windowTitle()));
    const int shift = width - this->width();
    if (shift == 0)
        return;
    setFixedSize(width, height());
    for (const char *name : {"CopierIcon", "OkButton", "CancelButton"}) {
        if (auto *w = findChild<QWidget *>(QString::fromLatin1(name)))
            w->move(w->x() + shift, w->y());
    }
}

void TextCopier::placeBeside(const QPoint &mainWindowPosition)
{
    move(mainWindowPosition + QPoint(75, 80));
}

QString TextCopier::captionFor(const QString &path)
{
    // Only "/" separates folders here: a backslash is part of the file's name.
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    return QStringLiteral("Select an option for file \"") + nativename::display(name).toUpper() +
           QLatin1Char('"');
}

QString TextCopier::extensionFor(Option option)
{
    switch (option) {
    case Unit:
        return QStringLiteral(".pas");
    case Script:
        return QStringLiteral(".rc");
    case Project:
        return QStringLiteral(".dpr");
    default:
        return QString();
    }
}

TextCopier::Option TextCopier::option() const
{
    return Option(m_options->checkedId());
}

void TextCopier::setOption(Option option)
{
    if (option == None) {
        // An exclusive group keeps one button checked; to clear all it lets go for a moment.
        m_options->setExclusive(false);
        for (QAbstractButton *b : m_options->buttons())
            b->setChecked(false);
        m_options->setExclusive(true);
        return;
    }
    m_options->button(option)->setChecked(true);
}

void TextCopier::showPicture(Option option)
{
    m_pictureOption = option;
    m_picture->setPixmap(picture(option));
}

TextCopier::Option TextCopier::ask(const QString &path)
{
    m_s.taskbar.set(QStringLiteral("Text File Copier"), QStringLiteral("text"));
    setOption(Print);
    setWindowTitle(captionFor(path));
    fitCaption();
    exec();
    return option();
}

void TextCopier::restoreTaskbar()
{
    m_s.taskbar.set(productTitle, QStringLiteral("logo"));
}

void TextCopier::accept()
{
    restoreTaskbar();
    QDialog::accept();
}

void TextCopier::reject()
{
    restoreTaskbar();
    setOption(None);
    QDialog::reject();
}

} // namespace tolvane
