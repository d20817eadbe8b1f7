// The POV-Ray scenes that make the preview pictures: the subject on a sphere over a checkered
// floor under a fixed light, seen by a fixed camera (a sky is seen above a floor, a fog over a
// long floor with spheres at growing distances). Scenes are POV-Ray 3.7 text in Windows-1252.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "preview/preview_pictures.h"

class CPovObject;
class CPovPigmentOwner;

// whether POV-Ray can read name as an identifier (letters, digits, '_', no leading digit)
bool IsPovIdentifier(std::string_view name);

// The scene of a standard picture. A texture that no included file declares (or whose name is
// no identifier) is shown as the plain sphere of an unknown texture. extraIncludes: include
// files an add-on's textures need, after the standard ones.
std::string PreviewScene(const PreviewSubject& subject,
                         const std::vector<std::string>& extraIncludes = {});

struct TexturePreviewScene {
    std::string text;
    // what the picture cannot show (German, UTF-8), empty when it shows everything
    std::string note;
};

// The scene of a user's own texture or pigment: the pigments its pigment maps name (found by
// name in the pigment list that starts at pigments, nested maps too, each declared before its
// user), its own declaration and the sphere wearing it. A texture's halos are left out: POV-Ray
// 3.7 does not render them, and the note says so. Writing changes neither the surface nor the
// pigments.
TexturePreviewScene LiveTextureScene(CPovPigmentOwner& surface, CPovObject* pigments);
