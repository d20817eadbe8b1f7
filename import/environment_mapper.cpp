// Lights, the camera, the background, the sky sphere and fog: taken into the modeller's kinds
// when their statements use only what those kinds write, otherwise kept as text.
#include <cmath>

#include "document/orvanta_doc.h"
#include "import/object_mapper.h"
#include "import/pov_object_items.h"
#include "model/environment/pov_background.h"
#include "model/environment/pov_fog.h"
#include "model/environment/pov_sky_sphere.h"
#include "model/lights/light_support.h"
#include "model/lights/pov_camera.h"
#include "model/lights/pov_light.h"
#include "model/lights/pov_light_source_cylinder.h"
#include "model/lights/pov_light_source_spot.h"

namespace pov {

namespace {

// a colour the modeller keeps as a byte per channel, without filter or transmit
bool PackedColor(const Value& v, unsigned& packed) {
    if (!v.IsNumeric()) {
        return false;
    }
    const auto c = v.kind == Value::Kind::Float ? v.Promoted(3) : v.v;
    if (v.kind == Value::Kind::Color && (v.v[3] != 0.0 || v.v[4] != 0.0)) {
        return false;
    }
    unsigned out = 0;
    for (int i = 0; i < 3; ++i) {
        if (!(c[i] >= 0.0 && c[i] <= 1.0)) {
            return false;
        }
        out |= static_cast<unsigned>(std::lround(c[i] * 255.0)) << (8 * i);
    }
    packed = out;
    return true;
}

// a transformation that keeps angles (rotation, uniform scale, translation)
bool IsSimilarity(const Affine& t) {
    double len[3];
    for (int k = 0; k < 3; ++k) {
        len[k] = std::sqrt(t.m[0][k] * t.m[0][k] + t.m[1][k] * t.m[1][k] + t.m[2][k] * t.m[2][k]);
    }
    for (int i = 0; i < 3; ++i) {
        for (int j = i + 1; j < 3; ++j) {
            const double dot =
                t.m[0][i] * t.m[0][j] + t.m[1][i] * t.m[1][j] + t.m[2][i] * t.m[2][j];
            if (std::fabs(dot) > 1e-9 * len[i] * len[j]) {
                return false;
            }
        }
    }
    return std::fabs(len[0] - len[1]) < 1e-9 * len[0] && std::fabs(len[0] - len[2]) < 1e-9 * len[0];
}

bool NearlyEqual(const Vec3& a, const Vec3& b, double tolerance = 1e-6) {
    return std::fabs(a[0] - b[0]) < tolerance && std::fabs(a[1] - b[1]) < tolerance &&
           std::fabs(a[2] - b[2]) < tolerance;
}

void SetPoint(CPovObject& o, const Vec3& p) {
    o.Translation() = Vector(p[0], p[1], p[2]);
}

}  // namespace

CPovObject* ObjectMapper::MapLight(const Block& b, std::string& why) {
    size_t end = 0;
    const std::vector<const Value*> head = LeadingValues(b, &end);
    unsigned color = 0xFFFFFF;
    if (head.size() != 2 || head[0]->kind != Value::Kind::Vector || !PackedColor(*head[1], color)) {
        why = head.size() == 2 ? "a light colour outside 0 to 1" : "a light's position and colour";
        return nullptr;
    }
    enum class Kind { Point, Spot, Cylinder } kind = Kind::Point;
    // POV-Ray's defaults for a spot light
    Vec3 pointAt = {0, 0, 1};
    double radius = 30.0, falloff = 45.0, tightness = 0.0;
    Affine place;
    for (size_t i = end; i < b.items.size();) {
        if (ReadTransform(b.items, i, place)) {
            continue;
        }
        const Item& item = b.items[i++];
        const bool valued = i < b.items.size() && b.items[i].kind == Item::Kind::Value;
        if (item.kind == Item::Kind::Keyword) {
            const std::string& k = item.value.text;
            if (k == "spotlight" || k == "cylinder") {
                kind = k == "spotlight" ? Kind::Spot : Kind::Cylinder;
                continue;
            }
            if (valued &&
                (k == "point_at" || k == "radius" || k == "falloff" || k == "tightness")) {
                const Value& v = b.items[i++].value;
                if (k == "point_at") {
                    pointAt = AsVec3(v);
                } else if (k == "radius") {
                    radius = v.v[0];
                } else if (k == "falloff") {
                    falloff = v.v[0];
                } else {
                    tightness = v.v[0];
                }
                continue;
            }
        }
        why = item.kind == Item::Kind::Keyword ? item.value.text : "a light's modifier";
        return nullptr;
    }
    if (!IsSimilarity(place)) {
        why = "a light transformed with a shear or uneven scale";
        return nullptr;
    }
    const Vec3 at = place.Apply(AsVec3(*head[0]));
    if (kind == Kind::Point) {
        auto* light = new CPovLight();
        light->LightColor = color;
        SetPoint(*light, at);
        light->UpdateGeometry();
        return light;
    }
    CPovObject* light;
    if (kind == Kind::Spot) {
        auto* spot = new CPovLightSourceSpot();
        spot->LightColor = color;
        spot->Radius = radius;
        spot->Falloff = falloff;
        spot->Tightness = tightness;
        light = spot;
    } else {
        auto* cylinder = new CPovLightSourceCylinder();
        cylinder->LightColor = color;
        cylinder->Radius = radius;
        cylinder->Falloff = falloff;
        cylinder->Tightness = tightness;
        light = cylinder;
    }
    SetPoint(*light, at);
    if (CPovObject* target = lights::FindLookAt(*light)) {
        SetPoint(*target, place.Apply(pointAt));
    }
    light->UpdateGeometry();
    return light;
}

CPovObject* ObjectMapper::MapCamera(const Block& b, std::string& why) {
    Vec3 location = {0, 0, 0}, lookAt = {0, 0, 1};
    bool looks = false;
    for (size_t i = 0; i < b.items.size(); ++i) {
        const Item& item = b.items[i];
        if (item.kind != Item::Kind::Keyword) {
            why = "a camera statement the modeller cannot hold";
            return nullptr;
        }
        const std::string& k = item.value.text;
        if (k == "perspective") {
            continue;
        }
        if (i + 1 >= b.items.size() || b.items[i + 1].kind != Item::Kind::Value) {
            why = "the camera's " + k;
            return nullptr;
        }
        const Vec3 v = AsVec3(b.items[++i].value);
        // what the modeller's camera writes, and what equals POV-Ray's default for a 4:3 picture
        if (k == "location" && !looks) {
            location = v;
        } else if (k == "look_at") {
            lookAt = v;
            looks = true;
        } else if ((k == "right" && NearlyEqual(v, {4.0 / 3.0, 0, 0})) ||
                   (k == "up" && NearlyEqual(v, {0, 1, 0})) ||
                   (k == "sky" && NearlyEqual(v, {0, 1, 0})) ||
                   (k == "direction" && NearlyEqual(v, {0, 0, 1}) && !looks)) {
            continue;
        } else {
            why = "the camera's " + k;
            return nullptr;
        }
    }
    if (!looks) {
        why = "a camera without look_at";
        return nullptr;
    }
    auto* camera = new CPovCamera();
    SetPoint(*camera, location);
    if (CPovObject* target = lights::FindLookAt(*camera)) {
        SetPoint(*target, lookAt);
        target->UpdateGeometry();
    }
    camera->UpdateGeometry();
    // the camera's orientation nudges a position whose depth equals its target's
    if (!NearlyEqual({camera->Translation().X, camera->Translation().Y, camera->Translation().Z},
                     location, 1e-4)) {
        delete camera;
        why = "a camera the modeller would move";
        return nullptr;
    }
    doc_.Camera = camera;
    doc_.CameraChanged = 1;
    return camera;
}

CPovObject* ObjectMapper::MapBackground(const Block& b, std::string& why) {
    size_t end = 0;
    const std::vector<const Value*> head = LeadingValues(b, &end);
    unsigned color = 0;
    const bool plain = head.size() == 1 && end == b.items.size();
    Value opaque = plain ? *head[0] : Value();
    if (plain && opaque.kind == Value::Kind::Color) {
        // the background's filter and transmit only matter for a picture with alpha
        opaque.v[3] = opaque.v[4] = 0.0;
    }
    if (!plain || !PackedColor(opaque, color)) {
        why = "a background other than a plain colour";
        return nullptr;
    }
    auto* background = new CPovBackground();
    background->BackgroundColor = color;
    doc_.Background = background;
    return background;
}

CPovObject* ObjectMapper::MapSkySphere(const Block& b, std::string& why) {
    std::vector<std::string> names;
    for (const Item& item : b.items) {
        if (item.kind == Item::Kind::Reference && item.value.block &&
            item.value.block->keyword == "sky_sphere" &&
            CPovSkySphere::IsPredefinedSky(item.value.text) &&
            writer_.IsInstalled(item.value.block.get()) && b.items.size() == 1) {
            names.push_back(item.value.text);
            continue;
        }
        if (item.kind == Item::Kind::Block && item.value.block &&
            item.value.block->keyword == "pigment") {
            names.push_back(surfaces_.PigmentName(*item.value.block, "SkyPigment", declarations_));
            continue;
        }
        why = "a sky sphere with more than its pigments";
        return nullptr;
    }
    if (names.empty() || names.size() > 2) {
        why = "a sky sphere with more than two pigments";
        return nullptr;
    }
    auto* sky = new CPovSkySphere();
    sky->SkyPigment = names[0];
    sky->SkyPigment2 = names.size() > 1 ? names[1] : std::string();
    doc_.SkySphere = sky;
    return sky;
}

CPovObject* ObjectMapper::MapFog(const Block& b, std::string& why) {
    double distance = -1.0;
    unsigned color = 0xFFFFFF;
    double filter = 0.0;
    for (size_t i = 0; i < b.items.size(); ++i) {
        const Item& item = b.items[i];
        if (item.kind == Item::Kind::Value && item.value.kind == Value::Kind::Color) {
            if (!ModelColor(item.value, color, filter)) {
                why = "a fog colour with transmit";
                return nullptr;
            }
            continue;
        }
        if (item.kind == Item::Kind::Keyword && i + 1 < b.items.size() &&
            b.items[i + 1].kind == Item::Kind::Value) {
            const std::string& k = item.value.text;
            const double v = b.items[++i].value.v[0];
            if (k == "distance") {
                distance = v;
                continue;
            }
            if (k == "fog_type" && v == 1.0) {
                continue;
            }
        }
        why = "a fog other than a plain uniform fog";
        return nullptr;
    }
    if (distance <= 0.0) {
        why = "a fog without a distance";
        return nullptr;
    }
    auto* fog = new CPovFog();
    fog->FogType = "Uniform_Fog";
    fog->Distance = distance;
    fog->FogColor = color;
    fog->FogFilter = filter;
    return fog;
}

}  // namespace pov
