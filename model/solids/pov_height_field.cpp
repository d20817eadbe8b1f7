#include "model/solids/pov_height_field.h"

#include "model/field_sink.h"
#include "model/name_counters.h"
#include "resources/string_table.h"

namespace {

// The image line: the type word from the last three characters of the name, in lower case.
// A name too short to carry a type is taken as a GIF image, like a missing one.
std::string ImageLine(const std::string& file) {
    if (file.empty())
        return " gif \"unknown.gif\"\r\n";
    std::string type = "gif";
    if (file.size() >= 3) {
        type = file.substr(file.size() - 3);
        for (char& c : type)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
    }
    return orv::Format(" %s \"%s\"\r\n", type, file);
}

}  // namespace

CPovHeightField::CPovHeightField() {
    InstallSteps({Vector(0, 0, 0), Vector(1, 0.5, 1), Vector(0, 0, 0), Vector(0, 0, 0)});
    ImageFile.clear();
    Smooth = 0;
    FirstGeometry();
    AssignDefaultName(IDS_PREFIX_HEIGHTFIELD, g_NameCounters.HeightField);
}

void CPovHeightField::SetNameCounter(long value) {
    g_NameCounters.HeightField = value;
}
long CPovHeightField::GetNameCounter() const {
    return g_NameCounters.HeightField;
}

void CPovHeightField::UpdateGeometry() {
    ResetGeometry();
    Outline = {{0, 1, 0}, {0, 0, 0}, {1, 0, 0}, {1, 1, 0},
               {0, 1, 1}, {0, 0, 1}, {1, 0, 1}, {1, 1, 1}};
    PlaceOutline();
}

void CPovHeightField::Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY,
                           int width, int height, double zoom) {
    DrawWire(view, dc, originX, originY, width, height, zoom,
             [](IDeviceContext& d, const std::vector<PixelPoint>& p) {
                 // the six faces of the unit cube
                 DrawIndexed(d, p, {0, 1, 2, 3, 0});
                 DrawIndexed(d, p, {4, 5, 6, 7, 4});
                 DrawIndexed(d, p, {0, 1, 5, 4, 0});
                 DrawIndexed(d, p, {3, 2, 6, 7, 3});
                 DrawIndexed(d, p, {1, 2, 6, 5, 1});
                 DrawIndexed(d, p, {0, 3, 7, 4, 0});
             });
}

int CPovHeightField::WriteScene(SceneText& out) {
    std::string head;
    orv::AppendFormat(head, "#declare %s = ", GetName());
    std::string geometry = ImageLine(ImageFile);
    if (Smooth)
        geometry += "  smooth\r\n";
    orv::AppendFormat(geometry, "  water_level %.4f\r\n", WaterLevel());
    WriteSolidBlock(out, head, LoadString(IDS_OPEN_HEIGHTFIELD), geometry, false);
    return 1;
}

int CPovHeightField::EditProperties() {
    return EditWithSheet(IDS_CAPTION_HEIGHTFIELD);
}

void CPovHeightField::CopyOwnStateTo(CPovObject& target) const {
    CPovObject::CopyOwnStateTo(target);
    auto& t = static_cast<CPovHeightField&>(target);
    t.ImageFile = ImageFile;
    t.Smooth = Smooth;
}

void CPovHeightField::VisitFields(FieldSink& sink) const {
    sink.Text("ImageFile", ImageFile);
    sink.Integer("Smooth", Smooth);
}
