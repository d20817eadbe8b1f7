// One control of a property page as the page model sees it: its value, its range and its
// state. The Qt page widget only lays fields out and keeps its widgets and the fields in step;
// every rule (ranges, enabling, what a button does) lives in the page model.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class FieldKind {
    Number,   // a real number typed into a line edit
    Integer,  // a whole number typed into a line edit
    Text,     // a line edit
    Check,    // a check box; value 0 or 1
    Radio,    // a row of radio buttons, one per item; value = chosen index
    Choice,   // a combo box; value = chosen index (-1 none), text = its text when editable
    List,     // a list with multiple selection; items and selected
    Slider,   // a horizontal slider; value = position within min .. max
    Button,   // a push button; pressing it calls the page's Pressed
    Color,    // a colour swatch; value = 0x00BBGGRR
    Picture,  // a picture frame; text = the picture's file, empty = an empty frame
    Note,     // a line of text the page shows (hints, warnings)
    Custom,   // a widget that a Qt factory registered under `custom` draws and edits
};

struct SheetField {
    std::string id;
    FieldKind kind = FieldKind::Text;
    // UTF-8; '&' marks the mnemonic
    std::string label;
    // title of the group box the field stands in; consecutive fields of one group share a box
    std::string group;
    // placed to the right of the previous field instead of on a row of its own
    bool sameRow = false;
    bool enabled = true;
    bool visible = true;

    // Number, Integer, Text, editable Choice: the text as shown and typed (UTF-8);
    // Picture: the file; Note: the text
    std::string text;
    // Check, Radio, Choice, Slider, Color
    int value = 0;
    // Radio, Choice and List entries
    std::vector<std::string> items;
    // List: whether each entry is selected
    std::vector<bool> selected;
    bool editable = false;
    // Number, Integer, Slider
    std::optional<double> min, max;
    // Number: digits after the decimal separator at most when shown
    int decimals = 6;
    // Text: characters at most; 0 = no limit
    size_t maxLength = 0;
    // Custom: the key of the widget factory, and the data it edits (owned by the page);
    // Choice: the key of a decorator of its box (props/qt/page_widget.h), e.g. preview icons
    std::string custom;
    void* customData = nullptr;

    // Number: the value the field was last set to and the text it was shown as; while the
    // text stays as shown, the value is that number exactly (no rounding through the text)
    double exact = 0.0;
    std::string exactText;
};

// The decimal separator of the user's locale; numbers are shown with it and read with it or
// with a point. The scene file always gets a point.
void SetDecimalSeparator(char separator);
char DecimalSeparator();

// Shows a number with at most `decimals` digits after the separator, trailing zeros dropped.
std::string FormatNumber(double value, int decimals = 6);
// Reads a number as a user types it: blanks around it, a sign, digits with one separator
// (point, or the locale's separator), an exponent. Nothing else; never inf or nan.
std::optional<double> ParseNumber(std::string_view text);
std::optional<long long> ParseInteger(std::string_view text);

// The messages of refused values.
std::string NumberMessage();
std::string NumberRangeMessage(double min, double max);
std::string IntegerMessage();
std::string IntegerRangeMessage(double min, double max);
std::string TextLengthMessage(size_t maxLength);

// characters of a UTF-8 text
size_t Utf8Length(std::string_view utf8);
