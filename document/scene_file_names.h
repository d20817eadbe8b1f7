// File names the file commands choose for the user.
#pragma once

#include <string>
#include <string_view>

// The path with ".om" appended when its file name has no extension (a name the user typed
// in a save dialog without one); a dot at the start of the name does not count.
std::string WithSceneExtension(std::string_view path);

// The file dialogs' filter lists (Qt's form: "Label (*.ext);;..."), in German; the desktop
// passes them through Tr. Loading objects offers the export files of other modellers as well,
// saving one object offers POV-Ray's own files.
const char* LoadObjectsFilter();
const char* SaveObjectFilter();
