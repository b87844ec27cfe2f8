#include "app/headless/HeadlessPlatform.h"
#include "platform/NativeName.h"
#include "platform/ToolRunner.h"
#include "tools/common/SignalCleanup.h"

namespace tolvane::headless {

int HeadlessPlatform::runTool(const QString &program, const QStringList &arguments, QString *output,
                              const QString &workingFolder)
{
    bool expired = false;
    const int result =
        ToolRunner::run(program, arguments, output, workingFolder, m_timeoutMs, &expired);
    m_timedOut = m_timedOut || expired;
    return result;
}

QStringList HeadlessPlatform::moveFiles(const QStringList &sources,
                                        const QString &destinationFolder)
{
    const QStringList moved = LinuxPlatform::moveFiles(sources, destinationFolder);
    for (const QString &path : moved)
        if (!path.isEmpty())
            m_moved << signalcleanup::removeOnSignal(nativename::encode(path).toStdString());
    return moved;
}

void HeadlessPlatform::keepMoved()
{
    for (const int id : m_moved)
        signalcleanup::forget(id);
    m_moved.clear();
}

} // namespace tolvane::headless
