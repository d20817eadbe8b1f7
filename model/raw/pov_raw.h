// A piece of POV-Ray text that the modeller has no kind for (an isosurface, a mesh, the global
// settings, a camera with a lens of its own, ...), kept exactly as it is. An object statement
// is declared under the element's name, drawn as its bounding box where that is known and
// moved as a whole by a translate the modeller adds around it; other statements are written
// where they stand and cannot be moved.
//
// In the scene file the text stands between two marker lines that the modeller's reader reads
// back and older readers skip as comments:
//   //$raw object:$ NAME KEYWORD TX TY TZ [MINX MINY MINZ MAXX MAXY MAXZ]
//   #declare NAME = object {
//   TEXT
//     translate <TX,TY,TZ>
//   }
//   //$raw end$
// or, for a statement that is no object,
//   //$raw:$ KEYWORD
//   TEXT
//   //$raw end$
#pragma once

#include <string>
#include <string_view>

#include "model/pov_object.h"

class CPovRaw : public CPovObject {
  public:
    CPovRaw();

    const char* GetClassName() const override { return "CPovRaw"; }
    int GetType() const override { return kKindRaw; }
    bool HasGeometry() const override { return Movable && HasBounds; }
    bool CanBeCsgElement() const override { return Movable; }
    const char* GetHelpKeyword() const override { return Keyword.c_str(); }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    void UpdateGeometry() override;
    void Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
              int height, double zoom) override;
    void DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const override;
    void MoveBy(double dx, double dy, const IViewPort& view) override;
    void ResizeBy(double, double, const IViewPort&) override {}
    int WriteScene(SceneText& out) override;
    CPovObject* NewOfKind() const override { return new CPovRaw(); }
    void CopyOwnStateTo(CPovObject& target) const override;
    CPovObject* Clone(CPovObject* target = nullptr) override;
    void VisitFields(FieldSink& sink) const override;

    // Reads the element back from what stands between its marker lines: the first marker line
    // (without "//$raw" and its line end) and the lines up to the end marker. False when the
    // text is not what the writer wrote.
    bool ReadMarked(std::string_view header, std::string_view body);

    // what the text is: its statement's keyword ("isosurface", "global_settings", "#version")
    std::string Keyword;
    // the POV-Ray text, lines ending in CR LF
    std::string Text;
    // one object statement, which can be declared, placed and moved
    bool Movable = false;
    // the box around the object in the text's own coordinates (before the translate step)
    bool HasBounds = false;
    Point3 BoundsMin;
    Point3 BoundsMax;
};

// The marker lines of raw elements in the scene file.
inline constexpr std::string_view kRawObjectMarker = "//$raw object:$";
inline constexpr std::string_view kRawStatementMarker = "//$raw:$";
inline constexpr std::string_view kRawEndMarker = "//$raw end$";
