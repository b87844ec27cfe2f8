#pragma once

#include <QTimer>
#include <QWidget>

namespace tolvane {

// A small looping animation drawn in code: "A4" files flying between two drives for the build,
// "X2" a turning reel for the main window's scan panel, "delete" sheets thrown into a bin while
// missing entries are removed.
class ClipPlayer : public QWidget
{
    Q_OBJECT

  public:
    ClipPlayer(const QString &clip, QWidget *parent = nullptr);
    void setActive(bool active);
    bool isActive() const { return m_timer.isActive(); }
    QSize sizeHint() const override { return {160, 40}; }

  protected:
    void paintEvent(QPaintEvent *) override;
    void showEvent(QShowEvent *) override;
    void hideEvent(QHideEvent *) override;

  private:
    QString m_clip;
    QTimer m_timer;
    int m_frame = 0;
};

} // namespace tolvane
