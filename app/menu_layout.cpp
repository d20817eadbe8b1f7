#include "app/menu_layout.h"

#include "resources/command_ids.h"
#include "resources/ui_text.h"

namespace {

using K = MenuEntry::Kind;

MenuEntry Cmd(int id, const char* text, std::vector<const char*> keys = {},
              bool checkable = false) {
    MenuEntry e;
    e.id = id;
    e.text = text;
    e.shortcuts = std::move(keys);
    e.checkable = checkable;
    return e;
}

MenuEntry Sep() {
    MenuEntry e;
    e.kind = K::Separator;
    return e;
}

MenuEntry Sub(const char* text, std::vector<MenuEntry> children) {
    MenuEntry e;
    e.kind = K::SubMenu;
    e.text = text;
    e.children = std::move(children);
    return e;
}

MenuEntry Recent() {
    MenuEntry e;
    e.kind = K::RecentFiles;
    e.id = ID_FILE_MRU_FIRST;
    return e;
}

MenuEntry FileMenu(bool withDocument) {
    if (!withDocument)
        return Sub("&Datei", {Cmd(ID_FILE_NEW, "&Neu\tStrg+N", {"Ctrl+N"}),
                              Cmd(ID_FILE_OPEN, "Ö&ffnen...\tStrg+O", {"Ctrl+O"}),
                              Cmd(ID_FILE_IMPORT, "&Importieren..."), Sep(), Recent(), Sep(),
                              Cmd(ID_APP_EXIT, "&Beenden")});
    return Sub("&Datei", {Cmd(ID_FILE_NEW, "&Neu\tStrg+N", {"Ctrl+N"}),
                          Cmd(ID_FILE_OPEN, "Ö&ffnen...\tStrg+O", {"Ctrl+O"}),
                          Cmd(ID_FILE_IMPORT, "&Importieren..."), Cmd(ID_FILE_CLOSE, "&Schließen"),
                          Cmd(ID_FILE_SAVE, "S&peichern\tStrg+S", {"Ctrl+S"}),
                          Cmd(ID_FILE_SAVE_AS, "Speichern &unter..."), Sep(), Recent(), Sep(),
                          Cmd(ID_APP_EXIT, "&Beenden")});
}

}  // namespace

