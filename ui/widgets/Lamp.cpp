#include "ui/widgets/Lamp.h"

#include <QLabel>
#include <QPainter>
#include <QRadialGradient>

namespace tolvane {

QLabel *makeLamp(QWidget *parent, const QString &objectName, const QColor &colour,
                 const QSize &size)
{
    auto *lamp = new QLabel(parent);
    lamp->setObjectName(objectName);
    lamp->setFixedSize(size);
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    QRadialGradient glow(size.width() * 0.4, size.height() * 0.4, size.height() * 0.56);
    glow.setColorAt(0, Qt::white);
    glow.setColorAt(1, colour);
    p.setBrush(glow);
    p.drawEllipse(QRectF(1.5, 1.5, size.width() - 3, size.height() - 3));
    p.end();
    lamp->setPixmap(pm);
    return lamp;
}

} // namespace tolvane
