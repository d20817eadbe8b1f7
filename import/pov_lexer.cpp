#include "import/pov_lexer.h"

#include <charconv>
#include <cstdint>

namespace pov {

namespace {

bool IsWordStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool IsWordChar(char c) {
    return IsWordStart(c) || (c >= '0' && c <= '9');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsPunctuation(char c) {
    switch (c) {
        case '{':
        case '}':
        case '(':
        case ')':
        case '[':
        case ']':
        case '<':
        case '>':
        case ',':
        case ';':
        case '=':
        case '+':
        case '-':
        case '*':
        case '/':
        case '.':
        case '!':
        case '?':
        case ':':
        case '&':
        case '|':
            return true;
        default:
            return false;
    }
}

// Powers of ten that a double holds exactly: a number of no more than fifteen digits is their
// integer divided by one of them, which rounds as a full conversion does.
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
constexpr int kShortDigits = 15;

}  // namespace

void Lexer::SkipSpaceAndComments() {
    const size_t n = text_.size();
    while (pos_ < n) {
        const char c = text_[pos_];
        if (c == '\n') {
            ++line_;
            ++pos_;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v' || c == 0x1A) {
            ++pos_;
        } else if (c == '/' && pos_ + 1 < n && text_[pos_ + 1] == '/') {
            while (pos_ < n && text_[pos_] != '\n') {
                ++pos_;
            }
        } else if (c == '/' && pos_ + 1 < n && text_[pos_ + 1] == '*') {
            // block comments nest
            int depth = 0;
            while (pos_ < n) {
                if (text_[pos_] == '/' && pos_ + 1 < n && text_[pos_ + 1] == '*') {
                    ++depth;
                    pos_ += 2;
                } else if (text_[pos_] == '*' && pos_ + 1 < n && text_[pos_ + 1] == '/') {
                    pos_ += 2;
                    if (--depth == 0) {
                        break;
                    }
                } else {
                    if (text_[pos_] == '\n') {
                        ++line_;
                    }
                    ++pos_;
                }
            }
            if (depth > 0) {
                unterminated_ = true;
            }
        } else {
            return;
        }
    }
}

void Lexer::ReadNumber(Token& t) {
    const size_t n = text_.size();
    const uint32_t start = pos_;
    // the digits' integer as they are read (wrapping past nineteen digits, when it is not used)
    uint64_t digits = 0;
    int count = 0, decimals = 0;
    while (pos_ < n && IsDigit(text_[pos_])) {
        digits = digits * 10 + static_cast<uint64_t>(text_[pos_++] - '0');
        ++count;
    }
    if (pos_ < n && text_[pos_] == '.') {
        ++pos_;
        while (pos_ < n && IsDigit(text_[pos_])) {
            digits = digits * 10 + static_cast<uint64_t>(text_[pos_++] - '0');
            ++count;
            ++decimals;
        }
    }
    bool exponent = false;
    if (pos_ < n && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
        uint32_t p = pos_ + 1;
        if (p < n && (text_[p] == '+' || text_[p] == '-')) {
            ++p;
        }
        if (p < n && IsDigit(text_[p])) {
            while (p < n && IsDigit(text_[p])) {
                ++p;
            }
            pos_ = p;
            exponent = true;
        }
    }
    t.kind = Token::Kind::Number;
    t.text = text_.substr(start, pos_ - start);
    if (!exponent && count > 0 && count <= kShortDigits) {
        t.number = static_cast<double>(digits) / kPowersOfTen[decimals];
        return;
    }
    const std::string_view digitsText = t.text;
    auto res = std::from_chars(digitsText.data(), digitsText.data() + digitsText.size(), t.number);
    if (res.ec == std::errc::result_out_of_range) {
        t.kind = Token::Kind::Bad;
    } else if (res.ec != std::errc()) {
        // from_chars does not take a leading point: ".5"
        std::string padded = "0" + std::string(digitsText);
        std::from_chars(padded.data(), padded.data() + padded.size(), t.number);
    }
}

bool Lexer::ReadPlainVector(std::array<double, 5>& components, int& count, size_t& tokens) {
    const LexPosition start = Position();
    const size_t n = text_.size();
    // spaces and line ends; anything else (a comment) leaves the vector to the full reading
    auto skipSpace = [&] {
        while (pos_ < n) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
            } else if (c != ' ' && c != '\t' && c != '\r') {
                return;
            }
            ++pos_;
        }
    };
    count = 0;
    tokens = 0;
    for (;;) {
        skipSpace();
        char sign = 0;
        if (pos_ < n && (text_[pos_] == '-' || text_[pos_] == '+')) {
            sign = text_[pos_++];
            ++tokens;
            skipSpace();
        }
        if (pos_ >= n || !IsDigit(text_[pos_]) || count == static_cast<int>(components.size())) {
            break;
        }
        Token number;
        ReadNumber(number);
        if (number.kind != Token::Kind::Number) {
            break;
        }
        components[count++] = sign == '-' ? -number.number : number.number;
        ++tokens;
        skipSpace();
        if (pos_ >= n) {
            break;
        }
        if (text_[pos_] == ',') {
            ++pos_;
            ++tokens;
            continue;
        }
        // ">=" is one token of its own
        if (text_[pos_] == '>' && (pos_ + 1 >= n || text_[pos_ + 1] != '=') && count >= 2) {
            ++pos_;
            ++tokens;
            return true;
        }
        break;
    }
    Seek(start);
    return false;
}

