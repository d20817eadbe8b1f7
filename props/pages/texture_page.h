// The object's texture page ("Oberfläche"): a predefined texture written with the object's
// texture steps, a texture of the document, or none; "&Neu..." creates a document texture,
// "&Bearbeiten..." edits the chosen one or the texture steps ("Modifizierung"),
// "&Quickcolor..." sets the display colour at once, and a preview shows the chosen texture.
#pragma once

#include <memory>

#include "props/page_model.h"

class CPovObject;

enum TextureMode { kTextureStandard = 0, kTextureUser = 1, kTextureNone = 2 };

class CPropObjectTexture : public PageModel {
  public:
    // the choice the sheet presets from the object (see TexturePreset)
    CPropObjectTexture(CPovObject& object, std::string standardName, std::string userName,
                       int mode);

    void Load(SheetModel& sheet) override;
    std::optional<Refusal> Validate(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Changed(SheetModel& sheet, std::string_view id) override;
    void Pressed(SheetModel& sheet, std::string_view id) override;

  private:
    void Layout(SheetModel& sheet);
    void FillUserList(SheetModel& sheet);
    void EditChosenTexture(SheetModel& sheet);
    void EditTextureSteps(SheetModel& sheet);
    void PickQuickColor(SheetModel& sheet);

    CPovObject& object_;
    std::string standardName_;
    std::string userName_;
    bool userListFilled_ = false;
};

// The page of an object's sheet, preset from the object: with its texture steps written the
// name is a predefined one (mode 0), otherwise a document texture (mode 1); the page itself
// turns to mode 2 when the object has no texture of its own. A triangle's sheet presets the
// standard choice "Water" in mode 1.
std::unique_ptr<CPropObjectTexture> MakeTexturePage(CPovObject& object, bool triangle = false);

// the names the standard choice offers: the predefined textures, then the add-ons' textures
std::vector<std::string> StandardTextureNames();
