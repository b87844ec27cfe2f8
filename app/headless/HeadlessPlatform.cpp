#include "app/headless/HeadlessPlatform.h"
#include "platform/ToolRunner.h"

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

} // namespace tolvane::headless
