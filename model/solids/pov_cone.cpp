#include "model/solids/pov_cone.h"

#include <GL/gl.h>

#include "model/name_counters.h"
#include "model/solids/gl_quadric.h"
#include "model/solids/ring_outline.h"
#include "platform/view_port.h"
#include "resources/string_table.h"

CPovCone::CPovCone() {
    InstallSteps({Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0)});
    UpdateGeometry();
    AssignDefaultName(IDS_PREFIX_CONE, g_NameCounters.Cone);
}

void CPovCone::SetNameCounter(long value) {
    g_NameCounters.Cone = value;
}
long CPovCone::GetNameCounter() const {
    return g_NameCounters.Cone;
}

void CPovCone::UpdateGeometry() {
    ResetGeometry();
    Outline.reserve(13);
    AppendRing(Outline, 0.0, 1.0);
    Outline.emplace_back(0.0, 1.0, 0.0);  // apex
    PlaceOutline();
}

void CPovCone::Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
                    int height, double zoom) {
    if (view.GetUseOpenGL()) {
        if (!IsPresent())
            return;
        GlQuadric quadric;
        if (!quadric.Get())
            return;
        ApplyMaterial();
        glPushMatrix();
        GlApplyTransform();
        // side: GLU's cylinder runs along z; turned so that it opens from the apex at y = 1
        // down to the base circle at y = 0
        glPushMatrix();
        glTranslatef(0, 1, 0);
        glRotatef(-90, -1, 0, 0);
        gluCylinder(quadric.Get(), 0.0, 1.0, 1.0, 12, view.GetWireframe() ? 2 : 12);
        glPopMatrix();
        // base disk, facing down
        glPushMatrix();
        glRotatef(-90, -1, 0, 0);
        gluDisk(quadric.Get(), 0.0, 1.0, 10, 10);
        glPopMatrix();
        glPopMatrix();
        return;
    }
    DrawWire(view, dc, originX, originY, width, height, zoom,
             [](IDeviceContext& d, const std::vector<PixelPoint>& p) {
                 DrawClosedRun(d, p, 0, 12);
                 // triangles joining pairs of base points to the apex
                 const size_t apex = 12;
                 for (size_t k = 0; k < 6; ++k)
                     DrawIndexed(d, p, {2 * k, 2 * k + 1, apex, 2 * k});
             });
}

int CPovCone::WriteScene(SceneText& out) {
    std::string head;
    orv::AppendFormat(head, "#declare %s = ", GetName());
    WriteSolidBlock(out, head, LoadString(IDS_OPEN_CONE),
                    "  <0.0,0.0,0.0>,1.0,<0.0,1.0,0.0>,0.0\r\n");
    return 1;
}

int CPovCone::EditProperties() {
    return EditWithSheet(IDS_CAPTION_CONE);
}
