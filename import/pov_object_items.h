// Reading an evaluated statement's items: the values that lead it (a sphere's centre and
// radius), its transformation statements, and the object statements nested in it.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "import/pov_transform.h"
#include "import/pov_value.h"

namespace pov {

// The values before the first keyword or block (commas skipped), e.g. <0,1,0>, 2 of a sphere.
std::vector<const Value*> LeadingValues(const Block& block, size_t* end = nullptr);

// Reads the transformation statement at items[i] (scale, rotate, translate, matrix,
// transform) and applies it after t; i moves past it. False when items[i] is none.
bool ReadTransform(const std::vector<Item>& items, size_t& i, Affine& t);

// The block an item stands for: a nested block or a referenced declaration.
const Block* ItemBlock(const Item& item);

// Whether a keyword starts an object statement (finite or not).
bool IsObjectKeyword(std::string_view keyword);

// The statement an "object { Name ... }" refers to, following nested object wrappers: the
// kind keyword of the shape and the transformation that the wrappers add (after the shape's
// own statements). Nullptr when it refers to nothing.
const Block* ResolveObject(const Block& object, Affine* wrapperTransform = nullptr);

// The vector of a value with n components (a float fills all of them).
Vec3 AsVec3(const Value& v);

}  // namespace pov
