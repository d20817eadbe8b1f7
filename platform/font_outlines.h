// Outlines of TrueType text, for the 3-D text object.
//
// What the text object needs of a font: open a font file, the scale of its solid preview, the
// outline of a string with extra spacing between the characters, and closing the font.
// Failures come back as codes. Outline points arrive contour by contour in drawing order,
// curves flattened, each contour closed implicitly (its last point joins its first); the
// filled area lies to the right of the direction of travel, as in TrueType fonts. Units are
// POV-Ray text units: the em square is one unit, the first character starts at the origin on
// the base line, and each character advances by its width plus the spacing.
//
// The default is the FreeType implementation (model/shapes/freetype_font_outlines.cpp); tests
// install a fake (platform/fake/fake_font_outlines.h).
#pragma once

#include <functional>
#include <string>
#include <string_view>

enum FontOutlineError : int {
    kFontOpenError = -1,    // the file cannot be opened
    kFontReadError = -2,    // the file is no usable TrueType font
    kFontMemoryError = -3,  // out of memory
    kFontGlyphError = -4,   // a character's outline cannot be read
};

// flags of an outline point: the point starts a new contour
inline constexpr int kFontContourStart = 1;

class IFontOutlines {
  public:
    // receives one outline point: x, y and flags (kFontContourStart in the low byte)
    using PointSink = std::function<void(double x, double y, int flags)>;

    virtual ~IFontOutlines() = default;
    // path: a file path as the file system spells it. Returns a handle > 0 or a
    // FontOutlineError code.
    virtual int Open(const std::string& path) = 0;
    // The factor the solid preview applies to the outline in x and y.
    virtual double GetScale(int handle) const = 0;
    // Delivers the outline of text (Windows-1252) to point. Returns 0, or a FontOutlineError
    // code when a character could not be read (the points delivered before stay delivered).
    virtual int Outline(int handle, std::string_view text, double spacing,
                        const PointSink& point) = 0;
    virtual void Close(int handle) = 0;
};

IFontOutlines& GetFontOutlines();
// Installs the outlines used from now on; nullptr restores the FreeType implementation.
void SetFontOutlines(IFontOutlines* outlines);
