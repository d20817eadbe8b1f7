#include "props/pages/name_field.h"

#include "document/orvanta_doc.h"
#include "model/cp1252.h"
#include "model/pov_object.h"
#include "props/pov_keywords.h"
#include "resources/ui_text.h"

namespace {

constexpr size_t kNameLength = 20;

bool UsedIn(const CPovObject* head, const CPovObject& self, const std::string& name) {
    for (const CPovObject* o = head; o; o = o->NextSibling) {
        if (o != &self && o->IsPresent() && o->Name == name)
            return true;
        if (UsedIn(o->FirstChild, self, name))
            return true;
    }
    return false;
}

}  // namespace

std::optional<std::string> NameProblem(const std::string& name) {
    if (name.empty())
        return Tr("Geben Sie bitte einen Namen ein.");
    const auto letter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    };
    bool valid = letter(name.front());
    for (char c : name)
        valid = valid && (letter(c) || (c >= '0' && c <= '9'));
    if (!valid)
        return Tr(
            "Ein Name beginnt mit einem Buchstaben oder Unterstrich und enthält nur Buchstaben "
            "ohne Umlaute, Ziffern und Unterstriche.");
    if (IsPovRayKeyword(name)) {
        std::string m = Tr("„%1“ ist ein Schlüsselwort von POV-Ray und kann kein Name sein.");
        m.replace(m.find("%1"), 2, name);
        return m;
    }
    return std::nullopt;
}

bool NameUsedElsewhere(const CPovObject& object, const std::string& name) {
    const CSceneHost* host = object.Document;
    if (!host)
        return false;
    if (UsedIn(host->Objects, object, name))
        return true;
    if (const auto* doc = dynamic_cast<const COrvantaDoc*>(host))
        return UsedIn(doc->Textures, object, name) || UsedIn(doc->Pigments, object, name) ||
               UsedIn(doc->Halos, object, name);
    return false;
}

namespace name_field {

void Add(PageModel& page) {
    SheetField& name = page.Add(FieldKind::Text, "name", Tr("&Bezeichnung :"));
    name.maxLength = kNameLength;
    SheetField& note = page.Add(FieldKind::Note, "name.note", "");
    note.visible = false;
}

void Load(PageModel& page, const CPovObject& object) {
    SheetField& name = page.Field("name");
    name.text = orv::Cp1252ToUtf8(object.GetName());
    // a longer name read from a file stays as it is
    name.maxLength = std::max(kNameLength, Utf8Length(name.text));
    name.exactText = name.text;
    Changed(page, object);
}

void Changed(PageModel& page, const CPovObject& object) {
    SheetField& note = page.Field("name.note");
    const std::string& typed = page.Text("name");
    note.visible = !typed.empty() && NameUsedElsewhere(object, orv::Utf8ToCp1252(typed));
    note.text = note.visible ? Tr("Ein anderes Objekt hat schon diesen Namen.") : "";
}

std::optional<Refusal> Validate(const PageModel& page) {
    const SheetField& name = page.Field("name");
    if (name.text == name.exactText)
        return std::nullopt;
    if (std::optional<std::string> problem = NameProblem(name.text))
        return Refusal{"name", *problem};
    return std::nullopt;
}

void Store(const PageModel& page, CPovObject& object) {
    const SheetField& name = page.Field("name");
    if (name.text != name.exactText)
        object.Name = orv::Utf8ToCp1252(name.text);
}

}  // namespace name_field
