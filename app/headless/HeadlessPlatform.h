#pragma once

#include "platform/LinuxPlatform.h"

namespace tolvane::headless {

// The platform of the windows, with a limit on how long a compiler may run: a build server
// must not wait for ever on a compiler that never ends.
class HeadlessPlatform : public LinuxPlatform
{
  public:
    explicit HeadlessPlatform(int timeoutMs = 0) : m_timeoutMs(timeoutMs) {}

    int runTool(const QString &program, const QStringList &arguments, QString *output,
                const QString &workingFolder = QString()) override;

    // True once a compiler was stopped for running too long.
    bool timedOut() const { return m_timedOut; }
    int timeoutMs() const { return m_timeoutMs; }

  private:
    int m_timeoutMs;
    bool m_timedOut = false;
};

} // namespace tolvane::headless
