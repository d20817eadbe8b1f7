#include "props/surfaces/pigment_page.h"

#include <algorithm>

#include "document/creation_commands.h"
#include "document/orvanta_doc.h"
#include "model/cp1252.h"
#include "model/surfaces/pov_pigment.h"
#include "props/pages/general_page.h"
#include "props/surfaces/effect_dialog.h"
#include "props/surfaces/texture_sheet.h"
#include "resources/string_table.h"
#include "resources/ui_text.h"

namespace {

using namespace surface_fields;

const char* const kKinds[] = {"Normal",   "Checker",  "Brick",     "Hexagon",
                              "Colormap", "Imagemap", "Pigmentmap"};
const char* const kColorButtons[kPigmentRows] = {"&1. Farbe...", "&2. Farbe...", "&3. Farbe ...",
                                                 "&4. Farbe...", "&5. Farbe...", "&6. Farbe ..."};
const char* const kMapTypes[] = {"map_type 0 (planar)", "map_type 1 (spherical)",
                                 "map_type 2 (cylindrical)", "map_type 5 (torus)"};

std::string Row(int i, const char* part) {
    return "c" + std::to_string(i + 1) + part;
}
std::string MapRow(int i, const char* part = "") {
    return "p" + std::to_string(i + 1) + part;
}

std::string NoEntry() {
    return LoadStringUtf8(IDS_NO_ENTRY);
}

// the count of colours the kinds 0 to 3 fix
int FixedCount(int kind) {
    switch (kind) {
        case kPigmentColor:
            return 1;
        case kPigmentChecker:
        case kPigmentBrick:
            return 2;
        case kPigmentHexagon:
            return 3;
        default:
            return 0;
    }
}

CPovPigment* PresentPigment(COrvantaDoc* doc, const std::string& name) {
    for (CPovObject* o = doc ? doc->Pigments : nullptr; o; o = o->NextSibling)
        if (o->IsPresent() && o->Name == name)
            return dynamic_cast<CPovPigment*>(o);
    return nullptr;
}

}  // namespace

CPropTexturePigment::CPropTexturePigment(CPropPovTexture& sheet)
    : SurfacePage(Tr("Farbe")), sheet_(sheet), surface_(sheet.Surface()) {
    SheetField& kind = Add(FieldKind::Choice, "kind", Tr("&Typ:"));
    kind.items.assign(std::begin(kKinds), std::end(kKinds));
    // a stand-alone pigment never gets a pigment map
    if (!sheet.IsTexture())
        kind.items.pop_back();
    AddColorPanel();
    AddImagePanel();
    AddPigmentMapPanel();
    sheet.AddPreviewField(*this);
}

void CPropTexturePigment::AddColorPanel() {
    const std::string group = Tr("Farben");
    for (int i = 0; i < kPigmentRows; ++i) {
        Add(FieldKind::Button, Row(i, ".pick"), Tr(kColorButtons[i]), group);
        Add(FieldKind::Color, Row(i, ".color"), "", group).sameRow = true;
        AddTenths(*this, Row(i, ".filter"), Tr("Filter:"), group).sameRow = true;
        AddTenths(*this, Row(i, ".index"), Tr("Index:"), group).sameRow = true;
    }
    SheetField& count = Add(FieldKind::Choice, "count", Tr("Farbanzahl:"), group);
    for (int n = 1; n <= kPigmentRows; ++n)
        count.items.push_back(std::to_string(n));
    Add(FieldKind::Button, "effect", Tr("E&ffekt..."), group).sameRow = true;
    Add(FieldKind::Note, "order.note", "", group).visible = false;
}

void CPropTexturePigment::AddImagePanel() {
    const std::string group = Tr("Imagemap");
    Add(FieldKind::Text, "image", Tr("Datei&name:"), group);
    Add(FieldKind::Button, "browse", Tr("&Durchsuchen..."), group).sameRow = true;
    Add(FieldKind::Choice, "maptype", Tr("&Typ:"), group)
        .items.assign(std::begin(kMapTypes), std::end(kMapTypes));
    Add(FieldKind::Check, "once", Tr("&einmal"), group);
}

void CPropTexturePigment::AddPigmentMapPanel() {
    const std::string group = Tr("Pigmentmap");
    const char* const labels[kPigmentMapRows] = {"Pigment &1:", "Pigment &2:", "Pigment &3:"};
    for (int i = 0; i < kPigmentMapRows; ++i) {
        Add(FieldKind::Choice, MapRow(i), Tr(labels[i]), group);
        AddTenths(*this, MapRow(i, ".index"), Tr("Index:"), group).sameRow = true;
        Add(FieldKind::Button, MapRow(i, ".edit"), Tr("Bearbeiten..."), group).sameRow = true;
    }
    Add(FieldKind::Button, "create", Tr("&Erzeugen..."), group);
    Add(FieldKind::Button, "map.effect", Tr("E&ffekt..."), group).sameRow = true;
    Add(FieldKind::Note, "map.note", "", group).visible = false;
}

