// What the scene scanner hands the parser with each token: the token's text (pointing into the
// buffer being read, which outlives the parse) and, for numbers, their value.
#pragma once

#include <cstddef>
#include <string_view>

// Plain data: the parser keeps these on its value stack.
struct SceneToken {
    const char* text;
    std::size_t length;
    double number;

    std::string_view View() const { return {text, length}; }
};

// Where a token starts (the parser's location type).
struct SceneLocation {
    int line;
};
