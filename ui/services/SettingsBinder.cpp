#include "ui/services/SettingsBinder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace tolvane {

SettingsBinder::SettingsBinder(QList<const QWidget *> windows) : m_windows(std::move(windows)) {}

QWidget *SettingsBinder::control(Setting key) const
{
    for (const Holder &holder : SettingsRecord::row(key).holders) {
        for (const QWidget *window : m_windows) {
            if (!window || window->objectName() != holder.window)
                continue;
            if (holder.control == holder.window)
                return const_cast<QWidget *>(window);
            if (auto *c = window->findChild<QWidget *>(holder.control))
                return c;
        }
    }
    return nullptr;
}

bool SettingsBinder::write(Setting key, const QVariant &value) const
{
    QWidget *c = control(key);
    if (auto *box = qobject_cast<QAbstractButton *>(c)) {
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
    QWidget *c = control(key);
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