void CPropTexturePigment::Load(SheetModel&) {
    const int kind = surface_.PigmentKind;
    if (!sheet_.IsTexture() && kind == kPigmentPigmentMap) {
        // read from a file: show what the pigment holds, keep it unless another kind is chosen
        Field("kind").items.push_back(kKinds[kPigmentPigmentMap]);
        mapReadOnly_ = true;
    }
    SetValue("kind", kind >= 0 && kind < static_cast<int>(Field("kind").items.size()) ? kind : -1);

    for (int i = 0; i < kPigmentRows; ++i) {
        SetValue(Row(i, ".color"), static_cast<int>(surface_.Colors[static_cast<size_t>(i)]));
        ShowFixed(*this, Row(i, ".filter"), surface_.Filters[static_cast<size_t>(i)], "%.1f");
        ShowFixed(*this, Row(i, ".index"), surface_.Positions[static_cast<size_t>(i)], "%.1f");
    }
    loadedCount_ = surface_.ColorCount - 1;
    SetValue("count", loadedCount_);

    SetText("image", orv::Cp1252ToUtf8(surface_.ImageFile));
    loadedMapType_ = surface_.MapType >= 0 && surface_.MapType <= 2 ? surface_.MapType : 3;
    SetValue("maptype", loadedMapType_);
    SetValue("once", surface_.Once ? 1 : 0);

    FillMapNames();
    for (int i = 0; i < kPigmentMapRows; ++i) {
        const std::string& name = surface_.MapPigments[static_cast<size_t>(i)];
        Choose(MapRow(i), name.empty() ? NoEntry() : orv::Cp1252ToUtf8(name));
        ShowFixed(*this, MapRow(i, ".index"), surface_.Positions[static_cast<size_t>(i)], "%.1f");
    }
    if (mapReadOnly_) {
        for (SheetField& f : Fields())
            if (f.group == Tr("Pigmentmap"))
                f.enabled = false;
        Field("map.note").visible = true;
        Field("map.note").enabled = true;
        Field("map.note").text =
            Tr("Dieses Pigment enthält eine Pigmentmap aus der Datei. Sie bleibt erhalten, "
               "solange kein anderer Typ gewählt wird.");
    }
    ShowPanel();
    sheet_.RefreshPreview();
}

void CPropTexturePigment::FillMapNames() {
    std::vector<std::string> names{NoEntry()};
    if (COrvantaDoc* doc = sheet_.Document())
        for (CPovObject* o = doc->Pigments; o; o = o->NextSibling)
            if (o->IsPresent())
                names.push_back(orv::Cp1252ToUtf8(o->Name));
    for (int i = 0; i < kPigmentMapRows; ++i)
        Field(MapRow(i)).items = names;
}

void CPropTexturePigment::ShowPanel() {
    const int kind = Kind();
    const bool colors = kind >= kPigmentColor && kind <= kPigmentColorMap;
    for (SheetField& f : Fields()) {
        if (f.group == Tr("Farben"))
            f.visible = colors && f.id != "order.note";
        else if (f.group == Tr("Imagemap"))
            f.visible = kind == kPigmentImageMap;
        else if (f.group == Tr("Pigmentmap"))
            f.visible = kind == kPigmentPigmentMap && f.id != "map.note";
    }
    Show("map.note", kind == kPigmentPigmentMap && mapReadOnly_);
    if (!colors)
        return;
    // kinds 0 to 3 fix the count of colours; a colour map uses the chosen count
    const int fixed = FixedCount(kind);
    if (fixed > 0)
        SetValue("count", fixed - 1);
    Enable("count", fixed == 0);
    Enable("effect", fixed == 0);
    const int count = Value("count") + 1;
    for (int i = 0; i < kPigmentRows; ++i)
        for (const char* part : {".pick", ".color", ".filter", ".index"})
            Enable(Row(i, part), i < count);
    ShowOrderNote();
}

void CPropTexturePigment::ShowOrderNote() {
    bool falling = false;
    if (Kind() == kPigmentColorMap)
        for (int i = 1; i <= Value("count") && i < kPigmentRows; ++i)
            falling =
                falling || Lenient(*this, Row(i, ".index")) < Lenient(*this, Row(i - 1, ".index"));
    Show("order.note", falling);
    // POV-Ray looks a colour map's entries up in the order given
    SetText("order.note", Tr("Die Indizes fallen: POV-Ray erwartet die Farben mit steigendem "
                             "Index, sonst stimmen die Farben nicht."));
}

