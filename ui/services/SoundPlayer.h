#pragma once

#include <QString>
#include <QStringList>

namespace tolvane {

// Plays the program's own sounds "A1" (clicks), "A2" (warnings) and "A3" (failures) and returns
// when the sound has ended. Silence where there is no audio device.
class SoundPlayer
{
  public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString &name) = 0;
};

class SystemSoundPlayer : public SoundPlayer
{
  public:
    void play(const QString &name) override;
};

} // namespace tolvane
