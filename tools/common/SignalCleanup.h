#pragma once

#include <string>

// What a program leaves behind when it is asked to stop (SIGTERM, SIGINT, SIGHUP): it removes the
// files and folders it registered, after passing the signal on to its children and letting them
// end, and then ends by that same signal, so its caller sees how it ended.
//
// The handler itself only writes the signal's number to a pipe; a thread of its own does the
// work, outside of signal context.
namespace tolvane::signalcleanup {

// Starts watching; call once, early in main(). Later calls do nothing.
void install();
// A file, or a folder with everything in it, to remove on a signal (the path's bytes as the
// system knows them). Returns a number for forget().
int removeOnSignal(const std::string &path);
// The path is this program's own business again (it was removed or moved into place).
void forget(int id);
// A signal was caught: the paths are the watcher's now, and the program leaves them alone.
bool stopping();
// How long the children may take to end before the paths are removed all the same.
constexpr int childrenGraceMs = 6000;

} // namespace tolvane::signalcleanup
