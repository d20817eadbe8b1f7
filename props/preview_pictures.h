// The picture that previews a texture, a sky or a fog type on a sheet. Pages show an empty
// frame for none and never wait for a picture.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// name: a texture name (predefined, add-on or the document's), "S_Cloud1" .. "S_Cloud5", or
// "Uniform_Fog" / "Ground_Fog". The picture's file when it exists; in the desktop, a missing
// picture is rendered in the background and the file it will be written to is given (the
// picture frame shows a placeholder until it is there); none for a name without a picture.
std::optional<std::string> PreviewPicture(std::string_view name);
