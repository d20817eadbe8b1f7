// What the scene scanner keeps besides flex's own state: the bytes it could not match (the
// output log) and how a fatal scanner error ends the current read.
#pragma once

#include <stdexcept>
#include <string>

struct SceneScannerState {
    // line of the token read last
    int line = 1;
    // bytes that start no token, copied in order ("out.txt")
    std::string output;
};

// Thrown by the scanner for a fatal error (an allocation failure, a broken buffer); the reader
// catches it, records the message and keeps what was built.
class SceneScanError : public std::runtime_error {
  public:
    explicit SceneScanError(const char* message) : std::runtime_error(message) {}
};
