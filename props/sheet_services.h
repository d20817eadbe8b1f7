// What a property sheet asks of the desktop beyond its own fields: the colour picker, file and
// font dialogs, and nested modal sheets. The Qt dialogs implement it (props/qt/); tests answer
// from a script (props/sheet_runner.h). Messages and questions go through the prompts seam.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class SheetModel;

// A font face the system knows (fontconfig): family and style as shown, and its file.
struct FontFace {
    std::string family;
    std::string style;
    std::string file;
};

class ISheetServices {
  public:
    virtual ~ISheetServices() = default;
    // The colour picker, preset with a 0x00BBGGRR colour; nullopt when cancelled.
    virtual std::optional<uint32_t> PickColor(uint32_t initial) = 0;
    // A file-open dialog. filter: "Description (*.a *.b);;All Files (*)", UTF-8 throughout;
    // nullopt when cancelled.
    virtual std::optional<std::string> OpenFileName(const std::string& title,
                                                    const std::string& filter,
                                                    const std::string& initial) = 0;
    // The font chooser over the given faces; nullopt when cancelled.
    virtual std::optional<FontFace> ChooseFont(const std::vector<FontFace>& faces,
                                               const std::string& current) = 0;
    // Runs another sheet modally on top of this one; 1 = OK, 2 = Cancel.
    virtual int RunSheet(SheetModel& sheet) = 0;
};

// Answers every request with "cancelled"; the services of a sheet that was given none.
ISheetServices& NoSheetServices();
