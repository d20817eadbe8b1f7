// Command identifiers of the menus, tool bars and context menu, and the status-bar panes.
// The numbers are the program's historic ones; the desktop application maps its actions to
// them and the view logic answers their enable and check states.
#pragma once

enum CommandId : int {
    // view: zoom
    ID_VIEW_ZOOM_1 = 32772,
    ID_VIEW_ZOOM_10 = 32775,
    ID_VIEW_ZOOM_100 = 32776,
    ID_VIEW_ZOOM_USER = 32799,
    // view: grid
    ID_VIEW_GRID_NONE = 32833,
    ID_VIEW_GRID_0_1 = 32834,
    ID_VIEW_GRID_1_0 = 32835,
    ID_VIEW_GRID_5_0 = 32836,
    ID_VIEW_GRID_10_0 = 32837,
    ID_VIEW_GRID_0_5 = 32838,
    // view: the "Standard Objekte" tool bar
    ID_VIEW_STANDARD_OBJECTS = 32784,
    // view: fit every object, snap move drags to the grid (no historic numbers)
    ID_VIEW_ZOOM_FIT = 32901,
    ID_VIEW_SNAP_TO_GRID = 32902,

    // object creation
    ID_CREATE_CONE = 32785,
    ID_CREATE_SPHERE = 32786,
    ID_CREATE_BOX = 32787,
    ID_CREATE_TORUS = 32788,
    ID_CREATE_CYLINDER = 32789,
    ID_CREATE_HEIGHTFIELD = 32790,
    ID_CREATE_LIGHT = 32798,
    ID_CREATE_CAMERA = 32801,
    ID_CREATE_CSG = 32810,
    ID_CREATE_PLANE = 32812,
    ID_CREATE_LIGHT_CYLINDER = 32821,
    ID_CREATE_SPOT = 32822,
    ID_CREATE_LATHE = 32824,
    ID_LOAD_FROM_FILE = 32825,
    ID_CREATE_USEROBJECT = 32832,
    ID_CREATE_POLYGON = 32839,
    ID_CREATE_BLOB = 32840,
    ID_CREATE_TEXT = 32843,
    ID_CREATE_BACKGROUND = 32806,
    ID_CREATE_SKYSPHERE = 32815,
    ID_CREATE_FOG = 32816,
    ID_CREATE_TEXTURE = 32800,
    ID_CREATE_HALO = 32819,
    ID_CREATE_PIGMENT = 32842,

    // browsing and selection
    ID_OBJECT_BROWSER = 32792,
    ID_GO_TO = 32793,
    ID_PROPERTIES = 32805,
    ID_SELECT_NEXT_CSG_LEVEL = 32811,
    ID_SELECT_TOP_CSG_LEVEL = 32813,

    // mouse tools
    ID_TOOL_RESIZE = 32828,
    ID_TOOL_MOVE = 32829,

    // new windows on the active document
    ID_WINDOW_NEW_FRONT = 32795,
    ID_WINDOW_NEW_SIDE = 32796,
    ID_WINDOW_NEW_TOP = 32797,
    ID_WINDOW_NEW_CAMERA = 32802,
    ID_WINDOW_NEW = 57648,

    // edit
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    // the Delete and Escape keys (no historic numbers)
    ID_EDIT_DELETE = 32903,
    ID_EDIT_DESELECT = 32904,

    // file
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    // reads a POV-Ray scene into a new document
    ID_FILE_IMPORT = 32950,
    ID_FILE_MRU_FIRST = 57616,  // the recent files take 57616 ... 57619
    ID_FILE_MRU_LAST = 57619,
    ID_APP_EXIT = 57665,
    ID_EDIT_SAVE_OBJECT = 32826,
    ID_FILE_PRINT = 57607,

    // scene and program settings, POV-Ray: render, show the image, the settings dialogs, stop
    ID_DOC_SETTINGS = 32830,
    ID_APP_SETTINGS = 32831,
    ID_RUN_POVRAY = 32804,
    ID_SHOW_IMAGE = 32818,
    ID_POVRAY_SETTINGS = 32803,
    ID_VIEWER_SETTINGS = 32817,

    // language and help
    ID_LANGUAGE_GERMAN = 32808,
    ID_LANGUAGE_ENGLISH = 32809,
    ID_APP_ABOUT = 57664,
    ID_HELP_INDEX = 57666,
    ID_HELP_USING = 57668,
    ID_CONTEXT_HELP = 57669,
    ID_HELP = 57670,
    ID_POVRAY_REFERENCE = 32827,

    ID_STOP_RENDER = 32860,

    // windows
    ID_WINDOW_ARRANGE = 57649,
    ID_WINDOW_CASCADE = 57650,
    ID_WINDOW_TILE_HORZ = 57651,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,

    // the views' context menu
    IDR_VIEW_CONTEXT_MENU = 105,

    // status-bar panes after the message pane
    ID_INDICATOR_SELECTION = 61260,
    ID_INDICATOR_POSITION = 61261,
    ID_INDICATOR_COORDINATES = 61216,
};
