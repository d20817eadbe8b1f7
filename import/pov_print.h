// Writes evaluated statements back as POV-Ray scene text.
#pragma once

#include <functional>
#include <string>

#include "import/pov_value.h"

namespace pov {

// The name under which a referenced statement is written (it must be declared before the text
// that uses it).
using ReferenceNamer = std::function<std::string(const Item& reference)>;

// "keyword {" ... "}" with nested blocks on lines of their own, indented; lines end in CR LF.
void AppendBlock(std::string& out, const Block& block, const ReferenceNamer& namer, int indent = 0);
// the items of a block, as they stand between its braces
void AppendItems(std::string& out, const Block& block, const ReferenceNamer& namer, int indent);

}  // namespace pov
