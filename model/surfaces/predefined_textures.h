// The textures the standard include files declare, in their fixed order, and the textures that
// texture-preview add-ons announce. A texture's index chooses its preview picture.
#pragma once

#include <string>
#include <string_view>
#include <vector>

inline constexpr int kPredefinedTextureCount = 119;
// index of a texture that is neither predefined nor announced by an add-on
inline constexpr int kUserTextureIndex = 1000;
// an add-on texture at position j of the add-on list has the index j + kAddOnTextureBase
inline constexpr int kAddOnTextureBase = 2001;

// the predefined texture names, index 0 .. kPredefinedTextureCount - 1
extern const char* const kPredefinedTextures[kPredefinedTextureCount];

// The add-on list: pairs of (texture name, preview file name) one after the other. The owner
// of the list (the application) keeps it alive while it is installed; nullptr removes it.
void SetTextureAddOns(const std::vector<std::string>* pairs);
const std::vector<std::string>* GetTextureAddOns();

// Index of a texture name: its place in the predefined table (exact comparison); else, for
// the first add-on pair of that name at list position j, j + kAddOnTextureBase; else
// kUserTextureIndex.
int FindTextureIndex(std::string_view name);
