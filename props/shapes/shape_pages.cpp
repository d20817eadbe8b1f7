#include "props/shapes/shape_pages.h"

#include <cmath>
#include <filesystem>

#include "model/cp1252.h"
#include "model/scene_host.h"
#include "model/shapes/pov_lathe.h"
#include "model/shapes/pov_polygon.h"
#include "model/shapes/pov_ttf.h"
#include "props/shapes/font_install.h"
#include "props/sheet_model.h"
#include "resources/ui_text.h"

namespace {

const char* const kSplines[] = {"linear_spline", "quadratic_spline", "cubic_spline"};

int Thousandths(double v) {
    return std::clamp(static_cast<int>(std::lround(v * 1000.0)), -1000, 1000);
}

}  // namespace

CPropLatheSpecial::CPropLatheSpecial(CPovLathe* lathe, CPovPolygon* polygon)
    : PageModel(Tr("Speziell")), lathe_(lathe), polygon_(polygon) {
    SheetField& type = Add(FieldKind::Choice, "type", Tr("&Typ:"));
    SheetField& count =
        Add(FieldKind::Choice, "count", Tr("&Anzahl:"), Tr("Stützstellen (Kurvenpunkte)"));
    for (int i = 0; i <= kMaxShapePoints; ++i)
        count.items.push_back(std::to_string(i));
    Add(FieldKind::Button, "edit", Tr("&Bearbeiten..."), Tr("Stützstellen (Kurvenpunkte)"))
        .sameRow = true;
    if (lathe)
        type.items.assign(std::begin(kSplines), std::end(kSplines));
    else
        type.enabled = false;
    points_.lathe = lathe != nullptr;
}

void CPropLatheSpecial::Load(SheetModel&) {
    const ShapePoint* points = lathe_ ? lathe_->Points : polygon_->Points;
    loadedCount_ = lathe_ ? lathe_->PointCount : polygon_->PointCount;
    Choose("type", lathe_ ? orv::Cp1252ToUtf8(lathe_->SplineType) : "polygon");
    SetValue("count", ClampShapePointCount(loadedCount_));
    points_.count = ClampShapePointCount(loadedCount_);
    for (int i = 0; i < kMaxShapePoints; ++i) {
        points_.x[i] = Thousandths(points[i].X - (lathe_ ? 1.0 : 0.0));
        points_.y[i] = Thousandths(points[i].Y);
        points_.moved[i] = false;
    }
}

void CPropLatheSpecial::Changed(SheetModel&, std::string_view id) {
    if (id == "count")
        points_.count = Value("count");
}

void CPropLatheSpecial::Pressed(SheetModel& sheet, std::string_view id) {
    if (id != "edit")
        return;
    SheetModel editor(Tr("Bearbeiten der Stützstellen"));
    editor.SetPlain(true);
    editor.SetCloseText(Tr("Schließen"));
    editor.AddPage(std::make_unique<PointEditorPage>(points_));
    sheet.Services().RunSheet(editor);
}

void CPropLatheSpecial::Store(SheetModel&) {
    const int count = Value("count");
    // a count read from a file beyond the table stays as it was unless the user chose one
    const bool countChanged = count != ClampShapePointCount(loadedCount_);
    ShapePoint* points = lathe_ ? lathe_->Points : polygon_->Points;
    for (int i = 0; i < kMaxShapePoints; ++i)
        if (points_.moved[i])
            points[i] = {points_.SceneX(i), points_.SceneY(i)};
    if (lathe_) {
        if (countChanged)
            lathe_->SetPointCount(count);
        lathe_->SplineType = orv::Utf8ToCp1252(ChosenText("type"));
    } else if (countChanged) {
        polygon_->SetPointCount(count);
    }
}

CPropTTFText::CPropTTFText(CPovTTF& text) : PageModel(Tr("Font && Text")), text_(text) {
    Add(FieldKind::Text, "text", Tr("&Text:"));
    Add(FieldKind::Text, "font", Tr("&Font Datei:"));
    Add(FieldKind::Button, "choose", Tr("&Auswahl...")).sameRow = true;
    AddNumber("spacing", Tr("&Zeichenabstand:"), {}, 0.0, 100.0);
}

void CPropTTFText::Load(SheetModel&) {
    SetText("text", orv::Cp1252ToUtf8(text_.Text));
    SetText("font", orv::Cp1252ToUtf8(text_.FontFile));
    SetNumber("spacing", text_.Spacing);
}

void CPropTTFText::Pressed(SheetModel& sheet, std::string_view id) {
    if (id != "choose")
        return;
    const std::vector<FontFace> faces = TrueTypeFaces();
    const std::optional<FontFace> face = sheet.Services().ChooseFont(faces, Text("font"));
    if (!face)
        return;
    std::string folder = text_.Document ? text_.Document->GetSceneFolder() : std::string();
    if (folder.empty()) {
        std::error_code ec;
        folder = std::filesystem::current_path(ec).string();
    }
    if (std::optional<std::string> file = InstallFont(*face, folder))
        SetText("font", *file);
}

void CPropTTFText::Store(SheetModel&) {
    text_.Text = orv::Utf8ToCp1252(Text("text"));
    text_.FontFile = orv::Utf8ToCp1252(Text("font"));
    text_.Spacing = *Number("spacing");
}
