// Writes a scene document as POV-Ray scene text: the marker header, the standard and user
// include blocks, the declarations of halos, pigments and textures, every present object and
// the show-infos marker. Bytes in Windows-1252, lines ending in CR LF.
#pragma once

#include <string>

class COrvantaDoc;
class CPovObject;
class SceneText;

// Appends the whole scene text of doc to out.
void WriteSceneFile(const COrvantaDoc& doc, SceneText& out);

// Appends only the header: author, company, comment, view values, language level.
void WriteSceneHeader(const COrvantaDoc& doc, SceneText& out);

// The text of one object alone (the edit menu's save-object command): no header, no includes,
// no declarations of what it uses. level: the language level (PovLevel) to write for.
std::string ObjectSceneText(CPovObject& object, int level = 0);
