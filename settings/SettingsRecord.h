#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace tolvane {

enum class ValueType
{
    Text,
    Integer,
    Flag,
    Colour
};

// One value of the settings key. fresh is what setup writes for a tool window left as it comes
// up on a fresh installation; an invalid fresh value means setup works it out at the time (the
// folder it found, the date, a window position).
struct SettingRow
{
    QString name;
    ValueType type;
    QVariant fresh;
    QString control; // objectName of the control that holds the live value
};

// Colour values: 0x00BBGGRR, or this flag plus a system colour index.
constexpr quint32 systemColourFlag = 0x80000000u;
constexpr quint32 windowBackground = systemColourFlag + 5;
constexpr quint32 buttonFace = systemColourFlag + 15;

class SettingsRecord
{
  public:
    // Every value, in the order setup writes them ("Filter Type" last; setup leaves it out).
    static const QList<SettingRow> &rows();
    static const SettingRow *find(const QString &name);
};

// One step of a load or save sequence: the value, and which control it goes to when one value
// feeds several ("Color" for each of the entry fields).
struct SequenceItem
{
    QString name;
    QString target;
};
using Sequence = QList<SequenceItem>;

namespace sequences {
Sequence mainWindowLoad();
Sequence toolWindowLoad();
Sequence setupWizardLoad();
Sequence stringEditorLoad();
Sequence toolWindowSave();
Sequence mainWindowExitSave();
Sequence setupWrite();
// The controls that take "Color" and "Font", in load order.
QStringList colourTargets();
} // namespace sequences

} // namespace tolvane
