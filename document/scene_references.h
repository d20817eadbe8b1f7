// The check that every texture, pigment and halo a scene refers to by name is declared: in the
// scene itself or in one of the files it includes. A name nobody declares makes POV-Ray stop
// with an error; the modeller keeps the reference as it is, so the check warns.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "document/read_problem.h"
#include "document/scene_builder.h"

class COrvantaDoc;

// Where include files are looked for: the scene's folder first, then POV-Ray's include
// folders.
std::vector<std::string> IncludeFolders(const std::string& sceneFolder);

// The names the include files declare ("#declare Name =", "#local Name ="), with the files
// they include in turn. missing: the files not found in any folder.
struct IncludedNames {
    std::unordered_set<std::string> names;
    std::vector<std::string> missing;
};
IncludedNames ScanIncludes(const std::vector<std::string>& files,
                           const std::vector<std::string>& folders);

// One warning ("Warning: ...", with the line of the reference) per reference to a name that
// neither the document nor an include file declares. The standard include files the writer
// writes count as included; where they are not installed, the names the modeller knows from
// them (the predefined textures and skies) stand for them. A user include file that is not
// found may declare anything: then nothing is reported.
ReadProblems UndeclaredReferences(const COrvantaDoc& doc,
                                  const std::vector<SceneNameReference>& references,
                                  const std::vector<std::string>& folders);
