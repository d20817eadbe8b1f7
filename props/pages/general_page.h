// The general page ("Allgemein") of solids, groups, shapes and the fog: name, position, size,
// hollow, and per kind the blob strength, the torus's minor radius or the height field's image.
#pragma once

#include "props/page_model.h"

class CPovObject;

enum class GeneralVariant {
    Plain,         // box, cone, plane, groups, lathe, polygon, text
    WithStrength,  // sphere, cylinder: "&Strength:" while the object is a blob component
    Torus,         // "kl. Radius"
    HeightField,   // "&Datei:" with "&Auswahl..."
    Fog,           // the up vector and the scale of the fog
};

class CPropGeneral : public PageModel {
  public:
    // The kind's own values (strength, minor radius, image file) are copied in here.
    CPropGeneral(CPovObject& object, GeneralVariant variant);

    void Load(SheetModel& sheet) override;
    std::optional<Refusal> Validate(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Changed(SheetModel& sheet, std::string_view id) override;
    void Pressed(SheetModel& sheet, std::string_view id) override;

  private:
    CPovObject& object_;
    GeneralVariant variant_;
};

// The filter of the height field's image choice.
extern const char* const kHeightFieldImageFilter;
