// Extruded 3-D text from a TrueType font file.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/pov_object.h"

// A point of the text's outline; Index is 0 at the first point of each contour and counts up
// within it.
struct GlyphPoint {
    double X = 0.0;
    double Y = 0.0;
    int Index = 0;
};

class CPovTTF : public CPovObject {
  public:
    CPovTTF();

    const char* GetClassName() const override { return "CPovTTF"; }
    int GetType() const override { return kKindPolygon; }
    bool HasGeometry() const override { return true; }
    bool CanBeCsgElement() const override { return true; }
    const char* GetHelpKeyword() const override { return "Text"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    // Nothing while the sheet is open. Loads the outline first when there is none yet.
    void UpdateGeometry() override;
    void DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const override;
    void Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
              int height, double zoom) override;
    int WriteScene(SceneText& out) override;
    // On OK the outline is loaded again from the font (also when that fails).
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovTTF(); }
    void CopyOwnStateTo(CPovObject& target) const override;
    void VisitFields(FieldSink& sink) const override;

    // The scene writes font file and text between double quotes, and POV-Ray reads a
    // backslash before a quote as part of the string. A font file name with a double quote,
    // a line break or a trailing backslash is refused (false, nothing changes).
    bool SetFontFile(std::string_view file);
    // The longest text an object keeps: far more than a title or a label needs, and its
    // outline (some hundred points a character) stays small.
    static constexpr size_t kMaxTextLength = 1000;
    // In a text POV-Ray also reads every backslash as the start of an escape: a double quote
    // becomes an apostrophe, a backslash a slash, a line break a blank. A text longer than
    // kMaxTextLength is cut there; false when it was.
    bool SetText(std::string_view text);
    static bool IsUsableFontFile(std::string_view file);
    static std::string TextForScene(std::string_view text);
    static std::string FontFileForScene(std::string_view file);

    // Reads the outline of Text from FontFile (with takeScale also FontScale). A failure shows
    // the font's message and keeps the previous outline; returns whether the outline was read.
    bool LoadOutline(bool takeScale);

    unsigned char Editing = 0;
    double FontScale = 1.0;
    std::string FontFile;
    std::string Text;
    double Spacing = 0.0;
    double Thickness = 1.0;
    std::vector<GlyphPoint> GlyphOutline;

  private:
    // the extruded text: both faces tessellated, and the side walls
    std::shared_ptr<const SolidMesh> BuildSolidMesh() const;
    std::string SceneFolder() const;
    std::string AttemptKey() const;
    // font, text and spacing of the last load: UpdateGeometry does not try the same again (a
    // missing font would otherwise show its message at every move)
    std::string lastAttempt_;
    // the solid preview's mesh, made when first shown and dropped by UpdateGeometry
    mutable std::shared_ptr<const SolidMesh> solidMesh_;
};
