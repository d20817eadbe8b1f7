// Splits POV-Ray scene text into tokens: words, numbers, strings, directives and punctuation.
// Comments (line and nested block comments) are skipped. The lexer can be moved to any
// position of its text, which is how loops and macros re-read their bodies.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pov {

struct Token {
    enum class Kind : uint8_t { End, Word, Number, String, Directive, Punct, Bad };
    // two-character operators as punctuation codes
    static constexpr char kLessEqual = 'l';
    static constexpr char kGreaterEqual = 'g';
    static constexpr char kNotEqual = 'n';

    Kind kind = Kind::End;
    char punct = 0;
    // a word, a directive's keyword, a string's raw text between the quotes
    std::string_view text;
    double number = 0.0;
    uint32_t line = 0;
    // the token's first byte
    uint32_t offset = 0;

    bool Is(char c) const { return kind == Kind::Punct && punct == c; }
    bool IsWord(std::string_view w) const { return kind == Kind::Word && text == w; }
};

// A place in the text to come back to.
struct LexPosition {
    uint32_t offset = 0;
    uint32_t line = 1;
};

class Lexer {
  public:
    Lexer() = default;
    explicit Lexer(std::string_view text) : text_(text) {}

    Token Next();
    // After a vector's '<': reads "n, n, n>" when every component is a number alone (with a
    // sign or none) and only spaces and line ends stand between them, as most vectors of a
    // scene are written. Then the lexer stands after the '>' and tokens counts the tokens
    // read; otherwise (a comment, an expression, a directive) it stays where it was.
    bool ReadPlainVector(std::array<double, 5>& components, int& count, size_t& tokens);
    LexPosition Position() const { return {pos_, line_}; }
    void Seek(LexPosition p) {
        pos_ = p.offset;
        line_ = p.line;
    }
    std::string_view Text() const { return text_; }
    // set when a block comment or string ran to the end of the text
    bool Unterminated() const { return unterminated_; }
    void ClearUnterminated() { unterminated_ = false; }

  private:
    void SkipSpaceAndComments();
    // a number token from a digit, or from a point before a digit
    void ReadNumber(Token& t);

    std::string_view text_;
    uint32_t pos_ = 0;
    uint32_t line_ = 1;
    bool unterminated_ = false;
};

// A string literal's text with its escapes replaced ("\n", "\t", "\\", "\"", "\u00E4" ...).
std::string Unescape(std::string_view raw);

}  // namespace pov
