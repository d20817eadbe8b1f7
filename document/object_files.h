// Objects saved to a file of their own and read into another scene: the declarations an
// object uses go with it, and a declaration the scene already has by the same name is not
// read twice.
#pragma once

#include <string>
#include <vector>

class COrvantaDoc;
class CPovObject;

// The scene text of one object with the halos, pigments and textures its tree uses, declared
// before it in an order POV-Ray reads (a declaration before what names it). No header and no
// includes. level: the language level (PovLevel) to write for.
std::string ObjectFileText(const COrvantaDoc& doc, CPovObject& object, int level);

// The heads of the declaration lists before a read.
struct DeclarationHeads {
    CPovObject* textures = nullptr;
    CPovObject* pigments = nullptr;
    CPovObject* halos = nullptr;
};
DeclarationHeads CurrentDeclarationHeads(const COrvantaDoc& doc);

// After a file's objects were read into a scene: every texture, pigment or halo the read added
// whose name the scene already had is taken out again (marked deleted), so that the scene
// keeps its own declaration and the new objects use it by name. Returns the names of those
// that were written differently from the scene's, for a note to the user.
std::vector<std::string> DropRepeatedDeclarations(COrvantaDoc& doc, const DeclarationHeads& before);
