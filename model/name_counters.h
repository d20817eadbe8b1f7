// The per-kind default-name counters: 0 at program start, never reset by new documents.
#pragma once

struct NameCounters {
    long Light = 0;
    long Cubic = 0;
    long Camera = 0;
    long Texture = 0;
    long Cone = 0;
    long Sphere = 0;
    long Cylinder = 0;
    long Torus = 0;
    long HeightField = 0;
    long CSG = 0;
    long Plane = 0;
    long Fog = 0;
    long Halo = 0;
    long LightCylinder = 0;
    long LightSpot = 0;
    long Lathe = 0;
    long UserObject = 0;
    long Polygon = 0;
    long TTF = 0;
    long Blob = 0;
    long Triangle = 0;
    long SmoothTriangle = 0;
    long Pigment = 0;
    long Background = 0;
    long SkySphere = 0;
    long LookAt = 0;
    long Raw = 0;
};

extern NameCounters g_NameCounters;

// Back to the state at program start: counters at 0, no current document, not loading.
// For tests that need independent cases.
void ResetModelGlobals();
