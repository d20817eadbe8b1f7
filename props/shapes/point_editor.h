// The point editor of lathes and polygons ("Bearbeiten der Stützstellen"): the points in use
// as integer thousandths within −1000 … 1000 on both axes, the point under work, and the
// moves the mouse or the keyboard make. A lathe's radius axis reads 0 … 2 (x + 1000), a
// polygon's −1 … 1.
#pragma once

#include <array>

#include "model/shapes/shape_points.h"
#include "props/page_model.h"

struct PointEditorModel {
    bool lathe = false;
    int count = 0;
    std::array<int, kMaxShapePoints> x{};
    std::array<int, kMaxShapePoints> y{};
    // points the editor moved; the others keep their exact values
    std::array<bool, kMaxShapePoints> moved{};
    // the point under work, -1 none
    int current = -1;

    // the point in use nearest to (px, py) within tolerance (editor units), or -1
    int PointAt(int px, int py, int tolerance) const;
    // moves a point in use, kept inside −1000 … 1000
    void MoveTo(int index, int px, int py);
    // the point's coordinates as the scene reads them (lathe: radius, height)
    double SceneX(int index) const { return 0.001 * x[index] + (lathe ? 1.0 : 0.0); }
    double SceneY(int index) const { return 0.001 * y[index]; }
};

// The editor's page: the drawing area (a custom field "points"), the point under work and its
// coordinates "X:" and "Y:", which can be typed as well.
class PointEditorPage : public PageModel {
  public:
    explicit PointEditorPage(PointEditorModel& model);
    void Load(SheetModel& sheet) override;
    void Changed(SheetModel& sheet, std::string_view id) override;

  private:
    void ShowCurrent();
    PointEditorModel& model_;
};
