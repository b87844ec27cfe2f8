#include "ui/services/SoundPlayer.h"

#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#if TOLVANE_HAVE_MULTIMEDIA
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#endif

namespace tolvane {

void SystemSoundPlayer::play(const QString &name)
{
#if TOLVANE_HAVE_MULTIMEDIA
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    QSoundEffect effect;
    effect.setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(name)));
    QEventLoop loop;
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect.isPlaying())
            loop.quit();
    });
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect.status() == QSoundEffect::Error)
            loop.quit();
        else if (effect.status() == QSoundEffect::Ready && !effect.isPlaying())
            effect.play();
    });
    // A sound never takes longer than this; a stuck device does not hang the program.
    QTimer::singleShot(3000, &loop, &QEventLoop::quit);
    if (effect.status() == QSoundEffect::Ready)
        effect.play();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
#else
    Q_UNUSED(name);
#endif
}

} // namespace tolvane
