// A problem met while reading a scene file: the line it was found on and what was wrong.
#pragma once

#include <string>
#include <vector>

struct ReadProblem {
    int line = 0;
    // Windows-1252, like every text of the core
    std::string message;
};

using ReadProblems = std::vector<ReadProblem>;
