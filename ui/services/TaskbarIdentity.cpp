#include "ui/services/TaskbarIdentity.h"
#include "core/Product.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QWidget>

namespace tolvane {

void TaskbarIdentity::set(const QString &title, const QString &iconName)
{
    setTitle(title);
    setIcon(iconName);
}

void TaskbarIdentity::setTitle(const QString &title)
{
    m_title = title;
    // The taskbar names a window by its icon text; the captions stay exactly as each window and
    // box sets them (a display name would be appended to every one of them).
    qApp->setProperty("taskbarTitle", title);
    for (QWidget *w : QApplication::topLevelWidgets())
        w->setWindowIconText(title);
}

QString TaskbarIdentity::applicationTitle() const
{
    return m_title.isEmpty() ? product::title() : m_title;
}

QString TaskbarIdentity::currentTitle()
{
    return qApp ? qApp->property("taskbarTitle").toString() : QString();
}

void TaskbarIdentity::setIcon(const QString &iconName)
{
    m_icon = iconName;
    QGuiApplication::setWindowIcon(icon(iconName));
}

// A blue tile with a white T and a gold dot.
static QIcon logo()
{
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        QLinearGradient g(0, 0, 0, 32);
        g.setColorAt(0, QColor(0x4a, 0x7f, 0xd4));
        g.setColorAt(1, QColor(0x1d, 0x3f, 0x7a));
        p.setPen(QPen(QColor(0x10, 0x2a, 0x55), 1));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(2, 2, 28, 28), 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(7, 8, 18, 4), 1, 1);
        p.drawRoundedRect(QRectF(14, 8, 4, 17), 1, 1);
        p.setBrush(QColor(0xf2, 0xc2, 0x30));
        p.drawEllipse(QPointF(24, 23), 3, 3);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

namespace {
enum class Mark
{
    Missing, // a red cross: the folder is gone
    Project, // a blue list: entries of a project file
    Text,    // grey lines of text
};

// Each event has a picture of its own, drawn over the style's plain one.
QIcon marked(const QIcon &base, Mark mark)
{
    QIcon icon;
    for (int size : {16, 32}) {
        QPixmap pm = base.pixmap(size, size);
        if (pm.isNull()) {
            pm = QPixmap(size, size);
            pm.fill(Qt::transparent);
        }
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        switch (mark) {
        case Mark::Missing:
            p.setPen(QPen(QColor(200, 30, 30), 2.5));
            p.drawLine(QPointF(8, 8), QPointF(15, 15));
            p.drawLine(QPointF(15, 8), QPointF(8, 15));
            break;
        case Mark::Project:
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 90, 200));
            for (int i = 0; i < 3; ++i)
                p.drawRect(QRectF(4, 5 + i * 3.5, 8, 2));
            break;
        case Mark::Text:
            p.setPen(QPen(QColor(90, 90, 90), 1));
            for (int i = 0; i < 4; ++i)
                p.drawLine(QPointF(4, 5.5 + i * 2.5), QPointF(i == 3 ? 9 : 12, 5.5 + i * 2.5));
            break;
        }
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}
} // namespace

QIcon TaskbarIdentity::icon(const QString &name)
{
    if (name == QLatin1String("logo"))
        return logo();
    QStyle *style = QApplication::style();
    if (!style)
        return QIcon();
    if (name == QLatin1String("warning"))
        return style->standardIcon(QStyle::SP_MessageBoxWarning);
    if (name == QLatin1String("error"))
        return style->standardIcon(QStyle::SP_MessageBoxCritical);
    if (name == QLatin1String("printer"))
        return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    if (name == QLatin1String("project"))
        return marked(style->standardIcon(QStyle::SP_FileIcon), Mark::Project);
    if (name == QLatin1String("folder"))
        return style->standardIcon(QStyle::SP_DirIcon);
    if (name == QLatin1String("missing"))
        return marked(style->standardIcon(QStyle::SP_DirIcon), Mark::Missing);
    if (name == QLatin1String("explorer"))
        return style->standardIcon(QStyle::SP_DirOpenIcon);
    if (name == QLatin1String("text"))
        return marked(style->standardIcon(QStyle::SP_FileIcon), Mark::Text);
    return QIcon();
}

} // namespace tolvane
