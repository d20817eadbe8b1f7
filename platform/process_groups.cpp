#include "platform/process_groups.h"

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>

namespace process_groups {

namespace {

// A fixed table of atomics: a signal handler may walk it while the main thread changes it.
constexpr int kSlots = 64;
std::atomic<int> g_groups[kSlots];

void OnSignal(int signal) {
    EndAll();
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

}  // namespace

void PrepareChild(int parentPid) {
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    // the parent may have died before the request took effect
    if (::getppid() != parentPid)
        ::_exit(127);
}

void Add(int group) {
    if (group <= 0)
        return;
    for (std::atomic<int>& slot : g_groups) {
        int empty = 0;
        if (slot.compare_exchange_strong(empty, group))
            return;
    }
}

void Remove(int group) {
    if (group <= 0)
        return;
    for (std::atomic<int>& slot : g_groups) {
        int expected = group;
        if (slot.compare_exchange_strong(expected, 0))
            return;
    }
}

void End(int group, bool force) {
    if (group <= 0)
        return;
    if (force) {
        ::kill(-group, SIGKILL);
        return;
    }
    ::kill(-group, SIGTERM);
    ::kill(-group, SIGCONT);
}

void EndAll() {
    for (std::atomic<int>& slot : g_groups)
        End(slot.load(), false);
}

void InstallExitHandlers() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    std::atexit(EndAll);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        struct sigaction action {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        // a signal someone chose to ignore (nohup) stays ignored
        struct sigaction previous {};
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
            continue;
        ::sigaction(signal, &action, nullptr);
    }
}

}  // namespace process_groups
