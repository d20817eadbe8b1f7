// A view with plain settable values, for tests.
#pragma once

#include "platform/view_port.h"

class FakeViewPort : public IViewPort {
  public:
    explicit FakeViewPort(int kind = kFrontView, double zoom = 10.0) : kind(kind), zoom(zoom) {}

    int GetViewKind() const override { return kind; }
    double GetZoom() const override { return zoom; }
    double GetHorzOrigin() const override { return horzOrigin; }
    double GetVertOrigin() const override { return vertOrigin; }
    int GetWindowWidth() const override { return windowWidth; }
    int GetWindowHeight() const override { return windowHeight; }
    bool GetUseOpenGL() const override { return useOpenGL; }
    bool GetWireframe() const override { return wireframe; }
    int GetLightCount() const override { return lightCount; }
    void SetLightCount(int count) override { lightCount = count; }
    bool IsActive() const override { return active; }
    Vector GetViewCentre() const override { return centre; }

    int kind;
    double zoom;
    double horzOrigin = 0.0;
    double vertOrigin = 0.0;
    int windowWidth = 420;
    int windowHeight = 320;
    bool useOpenGL = false;
    bool wireframe = false;
    int lightCount = 0;
    bool active = true;
    Vector centre;
};
