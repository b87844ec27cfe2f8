#include "tools/common/SignalCleanup.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tolvane::signalcleanup {

namespace {

int wakeUp[2] = {-1, -1};
std::mutex guard;
std::map<int, std::string> &paths()
{
    static std::map<int, std::string> registered;
    return registered;
}
int nextId = 1;
volatile std::sig_atomic_t caught = 0;

const int watched[] = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int number)
{
    const int saved = errno;
    caught = number;
    // A caller that was killed left a broken pipe: the program's last words must not end it
    // before its paths are gone.
    std::signal(SIGPIPE, SIG_IGN);
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[1], &byte, 1);
    errno = saved;
}

// Field 3 (state) and 4 (parent) of /proc/PID/stat; the name before them may hold blanks and
// parentheses, so the fields are counted from its last ')'.
bool readStat(pid_t pid, char &state, pid_t &parent)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(in, line))
        return false;
    const auto close = line.rfind(')');
    if (close == std::string::npos)
        return false;
    std::istringstream rest(line.substr(close + 1));
    return bool(rest >> state >> parent);
}

std::vector<pid_t> children()
{
    std::vector<pid_t> found;
    DIR *proc = ::opendir("/proc");
    if (!proc)
        return found;
    const pid_t self = ::getpid();
    while (const dirent *entry = ::readdir(proc)) {
        char *end = nullptr;
        const long pid = std::strtol(entry->d_name, &end, 10);
        char state = 0;
        pid_t parent = 0;
        if (*end == '\0' && pid > 0 && readStat(pid_t(pid), state, parent) && parent == self &&
            state != 'Z')
            found.push_back(pid_t(pid));
    }
    ::closedir(proc);
    return found;
}

// The program's own end may be removing the same folder at this very moment, and an entry that
// vanishes under remove_all stops it half-way: go again until the path is gone.
void removeWhole(const std::string &path)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(path), ignored);
        struct stat info = {};
        if (::lstat(path.c_str(), &info) != 0 && errno == ENOENT)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

bool running(pid_t pid)
{
    char state = 0;
    pid_t parent = 0;
    return readStat(pid, state, parent) && state != 'Z' && parent == ::getpid();
}

void watch()
{
    unsigned char byte = 0;
    for (;;) {
        const ssize_t got = ::read(wakeUp[0], &byte, 1);
        if (got == 1)
            break;
        if (got < 0 && errno == EINTR)
            continue;
        return;
    }
    const int number = byte;
    // Held to the end: a path is never half forgotten while it is removed.
    guard.lock();
    const std::vector<pid_t> kids = children();
    for (const pid_t kid : kids)
        ::kill(kid, number);
    const auto until =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(childrenGraceMs);
    for (const pid_t kid : kids)
        while (running(kid) && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    for (const auto &[id, path] : paths())
        removeWhole(path);
    std::signal(number, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, number);
    ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(number);
    std::_Exit(128 + number); // raise() returns only if the signal was ignored after all
}

// The program's own end must not come first: it would end with an ordinary exit status, and
// before the paths are gone. The watcher ends the process.
void waitForWatcher()
{
    if (caught)
        for (;;)
            ::pause();
}

} // namespace

void install()
{
    const std::lock_guard<std::mutex> lock(guard);
    if (wakeUp[0] >= 0)
        return;
    if (::pipe2(wakeUp, O_CLOEXEC) != 0) {
        wakeUp[0] = wakeUp[1] = -1;
        return;
    }
    paths(); // made before the exit handler is registered, so it outlives it
    std::atexit(waitForWatcher);
    std::thread(watch).detach();
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : watched) {
        struct sigaction before = {};
        // A signal ignored by whoever started us (nohup) stays ignored.
        if (::sigaction(number, nullptr, &before) == 0 && before.sa_handler == SIG_IGN)
            continue;
        ::sigaction(number, &action, nullptr);
    }
}

bool stopping()
{
    return caught != 0;
}

int removeOnSignal(const std::string &path)
{
    const std::lock_guard<std::mutex> lock(guard);
    const int id = nextId++;
    paths()[id] = path;
    return id;
}

void forget(int id)
{
    const std::lock_guard<std::mutex> lock(guard);
    paths().erase(id);
}

} // namespace tolvane::signalcleanup
