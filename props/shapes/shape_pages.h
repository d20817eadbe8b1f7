// The "Speziell" page of lathes and polygons (spline type, number of points, the point
// editor) and the text's "Font && Text" page (text, font file chosen from the system's fonts,
// spacing 0 … 100).
#pragma once

#include "props/page_model.h"
#include "props/shapes/point_editor.h"

class CPovLathe;
class CPovPolygon;
class CPovTTF;

class CPropLatheSpecial : public PageModel {
  public:
    // exactly one of lathe and polygon
    CPropLatheSpecial(CPovLathe* lathe, CPovPolygon* polygon);
    void Load(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Changed(SheetModel& sheet, std::string_view id) override;
    void Pressed(SheetModel& sheet, std::string_view id) override;

    PointEditorModel& Points() { return points_; }

  private:
    CPovLathe* lathe_;
    CPovPolygon* polygon_;
    PointEditorModel points_;
    int loadedCount_ = 0;
};

class CPropTTFText : public PageModel {
  public:
    explicit CPropTTFText(CPovTTF& text);
    void Load(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Pressed(SheetModel& sheet, std::string_view id) override;

  private:
    CPovTTF& text_;
};
