#pragma once

#include "core/project/ListReporter.h"

namespace tolvane {

class Platform;

// "&Load Projects Files...": the list is replaced by a project file's entries, a build asked for
// on load runs on the list as read, then the missing entries are swept out and reported, and with
// "Repair project files..." the project is repaired.
class ProjectLoadSequence
{
  public:
    // Why a load ended where it did.
    enum class End
    {
        Loaded,   // the list holds the project (less its missing entries)
        Declined, // "No" to clearing the list: it is as it was
        NoData,
        Missing,
        Unreadable,
        NotText,
        RepairFailed
    };

    ProjectLoadSequence(Platform &platform, ListReporter &reporter);
    End run(const QString &path);

  private:
    Platform &m_platform;
    ListReporter &m_reporter;
};

} // namespace tolvane
