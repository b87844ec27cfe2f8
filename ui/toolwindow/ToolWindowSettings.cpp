// The tool window as the source and target of the settings sequences, and its colour values.
#include "ui/mainwindow/MainWindow.h"
#include "ui/services/SettingsBinder.h"
#include "ui/toolwindow/ToolWindow.h"
#include "ui/widgets/TFileLabel.h"

#include <QCheckBox>
#include <QLineEdit>

namespace tolvane {

namespace {
bool on(const QCheckBox *box)
{
    return box->checkState() == Qt::Checked; // a greyed box counts as off
}

// The stored colour of a control, or the value it had before any was given to it.
QVariant storedColour(const QWidget *w, const char *property, quint32 untouched)
{
    const QVariant v = w->property(property);
    return v.isValid() ? QVariant(v.toUInt()) : QVariant(untouched);
}
} // namespace

SettingsBinder ToolWindow::binder() const
{
    // Only this window's own controls: the main window gives its values itself.
    return SettingsBinder({this});
}

void ToolWindow::apply(const SequenceItem &item, const QVariant &value)
{
    switch (item.key) {
    case Setting::AutoSort: // greyed while files execute on load
        if (on(m_executeOnLoadBox)) {
            m_autoSortOwn = value.toBool() ? Qt::Checked : Qt::Unchecked;
            m_autoSortBox->setCheckState(Qt::PartiallyChecked);
            return;
        }
        break;
    case Setting::KeepProject: // greyed while only scripts are written
        if (on(m_scriptsOnlyBox)) {
            m_keepProjectOwn = value.toBool() ? Qt::Checked : Qt::Unchecked;
            m_keepProjectBox->setCheckState(Qt::PartiallyChecked);
            return;
        }
        break;
    case Setting::EntryColour:
    case Setting::EntryFont:
    case Setting::HintColour:
    case Setting::HintFont: {
        const bool hint = item.key == Setting::HintColour || item.key == Setting::HintFont;
        const bool background = item.key == Setting::EntryColour || item.key == Setting::HintColour;
        const QString target = item.target.isEmpty() ? QStringLiteral("Edit1") : item.target;
        if (!hint && target == QLatin1String("ListBox1")) {
            // The main window's file list: that window paints it.
            const QColor c = colourFrom(value.toUInt(), m_main.palette());
            m_main.setListColours(background ? &c : nullptr, background ? nullptr : &c);
            return;
        }
        QWidget *w = hint ? m_hintLine : findChild<QWidget *>(target);
        if (!w)
            return;
        const QColor c = colourFrom(value.toUInt(), w->palette());
        if (background)
            setColours(w, &c, nullptr, value.toUInt(), 0);
        else
            setColours(w, nullptr, &c, 0, value.toUInt());
        return;
    }
    default:
        break;
    }
    binder().write(item.key, value);
}

QVariant ToolWindow::current(const SequenceItem &item) const
{
    switch (item.key) {
    case Setting::FilterType:
        return const_cast<ToolWindow *>(this)->dropFilterMask();
    case Setting::RecentAddFolder:
        return m_main.recentAddFolder();
    case Setting::RecentProjectFolder:
        return m_main.recentProjectFolder();
    case Setting::EntryColour:
        return storedColour(m_scriptName, "colourValue", windowBackground);
    case Setting::EntryFont:
        return storedColour(m_scriptName, "fontValue", 0u);
    case Setting::HintColour:
        return storedColour(m_hintLine, "colourValue", buttonFace);
    case Setting::HintFont:
        return storedColour(m_hintLine, "fontValue", 0u);
    default:
        return binder().read(item.key);
    }
}

} // namespace tolvane
