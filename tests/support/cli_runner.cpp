#include "tests/support/cli_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#ifndef ORVANTA_CLI_PATH
#define ORVANTA_CLI_PATH "orvanta-cli"
#endif

CliRun RunCli(const std::string& arguments, const std::string& shellPrefix) {
    CliRun run;
    char errName[] = "/tmp/orvanta-cli-err-XXXXXX";
    const int errFd = ::mkstemp(errName);
    if (errFd < 0)
        return run;
    ::close(errFd);
    const std::string command =
        shellPrefix + " " + ORVANTA_CLI_PATH + " " + arguments + " 2>" + errName;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadFile(errName);
    std::remove(errName);
    return run;
}

int StartCli(const std::vector<std::string>& arguments) {
    const pid_t pid = ::fork();
    if (pid != 0)
        return static_cast<int>(pid);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    std::vector<char*> argv;
    std::string program = ORVANTA_CLI_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies(arguments);
    for (std::string& a : copies)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
}

std::string MakeTempFolder() {
    char name[] = "/tmp/orvanta-test-XXXXXX";
    return ::mkdtemp(name) ? name : "";
}

void RemoveTree(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}
