// What the scene scanner hands the parser with each token: the token's text (pointing into the
// buffer being read, which outlives the parse) and, for numbers, their value.
#pragma once

#include <cstddef>
#include <string_view>

// The parser keeps these on its value stack and copies one at nearly every step: a copy takes
// the components in use only (count of them, at most kMaxComponents), which nothing reads
// beyond.
struct SceneToken {
    // enough for POV-Ray's "matrix <...>" of twelve values
    static constexpr int kMaxComponents = 12;

    SceneToken() = default;
    SceneToken(const SceneToken& other) { *this = other; }
    SceneToken& operator=(const SceneToken& other) {
        text = other.text;
        length = other.length;
        number = other.number;
        count = other.count;
        const int used = count < 0 ? 0 : count < kMaxComponents ? count : kMaxComponents;
        for (int i = 0; i < used; ++i)
            components[i] = other.components[i];
        return *this;
    }

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
