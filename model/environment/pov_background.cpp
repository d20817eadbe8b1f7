#include "model/environment/pov_background.h"

#include "model/field_sink.h"
#include "model/name_counters.h"
#include "resources/string_table.h"

CPovBackground::CPovBackground() {
    // a background has a position only
    InstallSteps({Vector(0, 0, 0)});
    UpdateGeometry();
    Name = LoadString(IDS_NAME_BACKGROUND);
}

void CPovBackground::SetNameCounter(long value) {
    g_NameCounters.Background = value;
}
long CPovBackground::GetNameCounter() const {
    return g_NameCounters.Background;
}

int CPovBackground::WriteScene(SceneText& out) {
    const RgbFraction c = RgbFraction::Of(BackgroundColor);
    out.Write(LoadString(IDS_BACKGROUND_OPEN));
    out.Printf(" color rgb <%.4f,%.4f,%.4f> ", c.R, c.G, c.B);
    out.Write(LoadString(IDS_CLOSE_BRACE));
    return 1;
}

int CPovBackground::EditProperties() {
    return EditWithSheet(IDS_CAPTION_BACKGROUND);
}

void CPovBackground::CopyOwnStateTo(CPovObject& target) const {
    CPovObject::CopyOwnStateTo(target);
    auto& t = static_cast<CPovBackground&>(target);
    t.BackgroundColor = BackgroundColor;
}

void CPovBackground::VisitFields(FieldSink& sink) const {
    sink.Integer("BackgroundColor", BackgroundColor);
}
