#pragma once

#include <QElapsedTimer>
#include <functional>

namespace tolvane {

// Every fixed pause goes through here. The real one keeps painting but takes no user input; the
// tests' one returns at once and counts.
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

class InstantPacer : public Pacer
{
  public:
    void pause(int ms) override
    {
        total += ms;
        ++count;
        if (onPause)
            onPause(ms);
    }
    bool frameDue() override
    {
        ++frameChecks;
        return framesDue;
    }
    void showFrame() override { ++frames; }
    long long total = 0;
    int count = 0;
    bool framesDue = true; // false: a run that never reaches a frame shows only its end
    int frameChecks = 0;
    int frames = 0;
    // Lets a test look at the state in the middle of a paced sequence.
    std::function<void(int)> onPause;
};

} // namespace tolvane
