#include "props/solids/height_field_page.h"

#include "model/solids/pov_height_field.h"
#include "resources/ui_text.h"

CPropHFSpecial::CPropHFSpecial(CPovHeightField& heightField)
    : PageModel(Tr("Spezial")), heightField_(heightField) {
    Add(FieldKind::Check, "smooth", Tr("&Oberfläche glätten:")).value = heightField.Smooth ? 1 : 0;
    AddNumber("water", Tr("&Pegel (water level):"), {}, 0.0, 1.0);
    SetNumber("water", heightField.WaterLevel());
}

void CPropHFSpecial::Store(SheetModel&) {
    heightField_.Smooth = Checked("smooth") ? 1 : 0;
    if (heightField_.Steps.size() > kStepExtra)
        heightField_.Steps[kStepExtra].Y = *Number("water");
}
