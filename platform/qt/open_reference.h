// Opens POV-Ray's reference at a keyword's section in the desktop's web browser (the local
// HTML documentation when installed, else the online reference).
#pragma once

#include <string>

// keyword: a scene keyword or an element's help word ("Sphere", "light_source"); empty for
// the reference's contents. False when no browser could be started.
bool OpenPovRayReference(const std::string& keyword);
