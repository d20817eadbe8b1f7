// Where POV-Ray's reference documentation describes a keyword: the local HTML reference of
// the POV-Ray documentation package when it is installed, otherwise the online reference.
#pragma once

#include <string>
#include <string_view>

// The address of the reference section for a help keyword of a scene element ("Sphere",
// "light_source", "Sky Sphere", ...); the reference's contents for an empty or unknown one.
std::string PovRayReferenceUrl(std::string_view keyword);
// The folder of the local reference; a test may point it elsewhere (empty = the default).
void SetPovRayReferenceFolder(std::string folder);
