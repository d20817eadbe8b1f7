// Starting external programs (POV-Ray, the image viewer, a text editor). Programs get an
// argument list, never a command text split at blanks, so paths with blanks or non-ASCII
// characters reach them as they are. A started program runs in a process group of its own
// that ends when we do (process_groups.h).
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct ProcessResult {
    bool started = false;  // false: the program could not be started at all
    int exitCode = -1;
    std::string output;  // standard output and standard error, interleaved
    std::string error;   // why it could not be started
};

// How a started program ended.
struct ProcessExit {
    int exitCode = -1;
    // ended by a signal (a crash, or Stop)
    bool crashed = false;
};

// What a running program reports. The launcher calls these on the thread that runs its
// events (the user-interface thread in the application, inside Wait in the batch tool).
struct ProcessCallbacks {
    std::function<void(std::string_view)> output;  // standard output
    std::function<void(std::string_view)> errors;  // standard error
    std::function<void(const ProcessExit&)> finished;
};

class IRunningProcess {
  public:
    // A program still running when its handle goes is ended with its group.
    virtual ~IRunningProcess() = default;
    // Ends the program and its group: SIGTERM at once, SIGKILL a fifth of a second later if
    // the program is still there. finished is called when it has ended.
    virtual void Stop() = 0;
    virtual bool IsRunning() const = 0;
    // Waits up to milliseconds (-1: no limit) for the program to end, delivering its output
    // and its end meanwhile; true when it has ended.
    virtual bool Wait(int milliseconds) = 0;
};

struct ProcessStart {
    std::unique_ptr<IRunningProcess> process;  // null when the program did not start
    std::string error;                         // why it did not start
};

class IProcessLauncher {
  public:
    virtual ~IProcessLauncher() = default;
    // Runs the program and waits for it; workingFolder empty = the current folder.
    virtual ProcessResult RunAndWait(const std::string& program,
                                     const std::vector<std::string>& arguments,
                                     const std::string& workingFolder) = 0;
    // Runs the program like RunAndWait, but ends it as soon as cancel becomes true (then
    // exitCode is -1). Safe to call from a worker thread. Launchers that cannot end a program
    // early simply wait.
    virtual ProcessResult RunCancellable(const std::string& program,
                                         const std::vector<std::string>& arguments,
                                         const std::string& workingFolder,
                                         const std::atomic<bool>& /*cancel*/) {
        return RunAndWait(program, arguments, workingFolder);
    }
    // Starts the program and leaves it running on its own.
    virtual bool StartDetached(const std::string& program,
                               const std::vector<std::string>& arguments) = 0;
    // Starts the program with its output streamed to the callbacks.
    virtual ProcessStart Start(const std::string& program,
                               const std::vector<std::string>& arguments,
                               const std::string& workingFolder, ProcessCallbacks callbacks) = 0;
};

// Without an installed launcher nothing can be started.
IProcessLauncher& GetProcessLauncher();
void SetProcessLauncher(IProcessLauncher* launcher);
