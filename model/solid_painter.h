// Draws a solid preview (model/solid_preview.h) with OpenGL into the current context: the
// shapes as the objects have always drawn themselves in the camera view, with coarser
// versions for shapes that are small on the screen.
#pragma once

#include <array>
#include <cstdint>

#include "model/solid_preview.h"

class SolidPainter {
  public:
    // With keepLists the unit shapes are compiled into display lists of the current context the
    // first time they are drawn; that context must then be current whenever the painter draws
    // and when it is destroyed. Without, every shape is drawn afresh.
    explicit SolidPainter(bool keepLists = false);
    ~SolidPainter();
    SolidPainter(const SolidPainter&) = delete;
    SolidPainter& operator=(const SolidPainter&) = delete;

    // the camera view's wire-frame mode draws spheres, cones and cylinders with fewer bands
    void SetWireframe(bool wireframe);
    // Sets what every item's material shares (specular, shininess); then DrawItem.
    void BeginItems();
    void DrawItem(const SolidPreview& preview, const SolidItem& item, SolidDetail detail);
    // Every item at full detail, each with its whole material: one object drawing itself.
    void DrawAll(const SolidPreview& preview);

    // Sets up OpenGL light number glLight (GL_LIGHT0 + n) as the light source describes it.
    static void ApplyLight(const SolidLight& light, unsigned glLight);

  private:
    enum ListShape { kSphere, kCone, kCylinder, kBox, kListShapes };
    void SetColour(const std::array<float, 3>& colour);
    void DrawShape(const SolidPreview& preview, const SolidItem& item, SolidDetail detail);
    // a unit shape, from its display list when the painter keeps them
    void DrawUnit(ListShape shape, SolidDetail detail);
    void DrawUnitNow(ListShape shape, SolidDetail detail) const;

    bool keepLists_;
    bool wireframe_ = false;
    // display lists per shape, detail (full, reduced) and mode (filled, wire frame); 0 = none
    unsigned lists_[kListShapes][2][2] = {};
    std::array<float, 3> colour_{-1, -1, -1};
};
