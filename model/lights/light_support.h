// Pieces the light sources and the camera share: aiming at the look-at point, the light colour,
// the OpenGL light numbers and the head of a light's scene text.
#pragma once

#include <cstdint>
#include <vector>

#include "model/scene_text.h"
#include "model/vector.h"

class CPovObject;
class IViewPort;

namespace lights {

// The look-at point an owner aims at (its first child), or none.
CPovObject* FindLookAt(const CPovObject& owner);

// Direction from an owner at L to its look-at point A.
struct Aim {
    double dx = 0.0, dy = 0.0, dz = 0.0;
    double n = 0.0;  // length
};

// Keeps the direction's z away from 0 when |A.z| and |L.z| are within 0.00001 of each other by
// moving L.z (the caller's translate step) by 0.00001, then measures A - L. Returns false when
// the two points coincide and there is no direction.
bool NudgeAndAim(Vector& location, const Vector& target, Aim& aim);

// Rotate step of a spot or cylindrical light at location aiming at target (exact angles, rz 0)
// and the distance between them. Nudges location as NudgeAndAim; returns false, changing
// neither rotation nor distance, when there is no direction.
bool AimLight(Vector& location, const Vector& target, Vector& rotation, double& distance);

// Twelve points of a ring of radius 1 in the x-y plane at height z, starting at (0, 1, z) and
// turning towards +x in 30 degree steps.
void AppendRing(std::vector<Point3>& points, double z);

// Degrees to radians for the light symbols' opening angles (3.1416 / 180).
constexpr double kLightDegree = 0.017453333333333335;

// Channel 0 red, 1 green, 2 blue of a 0x00BBGGRR colour, as byte / 255.
double ColorChannel(uint32_t color, int channel);

// "#declare <name> = light_source {" and the line with position and colour.
void WriteLightHead(SceneText& out, const CPovObject& light, uint32_t color);

// The OpenGL light a light source of the current camera render sets up: GL_LIGHT0 + the view's
// light count while that is 0..7, else 0 (nothing to set up). Counts the light either way.
unsigned NextGlLight(IViewPort& view);

// Draw of a light source in the OpenGL camera view: a present light sets up the next OpenGL
// light as it describes it; a deleted one neither lights the scene nor takes a number.
void SetUpGlLight(const CPovObject& light, IViewPort& view);

}  // namespace lights
