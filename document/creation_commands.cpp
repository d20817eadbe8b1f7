// The document's creation commands: construct an element with its defaults, insert it, place
// it in the active view and/or open its property sheet, and mark the document modified.
#include "document/creation_commands.h"

#include "document/orvanta_doc.h"
#include "model/environment/pov_background.h"
#include "model/environment/pov_fog.h"
#include "model/environment/pov_halo.h"
#include "model/environment/pov_sky_sphere.h"
#include "model/groups/pov_blob.h"
#include "model/groups/pov_csg.h"
#include "model/groups/pov_user_object.h"
#include "model/lights/pov_camera.h"
#include "model/lights/pov_light.h"
#include "model/lights/pov_light_source_cylinder.h"
#include "model/lights/pov_light_source_spot.h"
#include "model/shapes/pov_lathe.h"
#include "model/shapes/pov_polygon.h"
#include "model/shapes/pov_ttf.h"
#include "model/solids/pov_cone.h"
#include "model/solids/pov_cubic.h"
#include "model/solids/pov_cylinder.h"
#include "model/solids/pov_height_field.h"
#include "model/solids/pov_plane.h"
#include "model/solids/pov_sphere.h"
#include "model/solids/pov_torus.h"
#include "model/surfaces/pov_pigment.h"
#include "model/surfaces/pov_texture.h"
#include "platform/prompts.h"
#include "resources/string_table.h"

const std::vector<CreateKindInfo>& CreateKinds() {
    static const std::vector<CreateKindInfo> kinds = {
        {CreateKind::Sphere, "sphere", "&Kugel"},
        {CreateKind::Box, "box", "&Quader"},
        {CreateKind::Cone, "cone", "Ke&gel"},
        {CreateKind::Torus, "torus", "&Ring"},
        {CreateKind::Cylinder, "cylinder", "&Zylinder"},
        {CreateKind::HeightField, "heightfield", "&H\xF6henfeld"},
        {CreateKind::Lathe, "lathe", "L&athe"},
        {CreateKind::Predefined, "predefined", "&Predefined Object"},
        {CreateKind::Polygon, "polygon", "Pol&ygon"},
        {CreateKind::Text, "text", "Text..."},
        {CreateKind::Csg, "csg", "&CSG"},
        {CreateKind::Blob, "blob", "&Blob"},
        {CreateKind::Plane, "plane", "&Ebene"},
        {CreateKind::Light, "light", "&Normal"},
        {CreateKind::CylinderLight, "cylinderlight", "&Zylindrisch"},
        {CreateKind::SpotLight, "spotlight", "S&pot"},
        {CreateKind::Background, "background", "Hinter&grundfarbe..."},
        {CreateKind::SkySphere, "skysphere", "H&immel..."},
        {CreateKind::Fog, "fog", "&Nebel..."},
        {CreateKind::Camera, "camera", "&Kamera"},
        {CreateKind::Texture, "texture", "&Texture ..."},
        {CreateKind::Halo, "halo", "&Halo..."},
        {CreateKind::Pigment, "pigment", "Pi&gment..."},
    };
    return kinds;
}

std::optional<CreateKind> CreateKindByName(std::string_view name) {
    for (const CreateKindInfo& info : CreateKinds())
        if (name == info.name)
            return info.kind;
    return std::nullopt;
}

bool COrvantaDoc::CanCreate(CreateKind kind) const {
    switch (kind) {
        case CreateKind::Camera:
            return !Camera || !Camera->IsPresent();
        case CreateKind::Background:
            return Background == nullptr;
        case CreateKind::SkySphere:
            return SkySphere == nullptr;
        default:
            return true;
    }
}

namespace {

enum Steps { kNone = 0, kPlace = 1, kEdit = 2, kEditThenPlace = 3 };

}  // namespace

