// The view's commands and the enable and check states it gives its own and the document's
// commands.
#include <optional>

#include "document/orvanta_doc.h"
#include "model/pov_object.h"
#include "resources/command_ids.h"
#include "view/frame_link.h"
#include "view/orvanta_view.h"
#include "view/view_math.h"

namespace {

// the grid command of a grid code, and its spacing
struct GridEntry {
    int command;
    int code;
    double grid;
};
constexpr GridEntry kGridEntries[] = {
    {ID_VIEW_GRID_NONE, 0, 0.0}, {ID_VIEW_GRID_0_1, 1, 0.1},  {ID_VIEW_GRID_0_5, 5, 0.5},
    {ID_VIEW_GRID_1_0, 10, 1.0}, {ID_VIEW_GRID_5_0, 50, 5.0}, {ID_VIEW_GRID_10_0, 100, 10.0},
};

const GridEntry* FindGridEntry(int id) {
    for (const GridEntry& e : kGridEntries)
        if (e.command == id)
            return &e;
    return nullptr;
}

std::optional<double> FixedZoom(int id) {
    switch (id) {
        case ID_VIEW_ZOOM_1:
            return 1.0;
        case ID_VIEW_ZOOM_10:
            return 10.0;
        case ID_VIEW_ZOOM_100:
            return 100.0;
        default:
            return std::nullopt;
    }
}

bool IsCreationCommand(int id) {
    switch (id) {
        case ID_CREATE_CONE:
        case ID_CREATE_SPHERE:
        case ID_CREATE_BOX:
        case ID_CREATE_TORUS:
        case ID_CREATE_CYLINDER:
        case ID_CREATE_HEIGHTFIELD:
        case ID_CREATE_LIGHT:
        case ID_CREATE_CSG:
        case ID_CREATE_PLANE:
        case ID_CREATE_LIGHT_CYLINDER:
        case ID_CREATE_SPOT:
        case ID_CREATE_LATHE:
        case ID_LOAD_FROM_FILE:
        case ID_CREATE_USEROBJECT:
        case ID_CREATE_POLYGON:
        case ID_GO_TO:
            return true;
        default:
            return false;
    }
}

// a camera may not come into a scene that has one
bool IsCameraAgainstScene(const CPovObject* object, const COrvantaDoc& doc) {
    return object && object->GetType() == kKindCamera && doc.Camera;
}

}  // namespace

bool SetNextViewKindForCommand(int commandId) {
    switch (commandId) {
        case ID_WINDOW_NEW_FRONT:
            NextViewKind = kFrontView;
            return true;
        case ID_WINDOW_NEW_SIDE:
            NextViewKind = kSideView;
            return true;
        case ID_WINDOW_NEW_TOP:
            NextViewKind = kTopView;
            return true;
        case ID_WINDOW_NEW_CAMERA:
            NextViewKind = kCameraView;
            return true;
        case ID_WINDOW_NEW:
            return true;
        default:
            return false;
    }
}

const std::vector<int>& ViewContextMenu() {
    static const std::vector<int> menu = {ID_EDIT_CUT,
                                          ID_EDIT_COPY,
                                          ID_EDIT_PASTE,
                                          0,
                                          ID_GO_TO,
                                          ID_SELECT_NEXT_CSG_LEVEL,
                                          ID_SELECT_TOP_CSG_LEVEL,
                                          0,
                                          ID_PROPERTIES};
    return menu;
}

