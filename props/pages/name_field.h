// The name field that the general, light, camera and background pages share: "&Bezeichnung :"
// with at most 20 characters, refused when POV-Ray cannot read it as an identifier, and a note
// under it while another object of the scene has the same name.
#pragma once

#include <optional>
#include <string>

#include "props/page_model.h"

class CPovObject;

namespace name_field {

// Adds the field "name" and its note "name.note" to the page.
void Add(PageModel& page);
// Shows the object's name.
void Load(PageModel& page, const CPovObject& object);
// Updates the note after the name was typed.
void Changed(PageModel& page, const CPovObject& object);
// Refuses an empty name and one that is no POV-Ray identifier; a name left as it was is
// always accepted, so that OK without changes changes nothing.
std::optional<Refusal> Validate(const PageModel& page);
// Writes the typed name into the object.
void Store(const PageModel& page, CPovObject& object);

}  // namespace name_field

// Why a name cannot be an identifier in a scene file, or nullopt when it can: letters (no
// umlauts), digits and underscores, not starting with a digit, not a POV-Ray keyword.
std::optional<std::string> NameProblem(const std::string& name);
// Whether another present object, texture, pigment or halo of the object's document is named
// so (Windows-1252).
bool NameUsedElsewhere(const CPovObject& object, const std::string& name);
