#include "view/status_panes.h"

#include "document/orvanta_doc.h"
#include "model/pov_object.h"
#include "model/text_format.h"
#include "resources/string_table.h"

PaneState SelectionPaneState(const COrvantaDoc* document) {
    if (document && document->CurrentObject)
        return {true, orv::Format("%s", document->CurrentObject->GetName())};
    return {false, LoadString(IDS_NO_OBJECT_SELECTED)};
}

PaneState PositionPaneState(const COrvantaDoc* document) {
    if (!document || !document->CurrentObject || document->CurrentObject->Steps.empty())
        return {true, ""};
    const Vector& t = document->CurrentObject->Translation();
    return {true, orv::Format("x: %.2f y: %.2f z: %.2f ", t.X, t.Y, t.Z)};
}

std::optional<std::string> TakeCoordinatePaneText(std::string& coordinateText) {
    if (coordinateText.empty())
        return std::nullopt;
    std::string text;
    text.swap(coordinateText);
    return text;
}