Token Lexer::Next() {
    SkipSpaceAndComments();
    Token t;
    t.line = line_;
    t.offset = pos_;
    const size_t n = text_.size();
    if (pos_ >= n) {
        t.kind = Token::Kind::End;
        return t;
    }
    const char c = text_[pos_];
    if (IsWordStart(c)) {
        const uint32_t start = pos_;
        while (pos_ < n && IsWordChar(text_[pos_])) {
            ++pos_;
        }
        t.kind = Token::Kind::Word;
        t.text = text_.substr(start, pos_ - start);
        return t;
    }
    if (IsDigit(c) || (c == '.' && pos_ + 1 < n && IsDigit(text_[pos_ + 1]))) {
        ReadNumber(t);
        return t;
    }
    if (c == '"') {
        const uint32_t start = ++pos_;
        while (pos_ < n && text_[pos_] != '"') {
            if (text_[pos_] == '\\' && pos_ + 1 < n) {
                ++pos_;
            }
            if (text_[pos_] == '\n') {
                ++line_;
            }
            ++pos_;
        }
        t.kind = Token::Kind::String;
        t.text = text_.substr(start, pos_ - start);
        if (pos_ >= n) {
            unterminated_ = true;
        } else {
            ++pos_;
        }
        return t;
    }
    if (c == '#') {
        uint32_t p = pos_ + 1;
        while (p < n && (text_[p] == ' ' || text_[p] == '\t')) {
            ++p;
        }
        const uint32_t start = p;
        while (p < n && IsWordChar(text_[p])) {
            ++p;
        }
        pos_ = p;
        t.kind = Token::Kind::Directive;
        t.text = text_.substr(start, p - start);
        return t;
    }
    ++pos_;
    t.kind = Token::Kind::Punct;
    t.punct = c;
    if (pos_ < n && text_[pos_] == '=') {
        if (c == '<') {
            t.punct = Token::kLessEqual;
            ++pos_;
        } else if (c == '>') {
            t.punct = Token::kGreaterEqual;
            ++pos_;
        } else if (c == '!') {
            t.punct = Token::kNotEqual;
            ++pos_;
        }
    }
    if (!IsPunctuation(c)) {
        t.kind = Token::Kind::Bad;
        t.text = text_.substr(t.offset, 1);
    }
    return t;
}

std::string Unescape(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c != '\\' || i + 1 >= raw.size()) {
            out += c;
            continue;
        }
        const char e = raw[++i];
        switch (e) {
            case 'a':
                out += '\a';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'v':
                out += '\v';
                break;
            case '0':
                out += '\0';
                break;
            case 'u': {
                unsigned code = 0;
                size_t k = 0;
                for (; k < 4 && i + 1 < raw.size(); ++k) {
                    const char h = raw[i + 1];
                    int d = (h >= '0' && h <= '9')   ? h - '0'
                            : (h >= 'a' && h <= 'f') ? h - 'a' + 10
                            : (h >= 'A' && h <= 'F') ? h - 'A' + 10
                                                     : -1;
                    if (d < 0) {
                        break;
                    }
                    code = code * 16 + static_cast<unsigned>(d);
                    ++i;
                }
                // the scene text is single-byte: characters beyond it become '?'
                out += code < 256 ? static_cast<char>(code) : '?';
                break;
            }
            default:
                out += e;
                break;  // \\ \" \' and anything else
        }
    }
    return out;
}

}  // namespace pov
