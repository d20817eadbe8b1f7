// What the scene scanner keeps besides flex's own state: where it is in the text, the bytes it
// could not match (the output log), the problems it met, and the skipping of a statement that
// broke.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "document/read_problem.h"
#include "model/text_format.h"

class SceneTokenStream;

struct SceneScannerState {
    // the text being scanned and where the text matched last starts in it
    const char* base = nullptr;
    std::size_t offset = 0;
    // bytes that start no token, copied in order ("out.txt")
    std::string output;
    // where the scanner's problems go; none are kept without it
    ReadProblems* problems = nullptr;
    // when set, the tokens come from there (scanned ahead) instead of this scanner
    SceneTokenStream* stream = nullptr;

    // braces opened and not yet closed by the tokens handed to the parser
    int depth = 0;
    // after a syntax error: dropping tokens up to the brace that closes the statement
    bool skipping = false;
    // the parser's lookahead at the error belongs to the statement being dropped
    bool lookaheadInStatement = false;
    // the token handed to the parser last (its lookahead when it meets an error), and the
    // length of its text
    int lastToken = 0;
    std::size_t lastLength = 0;

    // block comments, which nest
    std::size_t commentStart = 0;
    int commentDepth = 0;
    std::size_t includeListStart = 0;
    std::size_t pov37Start = 0;
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
        // without a branch per byte, which line feeds every few bytes would mispredict
        int lines = 0;
        for (const char* p = base + countedOffset_; p < base + position; ++p)
            lines += *p == '\n';
        countedLine_ += lines;
        countedOffset_ = position;
        return countedLine_;
    }
    // line of the text matched last
    int Line() { return LineAt(offset); }

    void Report(std::size_t position, std::string message) {
        if (problems)
            problems->push_back({LineAt(position), std::move(message)});
    }

    // Characters that start no token: reported once per line, the first of them named.
    void Stray(const char* text, std::size_t length) {
        const int line = Line();
        if (line == lastStrayLine_)
            return;
        lastStrayLine_ = line;
        const unsigned char c = static_cast<unsigned char>(text[0]);
        if (c >= 0x21 && c < 0x7f)
            Report(offset, orv::Format("Not read: the character \"%c\"", text[0]));
        else if (length == 1)
            Report(offset, orv::Format("Not read: the byte %d, which is no character of the "
                                       "scene language",
                                       static_cast<int>(c)));
        else
            Report(offset, orv::Format("Not read: %d bytes that are no characters of the scene "
                                       "language (the first is %d)",
                                       static_cast<int>(length), static_cast<int>(c)));
    }

    void IncludeListNotClosed() {
        Report(includeListStart,
               "Include list not closed: no \"//$user_inc end$\" follows; the list ends where "
               "its include lines end, and reading goes on");
    }

    // After a syntax error at the token handed out last: drops the tokens up to the brace that
    // closes the statement, or up to a token that only starts a statement. True when that
    // token itself belongs to the statement (the parser drops it too).
    bool SkipStatement();

  private:
    std::size_t countedOffset_ = 0;
    int countedLine_ = 1;
    int lastStrayLine_ = 0;
};

// Thrown by the scanner for a fatal error (an allocation failure, a broken buffer); the reader
// catches it, records the message and keeps what was built.
class SceneScanError : public std::runtime_error {
  public:
    explicit SceneScanError(const char* message) : std::runtime_error(message) {}
};
