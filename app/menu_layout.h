// The menus of the main window and the views' context menu: command ids, German texts (with
// the accelerator text after a tab), shortcuts and sub-menus.
#pragma once

#include <string>
#include <vector>

struct MenuEntry {
    // WindowList: the open views, the active one checked
    enum class Kind { Command, Separator, SubMenu, RecentFiles, WindowList };
    Kind kind = Kind::Command;
    int id = 0;
    const char* text = "";               // UTF-8, "&" marks the mnemonic
    std::vector<const char*> shortcuts;  // key sequences in Qt's portable form ("Ctrl+N")
    bool checkable = false;
    std::vector<MenuEntry> children;
};

// the menu bar while a document is open
const std::vector<MenuEntry>& DocumentMenuBar();
// the menu bar without a document
const std::vector<MenuEntry>& EmptyMenuBar();
// the views' context menu
const std::vector<MenuEntry>& ViewContextMenuEntries();
// shortcuts without a menu entry: F1 help, Shift+F1 context help, F6 and Shift+F6 next and
// previous view
const std::vector<MenuEntry>& HiddenAccelerators();
// the entry of a command anywhere in the menus, or nullptr
const MenuEntry* FindMenuEntry(int id);
// The undo or redo entry naming the step it would take ("&Rückgängig: Verschieben
// Kugel_000\tStrg+Z"), in the user's language; the plain entry when there is none. UTF-8.
std::string UndoRedoMenuText(int id, const std::string& stepLabel);
