// Runs orvanta-cli the way a user does and collects what it printed.
#pragma once

#include <string>

struct CliRun {
    int status = -1;  // exit status
    std::string out;  // standard output
    std::string err;  // standard error
};

// arguments: the command line after "orvanta-cli", as the shell would read it
CliRun RunCli(const std::string& arguments);

// a fresh folder under /tmp, removed with RemoveTree
std::string MakeTempFolder();
void RemoveTree(const std::string& folder);
std::string ReadFile(const std::string& path);
