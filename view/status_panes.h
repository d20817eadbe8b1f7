// The texts of the status bar's selection, position and coordinate panes, as the main frame
// shows them on its idle update. Texts are Windows-1252 bytes.
#pragma once

#include <optional>
#include <string>

class COrvantaDoc;

struct PaneState {
    bool enabled = true;
    std::string text;
};

// Pane 61260: the current object's display name, or, disabled, "Keine Objekt selektiert".
PaneState SelectionPaneState(const COrvantaDoc* document);
// Pane 61261: "x: %.2f y: %.2f z: %.2f " of the current object's position, else empty.
PaneState PositionPaneState(const COrvantaDoc* document);
// Pane 61216: the coordinate text of the last mouse move, which is taken (emptied); nothing
// when there is none, and the pane keeps what it shows.
std::optional<std::string> TakeCoordinatePaneText(std::string& coordinateText);
