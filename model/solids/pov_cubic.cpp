#include "model/solids/pov_cubic.h"

#include "model/name_counters.h"
#include "platform/view_port.h"
#include "resources/string_table.h"

CPovCubic::CPovCubic() {
    InstallSteps({Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0)});
    FirstGeometry();
    AssignDefaultName(IDS_PREFIX_BOX, g_NameCounters.Cubic);
}

void CPovCubic::SetNameCounter(long value) {
    g_NameCounters.Cubic = value;
}
long CPovCubic::GetNameCounter() const {
    return g_NameCounters.Cubic;
}

void CPovCubic::UpdateGeometry() {
    ResetGeometry();
    Outline = {{-.5, -.5, -.5}, {-.5, .5, -.5}, {.5, .5, -.5}, {.5, -.5, -.5},
               {-.5, -.5, .5},  {-.5, .5, .5},  {.5, .5, .5},  {.5, -.5, .5}};
    PlaceOutline();
}

void CPovCubic::DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const {
    if (IsPresent())
        preview.Add(SolidShape::Box, parent * GlTransform(), SolidColour());
}

void CPovCubic::Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
                     int height, double zoom) {
    if (view.GetUseOpenGL()) {
        if (IsPresent())
            DrawSolidNow(view);
        return;
    }
    DrawWire(view, dc, originX, originY, width, height, zoom,
             [](IDeviceContext& d, const std::vector<PixelPoint>& p) {
                 // the six faces of the cube
                 DrawIndexed(d, p, {0, 1, 2, 3, 0});
                 DrawIndexed(d, p, {4, 5, 6, 7, 4});
                 DrawIndexed(d, p, {0, 1, 5, 4, 0});
                 DrawIndexed(d, p, {3, 2, 6, 7, 3});
                 DrawIndexed(d, p, {1, 2, 6, 5, 1});
                 DrawIndexed(d, p, {0, 3, 7, 4, 0});
             });
}

int CPovCubic::WriteScene(SceneText& out) {
    std::string head;
    orv::AppendFormat(head, "#declare %s = ", GetName());
    WriteSolidBlock(out, head, LoadString(IDS_OPEN_BOX),
                    "  <-0.5,-0.5,-0.5>\r\n  <0.5,0.5,0.5>\r\n");
    return 1;
}

int CPovCubic::EditProperties() {
    return EditWithSheet(IDS_CAPTION_BOX);
}
