#include "ui/services/Pacer.h"

#include <QEventLoop>
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

} // namespace tolvane