CommandState COrvantaView::GetCommandState(int id) {
    const bool camera = ViewKind == kCameraView;
    COrvantaDoc& doc = document_;
    if (auto zoom = FixedZoom(id))
        return {!camera, Zoom == *zoom};
    if (id == ID_VIEW_ZOOM_USER)
        return {true, false};
    if (id == ID_VIEW_ZOOM_FIT)
        return {!camera, false};
    if (id == ID_VIEW_SNAP_TO_GRID)
        return {true, SnapToGrid};
    if (const GridEntry* entry = FindGridEntry(id))
        return {!camera, GridCode() == entry->code};
    if (id == ID_VIEW_STANDARD_OBJECTS)
        return {true, GetFrameLink().IsStandardBarVisible()};
    if (IsCreationCommand(id))
        return {!camera, false};
    switch (id) {
        case ID_EDIT_COPY:
        case ID_EDIT_CUT:
        case ID_EDIT_DELETE:
            return {!camera && doc.CurrentObject != nullptr, false};
        case ID_EDIT_PASTE:
            return {!camera && ClipboardObject && !IsCameraAgainstScene(ClipboardObject, doc),
                    false};
        case ID_EDIT_UNDO:
            return {doc.History().CanUndo(), false};
        case ID_EDIT_REDO:
            return {doc.History().CanRedo(), false};
        case ID_TOOL_RESIZE:
            if (!doc.ResizeMode || !doc.CurrentObject) {
                doc.ResizeMode = 0;
                return {true, false};
            }
            return {true, !camera};
        case ID_TOOL_MOVE:
            return {true, !doc.ResizeMode && !camera};
        case ID_PROPERTIES:
            return {!camera && SelectedObject, false};
        case ID_EDIT_DESELECT:
            return {SelectedObject || doc.CurrentObject, false};
        case ID_SELECT_NEXT_CSG_LEVEL:
        case ID_SELECT_TOP_CSG_LEVEL:
            return {!camera && SelectedObject && SelectedObject->Parent, false};
        default:
            return {true, false};
    }
}

bool COrvantaView::OnCommand(int id) {
    if (!GetCommandState(id).enabled)
        return false;
    // a command in the middle of a drag ends the drag's step first
    EndDragStep();
    if (auto zoom = FixedZoom(id)) {
        ZoomAboutCentre(*zoom, true);
        return true;
    }
    if (const GridEntry* entry = FindGridEntry(id)) {
        SetGrid(entry->grid);
        return true;
    }
    COrvantaDoc& doc = document_;
    switch (id) {
        case ID_VIEW_ZOOM_USER:
            if (window_) {
                if (auto zoom = window_->AskUserZoom(view_math::TruncToInt(Zoom)))
                    SetUserZoom(*zoom);
            }
            return true;
        case ID_VIEW_ZOOM_FIT:
            ZoomToFit();
            return true;
        case ID_VIEW_SNAP_TO_GRID:
            SnapToGrid = !SnapToGrid;
            return true;
        case ID_EDIT_DESELECT:
            OnDeselect();
            return true;
        case ID_VIEW_STANDARD_OBJECTS: {
            IFrameLink& frame = GetFrameLink();
            frame.ShowStandardBar(!frame.IsStandardBarVisible());
            return true;
        }
        case ID_PROPERTIES:
            OnProperties();
            return true;
        case ID_SELECT_NEXT_CSG_LEVEL:
            OnSelectNextCsgLevel();
            return true;
        case ID_SELECT_TOP_CSG_LEVEL:
            OnSelectTopCsgLevel();
            return true;
        case ID_OBJECT_BROWSER:
        case ID_GO_TO:
            if (window_)
                window_->OpenObjectBrowser(id == ID_GO_TO);
            return true;
        case ID_EDIT_CUT:
        case ID_EDIT_DELETE:  // as the object browser deletes: a cut that undo takes back
            doc.OnEditCut();
            return true;
        case ID_EDIT_COPY:
            doc.OnEditCopy();
            return true;
        case ID_EDIT_PASTE:
            doc.OnEditPaste();
            return true;
        case ID_EDIT_UNDO:
            doc.OnEditUndo();
            return true;
        case ID_EDIT_REDO:
            doc.OnEditRedo();
            return true;
        case ID_TOOL_MOVE:
            doc.OnToolMove();
            return true;
        case ID_TOOL_RESIZE:
            doc.OnToolResize();
            return true;
        default:
            return false;
    }
}
