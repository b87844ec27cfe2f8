#pragma once

#include <QString>
#include <QStringList>

namespace tolvane {

// Runs one program and waits for it without a time limit. While it waits the event loop keeps
// painting but takes no user input. Output is read as it arrives, so a tool that prints more than
// a pipe holds never blocks; only the first captureLimit bytes are kept.
class ToolRunner
{
  public:
    static constexpr int captureLimit = 16384;

    static int run(const QString &program, const QStringList &arguments, QString *output,
                   const QString &workingFolder = QString());
};

} // namespace tolvane
