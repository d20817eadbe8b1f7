// Where a text object's font file is found.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Folders searched after the current folder and the scene's folder: the folders named in the
// POVINC environment variable (separated by ':'), then POV-Ray's include folders.
std::vector<std::string> PovIncludeFolders();

// The path of a font file named as in a scene (Windows-1252, perhaps with a Windows folder):
// the name as given (absolute, or relative to the current folder), then its bare file name in
// the scene's folder, in the POV-Ray include folders and among the system's fonts
// (fontconfig, file names compared without regard to case). Returns the name as given, in the
// file system's spelling, when no file is found; the caller's open then fails.
std::string ResolveFontFile(std::string_view fontFile, const std::string& sceneFolder);
