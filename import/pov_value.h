// The values of POV-Ray's scene language as the importer evaluates them: numbers, vectors,
// colours, strings, arrays and the evaluated text of statements (blocks of items).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pov {

struct Block;
struct Array;

// Where a piece of scene text came from: a file of the import's file table and a line.
struct SourceLoc {
    uint32_t file = 0;
    uint32_t line = 0;
};

struct Value {
    enum class Kind : uint8_t { None, Float, Vector, Color, String, Array, Block, Matrix };

    Kind kind = Kind::None;
    // components of a vector (2 to 5), always 5 for a colour; the number of a float in v[0]
    uint8_t dim = 0;
    std::array<double, 5> v{};
    // a string's bytes
    std::string text;
    std::shared_ptr<pov::Array> array;
    std::shared_ptr<const pov::Block> block;
    // the twelve numbers of a matrix literal
    std::shared_ptr<const std::vector<double>> matrix;

    static Value Float(double f);
    static Value Vector(std::initializer_list<double> c);
    static Value VectorN(const double* c, int n);
    static Value Color(double r, double g, double b, double f = 0.0, double t = 0.0);
    static Value String(std::string s);
    static Value FromBlock(std::shared_ptr<const pov::Block> b);

    bool IsNumeric() const {
        return kind == Kind::Float || kind == Kind::Vector || kind == Kind::Color;
    }
    double AsFloat() const { return v[0]; }
    // the value as a vector of n components: a float fills all of them, a shorter vector is
    // padded with zeros
    std::array<double, 5> Promoted(int n) const;
};

// One element of a statement's evaluated text.
struct Item {
    enum class Kind : uint8_t {
        Keyword,    // a reserved word (text in value.text)
        Value,      // a number, vector, colour, string or matrix
        Block,      // a nested statement "keyword { ... }" or a map entry "[ ... ]"
        Reference,  // a declared statement used by name (name in value.text, target in value.block)
        Comma,
        Symbol  // any other character of a function body (value.text)
    };
    Kind kind = Kind::Keyword;
    pov::Value value;
};

// The evaluated text of one statement: "keyword { items }". A map entry "[ ... ]" has the
// keyword "[". A function body keeps its tokens (keywords, symbols, numbers) unevaluated.
struct Block {
    std::string keyword;
    std::vector<Item> items;
    SourceLoc loc;
};

// The keyword of a declared texture of several layers ("texture {...} texture {...}"): its
// items are the layers.
inline constexpr const char* kLayeredTexture = "#layers";

struct Array {
    std::vector<int> sizes;
    std::vector<Value> elements;  // row-major; Kind::None for an element not yet assigned
};

// The whole part of a number (toward zero) as a count, index or width: the same as a plain
// conversion wherever that is defined; beyond the range of 64-bit integers it is held at their
// ends, and a value that is not a number gives 0.
long long WholeNumber(double v);
// The same held within the range of int.
int WholeInt(double v);

// Shortest text that reads back as the same double, locale-independent.
void AppendNumber(std::string& out, double v);
// POV-Ray text of a value: "1.5", "<1,2,3>", "color rgbft <...>", "\"text\"".
void AppendValue(std::string& out, const Value& value);
// a string literal with POV-Ray's escapes
void AppendQuoted(std::string& out, const std::string& text);

}  // namespace pov
