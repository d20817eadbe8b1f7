// The base of every scene element: name, place in the object tree, transformation steps with
// the model matrix built from them, world outline and bounding box, selection and deletion
// state, and the shared pieces of the POV-Ray text.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "model/matrix.h"
#include "model/object_kinds.h"
#include "model/scene_text.h"
#include "model/solid_preview.h"
#include "model/vector.h"
#include "platform/device_context.h"

class CSceneHost;
class FieldSink;
class IViewPort;

// Indices of the transformation steps every object holds.
enum StepIndex { kStepTranslate = 0, kStepScale = 1, kStepRotate = 2, kStepExtra = 3 };

// How many levels of groups may hold one another. The walks over the object tree (geometry,
// drawing, writing, copying, freeing) recurse once per level, and the camera view pushes an
// OpenGL matrix per level onto a stack that holds 32; whatever builds groups (the reader, the
// editing commands) keeps within this.
inline constexpr int kMaxGroupDepth = 24;

// While one lives on its thread, the objects made there leave their outline unbuilt: a reader
// that makes many objects builds the geometry of each finished tree once, when it has read
// them all, instead of once when an object is made and again when it is placed.
class GeometryDeferral {
  public:
    GeometryDeferral();
    ~GeometryDeferral();
    GeometryDeferral(const GeometryDeferral&) = delete;
    GeometryDeferral& operator=(const GeometryDeferral&) = delete;
    static bool Active();
};

class CPovObject {
  public:
    explicit CPovObject(CPovObject* parent = nullptr);
    virtual ~CPovObject();
    CPovObject(const CPovObject&) = delete;
    CPovObject& operator=(const CPovObject&) = delete;

    // run-time class name, e.g. "CPovSphere"
    virtual const char* GetClassName() const = 0;

