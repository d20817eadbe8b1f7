// A process launcher for tests: records every command line and answers with a callback, which
// may act like the program (write its output file) and may wait for cancellation.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/process_launcher.h"

class FakeProcessLauncher : public IProcessLauncher {
  public:
    using Behaviour = std::function<ProcessResult(const std::vector<std::string>& arguments,
                                                  const std::atomic<bool>& cancel)>;

    ProcessResult RunAndWait(const std::string& program, const std::vector<std::string>& arguments,
                             const std::string& workingFolder) override {
        const std::atomic<bool> never{false};
        return RunCancellable(program, arguments, workingFolder, never);
    }
    ProcessResult RunCancellable(const std::string& program,
                                 const std::vector<std::string>& arguments, const std::string&,
                                 const std::atomic<bool>& cancel) override {
        {
            std::lock_guard lock(mutex);
            programs.push_back(program);
            calls.push_back(arguments);
        }
        if (behaviour)
            return behaviour(arguments, cancel);
        ProcessResult started;
        started.started = true;
        started.exitCode = 0;
        return started;
    }
    bool StartDetached(const std::string& program,
                       const std::vector<std::string>& arguments) override {
        std::lock_guard lock(mutex);
        programs.push_back(program);
        calls.push_back(arguments);
        return true;
    }

    // the calls so far (copied under the lock)
    std::vector<std::vector<std::string>> Calls() {
        std::lock_guard lock(mutex);
        return calls;
    }

    Behaviour behaviour;
    std::mutex mutex;
    std::vector<std::string> programs;
    std::vector<std::vector<std::string>> calls;
};