const std::vector<MenuEntry>& DocumentMenuBar() {
    static const std::vector<MenuEntry> bar = {
        FileMenu(true),
        Sub("&Bearbeiten",
            {Cmd(ID_EDIT_UNDO, "&Rückgängig\tStrg+Z", {"Ctrl+Z", "Alt+Backspace"}),
             Cmd(ID_EDIT_REDO, "&Wiederherstellen\tStrg+Y", {"Ctrl+Y", "Ctrl+Shift+Z"}), Sep(),
             Cmd(ID_EDIT_CUT, "&Ausschneiden\tStrg+X", {"Ctrl+X", "Shift+Del"}),
             Cmd(ID_EDIT_COPY, "&Kopieren\tStrg+C", {"Ctrl+C", "Ctrl+Ins"}),
             Cmd(ID_EDIT_PASTE, "E&infügen\tStrg+V", {"Ctrl+V", "Shift+Ins"}),
             Cmd(ID_EDIT_SAVE_OBJECT, "&Speichern unter..."), Sep(),
             Cmd(ID_PROPERTIES, "&Eigenschaften\tAlt+Enter", {"Alt+Return", "Alt+Enter"}),
             Sub("&Werkzeug", {Cmd(ID_TOOL_MOVE, "&Verschieben", {}, true),
                               Cmd(ID_TOOL_RESIZE, "&Größe ändern", {}, true)})}),
        Sub("&Erzeugen",
            {Sub("&Standard Objekt",
                 {Cmd(ID_CREATE_SPHERE, "&Kugel"), Cmd(ID_CREATE_BOX, "&Quader"),
                  Cmd(ID_CREATE_CONE, "Ke&gel"), Cmd(ID_CREATE_TORUS, "&Ring"),
                  Cmd(ID_CREATE_CYLINDER, "&Zylinder"), Cmd(ID_CREATE_HEIGHTFIELD, "&Höhenfeld")}),
             Cmd(ID_CREATE_PLANE, "&Ebene"), Sep(),
             Sub("&Lichtquelle",
                 {Cmd(ID_CREATE_LIGHT, "&Normal"), Cmd(ID_CREATE_LIGHT_CYLINDER, "&Zylindrisch"),
                  Cmd(ID_CREATE_SPOT, "S&pot")}),
             Cmd(ID_CREATE_CAMERA, "&Kamera"), Sep(),
             Cmd(ID_LOAD_FROM_FILE, "Laden aus Datei...")}),
        Sub("S&zene/Dokument",
            {Cmd(ID_RUN_POVRAY, "&Pov Ray ausführen\tF5", {"F5"}),
             Cmd(ID_SHOW_IMAGE, "Bild &anzeigen"),
             Cmd(ID_STOP_RENDER, "Rendern a&bbrechen\tUmschalt+F5", {"Shift+F5"}), Sep(),
             Cmd(ID_POVRAY_SETTINGS, "P&OV-Ray-Einstellungen..."),
             Cmd(ID_VIEWER_SETTINGS, "Bild&betrachter-Einstellungen...")}),
        Sub("&Ansicht",
            {Cmd(ID_VIEW_STATUS_BAR, "S&tatusleiste", {}, true), Sep(),
             Sub("&Auflösung", {Cmd(ID_VIEW_ZOOM_1, "&Einfach", {}, true),
                                Cmd(ID_VIEW_ZOOM_10, "&Zehnfach", {}, true),
                                Cmd(ID_VIEW_ZOOM_100, "&Hundertfach", {}, true),
                                Cmd(ID_VIEW_ZOOM_USER, "&Selbstdefiniert")}),
             Sub("&Raster",
                 {Cmd(ID_VIEW_GRID_NONE, "&kein Raster", {}, true),
                  Cmd(ID_VIEW_GRID_0_1, "0.1", {}, true), Cmd(ID_VIEW_GRID_0_5, "0.5", {}, true),
                  Cmd(ID_VIEW_GRID_1_0, "1.0", {}, true), Cmd(ID_VIEW_GRID_5_0, "5.0", {}, true),
                  Cmd(ID_VIEW_GRID_10_0, "10.0", {}, true)})}),
        Sub("&Fenster",
            {Sub("&Neues Fenster",
                 {Cmd(ID_WINDOW_NEW_FRONT, "Frontansicht"),
                  Cmd(ID_WINDOW_NEW_SIDE, "Seitenansicht"), Cmd(ID_WINDOW_NEW_TOP, "Draufsicht"),
                  Cmd(ID_WINDOW_NEW_CAMERA, "Kamerasicht")}),
             Cmd(ID_WINDOW_CASCADE, "Über&lappend"), Cmd(ID_WINDOW_TILE_HORZ, "Ne&beneinander")}),
    };
    return bar;
}

const std::vector<MenuEntry>& EmptyMenuBar() {
    static const std::vector<MenuEntry> bar = {
        FileMenu(false),
        Sub("&Ansicht", {Cmd(ID_VIEW_STATUS_BAR, "S&tatusleiste", {}, true)}),
    };
    return bar;
}

const std::vector<MenuEntry>& ViewContextMenuEntries() {
    static const std::vector<MenuEntry> menu = {
        Cmd(ID_EDIT_CUT, "&Ausschneiden"),
        Cmd(ID_EDIT_COPY, "&Kopieren"),
        Cmd(ID_EDIT_PASTE, "E&infügen"),
        Sep(),
        Cmd(ID_GO_TO, "Gehe zu..."),
        Cmd(ID_SELECT_NEXT_CSG_LEVEL, "&nächste CSG-Ebene selektieren"),
        Cmd(ID_SELECT_TOP_CSG_LEVEL, "&höchste CSG-Ebene selektieren"),
        Sep(),
        Cmd(ID_PROPERTIES, "Eigenschaften"),
    };
    return menu;
}

namespace {
const MenuEntry* FindIn(const std::vector<MenuEntry>& entries, int id) {
    for (const MenuEntry& e : entries) {
        if (e.kind == K::Command && e.id == id)
            return &e;
        if (e.kind == K::SubMenu)
            if (const MenuEntry* found = FindIn(e.children, id))
                return found;
    }
    return nullptr;
}
}  // namespace

const MenuEntry* FindMenuEntry(int id) {
    if (const MenuEntry* e = FindIn(DocumentMenuBar(), id))
        return e;
    if (const MenuEntry* e = FindIn(EmptyMenuBar(), id))
        return e;
    return FindIn(ViewContextMenuEntries(), id);
}

std::string UndoRedoMenuText(int id, const std::string& stepLabel) {
    const bool undo = id == ID_EDIT_UNDO;
    std::string text = Tr(undo ? "&Rückgängig" : "&Wiederherstellen");
    if (!stepLabel.empty())
        text += ": " + stepLabel;
    return text + "\t" + Tr(undo ? "Strg+Z" : "Strg+Y");
}