    virtual void WriteTexture(SceneText& out) const;
    virtual void WriteHollow(SceneText& out) const;
    virtual void SetPresent(bool present);
    // false when this object or any ancestor is deleted
    virtual bool IsPresent() const;
    virtual void AssignDefaultName(int prefixStringId, long& counter);
    // the same with the prefix given as text
    void AssignDefaultNameWithPrefix(const std::string& prefix, long& counter);
    virtual int GetType() const = 0;
    virtual PixelRect GetScreenRect(const IViewPort& view) const;
    virtual bool HitTest(const IViewPort& view, PixelPoint point) const;
    virtual bool HitTestHandle(const IViewPort& view, PixelPoint point) const;
    virtual bool HasGeometry() const = 0;
    // origin: world values at the view's left and bottom edge; width, height in pixels
    virtual void Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY,
                      int width, int height, double zoom);
    virtual void Select(IViewPort& view);
    virtual void Deselect(IViewPort& view);
    virtual bool IsSelected() const { return Selected != 0; }
    virtual int GetReserved1(int) const { return 4; }
    virtual int GetReserved2(int) const { return 4; }
    virtual CMatrix3D& GetMatrix() { return ModelMatrix; }
    virtual void UpdateGeometry();
    virtual void ProjectForCamera(const Vector& translation, const Vector& rotation1,
                                  const Vector& rotation2, const Vector& rotation3);
    virtual void MoveBy(double dx, double dy, const IViewPort& view);
    virtual void ResizeBy(double dx, double dy, const IViewPort& view);
    virtual void SetTransformSteps(const std::vector<Vector>& steps);
    virtual void SetPosition(const Vector& position);
    virtual void SetNameCounter(long value) = 0;
    virtual long GetNameCounter() const = 0;
    virtual int WriteScene(SceneText& out) = 0;
    // WriteScene bracketed for the text's record of which lines each object wrote; parents
    // write their children and the writer its lists through this.
    int WriteSceneText(SceneText& out);
    // 1 = OK, 2 = Cancel
    virtual int EditProperties() { return 2; }
    virtual bool CanBeCsgElement() const = 0;
    // A fresh object of the same kind, as its constructor makes it.
    virtual CPovObject* NewOfKind() const = 0;
    // Copies the object's own state into target, an object of the same kind: the kind's fields
    // and the common ones (name, steps, texture, quick colour, hollow), but neither presence,
    // selection, links, children nor geometry. The caller rebuilds target's geometry.
    virtual void CopyOwnStateTo(CPovObject& target) const;
    // Copies this object with copies of its children into target (a fresh object of the kind
    // when null) and returns it. The copy keeps the name its construction gave it and is
    // present.
    virtual CPovObject* Clone(CPovObject* target = nullptr);
    virtual bool IsOutsideView(const IViewPort& view, double x1, double y1, double x2, double y2,
                               double zoom) const;
    // The camera view's solid preview: appends what the object shows, inside the parent's
    // transformation. By default its children; the shapes describe themselves.
    virtual void DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const;
    // A light source's OpenGL light in the camera view; false for every other kind.
    virtual bool DescribeLight(SolidLight& light) const;
    virtual const char* GetHelpKeyword() const = 0;
    // Reports the kind's own fields by their names (dumps, comparisons).
    virtual void VisitFields(FieldSink& sink) const;

    // display name: the name, with the deletion mark when the object is not present
    std::string GetName() const;
    void SetDocument(CSceneHost* document);
    // sets or clears the stale flag on this object and every ancestor
    void MarkProjectionStale(bool stale);

    const Vector& Translation() const { return Steps[kStepTranslate]; }
    const Vector& ScaleStep() const { return Steps[kStepScale]; }
    const Vector& RotationStep() const { return Steps[kStepRotate]; }
    Vector& Translation() { return Steps[kStepTranslate]; }
    Vector& ScaleStep() { return Steps[kStepScale]; }
    Vector& RotationStep() { return Steps[kStepRotate]; }

    // number of children
    int ChildCount() const;
    CPovObject* LastChild() const;

    // What a drawing pass reads comes first, so that it shares the object's first cache lines:
    // a pass over a large scene waits on memory, not on arithmetic.
    int Selected = 0;
    int Present = 1;
    CPovObject* NextSibling = nullptr;
    CPovObject* FirstChild = nullptr;
    double MinX = 0.0, MinY = 0.0, MinZ = 0.0;
    double MaxX = 0.0, MaxY = 0.0, MaxZ = 0.0;
    // world coordinates, rebuilt by UpdateGeometry
    std::vector<Point3> Outline;

    int ProjectionStale = 1;
    CPovObject* Parent = nullptr;
    std::string Name;
    // link back along the list this object is in (sibling list or a document list)
    CPovObject* PrevSibling = nullptr;
    CMatrix3D ModelMatrix;
    double QuickColorR = 1.0;
    double QuickColorG = 1.0;
    double QuickColorB = 1.0;
    int Hollow = 0;
    CSceneHost* Document = nullptr;
    int UseOwnTexture = 0;
    int WriteTextureSteps = 1;
    std::string TextureName;
    // translate, scale, rotate, then any kind-specific nodes
    std::vector<Vector> Steps;
    // translate, scale, rotate of the texture
    std::vector<Vector> TextureSteps;
    // camera-view projection of the outline
    std::vector<Point3> Projected;

  protected:
    // A new object's UpdateGeometry, left out while a GeometryDeferral lives.
    void FirstGeometry();
    // Common part of every kind's UpdateGeometry: stale marks, outline cleared.
    void ResetGeometry();
    // Model matrix from the scale, rotate and translate steps, then the parent's matrix.
    void ComputeModelMatrix();
    // Transforms the local points in Outline by ModelMatrix and sets the bounding box.
    void PlaceOutline();
    // Bounding box from the Outline points as they stand.
    void BoundOutline();

    // Wire-frame drawing of the outline: culls, maps the points to pixels, selects the pen,
    // lets lines() draw with the mapped points, restores the pen and draws the selection
    // frame. Nothing is drawn for a deleted object, one outside the view or, in the camera
    // view, one with a point behind the camera; false then, so that an owner leaves its
    // children undrawn too.
    bool DrawWire(
        IViewPort& view, IDeviceContext* dc, double originX, double originY, int width, int height,
        double zoom,
        const std::function<void(IDeviceContext&, const std::vector<PixelPoint>&)>& lines);
    // An object of a few pixels in an orthographic view (one that shows a whole large scene):
    // smaller than a pixel it is drawn as that pixel, else as the outline of its screen
    // rectangle, which its own outline would fill anyway. False for larger ones.
    static constexpr double kSmallPixels = 4.0;
    bool DrawSmall(const IViewPort& view, IDeviceContext& dc, double originX, double originY,
                   double zoom);
    // pixel position of a world point in an orthographic view
    static PixelPoint MapPoint(const IViewPort& view, double x, double y, double z, double originX,
                               double originY, double zoom);
    // Dotted frame and corner handles around the screen rectangle.
    void DrawSelectionFrame(const IViewPort& view, IDeviceContext& dc) const;

    // OpenGL's transformation of the object's steps: x is mirrored (POV-Ray is left-handed);
    // translate, rotate z, y, x, scale.
    SolidTransform GlTransform() const;
    // The preview colour: the quick colour of the object, or of its nearest ancestor with a
    // texture of its own when it has none.
    std::array<float, 3> SolidColour() const;
    // Draw in the OpenGL camera view: the object describes itself and draws that at once,
    // inside the current OpenGL matrix.
    void DrawSolidNow(IViewPort& view) const;
    // Runs the kind's sheet through the editor host and marks the document modified on OK.
    int EditWithSheet(int captionStringId);
    // Installs the kind's transformation steps (translate, scale, rotate, extras).
    void InstallSteps(std::initializer_list<Vector> steps);

    // Pieces of the scene text most kinds share.
    // "#declare <name> = "
    void WriteDeclareHead(SceneText& out) const;
    // "  scale <x,y,z>" from the scale step
    void WriteScaleLine(SceneText& out) const;
    // "  rotate <...>" and "  translate <...>" from the rotate and translate steps
    void WriteRotateTranslate(SceneText& out) const;
    // the instance "object { name }" of a top-level object; nothing for a child
    void WriteInstance(SceneText& out) const;
    // The block of a solid: declaration, opening line, geometry lines, scale, texture,
    // rotate, translate, hollow (when asked), closing brace and, top-level only, the instance.
    void WriteSolidBlock(SceneText& out, std::string_view declaration, std::string_view opening,
                         std::string_view geometry, bool withHollow = true);
    // The block of a solid that may be a blob component: inside a blob it is declared with
    // "//$declare$", its geometry line ends in its strength and it takes no hollow keyword.
    // geometry: the one geometry line without its line end.
    void WriteBlobComponentBlock(SceneText& out, std::string_view opening,
                                 std::string_view geometry, double strength);
    // At the 3.7 level, where the texture goes: an object that takes no texture from anyone
    // gets its quick colour as pigment; one whose texture carries halos gets them as media.
    void WritePov37Surface(SceneText& out) const;
};

// whether a present object of the list that starts at head has the name
bool HasPresentNamed(const CPovObject* head, std::string_view name);

// closed polyline through points first .. first + count - 1 and back to first
void DrawClosedRun(IDeviceContext& dc, const std::vector<PixelPoint>& p, size_t first,
                   size_t count);
// polyline through the given indices
void DrawIndexed(IDeviceContext& dc, const std::vector<PixelPoint>& p,
                 std::initializer_list<size_t> indices);

// List helpers that keep NextSibling, PrevSibling and Parent consistent.
// Puts object at the head of the list that starts at head.
void LinkAtHead(CPovObject*& head, CPovObject* object);
// Takes object out of the list that starts at head.
void UnlinkFrom(CPovObject*& head, CPovObject* object);
// Appends child as the last child of parent.
void AppendChild(CPovObject* parent, CPovObject* child);
// Puts child at the head of parent's children.
void PrependChild(CPovObject* parent, CPovObject* child);
// Puts child right after previous among parent's children (at the head when previous is null);
// appending through a remembered last child stays O(1) for groups of many members.
void InsertChildAfter(CPovObject* parent, CPovObject* previous, CPovObject* child);
