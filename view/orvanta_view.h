// One view of a scene document: the top, front or side view drawn with 2-D lines, or the
// camera view drawn with OpenGL (or with the objects' own projection when OpenGL is off).
//
// The class holds everything a view does that needs no window: zoom, grid, scrolling and the
// screen-to-world mapping, the drawing pass through a device context, the OpenGL camera
// render, the view commands with their enable and check states, and the mouse tools. The
// desktop widget forwards its events here and implements IViewWindow and IScrollBars; the
// batch tool and the tests use plain values.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/device_context.h"
#include "platform/view_port.h"
#include "view/camera_scene.h"
#include "view/scroll_bars.h"
#include "view/view_window.h"

class COrvantaDoc;
class CPovObject;

// the kind of the next view to be constructed (0 top, 1 front, 2 side, 4 camera)
extern int NextViewKind;
// number of live views
extern int ViewCount;
// "Am Raster ausrichten": move drags put the object's position on the view's grid
extern bool SnapToGrid;

// Enable and check state of a command for its menu entry and tool-bar button.
struct CommandState {
    bool enabled = true;
    bool checked = false;
    bool operator==(const CommandState&) const = default;
};

// Scroll-bar requests, numbered as the platform's scroll codes.
enum class ScrollCode {
    LineUp = 0,
    LineDown = 1,
    PageUp = 2,
    PageDown = 3,
    ThumbPosition = 4,
    ThumbTrack = 5,
    Top = 6,
    Bottom = 7,
    EndScroll = 8,
};

// The main frame's new-window commands (front, side, top, camera view) set NextViewKind for
// the view that the frame opens next; the plain new-window command leaves it. True for these
// commands.
bool SetNextViewKindForCommand(int commandId);
// The views' context menu in order; 0 stands for a separator.
const std::vector<int>& ViewContextMenu();

class COrvantaView : public IViewPort {
  public:
    // The view takes the kind NextViewKind, the modeller settings of the document and the
    // document's stored zoom and grid for its kind, and registers with the document.
    COrvantaView(COrvantaDoc& document, IScrollBars& scrollBars, IViewWindow* window = nullptr);
    ~COrvantaView() override;
    COrvantaView(const COrvantaView&) = delete;
    COrvantaView& operator=(const COrvantaView&) = delete;

    COrvantaDoc& GetDocument() const { return document_; }

    // ---- what the objects and the document read (IViewPort)
    int GetViewKind() const override { return ViewKind; }
    double GetZoom() const override { return Zoom; }
    // sx: the horizontal scroll position
    double GetHorzOrigin() const override;
    // sy: the negated vertical scroll position (the camera view's is not negated)
    double GetVertOrigin() const override;
    int GetWindowWidth() const override { return windowWidth_; }
    int GetWindowHeight() const override { return windowHeight_; }
    bool GetUseOpenGL() const override { return UseOpenGL != 0; }
    bool GetWireframe() const override { return Wireframe != 0; }
    int GetLightCount() const override { return LightCount; }
    void SetLightCount(int count) override { LightCount = count; }
    bool IsActive() const override { return Active != 0; }
    Vector GetViewCentre() const override;
    void OnDocumentChanged() override { Redraw(); }
    void ForgetObjects(const std::function<bool(const CPovObject*)>& leftScene) override;

    // ---- window
    // Window creation with the outer window size and the client size: scroll ranges and
    // positions.
    void OnCreate(int windowWidth, int windowHeight, int clientWidth, int clientHeight);
    // New client size (and outer size): scroll ranges; the camera view's zoom.
    void OnSize(int clientWidth, int clientHeight, int windowWidth, int windowHeight);
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    // Activation or deactivation of the view's window.
    void OnActivate(bool active);
    // Whether the window erases its background before drawing; refreshes TextColor.
    bool OnEraseBackground();
    // Asks the window for a new picture.
    void Redraw();
    // Only the selected object's tree changed (a drag step): the rest of the picture stands.
    void RedrawLive();
    // how many pictures the view asked for so far
    int RedrawRequests() const { return redrawRequests_; }

    // ---- drawing
    // The drawing pass: grid, then the objects in list order. In the OpenGL camera view the
    // objects are rendered by RenderCamera instead, which this asks the window for.
    void OnDraw(IDeviceContext& dc);
    // The pass without one top-level object and its children (nullptr leaves nothing out).
    // The desktop views keep that picture and draw the left-out tree over it, alone: a drag
    // then repaints one object, not the scene.
    void DrawPicture(IDeviceContext& dc, const CPovObject* leftOut);
    // the top-level object of SelectedObject (what a drag moves), or nullptr
    CPovObject* LiveTree() const;
    // that tree alone, over the rest of the picture; nothing in the camera view
    void DrawTree(IDeviceContext& dc, CPovObject* tree);
    // the document's top-level object at that address, or nullptr when there is none
    CPovObject* TopLevelObject(const CPovObject* object) const;
    // grid lines of an orthographic view
    void DrawGrid(IDeviceContext& dc) const;
    // the world axes through the origin with their letters, over the grid
    void DrawAxes(IDeviceContext& dc) const;
    // The OpenGL camera render: makes the surface current, renders, finishes. Requests that
    // arrive while a render runs make it render exactly once more; such a request returns
    // false at once.
    bool RenderCamera(IGlSurface& surface);
    // One camera render into the current OpenGL context.
    void RenderCameraScene();
    // What the camera render draws, as data of its own: the desktop view renders it on
    // another thread. expectedItems: the shapes of the last description, if known.
    CameraScene DescribeCamera(size_t expectedItems = 0) const;