CPovObject* COrvantaDoc::CreateCamera() {
    EditStep step(*this, StepLabel("Erzeugen"));
    CPovObject* camera = Camera;
    if (!camera) {
        camera = new CPovCamera();
        InsertObject(camera);
        history_.RecordInserted(*camera);
        Camera = camera;
        PlaceNewObject(camera);
    } else if (!camera->IsPresent()) {
        step.Record(*camera);
        camera->SetPresent(true);
        if (!GetPrompts().AskYesNo(LoadString(IDS_CAMERA_REACTIVATE)))
            PlaceNewObject(camera);
    }
    CameraChanged = 1;
    history_.SetLabel(StepLabel("Erzeugen", *camera));
    UpdateAllViews();
    SetModifiedFlag(true);
    return camera;
}

CPovObject* COrvantaDoc::OnCreate(CreateKind kind) {
    if (kind == CreateKind::Camera)
        return CreateCamera();

    // the new object and what its property sheet changes are one step
    EditStep step(*this, StepLabel("Erzeugen"));
    CPovObject* object = nullptr;
    Steps steps = kPlace;
    switch (kind) {
        case CreateKind::Sphere:
            object = new CPovSphere();
            break;
        case CreateKind::Box:
            object = new CPovCubic();
            break;
        case CreateKind::Cone:
            object = new CPovCone();
            break;
        case CreateKind::Torus:
            object = new CPovTorus();
            break;
        case CreateKind::Cylinder:
            object = new CPovCylinder();
            break;
        case CreateKind::HeightField:
            object = new CPovHeightField();
            break;
        case CreateKind::Plane:
            object = new CPovPlane();
            break;
        case CreateKind::Lathe:
            object = new CPovLathe();
            steps = kEditThenPlace;
            break;
        case CreateKind::Predefined:
            object = new CPovUserObject();
            steps = kEditThenPlace;
            break;
        case CreateKind::Polygon:
            object = new CPovPolygon();
            steps = kEditThenPlace;
            break;
        case CreateKind::Text:
            object = new CPovTTF();
            steps = kEdit;
            break;
        case CreateKind::Csg:
            object = new CPovCSG();
            steps = kEdit;
            break;
        case CreateKind::Blob:
            object = new CPovBlob();
            steps = kEdit;
            break;
        case CreateKind::Light:
            object = new CPovLight();
            break;
        case CreateKind::CylinderLight:
            object = new CPovLightSourceCylinder();
            break;
        case CreateKind::SpotLight:
            object = new CPovLightSourceSpot();
            break;
        case CreateKind::Background:
            object = new CPovBackground();
            Background = object;
            steps = kEdit;
            break;
        case CreateKind::SkySphere:
            object = new CPovSkySphere();
            SkySphere = object;
            steps = kEdit;
            break;
        case CreateKind::Fog:
            object = new CPovFog();
            steps = kEdit;
            break;
        case CreateKind::Texture:
            object = new CPovTexture();
            steps = kEdit;
            break;
        case CreateKind::Halo:
            object = new CPovHalo();
            steps = kEdit;
            break;
        case CreateKind::Pigment:
            object = new CPovPigment();
            steps = kEdit;
            break;
        case CreateKind::Camera:
            break;
    }
    if (!object)
        return nullptr;

    if (kind == CreateKind::Texture)
        InsertTexture(object);
    else if (kind == CreateKind::Halo)
        InsertHalo(object);
    else if (kind == CreateKind::Pigment)
        InsertPigment(object);
    else
        InsertObject(object);
    history_.RecordInserted(*object);
    history_.SetLabel(StepLabel("Erzeugen", *object));

    if (steps & kEdit)
        object->EditProperties();
    if (steps & kPlace)
        PlaceNewObject(object);
    if (kind == CreateKind::CylinderLight || kind == CreateKind::SpotLight) {
        // keep the light off its point-at target, which stays at the view centre
        object->Translation().X -= 2.0;
        object->UpdateGeometry();
    }
    SetModifiedFlag(true);
    UpdateAllViews();
    return object;
}
