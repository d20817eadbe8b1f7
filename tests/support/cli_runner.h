// Runs orvanta-cli the way a user does and collects what it printed.
#pragma once

#include <string>
#include <vector>

struct CliRun {
    int status = -1;  // exit status
    std::string out;  // standard output
    std::string err;  // standard error
};

// arguments: the command line after "orvanta-cli", as the shell would read it; shellPrefix:
// shell commands run before it in the same shell ("ulimit -f 1;")
CliRun RunCli(const std::string& arguments, const std::string& shellPrefix = "");

// Starts orvanta-cli in the background with the arguments as they are (no shell), its output
// thrown away; returns its pid, or -1.
int StartCli(const std::vector<std::string>& arguments);

// a fresh folder under /tmp, removed with RemoveTree
std::string MakeTempFolder();
void RemoveTree(const std::string& folder);
std::string ReadFile(const std::string& path);
