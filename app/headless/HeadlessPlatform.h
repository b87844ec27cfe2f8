#pragma once

#include "platform/LinuxPlatform.h"

#include <QList>

namespace tolvane::headless {

// The platform of the windows, with a limit on how long a compiler may run: a build server
// must not wait for ever on a compiler that never ends.
class HeadlessPlatform : public LinuxPlatform
{
  public:
    explicit HeadlessPlatform(int timeoutMs = 0) : m_timeoutMs(timeoutMs) {}

    int runTool(const QString &program, const QStringList &arguments, QString *output,
                const QString &workingFolder = QString()) override;
    // Each file moved into the destination goes again on a signal, until keepMoved(): a build
    // that is stopped leaves none of its outputs there.
    QStringList moveFiles(const QStringList &sources, const QString &destinationFolder) override;
    void keepMoved();

    // True once a compiler was stopped for running too long.
    bool timedOut() const { return m_timedOut; }
    int timeoutMs() const { return m_timeoutMs; }

  private:
    int m_timeoutMs;
    bool m_timedOut = false;
    QList<int> m_moved; // their numbers with the signal cleanup
};

} // namespace tolvane::headless
