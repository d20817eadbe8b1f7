// From a scene object to its property sheet, and the one place where an object's sheet is
// opened, run and its edit of the scene begins and ends.
#pragma once

#include <functional>
#include <memory>
#include <string>

class CPovObject;
class ISheetServices;
class SheetModel;

// The sheet of the object's kind, or nullptr for a kind without one (the look-at point, and
// the surface definitions until their editors exist). caption: Windows-1252, as the objects
// give it.
std::unique_ptr<SheetModel> MakeObjectSheet(CPovObject& object, const std::string& caption);

// Opens the object's sheet with the services and lets run show it (a dialog, or a script in
// tests); 1 = OK, 2 = Cancel. Without a sheet nothing is shown and the result is 2.
int RunObjectSheet(CPovObject& object, const std::string& caption, ISheetServices& services,
                   const std::function<int(SheetModel&)>& run);
