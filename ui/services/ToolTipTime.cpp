#include "ui/services/ToolTipTime.h"

#include <QApplication>
#include <QWidget>

namespace tolvane::tooltiptime {

void set(int ms)
{
    if (!qApp)
        return;
    qApp->setProperty("toolTipTime", ms);
    for (QWidget *w : QApplication::allWidgets())
        w->setToolTipDuration(ms);
}

int current()
{
    const QVariant v = qApp ? qApp->property("toolTipTime") : QVariant();
    return v.isValid() ? v.toInt() : -1;
}

} // namespace tolvane::tooltiptime
