#include "ui/services/Pacer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace tolvane {

void Pacer::pause(int ms)
{
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

bool Pacer::frameDue()
{
    if (m_frame.isValid() && m_frame.elapsed() < m_frameMs)
        return false;
    qreal hz = 60;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        hz = qBound<qreal>(20, screen->refreshRate(), 240);
    m_frameMs = qint64(1000 / hz);
    m_frame.start();
    return true;
}

void Pacer::showFrame()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace tolvane
