#include "props/surfaces/texture_halo_page.h"

#include <algorithm>

#include "document/creation_commands.h"
#include "document/orvanta_doc.h"
#include "model/cp1252.h"
#include "model/surfaces/pov_texture.h"
#include "resources/string_table.h"
#include "resources/ui_text.h"

namespace {

std::string Row(int i, const char* part = "") {
    return "h" + std::to_string(i + 1) + part;
}

COrvantaDoc* DocumentOf(const CPovObject& object) {
    return dynamic_cast<COrvantaDoc*>(object.Document);
}

CPovObject* PresentHalo(COrvantaDoc* doc, const std::string& name) {
    for (CPovObject* o = doc ? doc->Halos : nullptr; o; o = o->NextSibling)
        if (o->IsPresent() && o->Name == name)
            return o;
    return nullptr;
}

}  // namespace

CPropTextHalo::CPropTextHalo(CPovTexture& texture) : PageModel(Tr("Halo")), texture_(texture) {
    const char* const labels[kTextureHaloRows] = {"&1.", "&2.", "&3."};
    const char* const buttons[kTextureHaloRows] = {"&Bearbeiten...", "B&earbeiten...",
                                                   "Be&arbeiten..."};
    for (int i = 0; i < kTextureHaloRows; ++i) {
        Add(FieldKind::Choice, Row(i), Tr(labels[i]));
        Add(FieldKind::Button, Row(i, ".edit"), Tr(buttons[i])).sameRow = true;
    }
    Add(FieldKind::Button, "new", Tr("&Neu..."));
    Add(FieldKind::Note, "note", "").visible = false;
}

void CPropTextHalo::Load(SheetModel&) {
    std::vector<std::string> names{LoadStringUtf8(IDS_NO_ENTRY)};
    for (CPovObject* o = DocumentOf(texture_) ? DocumentOf(texture_)->Halos : nullptr; o;
         o = o->NextSibling)
        if (o->IsPresent())
            names.push_back(orv::Cp1252ToUtf8(o->Name));
    for (int i = 0; i < kTextureHaloRows; ++i) {
        Field(Row(i)).items = names;
        // a halo the document does not hold keeps its name
        Choose(Row(i), orv::Cp1252ToUtf8(texture_.HaloNames[static_cast<size_t>(i)]));
    }
    ShowNote();
}

void CPropTextHalo::ShowNote() {
    bool any = false;
    for (int i = 0; i < kTextureHaloRows; ++i)
        any = any || ChosenText(Row(i)) != LoadStringUtf8(IDS_NO_ENTRY);
    Show("note", any);
    SetText("note", Tr("POV-Ray 3.7 kennt keine Halos: für POV-Ray 3.7 werden sie als Medien "
                       "im Inneren der Objekte geschrieben, die diese Oberfläche tragen."));
}

void CPropTextHalo::Changed(SheetModel&, std::string_view) {
    ShowNote();
}

void CPropTextHalo::Pressed(SheetModel&, std::string_view id) {
    COrvantaDoc* doc = DocumentOf(texture_);
    if (!doc)
        return;
    if (id == "new") {
        if (CPovObject* halo = doc->OnCreate(CreateKind::Halo))
            for (int i = 0; i < kTextureHaloRows; ++i)
                Field(Row(i)).items.push_back(orv::Cp1252ToUtf8(halo->Name));
        return;
    }
    for (int i = 0; i < kTextureHaloRows; ++i) {
        if (id != Row(i, ".edit"))
            continue;
        const std::string before = ChosenText(Row(i));
        CPovObject* halo = PresentHalo(doc, orv::Utf8ToCp1252(before));
        if (!halo)
            return;
        halo->EditProperties();
        const std::string after = orv::Cp1252ToUtf8(halo->Name);
        if (after == before)
            return;
        // every row that named the halo follows it, so that no reference is left dangling
        for (int k = 0; k < kTextureHaloRows; ++k) {
            SheetField& f = Field(Row(k));
            std::replace(f.items.begin(), f.items.end(), before, after);
        }
        return;
    }
}

void CPropTextHalo::Store(SheetModel&) {
    for (int i = 0; i < kTextureHaloRows; ++i)
        texture_.HaloNames[static_cast<size_t>(i)] = orv::Utf8ToCp1252(ChosenText(Row(i)));
}
