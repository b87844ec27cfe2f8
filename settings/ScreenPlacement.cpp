#include "settings/ScreenPlacement.h"

#include <limits>

namespace tolvane::placement {

namespace {
qint64 area(const QRect &r)
{
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

qint64 distance(const QRect &a, const QRect &b)
{
    const QPoint d = a.center() - b.center();
    return qint64(d.x()) * d.x() + qint64(d.y()) * d.y();
}
} // namespace

QPoint keepTitleOnScreen(const QRect &frame, int titleHeight, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return frame.topLeft();
    const QRect strip(frame.topLeft(), QSize(frame.width(), titleHeight));
    qint64 covered = 0;
    for (const QRect &s : screens)
        covered += area(s.intersected(strip)); // screens do not overlap
    if (covered >= area(strip))
        return frame.topLeft();

    const QRect *best = nullptr;
    qint64 bestShown = 0;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (const QRect &s : screens) {
        const qint64 shown = area(s.intersected(frame));
        const qint64 d = distance(s, frame);
        if (!best || shown > bestShown || (shown == bestShown && d < bestDistance)) {
            best = &s;
            bestShown = shown;
            bestDistance = d;
        }
    }
    const QRect &s = *best;
    const int x = frame.width() >= s.width()
                      ? s.left()
                      : qBound(s.left(), frame.x(), s.left() + s.width() - frame.width());
    const int y = qBound(s.top(), frame.y(), s.top() + s.height() - titleHeight);
    return {x, y};
}

} // namespace tolvane::placement
