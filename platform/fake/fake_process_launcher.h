// A process launcher for tests: records every command line and answers with a callback, which
// may act like the program (write its output file) and may wait for cancellation. Programs
// started with their output streamed are driven by the test through FakeRunningProcess.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/process_launcher.h"

// A started program that does what the test tells it to: print, end.
class FakeRunningProcess : public IRunningProcess {
  public:
    explicit FakeRunningProcess(ProcessCallbacks c) : callbacks(std::move(c)) {}
    void Stop() override { stopRequested = true; }
    bool IsRunning() const override { return running; }
    bool Wait(int) override { return !running; }

    void Output(std::string_view bytes) {
        if (callbacks.output)
            callbacks.output(bytes);
    }
    void Errors(std::string_view bytes) {
        if (callbacks.errors)
            callbacks.errors(bytes);
    }
    void Finish(int exitCode, bool crashed = false) {
        running = false;
        if (callbacks.finished)
            callbacks.finished(ProcessExit{exitCode, crashed});
    }

    ProcessCallbacks callbacks;
    bool running = true;
    bool stopRequested = false;
};

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

    // Streamed starts: each gets a FakeRunningProcess that stays reachable through started
    // (owned by whoever started it); startError makes the start fail.
    ProcessStart Start(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingFolder, ProcessCallbacks callbacks) override {
        {
            std::lock_guard lock(mutex);
            programs.push_back(program);
            calls.push_back(arguments);
            folders.push_back(workingFolder);
        }
        if (!startError.empty())
            return {nullptr, startError};
        auto process = std::make_unique<FakeRunningProcess>(std::move(callbacks));
        started.push_back(process.get());
        return {std::move(process), {}};
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
    std::vector<std::string> folders;
    std::vector<FakeRunningProcess*> started;
    std::string startError;
};
