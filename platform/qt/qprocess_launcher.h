// Starts external programs with QProcess, each in a process group of its own.
#pragma once

#include "platform/process_launcher.h"

class QProcessLauncher : public IProcessLauncher {
  public:
    ProcessResult RunAndWait(const std::string& program, const std::vector<std::string>& arguments,
                             const std::string& workingFolder) override;
    ProcessResult RunCancellable(const std::string& program,
                                 const std::vector<std::string>& arguments,
                                 const std::string& workingFolder,
                                 const std::atomic<bool>& cancel) override;
    bool StartDetached(const std::string& program,
                       const std::vector<std::string>& arguments) override;
    ProcessStart Start(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingFolder, ProcessCallbacks callbacks) override;
};
