// The picture file that previews a texture, a sky or a fog type on a sheet, or none. Pages
// show an empty frame for none and never wait for a picture.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// name: a texture name (predefined, add-on or the document's), "S_Cloud1" .. "S_Cloud5", or
// "Uniform_Fog" / "Ground_Fog"; the file exists when one is given
std::optional<std::string> PreviewPicture(std::string_view name);
