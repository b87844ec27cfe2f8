#include "ui/services/SettingsBinder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace tolvane {

SettingsBinder::SettingsBinder(QList<const QWidget *> windows) : m_windows(std::move(windows)) {}

namespace {
bool isEdge(const QString &control)
{
    return control == QLatin1String(leftEdge) || control == QLatin1String(topEdge);
}
} // namespace

const Holder *SettingsBinder::holder(Setting key, QWidget **found) const
{
    for (const Holder &holder : SettingsRecord::row(key).holders) {
        for (const QWidget *window : m_windows) {
            if (!window || window->objectName() != holder.window)
                continue;
            auto *w = const_cast<QWidget *>(window);
            *found = isEdge(holder.control) ? w : w->findChild<QWidget *>(holder.control);
            if (*found)
                return &holder;
        }
    }
    return nullptr;
}

QWidget *SettingsBinder::control(Setting key) const
{
    QWidget *found = nullptr;
    return holder(key, &found) ? found : nullptr;
}

bool SettingsBinder::write(Setting key, const QVariant &value) const
{
    QWidget *c = nullptr;
    const Holder *h = holder(key, &c);
    if (!h)
        return false;
    if (h->control == QLatin1String(leftEdge)) {
        c->move(value.toInt(), c->y());
    } else if (h->control == QLatin1String(topEdge)) {
        c->move(c->x(), value.toInt());
    } else if (auto *box = qobject_cast<QAbstractButton *>(c)) {
        // A radio button set on turns its partner off; setting it off leaves the pair alone.
        box->setChecked(value.toBool());
    } else if (auto *edit = qobject_cast<QLineEdit *>(c)) {
        edit->setText(value.toString());
    } else if (auto *list = qobject_cast<QComboBox *>(c)) {
        if (SettingsRecord::row(key).type == ValueType::Text) {
            list->setCurrentIndex(list->findText(value.toString()));
        } else {
            // A position outside the list selects nothing.
            const int i = value.toInt();
            list->setCurrentIndex(i >= 0 && i < list->count() ? i : -1);
        }
    } else if (auto *spin = qobject_cast<QSpinBox *>(c)) {
        spin->setValue(value.toInt());
    } else {
        return false;
    }
    return true;
}

QVariant SettingsBinder::read(Setting key) const
{
    QWidget *c = nullptr;
    const Holder *h = holder(key, &c);
    if (!h)
        return {};
    if (h->control == QLatin1String(leftEdge))
        return c->x();
    if (h->control == QLatin1String(topEdge))
        return c->y();
    if (auto *box = qobject_cast<QCheckBox *>(c))
        return box->checkState() == Qt::Checked; // a greyed box counts as off
    if (auto *button = qobject_cast<QAbstractButton *>(c))
        return button->isChecked();
    if (auto *edit = qobject_cast<QLineEdit *>(c))
        return edit->text();
    if (auto *list = qobject_cast<QComboBox *>(c)) {
        if (SettingsRecord::row(key).type == ValueType::Text)
            return list->currentText();
        return list->currentIndex();
    }
    if (auto *spin = qobject_cast<QSpinBox *>(c))
        return spin->value();
    return {};
}

} // namespace tolvane