    // ---- scrolling
    void OnScroll(ScrollBar bar, ScrollCode code, int thumbPosition = 0);

    // ---- commands
    // Runs a command of the view (or of the document, for the edit and tool commands);
    // false when the view has no such command or it is disabled.
    bool OnCommand(int id);
    // Enable and check state of a command as the view shows it. The resize tool's state
    // switches the document's resize mode off when it cannot apply.
    CommandState GetCommandState(int id);
    void SetZoom(double zoom);
    // the user-defined zoom dialog's OK; false for a value outside 1 ... 100
    bool SetUserZoom(int zoom);
    void SetGrid(double grid);
    // the integer part of (Grid + 0.000001) x 10
    int GridCode() const;

    // ---- mouse tools
    // the client point with the vertical axis flipped (growing upwards) outside the camera
    // view
    PixelPoint FlippedPoint(int x, int y) const;
    // world position text of a client point ("x: %.2f  z: %.2f" in the top view ...)
    std::string CoordinateText(int x, int y) const;
    void OnLButtonDown(int x, int y);
    void OnMouseMove(int x, int y);
    void OnLButtonUp(int x, int y);
    void OnLButtonDblClk(int x, int y);
    void OnRButtonDown(int x, int y);
    void OnProperties();
    void OnSelectNextCsgLevel();
    void OnSelectTopCsgLevel();
    // Escape: the picked object and the document's current object are let go.
    void OnDeselect();

    // ---- navigation of the orthographic views
    // A new zoom that keeps the world point under the client point (x, y) where it is, to
    // within the scroll bars' step of one world unit; stored for the view's kind.
    void ZoomAbout(double zoom, int x, int y);
    // The same about the centre of the client area (the zoom commands and the zoom dialog);
    // the fixed zoom commands divide the client size for the scroll ranges as integers.
    void ZoomAboutCentre(double zoom, bool integerRanges = false);
    // Zoom and scroll positions that show every present object ("&Alles zeigen", Home).
    void ZoomToFit();
    // The mouse wheel: `steps` notches (positive away from the user); with Ctrl it zooms
    // about the client point, with Shift it scrolls sideways, else up and down.
    void OnWheel(int x, int y, int steps, bool shift, bool control);

    // ---- pens: colours 0x00BBGGRR for Pen::Text, Pen::Selection, Pen::Grid and Pen::Axis
    uint32_t PenColor(Pen pen) const;

    int Active = 1;
    int ViewKind = 0;
    double Grid = 0.0;
    double Zoom = 10.0;
    int ScrollLimit = 2000;
    int Dragging = 0;
    CPovObject* SelectedObject = nullptr;
    int LastMouseX = 0;
    int LastMouseY = 0;
    int MouseBusy = 0;
    int UseOpenGL = 0;
    int Wireframe = 0;
    int DepthTest = 0;
    int Lights = 0;
    int LightCount = 0;
    std::atomic<int> PendingRenders{0};
    uint32_t TextColor = 0x000000;
    static constexpr uint32_t kSelectionColor = 0x0000FF;  // RGB(255, 0, 0)
    static constexpr uint32_t kGridColor = 0xAFAFAF;       // RGB(175, 175, 175)
    static constexpr uint32_t kAxisColor = 0x6E6E6E;       // RGB(110, 110, 110)

  private:
    // the document's stored zoom and grid of this view's kind (nullptr for the camera view)
    int* StoredZoom() const;
    double* StoredGrid() const;
    // scroll ranges for the current zoom and client size
    void SetScrollRanges(bool integerDivision);
    // camera view without OpenGL: projects the objects for the camera's placement
    void ProjectForCamera();
    // the pick traversal shared by both buttons, at a client point
    void Pick(PixelPoint point, bool leftButton);
    void ZoomAbout(double zoom, int x, int y, bool integerRanges);
    // a move drag step with the position kept on the grid
    void MoveSnapped(double dh, double dv);
    bool CommandEnabledOutsideCamera() const { return ViewKind != kCameraView; }
    // A drag is one step of the history, from its first move to the button's release.
    void BeginDragStep();
    void EndDragStep();

    COrvantaDoc& document_;
    IScrollBars& scrollBars_;
    IViewWindow* window_;
    int windowWidth_ = 0;
    int windowHeight_ = 0;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int redrawRequests_ = 0;
    bool dragStepOpen_ = false;
    // a snapped move drag: where the object was at the press, and the mouse's way since then
    Vector dragStart_;
    double dragH_ = 0;
    double dragV_ = 0;
};
