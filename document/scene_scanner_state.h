// What the scene scanner keeps besides flex's own state: the bytes it could not match (the
// output log) and how a fatal scanner error ends the current read.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

struct SceneScannerState {
    // the text being scanned and where the text matched last starts in it
    const char* base = nullptr;
    std::size_t offset = 0;
    // bytes that start no token, copied in order ("out.txt")
    std::string output;
    // the raw element being scanned: where its first marker line starts, where its text ends
    std::size_t rawStart = 0;
    std::size_t rawEnd = 0;

    // Line (from 1) of a position in the text. Lines are counted only when asked for, which
    // is rare (problems); asking in text order counts every byte once.
    int LineAt(std::size_t position) {
        if (!base)
            return 0;
        if (position < countedOffset_) {
            countedOffset_ = 0;
            countedLine_ = 1;
        }
        for (; countedOffset_ < position; ++countedOffset_)
            if (base[countedOffset_] == '\n')
                ++countedLine_;
        return countedLine_;
    }
    // line of the text matched last
    int Line() { return LineAt(offset); }

  private:
    std::size_t countedOffset_ = 0;
    int countedLine_ = 1;
};

// Thrown by the scanner for a fatal error (an allocation failure, a broken buffer); the reader
// catches it, records the message and keeps what was built.
class SceneScanError : public std::runtime_error {
  public:
    explicit SceneScanError(const char* message) : std::runtime_error(message) {}
};
