// Conversion between the scene files' code page (Windows-1252) and UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace orv {

// Every byte maps to one character; the five bytes Windows-1252 leaves undefined map to the
// C1 control characters of the same value, so any byte string survives a round trip.
std::string Cp1252ToUtf8(std::string_view bytes);
// Characters outside Windows-1252 (and malformed UTF-8) become '?'.
std::string Utf8ToCp1252(std::string_view utf8);
// The Unicode code point of one Windows-1252 byte (the same mapping as Cp1252ToUtf8).
char32_t Cp1252CodePoint(char byte);

}  // namespace orv
