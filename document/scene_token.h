// What the scene scanner hands the parser with each token: the token's text (pointing into the
// buffer being read, which outlives the parse) and, for numbers, their value.
#pragma once

#include <cstddef>
#include <string_view>

// Plain data: the parser keeps these on its value stack.
struct SceneToken {
    // enough for POV-Ray's "matrix <...>" of twelve values
    static constexpr int kMaxComponents = 12;

    const char* text;
    std::size_t length;
    double number;
    // a whole vector "<x, y, z>": its components (the first kMaxComponents) and their count
    double components[kMaxComponents];
    int count;

    std::string_view View() const { return {text, length}; }
};

// Where a token starts: its offset in the text (the parser's location type; the line is
// counted from it only when a problem is reported).
struct SceneLocation {
    std::size_t offset;
};
