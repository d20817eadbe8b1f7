// What the view logic needs of the window that shows it: repainting, the system colour of
// window text, the user-defined zoom dialog and the object browser. The desktop view widget
// implements it; headless views use the silent defaults.
#pragma once

#include <cstdint>
#include <optional>

class IViewWindow {
  public:
    virtual ~IViewWindow() = default;

    // The picture is out of date: erase the window and draw it again (the wire-frame views
    // through COrvantaView::OnDraw, the OpenGL camera view through RenderCamera).
    virtual void Redraw() {}
    // Only the tree of the view's selected object changed (a drag step); a window that keeps
    // the rest of its picture draws that tree again over it.
    virtual void RedrawLive() { Redraw(); }
    // the system colour of window text, 0x00BBGGRR
    virtual uint32_t SystemTextColor() const { return 0x000000; }
    // The modal "Auflösung" dialog, started with the current zoom and validated to 1 ... 100;
    // the new zoom, or nothing when it was cancelled.
    virtual std::optional<int> AskUserZoom(int /*current*/) { return std::nullopt; }
    // The object browser in browser mode, or as the go-to dialog.
    virtual void OpenObjectBrowser(bool /*goToMode*/) {}
};

// The OpenGL context the camera view renders into: a widget's, or a headless one.
class IGlSurface {
  public:
    virtual ~IGlSurface() = default;
    virtual bool MakeCurrent() = 0;
    virtual void DoneCurrent() = 0;
};
