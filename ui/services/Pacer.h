#pragma once

#include <functional>

namespace tolvane {

// Every fixed pause goes through here. The real one keeps painting but takes no user input; the
// tests' one returns at once and counts.
class Pacer
{
  public:
    virtual ~Pacer() = default;
    virtual void pause(int ms);
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
    long long total = 0;
    int count = 0;
    // Lets a test look at the state in the middle of a paced sequence.
    std::function<void(int)> onPause;
};

} // namespace tolvane
