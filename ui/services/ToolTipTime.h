#pragma once

namespace tolvane::tooltiptime {

// How long a tooltip stays: one value for the whole application. A control that sets it sets it
// for every tooltip, until another control sets it again.
void set(int ms);
// The value last set; -1 (the length of the text decides) before any.
int current();

} // namespace tolvane::tooltiptime
