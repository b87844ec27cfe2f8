#pragma once

#include <QElapsedTimer>

namespace tolvane {

// Every fixed pause goes through here. The real one keeps painting but takes no user input; a
// test's or a benchmark's returns at once.
class Pacer
{
  public:
    virtual ~Pacer() = default;
    virtual void pause(int ms);
    // Long runs (a drop of thousands of paths, a scan of a large tree) ask before they show
    // progress: true at most once per screen refresh.
    virtual bool frameDue();
    // Lets the window paint what the run has shown, taking no user input.
    virtual void showFrame();

  private:
    QElapsedTimer m_frame;
    qint64 m_frameMs = 16;
};

} // namespace tolvane
