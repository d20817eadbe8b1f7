#include "props/shapes/point_editor.h"

#include <algorithm>
#include <cmath>

#include "resources/ui_text.h"

int PointEditorModel::PointAt(int px, int py, int tolerance) const {
    int best = -1;
    long bestDistance = 0;
    for (int i = 0; i < count && i < kMaxShapePoints; ++i) {
        const long dx = x[i] - px, dy = y[i] - py;
        const long d = dx * dx + dy * dy;
        if (d <= static_cast<long>(tolerance) * tolerance && (best < 0 || d < bestDistance)) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

void PointEditorModel::MoveTo(int index, int px, int py) {
    if (index < 0 || index >= count || index >= kMaxShapePoints)
        return;
    x[index] = std::clamp(px, -1000, 1000);
    y[index] = std::clamp(py, -1000, 1000);
    moved[index] = true;
}

PointEditorPage::PointEditorPage(PointEditorModel& model)
    : PageModel(Tr("Bearbeiten der Stützstellen")), model_(model) {
    SheetField& area = Add(FieldKind::Custom, "points", "");
    area.custom = "points";
    area.customData = &model_;
    Add(FieldKind::Choice, "point", Tr("&Punkt:"));
    AddNumber("x", "X:", {}, model.lathe ? 0.0 : -1.0, model.lathe ? 2.0 : 1.0).decimals = 3;
    AddNumber("y", "Y:", {}, -1.0, 1.0).decimals = 3;
}

void PointEditorPage::Load(SheetModel&) {
    SheetField& point = Field("point");
    point.items.clear();
    for (int i = 0; i < model_.count; ++i)
        point.items.push_back(std::to_string(i + 1));
    if (model_.current >= model_.count)
        model_.current = -1;
    if (model_.current < 0 && model_.count > 0)
        model_.current = 0;
    ShowCurrent();
}

void PointEditorPage::ShowCurrent() {
    const int i = model_.current;
    Field("point").value = i;
    Enable("x", i >= 0);
    Enable("y", i >= 0);
    if (i < 0) {
        SetText("x", "");
        SetText("y", "");
        return;
    }
    SetNumber("x", model_.SceneX(i));
    SetNumber("y", model_.SceneY(i));
}

void PointEditorPage::Changed(SheetModel&, std::string_view id) {
    const int i = model_.current;
    if (id == "points" || id == "point") {
        if (id == "point")
            model_.current = Value("point");
        ShowCurrent();
        return;
    }
    if ((id == "x" || id == "y") && i >= 0) {
        const SheetField& f = Field(id);
        const std::optional<double> v = Number(id);
        if (!v || *v < *f.min || *v > *f.max)
            return;
        const int units =
            static_cast<int>(std::lround(*v * 1000.0)) - (id == "x" && model_.lathe ? 1000 : 0);
        if (id == "x")
            model_.MoveTo(i, units, model_.y[i]);
        else
            model_.MoveTo(i, model_.x[i], units);
    }
}
