#pragma once

#include "settings/SettingsRecord.h"

#include <QList>
#include <QVariant>

class QWidget;

namespace tolvane {

// Moves values between the settings record and the controls that hold them: check boxes, radio
// buttons, line edits, combo boxes and spin boxes, found by the window and control names of the
// record, and the windows' own positions. Values with a behaviour of their own (greyed boxes,
// colours, the filter header) stay with their windows.
class SettingsBinder
{
  public:
    // The windows whose controls may hold the values, found by their objectNames.
    explicit SettingsBinder(QList<const QWidget *> windows);

    // The control that holds the value in one of the windows, or null.
    QWidget *control(Setting key) const;
    // Puts the value into its control; false when no control of a known kind holds it.
    bool write(Setting key, const QVariant &value) const;
    // The control's value; invalid when no control of a known kind holds it.
    QVariant read(Setting key) const;

  private:
    // The first holder of the value found in the windows, with its widget.
    const Holder *holder(Setting key, QWidget **found) const;

    QList<const QWidget *> m_windows;
};

} // namespace tolvane
