// Texture-preview add-on files: "*.prw" files in the preview folder that announce further
// predefined textures (from include files the add-on supplies) and their preview pictures.
//
// An add-on file is text. Its first line starts with the signature (only the first 40
// characters count); every further line is empty, a comment starting with ';', or a texture
// name and a picture file name (relative to the preview folder) separated by white space.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// the 40 characters an add-on file's first line starts with
inline constexpr std::string_view kPreviewAddOnSignature =
    "Orvanta Modeller 95 AddOn Type: Texturep";
// at most this many bytes of a file are read
inline constexpr size_t kPreviewAddOnMaxBytes = 65534;
// a longer word is cut to this many characters
inline constexpr size_t kPreviewAddOnMaxWord = 255;

// Appends the (texture name, picture file) pairs of one add-on file's text to pairs, name
// first. A text whose first line lacks the signature adds nothing; a line with only one word
// is skipped; further words on a line are ignored. Returns the number of pairs added.
int ParsePreviewAddOn(std::string_view text, std::vector<std::string>& pairs);

// The pairs of every add-on file in folder, flattened as the texture index expects them
// (name at even positions, picture at the following odd one). Files are taken in the order
// of their names, so the first of two add-ons announcing one name is always the same. A
// missing folder or an unreadable file adds nothing.
std::vector<std::string> ScanPreviewAddOns(const std::string& folder);
