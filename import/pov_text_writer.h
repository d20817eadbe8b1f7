// Writes evaluated statements as POV-Ray text together with the declarations they refer to.
// Every referenced statement is declared once, before its first use, under its scene name or,
// when that name is taken by something else, under a name made unique; a declaration from
// POV-Ray's installed include files is used by its name.
#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "import/pov_scene.h"

namespace pov {

class TextWriter {
  public:
    explicit TextWriter(const EvaluatedScene& scene);

    // The declarations the block needs that were not written yet (in dependency order), and
    // the block's own text; both end in CR LF.
    void Write(const Block& block, std::string& declarations, std::string& text);
    // the name a referenced statement is declared under (declaring it if needed)
    std::string NameOf(const Item& reference, std::string& declarations);
    // whether a statement comes from an installed include file under its declared name
    bool IsInstalled(const Block* block) const;

  private:
    void NameInstalled();
    void Declare(const Block& block, const std::string& preferred, std::string& declarations,
                 int depth);
    void DeclareReferences(const Block& block, std::string& declarations, int depth);

    const EvaluatedScene& scene_;
    std::unordered_map<const Block*, std::string> names_;
    std::unordered_set<std::string> taken_;
    bool installedNamed_ = false;
};

}  // namespace pov
