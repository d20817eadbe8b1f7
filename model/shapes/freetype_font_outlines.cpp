#include "model/shapes/freetype_font_outlines.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/cp1252.h"

namespace {

struct Pt {
    double x, y;
    bool operator==(const Pt&) const = default;
};

// Collects one glyph's contours while FreeType walks its outline, flattening the curves.
struct Walker {
    double scale = 1.0;  // font units to text units
    double offsetX = 0.0;
    std::vector<Pt> contour;
    const IFontOutlines::PointSink* sink = nullptr;

    Pt Map(const FT_Vector* v) const {
        return {static_cast<double>(v->x) * scale + offsetX, static_cast<double>(v->y) * scale};
    }

    // enough segments that no piece is much longer than 0.08 of the em
    static int Segments(double controlLength) {
        return std::clamp(static_cast<int>(std::ceil(controlLength / 0.08)), 2, 12);
    }

    void Flush() {
        // FreeType ends a contour on its start point; the contour is closed implicitly
        if (contour.size() > 1 && contour.back() == contour.front())
            contour.pop_back();
        if (contour.size() >= 3) {
            for (size_t i = 0; i < contour.size(); ++i)
                (*sink)(contour[i].x, contour[i].y, i == 0 ? kFontContourStart : 0);
        }
        contour.clear();
    }
};

Walker& W(void* user) {
    return *static_cast<Walker*>(user);
}

int MoveTo(const FT_Vector* to, void* user) {
    Walker& w = W(user);
    w.Flush();
    w.contour.push_back(w.Map(to));
    return 0;
}

int LineTo(const FT_Vector* to, void* user) {
    Walker& w = W(user);
    w.contour.push_back(w.Map(to));
    return 0;
}

double Length(Pt a, Pt b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
    Walker& w = W(user);
    if (w.contour.empty())
        return 1;
    const Pt p0 = w.contour.back(), c = w.Map(control), p1 = w.Map(to);
    const int n = Walker::Segments(Length(p0, c) + Length(c, p1));
    for (int i = 1; i <= n; ++i) {
        const double t = static_cast<double>(i) / n, u = 1.0 - t;
        w.contour.push_back({u * u * p0.x + 2 * u * t * c.x + t * t * p1.x,
                             u * u * p0.y + 2 * u * t * c.y + t * t * p1.y});
    }
    return 0;
}

int CubicTo(const FT_Vector* control1, const FT_Vector* control2, const FT_Vector* to, void* user) {
    Walker& w = W(user);
    if (w.contour.empty())
        return 1;
    const Pt p0 = w.contour.back(), c1 = w.Map(control1), c2 = w.Map(control2), p1 = w.Map(to);
    const int n = Walker::Segments(Length(p0, c1) + Length(c1, c2) + Length(c2, p1));
    for (int i = 1; i <= n; ++i) {
        const double t = static_cast<double>(i) / n, u = 1.0 - t;
        const double a = u * u * u, b = 3 * u * u * t, d = 3 * u * t * t, e = t * t * t;
        w.contour.push_back(
            {a * p0.x + b * c1.x + d * c2.x + e * p1.x, a * p0.y + b * c1.y + d * c2.y + e * p1.y});
    }
    return 0;
}

int OpenErrorCode(FT_Error error) {
    if (error == FT_Err_Cannot_Open_Resource)
        return kFontOpenError;
    if (error == FT_Err_Out_Of_Memory)
        return kFontMemoryError;
    return kFontReadError;
}

FT_UInt GlyphIndex(FT_Face face, char byte) {
    const char32_t code = orv::Cp1252CodePoint(byte);
    FT_UInt index = FT_Get_Char_Index(face, code);
    // symbol fonts put their characters at U+F000 + the byte
    if (index == 0 && face->charmap && face->charmap->encoding == FT_ENCODING_MS_SYMBOL)
        index = FT_Get_Char_Index(face, 0xF000u + static_cast<unsigned char>(byte));
    return index;
}

}  // namespace

CFreeTypeFontOutlines::~CFreeTypeFontOutlines() {
    for (auto& [handle, face] : faces_)
        FT_Done_Face(face);
    if (library_)
        FT_Done_FreeType(library_);
}

int CFreeTypeFontOutlines::Open(const std::string& path) {
    if (path.empty())
        return kFontOpenError;
    if (!library_ && FT_Init_FreeType(&library_) != 0) {
        library_ = nullptr;
        return kFontMemoryError;
    }
    FT_Face face = nullptr;
    const FT_Error error = FT_New_Face(library_, path.c_str(), 0, &face);
    if (error != 0)
        return OpenErrorCode(error);
    if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) {
        FT_Done_Face(face);
        return kFontReadError;
    }
    if (!face->charmap && face->num_charmaps > 0)
        FT_Set_Charmap(face, face->charmaps[0]);
    const int handle = nextHandle_++;
    faces_[handle] = face;
    return handle;
}

double CFreeTypeFontOutlines::GetScale(int) const {
    return 1.0;
}

int CFreeTypeFontOutlines::Outline(int handle, std::string_view text, double spacing,
                                   const PointSink& point) {
    auto it = faces_.find(handle);
    if (it == faces_.end())
        return kFontReadError;
    FT_Face face = it->second;

    static const FT_Outline_Funcs kFuncs = {MoveTo, LineTo, ConicTo, CubicTo, 0, 0};
    Walker walker;
    walker.scale = 1.0 / face->units_per_EM;
    walker.sink = &point;
    for (char ch : text) {
        const FT_Error error = FT_Load_Glyph(
            face, GlyphIndex(face, ch), FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP);
        if (error != 0)
            return error == FT_Err_Out_Of_Memory ? kFontMemoryError : kFontGlyphError;
        FT_GlyphSlot slot = face->glyph;
        if (slot->format == FT_GLYPH_FORMAT_OUTLINE && slot->outline.n_contours > 0) {
            // PostScript outlines run the other way round
            if (FT_Outline_Get_Orientation(&slot->outline) == FT_ORIENTATION_POSTSCRIPT)
                FT_Outline_Reverse(&slot->outline);
            if (FT_Outline_Decompose(&slot->outline, &kFuncs, &walker) != 0) {
                walker.contour.clear();
                return kFontGlyphError;
            }
            walker.Flush();
        }
        walker.offsetX += static_cast<double>(slot->advance.x) * walker.scale + spacing;
    }
    return 0;
}

void CFreeTypeFontOutlines::Close(int handle) {
    auto it = faces_.find(handle);
    if (it == faces_.end())
        return;
    FT_Done_Face(it->second);
    faces_.erase(it);
}

// ---------------------------------------------------------------------------------------------
// the installed implementation

namespace {
IFontOutlines* g_fontOutlines = nullptr;
}

IFontOutlines& GetFontOutlines() {
    static CFreeTypeFontOutlines freeType;
    return g_fontOutlines ? *g_fontOutlines : freeType;
}

void SetFontOutlines(IFontOutlines* outlines) {
    g_fontOutlines = outlines;
}
