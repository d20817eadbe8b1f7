// The whole set of pictures the program renders: every predefined texture, the picture of an
// unknown texture, every add-on texture, the five predefined skies and the two fog types.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "preview/preview_pictures.h"
#include "preview/preview_renderer.h"

// In the order they are rendered: the predefined textures by index, the unknown texture, the
// add-on textures (those whose name is not predefined, first announcement only), the skies,
// the fog types.
std::vector<PreviewSubject> PreviewSet();

// The job that renders subject's PNG into folder; nothing when the subject has no picture.
// includes: further include files (those add-on textures need); libraryPaths: folders POV-Ray
// searches for them.
std::optional<PreviewJob> PreviewJobFor(const PreviewSubject& subject, const std::string& folder,
                                        const std::vector<std::string>& includes = {},
                                        const std::vector<std::string>& libraryPaths = {});

// Where the program renders pictures: the preview folder when it can be written (it is made
// when missing), else the cache folder.
std::string RenderFolder();
