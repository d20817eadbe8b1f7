#include "view/camera_scene.h"

#include "document/orvanta_doc.h"
#include "model/environment/pov_background.h"
#include "model/pov_object.h"
#include "view/kept_camera.h"

CameraScene DescribeCameraScene(const COrvantaDoc& doc, const CameraSceneOptions& options) {
    CameraScene scene;
    scene.width = options.width;
    scene.height = options.height;
    if (options.pictureWidth > 0 && options.pictureHeight > 0) {
        scene.pictureWidth = options.pictureWidth;
        scene.pictureHeight = options.pictureHeight;
    }
    scene.filled = !options.wireframe;
    scene.depthTest = options.depthTest;
    scene.lights = options.lights;

    const CPovObject* camera = doc.Camera;
    if (camera && !camera->IsPresent()) {
        scene.cameraDeleted = true;
        return scene;
    }
    if (camera) {
        const Vector& eye = camera->Translation();
        Vector centre;
        if (camera->FirstChild && !camera->FirstChild->Steps.empty())
            centre = camera->FirstChild->Translation();
        scene.eye = {-eye.X, eye.Y, eye.Z};
        scene.centre = {-centre.X, centre.Y, centre.Z};
        scene.farPlane = 4000.0;
    } else if (const std::optional<KeptCameraSight> kept = KeptCameraOf(doc)) {
        // the camera POV-Ray renders with is kept as text: the view looks through it
        scene.eye = {-kept->location[0], kept->location[1], kept->location[2]};
        scene.centre = {-kept->lookAt[0], kept->lookAt[1], kept->lookAt[2]};
        scene.farPlane = 4000.0;
        scene.fieldOfView = kept->fieldOfView;
    }

    const auto* background = dynamic_cast<const CPovBackground*>(doc.Background);
    if (background && scene.filled) {
        const PovColor c = background->BackgroundColor;
        scene.clearColour = {static_cast<float>(c & 0xFF) / 255.0f,
                             static_cast<float>((c >> 8) & 0xFF) / 255.0f,
                             static_cast<float>((c >> 16) & 0xFF) / 255.0f, 1.0f};
    }

    // one pass over the scene, which does not fit the cache: the light sources in list order,
    // and every other top-level object's shapes, asking for the next object ahead
    scene.preview.items.reserve(options.expectedItems);
    const SolidTransform world;
    for (const CPovObject* o = doc.Objects; o; o = o->NextSibling) {
        if (const CPovObject* next = o->NextSibling) {
            __builtin_prefetch(next);
            if (!next->Steps.empty())
                __builtin_prefetch(next->Steps.data());
        }
        if (IsLightKind(o->GetType())) {
            SolidLight light;
            if (o->DescribeLight(light))
                scene.preview.lights.push_back(light);
        } else {
            o->DescribeSolid(scene.preview, world);
        }
    }
    return scene;
}
