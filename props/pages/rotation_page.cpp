#include "props/pages/rotation_page.h"

#include <cmath>

#include "model/pov_object.h"
#include "props/prop_object.h"
#include "resources/ui_text.h"

namespace {

const char* const kAxes[] = {"x", "y", "z"};

int SliderPosition(double angle) {
    return std::fabs(angle) < 0.00001 ? 0 : static_cast<int>(angle);
}

}  // namespace

CPropRotation::CPropRotation(CPovObject& object) : PageModel(Tr("Drehung")), object_(object) {
    const char* labels[] = {Tr("Rotation um die &X-Achse:"), Tr("Rotation um die &Y-Achse:"),
                            Tr("Rotation um die &Z-Achse:")};
    for (int i = 0; i < 3; ++i) {
        const std::string axis = kAxes[i];
        AddNumber("angle." + axis, labels[i], {}, -180.0, 180.0);
        SheetField& slider = Add(FieldKind::Slider, "slider." + axis, "");
        slider.min = -180.0;
        slider.max = 180.0;
        slider.sameRow = true;
    }
    Add(FieldKind::Check, "instant", Tr("&Werte sofort übernehmen"));
}

void CPropRotation::Load(SheetModel&) {
    const Vector& r = object_.Steps[kStepRotate];
    const double angles[] = {r.X, r.Y, r.Z};
    for (int i = 0; i < 3; ++i) {
        const std::string axis = kAxes[i];
        SetNumber("angle." + axis, angles[i]);
        SetValue("slider." + axis, static_cast<int>(angles[i]));
    }
}

void CPropRotation::Changed(SheetModel& sheet, std::string_view id) {
    for (const char* axis : kAxes) {
        const std::string angle = std::string("angle.") + axis;
        const std::string slider = std::string("slider.") + axis;
        if (id == angle) {
            // the slider follows a valid angle; the field keeps what the user typed
            const std::optional<double> v = Number(angle);
            if (v && *v >= -180.0 && *v <= 180.0)
                SetValue(slider, SliderPosition(*v));
            return;
        }
        if (id == slider) {
            SetText(angle, std::to_string(Value(slider)));
            if (Checked("instant") && !Validate(sheet))
                Store(sheet);
            return;
        }
    }
}

void CPropRotation::Store(SheetModel& sheet) {
    Vector& r = object_.Steps[kStepRotate];
    r.X = *Number("angle.x");
    r.Y = *Number("angle.y");
    r.Z = *Number("angle.z");
    object_.UpdateGeometry();
    if (auto* prop = dynamic_cast<CPropObject*>(&sheet))
        prop->SceneChanged();
}
