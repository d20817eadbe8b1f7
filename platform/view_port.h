// The view as the scene objects and the document see it.
//
// Kinds: 0 top view (x right, z up), 1 front view (x right, y up), 2 side view (z right, y up),
// 4 camera view. The view logic implements it; tests use a plain fake.
#pragma once

#include <functional>

#include "model/vector.h"

class CPovObject;

enum ViewKindId { kTopView = 0, kFrontView = 1, kSideView = 2, kCameraView = 4 };

class IViewPort {
  public:
    virtual ~IViewPort() = default;

    virtual int GetViewKind() const = 0;
    // pixels per world unit
    virtual double GetZoom() const = 0;
    // world value at the left edge (sx) and at the bottom edge (sy) of the view
    virtual double GetHorzOrigin() const = 0;
    virtual double GetVertOrigin() const = 0;
    // outer window size; the usable height is the window height minus 20
    virtual int GetWindowWidth() const = 0;
    virtual int GetWindowHeight() const = 0;
    // camera view only: drawing with OpenGL, and wire-frame polygons
    virtual bool GetUseOpenGL() const = 0;
    virtual bool GetWireframe() const = 0;
    // OpenGL lights set up so far in the current camera render
    virtual int GetLightCount() const = 0;
    virtual void SetLightCount(int count) = 0;
    // last activation state; the document places new objects in the first active view
    virtual bool IsActive() const = 0;
    // world point at the centre of the view
    virtual Vector GetViewCentre() const = 0;
    // the document changed; the view redraws when it can
    virtual void OnDocumentChanged() {}
    // The objects for which leftScene is true are no longer in the scene (an undo took them
    // out and may free them): the view keeps no pointer to them.
    virtual void ForgetObjects(const std::function<bool(const CPovObject*)>& /*leftScene*/) {}
};