void CPropTexturePigment::UserEdited(SheetModel&) {
    edited_ = true;
    sheet_.RefreshPreview();
}

void CPropTexturePigment::Changed(SheetModel& sheet, std::string_view id) {
    if (id == "kind" || id == "count")
        ShowPanel();
    else if (id.ends_with(".index"))
        ShowOrderNote();
    UserEdited(sheet);
}

void CPropTexturePigment::Renamed(const std::string& before, const std::string& after) {
    for (int i = 0; i < kPigmentMapRows; ++i) {
        SheetField& f = Field(MapRow(i));
        std::replace(f.items.begin(), f.items.end(), before, after);
        if (f.text == before)
            f.text = after;
    }
}

void CPropTexturePigment::Pressed(SheetModel& sheet, std::string_view id) {
    for (int i = 0; i < kPigmentRows; ++i) {
        if (id != Row(i, ".pick"))
            continue;
        const uint32_t current = static_cast<uint32_t>(Value(Row(i, ".color")));
        if (std::optional<uint32_t> color = sheet.Services().PickColor(current)) {
            SetValue(Row(i, ".color"), static_cast<int>(*color));
            UserEdited(sheet);
        }
        return;
    }
    for (int i = 0; i < kPigmentMapRows; ++i) {
        if (id != MapRow(i, ".edit"))
            continue;
        const std::string before = ChosenText(MapRow(i));
        CPovPigment* pigment = PresentPigment(sheet_.Document(), orv::Utf8ToCp1252(before));
        if (!pigment)
            return;
        // the pigment's own sheet changes the document at once
        pigment->EditProperties();
        const std::string after = orv::Cp1252ToUtf8(pigment->Name);
        if (after != before)
            Renamed(before, after);
        sheet_.RefreshPreview();
        return;
    }
    if (id == "effect" || id == "map.effect") {
        std::unique_ptr<SheetModel> dialog = MakeEffectDialog(surface_);
        if (sheet.Services().RunSheet(*dialog) == 1) {
            sheet_.SceneChanged();
            UserEdited(sheet);
        }
    } else if (id == "browse") {
        if (std::optional<std::string> file = sheet.Services().OpenFileName(
                Tr("Öffnen"), kHeightFieldImageFilter, Text("image"))) {
            SetText("image", *file);
            UserEdited(sheet);
        }
    } else if (id == "create") {
        COrvantaDoc* doc = sheet_.Document();
        if (!doc)
            return;
        CPovObject* pigment = doc->OnCreate(CreateKind::Pigment);
        if (!pigment)
            return;
        for (int i = 0; i < kPigmentMapRows; ++i)
            Field(MapRow(i)).items.push_back(orv::Cp1252ToUtf8(pigment->Name));
    }
}

void CPropTexturePigment::Apply(CPovPigmentOwner& target) const {
    const int kind = Kind();
    if (kind >= kPigmentColor && kind <= kPigmentColorMap) {
        // every row, whatever its state
        for (int i = 0; i < kPigmentRows; ++i) {
            const size_t k = static_cast<size_t>(i);
            target.Colors[k] = static_cast<PovColor>(Value(Row(i, ".color")));
            target.Filters[k] = Lenient(*this, Row(i, ".filter"));
            target.Positions[k] = Lenient(*this, Row(i, ".index"));
        }
        // a count the page did not change stays as read (a colour map may hold up to ten)
        if (Value("count") != loadedCount_)
            target.ColorCount = Value("count") + 1;
    } else if (kind == kPigmentImageMap) {
        target.ImageFile = orv::Utf8ToCp1252(Text("image"));
        if (Value("maptype") != loadedMapType_)
            target.MapType = Value("maptype") == 3 ? 5 : Value("maptype");
        target.Once = Checked("once") ? 1 : 0;
    } else if (kind == kPigmentPigmentMap && !mapReadOnly_) {
        for (int i = 0; i < kPigmentMapRows; ++i) {
            const size_t k = static_cast<size_t>(i);
            const std::string name = ChosenText(MapRow(i));
            target.MapPigments[k] = name == NoEntry() ? "" : orv::Utf8ToCp1252(name);
            target.Positions[k] = Lenient(*this, MapRow(i, ".index"));
        }
    }
    if (kind >= 0)
        target.PigmentKind = kind;
    // a texture without a pigment block gets one when its colours are edited
    if (edited_)
        target.HasPigment = 1;
}

void CPropTexturePigment::Store(SheetModel&) {
    Apply(surface_);
}
