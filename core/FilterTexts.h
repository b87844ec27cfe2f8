#pragma once

#include <QString>
#include <QStringList>

namespace tolvane::filtertexts {

// The add-files dialog's filter as it is stored: pairs of name and patterns, separated by "|".
// Its first entry is named "All Files (*.*)" but lists only the twelve resource kinds.
QString addDialogFilter();
// A stored filter as a file dialog takes it: one "Name (patterns)" per pair, the patterns
// separated by blanks. A name without patterns keeps "*".
QStringList dialogFilters(const QString &stored);
// The name half of each pair, as the dialog shows it.
QStringList filterNames(const QString &stored);

// The drop filter's entries, in the order of the dialog's (position k is dialog entry k + 1).
QStringList dropFilterEntries();
// The bracketed part of an entry, brackets included: "(*.ani)".
QString maskOf(const QString &entry);

// The header over the file list when the add-files dialog closes on entry k (1-based); empty
// for an entry outside 1 to 13, which leaves the header as it is.
QString addDialogHeader(int entry);
// The header for a drop filter mask, and for the stored "Filter Type": a value that was never
// stored (the first start after setup) shows the drop filter's own mask instead of nothing.
QString dropFilterHeader(const QString &mask);
QString storedFilterHeader(const QString &stored, const QString &dropMask);

} // namespace tolvane::filtertexts
