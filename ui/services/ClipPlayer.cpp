#include "ui/services/ClipPlayer.h"

#include <QPainter>
#include <QtMath>

namespace tolvane {

ClipPlayer::ClipPlayer(const QString &clip, QWidget *parent) : QWidget(parent), m_clip(clip)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_timer.setInterval(80);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_frame = (m_frame + 1) % 24;
        update();
    });
}

void ClipPlayer::setActive(bool active)
{
    if (active)
        m_timer.start();
    else
        m_timer.stop();
}

void ClipPlayer::showEvent(QShowEvent *)
{
    m_timer.start();
}

void ClipPlayer::hideEvent(QHideEvent *)
{
    m_timer.stop();
}

void ClipPlayer::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect().adjusted(2, 2, -2, -2);
    if (m_clip == QLatin1String("X2")) {
        // A turning reel.
        const QPointF c = r.center();
        const qreal radius = qMin(r.width(), r.height()) / 2;
        p.setPen(QPen(palette().color(QPalette::Mid), 1));
        p.setBrush(palette().color(QPalette::Button));
        p.drawEllipse(c, radius, radius);
        p.setBrush(palette().color(QPalette::Dark));
        for (int i = 0; i < 3; ++i) {
            const qreal a = qDegreesToRadians(m_frame * 15.0 + i * 120.0);
            p.drawEllipse(c + QPointF(qCos(a), qSin(a)) * radius * 0.55, radius * 0.22,
                          radius * 0.22);
        }
        return;
    }
    if (m_clip == QLatin1String("delete")) {
        // A sheet falling into a bin, again and again.
        const QRectF bin(r.right() - 26, r.bottom() - 20, 22, 20);
        p.setPen(QPen(QColor(70, 70, 80), 1));
        p.setBrush(QColor(150, 150, 160));
        p.drawRect(bin);
        p.drawLine(QPointF(bin.left() - 3, bin.top()), QPointF(bin.right() + 3, bin.top()));
        const qreal t = (m_frame % 20) / 20.0;
        const qreal x = r.left() + 4 + t * (bin.left() - r.left());
        const qreal top = r.top() + t * t * (bin.top() - r.top() - 6);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(x, top, 9, 12));
        return;
    }
    // Files travelling from one drive to the other.
    const qreal y = r.center().y();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 110));
    p.drawRoundedRect(QRectF(r.left(), y - 8, 22, 16), 3, 3);
    p.drawRoundedRect(QRectF(r.right() - 22, y - 8, 22, 16), 3, 3);
    const qreal span = r.width() - 60;
    for (int i = 0; i < 3; ++i) {
        const qreal t = ((m_frame + i * 8) % 24) / 24.0;
        const qreal x = r.left() + 28 + t * span;
        const qreal lift = qSin(t * M_PI) * (r.height() / 2 - 6);
        p.setBrush(QColor(240, 200, 60));
        p.setPen(QPen(QColor(120, 100, 30), 1));
        p.drawRect(QRectF(x, y - 5 - lift, 8, 10));
    }
}

} // namespace tolvane
