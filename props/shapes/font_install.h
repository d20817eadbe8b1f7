// Fonts for 3-D text: the system's TrueType faces (fontconfig), and the copy of a chosen face
// into the scene's folder, where POV-Ray and the modeller's own font reader find it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "props/sheet_services.h"

// The faces POV-Ray can read: TrueType outlines, the first face of their file; sorted by
// family and style.
std::vector<FontFace> TrueTypeFaces();
// The file name a face gets: "<family> <style>.ttf", the style left out when it is the
// regular one; only characters that a file name and a scene file hold.
std::string FontFileNameFor(const FontFace& face);
// Copies the face's file into the folder under FontFileNameFor. A different file of that name
// is replaced only when the user agrees; a failed copy is reported. Returns the file name to
// store in the text object, or nullopt when nothing was copied.
std::optional<std::string> InstallFont(const FontFace& face, const std::string& folder);
