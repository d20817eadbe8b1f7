// POV-Ray as the judge of an import: renders the original scene and the saved document at a
// small size and counts the pixels that differ.
#pragma once

#include <string>

// whether povray is on the PATH
bool HavePovRay();
// Renders scene (a file) with POV-Ray into a PPM picture at width x height, run in the scene's
// folder; false when POV-Ray failed (its messages in log).
bool RenderPpm(const std::string& scene, const std::string& picture, int width, int height,
               std::string* log = nullptr);
// The share of pixels whose colour differs by more than 12 % in any channel; 1 when the
// pictures cannot be read or differ in size.
double DifferingShare(const std::string& pictureA, const std::string& pictureB);
