// Starting external programs (POV-Ray, the image viewer, a text editor).
#pragma once

#include <atomic>
#include <string>
#include <vector>

struct ProcessResult {
    bool started = false;  // false: the program could not be started at all
    int exitCode = -1;
    std::string output;  // standard output and standard error, interleaved
    std::string error;   // why it could not be started
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
};

// Without an installed launcher nothing can be started.
IProcessLauncher& GetProcessLauncher();
void SetProcessLauncher(IProcessLauncher* launcher);
