// Kind numbers returned by CPovObject::GetType. Callers compare against them throughout.
#pragma once

enum PovKind : int {
    kKindLight = 0,
    kKindCubic = 1,
    kKindCamera = 2,
    kKindLookAt = 3,
    kKindTexture = 4,
    kKindCone = 5,
    kKindSphere = 6,
    kKindCylinder = 7,
    kKindBackground = 8,
    kKindTorus = 9,
    kKindHeightField = 10,
    kKindCSG = 11,
    kKindPlane = 12,
    kKindSkySphere = 13,
    kKindFog = 14,
    kKindHalo = 15,
    kKindLightCylinder = 16,
    kKindLightSpot = 17,
    kKindLathe = 18,
    kKindUserObject = 19,
    kKindPolygon = 20,  // also the 3-D text
    kKindBlob = 21,
    kKindTriangle = 22,  // also the smooth triangle
    kKindPigment = 24,
    // beyond the classic kinds: POV-Ray text the modeller keeps as it is (model/raw)
    kKindRaw = 25,
};

inline bool IsLightKind(int kind) {
    return kind == kKindLight || kind == kKindLightCylinder || kind == kKindLightSpot;
}
