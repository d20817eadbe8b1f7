// The camera view of a scene whose camera the modeller keeps as POV-Ray text (a camera with an
// angle, a direction or a right vector of its own, as imported scenes often have): the view
// looks from where that camera looks and sees as much as POV-Ray's picture does.
#pragma once

#include <array>
#include <optional>
#include <string_view>

class COrvantaDoc;

struct KeptCameraSight {
    // in the scene's coordinates
    std::array<double, 3> location{0, 0, 0};
    std::array<double, 3> lookAt{0, 0, 1};
    // the picture's height as an angle, in degrees
    double fieldOfView = 0;
};

// What a perspective camera statement written out in plain numbers ("camera { location <..>
// look_at <..> angle 42 }") sees; nothing for any other camera (another lens, transformations,
// a sky other than y, expressions).
std::optional<KeptCameraSight> ReadKeptCamera(std::string_view text);

// The sight of the document's last present top-level camera kept as POV-Ray text, which is the
// camera POV-Ray renders with; "camera { Name }" is looked up in the kept declarations.
std::optional<KeptCameraSight> KeptCameraOf(const COrvantaDoc& doc);
