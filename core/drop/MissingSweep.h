#pragma once

#include "core/TextFile.h"
#include "platform/Platform.h"

#include <QList>
#include <QStringList>

namespace tolvane {

// The entries whose files have gone, and the project file rewritten without them.
class MissingSweep
{
  public:
    // Rows of entries whose file does not exist, ascending.
    static QList<int> missingRows(Platform &platform, const QStringList &entries);
    // The list without the given rows (ascending).
    static QStringList without(const QStringList &entries, const QList<int> &rows);
    // Rewrites a project file with what is left, once and atomically: a failure leaves it whole.
    static WriteResult writeBack(const QString &projectFile, const QStringList &remaining);
};

} // namespace tolvane
