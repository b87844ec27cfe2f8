#include "ui/services/Look.h"

#include <QAbstractItemView>
#include <QColor>
#include <QComboBox>
#include <QPalette>

namespace tolvane {

namespace {
void paint(QWidget *w, const QColor *background, const QColor *text, bool buttonRoles)
{
    QPalette p = w->palette();
    if (background) {
        p.setColor(QPalette::Base, *background);
        p.setColor(QPalette::Window, *background);
        if (buttonRoles)
            p.setColor(QPalette::Button, *background);
    }
    if (text) {
        p.setColor(QPalette::Text, *text);
        p.setColor(QPalette::WindowText, *text);
        p.setColor(QPalette::ButtonText, *text);
    }
    w->setPalette(p);
    if (background)
        w->setAutoFillBackground(true);
}
} // namespace

void paintEntry(QWidget *w, const QColor *background, const QColor *text)
{
    if (!w)
        return;
    auto *combo = qobject_cast<QComboBox *>(w);
    paint(w, background, text, combo != nullptr);
    if (combo && combo->view())
        paint(combo->view(), background, text, false);
}

} // namespace tolvane
