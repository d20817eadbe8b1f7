// Textures, pigments, finishes and normals of imported objects: a texture the modeller's
// texture kind can hold becomes a declared texture of the document; any other is declared as
// POV-Ray text (a raw element) and used by name, as is a texture from POV-Ray's include files.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "import/pov_scene.h"
#include "import/pov_text_writer.h"

class COrvantaDoc;
class CPovTexture;

namespace pov {

class SurfaceMapper {
  public:
    SurfaceMapper(COrvantaDoc& doc, TextWriter& writer);

    struct Result {
        // the texture's name, declared before the object that uses it
        std::string name;
        // the texture looks the same wherever the object is moved (colours and finishes only)
        bool invariant = false;
        // a display colour for the views
        double r = 0.8, g = 0.8, b = 0.8;
    };
    // The texture the items give (texture, pigment, normal and finish statements of one
    // object); declarations it needs go to declarations. False with why when the items do not
    // form a texture (they are not next to each other, or a material).
    // placeFree: the object's written steps leave the texture where POV-Ray puts it, so a
    // texture of the document (which takes no steps of the object's own) can be used.
    bool ObjectTexture(const std::vector<const Item*>& items, bool placeFree, Result& out,
                       std::string& why, std::string& declarations);
    // the name of a pigment for a sky sphere (declared as text when needed)
    std::string PigmentName(const Block& pigment, const std::string& preferred,
                            std::string& declarations);

  private:
    bool ToModelTexture(const Block& texture, CPovTexture& out, bool& invariant) const;

    COrvantaDoc& doc_;
    TextWriter& writer_;
    // textures made from the same text share one declaration
    std::map<std::string, Result> byText_;
    std::map<const Block*, Result> byBlock_;
    int counter_ = 0;
    // statements made here, kept as long as the writer refers to them by address
    std::vector<std::shared_ptr<const Block>> kept_;
};

// Whether a colour's value survives the modeller's colour (a byte per channel, no transmit)
// and filter ("%.1f"); the colour as the modeller keeps it in packed.
bool ModelColor(const Value& color, unsigned& packed, double& filter);

}  // namespace pov
