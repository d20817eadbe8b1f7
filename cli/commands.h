// The batch tool's subcommands. Each takes the arguments after its name and returns the
// process exit status (0 success, 1 failure of the work, 2 a wrong command line).
#pragma once

#include <string>
#include <vector>

using CommandArgs = std::vector<std::string>;

int RunDemo(const CommandArgs& args);
int RunPovRay(const CommandArgs& args);
int RunNew(const CommandArgs& args);
int RunDump(const CommandArgs& args);
int RunConvert(const CommandArgs& args);
int RunCheck(const CommandArgs& args);
int RunRender(const CommandArgs& args);
int RunImport(const CommandArgs& args);
int RunPreviews(const CommandArgs& args);

struct CommandInfo {
    const char* name;
    const char* usage;    // the synopsis after the command name
    const char* summary;  // one line
    int (*run)(const CommandArgs&);
};

// every subcommand, in the order --help lists them
const std::vector<CommandInfo>& AllCommands();

// Prints "orvanta-cli: <message>" to stderr.
void ReportError(const std::string& message);
