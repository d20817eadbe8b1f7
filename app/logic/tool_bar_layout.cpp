#include "app/logic/tool_bar_layout.h"

#include "resources/command_ids.h"

const std::vector<int>& MainToolBarButtons() {
    static const std::vector<int> buttons = {ID_FILE_NEW,
                                             ID_FILE_OPEN,
                                             ID_FILE_SAVE,
                                             0,
                                             ID_EDIT_CUT,
                                             ID_EDIT_COPY,
                                             ID_EDIT_PASTE,
                                             ID_EDIT_UNDO,
                                             ID_EDIT_REDO,
                                             0,
                                             ID_TOOL_MOVE,
                                             ID_TOOL_RESIZE,
                                             0,
                                             ID_FILE_PRINT,
                                             0,
                                             ID_RUN_POVRAY,
                                             0,
                                             ID_SHOW_IMAGE,
                                             0,
                                             ID_APP_ABOUT,
                                             ID_CONTEXT_HELP};
    return buttons;
}

const std::vector<int>& StandardObjectsToolBarButtons() {
    static const std::vector<int> buttons = {ID_CREATE_SPHERE,   ID_CREATE_BOX,        0,
                                             ID_CREATE_CONE,     ID_CREATE_TORUS,      0,
                                             ID_CREATE_CYLINDER, ID_CREATE_HEIGHTFIELD};
    return buttons;
}
