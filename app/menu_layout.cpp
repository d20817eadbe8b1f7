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

MenuEntry Check(int id, const char* text) {
    return Cmd(id, text, {}, true);
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

MenuEntry WindowList() {
    MenuEntry e;
    e.kind = K::WindowList;
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
                          Cmd(ID_FILE_SAVE_AS, "Speichern &unter..."), Sep(),
                          Cmd(ID_FILE_PRINT, "&Drucken...\tStrg+P", {"Ctrl+P"}), Sep(), Recent(),
                          Sep(), Cmd(ID_APP_EXIT, "&Beenden")});
}

MenuEntry ExtrasMenu() {
    return Sub("E&xtras", {Sub("&Sprache", {Check(ID_LANGUAGE_GERMAN, "&Deutsch"),
                                            Check(ID_LANGUAGE_ENGLISH, "&English")}),
                           Sep(), Cmd(ID_APP_SETTINGS, "Orvanta &Einstellungen...")});
}

MenuEntry HelpMenu(bool withDocument) {
    std::vector<MenuEntry> entries = {Cmd(ID_HELP_INDEX, "&Index")};
    if (withDocument)
        entries.push_back(Cmd(ID_POVRAY_REFERENCE, "&POV-Ray Referenz"));
    entries.push_back(Cmd(ID_HELP_USING, "&Hilfe verwenden"));
    entries.push_back(Sep());
    entries.push_back(Cmd(ID_APP_ABOUT, "Inf&o über Orvanta..."));
    return Sub("&?", std::move(entries));
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
             Cmd(ID_EDIT_DELETE, "&Löschen\tEntf", {"Del"}),
             // Escape belongs to the view that has the focus (a dialog's Escape stays its own)
             Cmd(ID_EDIT_DESELECT, "Auswahl auf&heben\tEsc"),
             Cmd(ID_EDIT_SAVE_OBJECT, "&Speichern unter..."), Sep(),
             Cmd(ID_OBJECT_BROWSER, "&Objektbrowser...\tStrg+B", {"Ctrl+B"}), Sep(),
             Cmd(ID_PROPERTIES, "&Eigenschaften\tAlt+Enter", {"Alt+Return", "Alt+Enter"}),
             Sub("&Werkzeug",
                 {Check(ID_TOOL_MOVE, "&Verschieben"), Check(ID_TOOL_RESIZE, "&Größe ändern")})}),
        Sub("&Suchen", {Cmd(ID_GO_TO, "&Gehe zu...\tStrg+G", {"Ctrl+G"})}),
        Sub("&Erzeugen",
            {Sub("&Standard Objekt",
                 {Cmd(ID_CREATE_SPHERE, "&Kugel"), Cmd(ID_CREATE_BOX, "&Quader"),
                  Cmd(ID_CREATE_CONE, "Ke&gel"), Cmd(ID_CREATE_TORUS, "&Ring"),
                  Cmd(ID_CREATE_CYLINDER, "&Zylinder"), Cmd(ID_CREATE_HEIGHTFIELD, "&Höhenfeld")}),
             Sub("spline-&basierte Objekte", {Cmd(ID_CREATE_LATHE, "L&athe")}),
             Cmd(ID_CREATE_USEROBJECT, "&Predefined Object"), Cmd(ID_CREATE_POLYGON, "Pol&ygon"),
             Cmd(ID_CREATE_TEXT, "Text..."),
             Sub("Konstruktive Objekte",
                 {Cmd(ID_CREATE_CSG, "&CSG"), Cmd(ID_CREATE_BLOB, "&Blob")}),
             Cmd(ID_CREATE_PLANE, "&Ebene"), Sep(),
             Sub("&Lichtquelle",
                 {Cmd(ID_CREATE_LIGHT, "&Normal"), Cmd(ID_CREATE_LIGHT_CYLINDER, "&Zylindrisch"),
                  Cmd(ID_CREATE_SPOT, "S&pot")}),
             Sub("&Umgebung",
                 {Cmd(ID_CREATE_BACKGROUND, "Hinter&grundfarbe..."),
                  Cmd(ID_CREATE_SKYSPHERE, "H&immel..."), Cmd(ID_CREATE_FOG, "&Nebel...")}),
             Cmd(ID_CREATE_CAMERA, "&Kamera"), Sep(), Cmd(ID_LOAD_FROM_FILE, "Laden aus Datei..."),
             Sep(), Cmd(ID_CREATE_TEXTURE, "&Texture ..."),
             Sub("Te&xture Komponenten",
                 {Cmd(ID_CREATE_HALO, "&Halo..."), Cmd(ID_CREATE_PIGMENT, "Pi&gment...")})}),
        Sub("S&zene/Dokument",
            {Cmd(ID_DOC_SETTINGS, "&Einstellungen..."), Sep(),
             Cmd(ID_RUN_POVRAY, "&Pov Ray ausführen\tF5", {"F5"}),
             Cmd(ID_SHOW_IMAGE, "Bild &anzeigen"),
             Cmd(ID_STOP_RENDER, "Rendern a&bbrechen\tUmschalt+F5", {"Shift+F5"}), Sep(),
             Cmd(ID_POVRAY_SETTINGS, "P&OV-Ray-Einstellungen..."),
             Cmd(ID_VIEWER_SETTINGS, "Bild&betrachter-Einstellungen...")}),
        ExtrasMenu(),
        Sub("&Ansicht",
            {Check(ID_VIEW_TOOLBAR, "&Symbolleiste"), Check(ID_VIEW_STATUS_BAR, "S&tatusleiste"),
             Sep(), Check(ID_VIEW_STANDARD_OBJECTS, "Sta&ndard Objekte"), Sep(),
             Sub("&Auflösung",
                 {Check(ID_VIEW_ZOOM_1, "&Einfach"), Check(ID_VIEW_ZOOM_10, "&Zehnfach"),
                  Check(ID_VIEW_ZOOM_100, "&Hundertfach"),
                  Cmd(ID_VIEW_ZOOM_USER, "&Selbstdefiniert"), Sep(),
                  Cmd(ID_VIEW_ZOOM_FIT, "&Alles zeigen\tPos1", {"Home"})}),
             Sub("&Raster",
                 {Check(ID_VIEW_GRID_NONE, "&kein Raster"), Check(ID_VIEW_GRID_0_1, "0.1"),
                  Check(ID_VIEW_GRID_0_5, "0.5"), Check(ID_VIEW_GRID_1_0, "1.0"),
                  Check(ID_VIEW_GRID_5_0, "5.0"), Check(ID_VIEW_GRID_10_0, "10.0"), Sep(),
                   Check(ID_VIEW_SNAP_TO_GRID, "Am Raster ausrichten")})}),
        Sub("&Fenster",
            {Sub("&Neues Fenster",
                 {Cmd(ID_WINDOW_NEW_FRONT, "Frontansicht"),
                  Cmd(ID_WINDOW_NEW_SIDE, "Seitenansicht"), Cmd(ID_WINDOW_NEW_TOP, "Draufsicht"),
                  Cmd(ID_WINDOW_NEW_CAMERA, "Kamerasicht")}),
             Cmd(ID_WINDOW_CASCADE, "Über&lappend"), Cmd(ID_WINDOW_TILE_HORZ, "Ne&beneinander"),
             Cmd(ID_WINDOW_ARRANGE, "&Symbole anordnen"), WindowList()}),
        HelpMenu(true),
    };
    return bar;
}

const std::vector<MenuEntry>& EmptyMenuBar() {
    static const std::vector<MenuEntry> bar = {
        FileMenu(false),
        Sub("&Ansicht",
            {Check(ID_VIEW_TOOLBAR, "&Symbolleiste"), Check(ID_VIEW_STATUS_BAR, "S&tatusleiste")}),
        ExtrasMenu(),
        HelpMenu(false),
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

const std::vector<MenuEntry>& HiddenAccelerators() {
    static const std::vector<MenuEntry> keys = {
        Cmd(ID_HELP, "", {"F1"}),
        Cmd(ID_CONTEXT_HELP, "", {"Shift+F1"}),
        Cmd(ID_NEXT_PANE, "", {"F6"}),
        Cmd(ID_PREV_PANE, "", {"Shift+F6"}),
    };
    return keys;
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
