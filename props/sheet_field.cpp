#include "props/sheet_field.h"

#include <charconv>
#include <cmath>

#include "model/text_format.h"
#include "resources/ui_text.h"

namespace {

char g_separator = '.';

std::string Replace(std::string text, std::string_view key, std::string_view value) {
    const size_t at = text.find(key);
    if (at != std::string::npos)
        text.replace(at, key.size(), value);
    return text;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

}  // namespace

void SetDecimalSeparator(char separator) {
    g_separator = separator == ',' ? ',' : '.';
}

char DecimalSeparator() {
    return g_separator;
}

std::string FormatNumber(double value, int decimals) {
    if (decimals < 0)
        decimals = 0;
    std::string text;
    orv::AppendFixed(text, value, decimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    if (g_separator != '.')
        for (char& c : text)
            if (c == '.')
                c = g_separator;
    return text;
}

std::optional<double> ParseNumber(std::string_view text) {
    text = Trim(text);
    if (text.empty())
        return std::nullopt;
    std::string plain(text);
    if (plain.front() == '+')
        plain.erase(0, 1);
    int separators = 0;
    for (char& c : plain) {
        if (c == ',' && g_separator == ',')
            c = '.';
        if (c == '.')
            ++separators;
        // only what a number is written with: from_chars would also take "inf" and "nan"
        const bool allowed =
            (c >= '0' && c <= '9') || c == '.' || c == '-' || c == 'e' || c == 'E' || c == '+';
        if (!allowed)
            return std::nullopt;
    }
    if (separators > 1)
        return std::nullopt;
    double value = 0.0;
    const char* end = plain.data() + plain.size();
    const auto [ptr, ec] = std::from_chars(plain.data(), end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<long long> ParseInteger(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

std::string NumberMessage() {
    return Tr("Geben Sie bitte eine Zahl ein.");
}

std::string NumberRangeMessage(double min, double max) {
    std::string m = Tr("Geben Sie bitte eine Zahl zwischen %1 und %2 ein.");
    return Replace(Replace(m, "%1", FormatNumber(min)), "%2", FormatNumber(max));
}

std::string IntegerMessage() {
    return Tr("Geben Sie bitte eine ganze Zahl ein.");
}

std::string IntegerRangeMessage(double min, double max) {
    std::string m = Tr("Geben Sie bitte eine ganze Zahl zwischen %1 und %2 ein.");
    return Replace(Replace(m, "%1", FormatNumber(min, 0)), "%2", FormatNumber(max, 0));
}

std::string TextLengthMessage(size_t maxLength) {
    return Replace(Tr("Geben Sie bitte nicht mehr als %1 Zeichen ein."), "%1",
                   std::to_string(maxLength));
}

size_t Utf8Length(std::string_view utf8) {
    size_t n = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}
