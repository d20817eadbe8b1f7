// The builder's parameters: values, colours, modifiers and the fields of every kind. Each
// checks the kind of the object it is meant for and drops what does not belong to it.
#include <algorithm>
#include <climits>
#include <cmath>
#include <unordered_set>

#include "document/orvanta_doc.h"
#include "document/scene_builder.h"
#include "model/environment/pov_background.h"
#include "model/environment/pov_fog.h"
#include "model/environment/pov_halo.h"
#include "model/environment/pov_sky_sphere.h"
#include "model/groups/pov_blob.h"
#include "model/lights/pov_camera.h"
#include "model/shapes/pov_lathe.h"
#include "model/shapes/pov_polygon.h"
#include "model/shapes/pov_ttf.h"
#include "model/solids/pov_cylinder.h"
#include "model/solids/pov_height_field.h"
#include "model/solids/pov_sphere.h"
#include "model/surfaces/pov_pigment.h"
#include "model/surfaces/pov_texture.h"
#include "model/surfaces/predefined_textures.h"
#include "model/text_format.h"

namespace {

// A colour component (0..1) as a byte, rounded: 0.498 gives 127, not 126.
unsigned ColorByte(double component) {
    const double scaled = component * 255.0 + 0.5;
    if (!(scaled > 0.0))
        return 0;
    if (scaled >= 255.0)
        return 255;
    return static_cast<unsigned>(scaled);
}

unsigned PackColor(double r, double g, double b) {
    return ColorByte(r) | (ColorByte(g) << 8) | (ColorByte(b) << 16);
}

int ToInt(double value) {
    return static_cast<int>(std::lround(std::clamp(value, double(INT_MIN), double(INT_MAX))));
}

// Runs set on target when there is one; false when there is none.
template <typename T, typename Set>
bool SetOn(T* target, Set set) {
    if (!target)
        return false;
    set(*target);
    return true;
}

template <typename T>
T* As(CPovObject* object, int kind) {
    return object && object->GetType() == kind ? static_cast<T*>(object) : nullptr;
}

struct NamedColor {
    const char* name;
    double r, g, b, filter;
};

// the plain colours of POV-Ray's colors.inc that foreign files use most
constexpr NamedColor kNamedColors[] = {
    {"White", 1, 1, 1, 0}, {"Black", 0, 0, 0, 0},   {"Red", 1, 0, 0, 0},
    {"Green", 0, 1, 0, 0}, {"Blue", 0, 0, 1, 0},    {"Yellow", 1, 1, 0, 0},
    {"Cyan", 0, 1, 1, 0},  {"Magenta", 1, 0, 1, 0}, {"Clear", 1, 1, 1, 1},
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// values

Vector SceneBuilder::LastVector() const {
    return Vector(vector_[0], vector_[1], vector_[2]);
}

void SceneBuilder::Number(double value) {
    const int index = numberIndex_++;
    CPovObject* t = Target();
    switch (numberSink_) {
        case NumberSink::Pattern:
            if (CPovPigmentOwner* owner = PigmentTarget(); owner && index == 0)
                owner->PatternValue = value;
            else
                Dropped(orv::Format("the number %g", value));
            break;
        case NumberSink::Normal:
            if (auto* texture = As<CPovTexture>(t, kKindTexture); texture && index < 3)
                texture->NormalValues[static_cast<size_t>(index)] = value;
            else
                Dropped(orv::Format("the number %g", value));
            break;
        case NumberSink::BumpSize:
            // the modeller's bump maps have the size 1, which its writer writes
            if (value != 1.0 || index > 0)
                Dropped(orv::Format("bump_size %g", value));
            break;
        case NumberSink::None:
            Dropped(orv::Format("the number %g", value));
            break;
    }
}

void SceneBuilder::Name(std::string_view name) {
    numberSink_ = NumberSink::None;
    numberIndex_ = 0;
    CPovObject* t = Target();
    switch (CurrentBlock()) {
        case Block::MapEntry:
            entry_.name = name;
            return;
        case Block::ImageMap:
            if (CPovPigmentOwner* owner = dynamic_cast<CPovPigmentOwner*>(t);
                owner && name == "once")
                owner->Once = 1;
            else
                Dropped(name);
            return;
        case Block::BumpMap:
            if (t && name == "bump_size")
                numberSink_ = NumberSink::BumpSize;
            else
                Dropped(name);
            return;
        case Block::Normal:
            if (auto* texture = As<CPovTexture>(t, kKindTexture)) {
                texture->NormalKind = kNormalPattern;
                texture->NormalName = name;
                frames_.back().filled = true;
                numberSink_ = NumberSink::Normal;
            } else {
                Dropped(name);
            }
            return;
        case Block::Object:
        case Block::Pigment:
            if (auto* sky = As<CPovSkySphere>(t, kKindSkySphere)) {
                if (skyPigments_ < 2)
                    references_.push_back(
                        {SceneNameReference::Kind::Pigment, std::string(name), Line()});
                if (skyPigments_ == 0)
                    sky->SkyPigment = name;
                else if (skyPigments_ == 1)
                    sky->SkyPigment2 = name;
                else
                    Warn("Sky pigment dropped: a sky sphere holds two pigments");
                ++skyPigments_;
                return;
            }
            // a pattern keyword of its own making
            Pattern(name);
            return;
        default:
            Dropped(name);
            return;
    }
}

// ---------------------------------------------------------------------------------------------
// geometry of the kinds

void SceneBuilder::ImageFile(std::string_view file) {
    CPovObject* t = Target();
    switch (CurrentBlock()) {
        case Block::Object:
            if (auto* field = As<CPovHeightField>(t, kKindHeightField))
                field->ImageFile = file;
            break;
        case Block::ImageMap:
            if (CPovPigmentOwner* owner = dynamic_cast<CPovPigmentOwner*>(t))
                owner->ImageFile = file;
            break;
        case Block::BumpMap:
            if (auto* texture = As<CPovTexture>(t, kKindTexture))
                texture->BumpFile = file;
            break;
        default:
            Dropped(orv::Format("the file \"%s\"", file));
            break;
    }
}

void SceneBuilder::SplineType(std::string_view name) {
    if (auto* lathe = As<CPovLathe>(Target(), kKindLathe))
        lathe->SplineType = name;
    else
        Dropped(name);
}

void SceneBuilder::Point() {
    CPovObject* t = Target();
    if (auto* lathe = As<CPovLathe>(t, kKindLathe)) {
        if (!lathe->AddPoint(vector_[0], vector_[1]))
            Warn("Point dropped: a lathe holds at most 20 points");
    } else if (t && t->GetType() == kKindPolygon && dynamic_cast<CPovPolygon*>(t)) {
        if (!static_cast<CPovPolygon*>(t)->AddPoint(vector_[0], vector_[1]))
            Warn("Point dropped: a polygon holds at most 20 points");
    }
}

void SceneBuilder::TextHead(std::string_view font, std::string_view text, double thickness) {
    auto* ttf = dynamic_cast<CPovTTF*>(Target());
    if (!ttf)
        return;
    if (!ttf->SetFontFile(font))
        Warn(orv::Format("Font file name refused: %s", font));
    if (text.size() > CPovTTF::kMaxTextLength)
        Warn(orv::Format("Text cut to %d characters: the %d after them are not read",
                         static_cast<int>(CPovTTF::kMaxTextLength),
                         static_cast<int>(text.size() - CPovTTF::kMaxTextLength)));
    ttf->SetText(text);
    ttf->Thickness = thickness;
    // the modeller's text runs along x: an offset's y and z have no place
    ttf->Spacing = vector_[0];
    if (vector_[1] != 0.0 || vector_[2] != 0.0)
        Warn(orv::Format("Not read: the y and z of the text's offset <%g, %g, %g>", vector_[0],
                         vector_[1], vector_[2]));
}

void SceneBuilder::Strength(double value) {
    CPovObject* t = Target();
    if (auto* sphere = As<CPovSphere>(t, kKindSphere))
        sphere->Strength = value;
    else if (auto* cylinder = As<CPovCylinder>(t, kKindCylinder))
        cylinder->Strength = value;
    else
        Dropped("strength");
}

void SceneBuilder::Threshold(double value) {
    if (auto* blob = As<CPovBlob>(Target(), kKindBlob))
        blob->Threshold = value;
    else
        Dropped("threshold");
}

void SceneBuilder::Smooth() {
    if (auto* field = As<CPovHeightField>(Target(), kKindHeightField))
        field->Smooth = 1;
    else
        Dropped("smooth");
}

void SceneBuilder::WaterLevel(double value) {
    CPovObject* t = Target();
    if (t && t->GetType() == kKindHeightField && t->Steps.size() > kStepExtra)
        t->Steps[kStepExtra].Y = value;
    else
        Dropped("water_level");
}

// ---------------------------------------------------------------------------------------------
// modifiers

void SceneBuilder::QuickColor() {
    const Block block = CurrentBlock();
    CPovObject* t = block == Block::Object || block == Block::Member ? Target() : nullptr;
    if (!t) {
        Dropped("//$quickcolor:$");
        return;
    }
    t->QuickColorR = vector_[0];
    t->QuickColorG = vector_[1];
    t->QuickColorB = vector_[2];
}

void SceneBuilder::Hollow() {
    const Block block = CurrentBlock();
    CPovObject* t = block == Block::Object || block == Block::Member ? Target() : nullptr;
    if (!t) {
        Dropped("hollow");
        return;
    }
    t->Hollow = 1;
}

namespace {

// whether name is one of the predefined textures (the textures the standard include files
// declare), by a set built once: a large scene has a texture reference per object
bool IsPredefinedTexture(std::string_view name) {
    static const std::unordered_set<std::string_view> names(
        kPredefinedTextures, kPredefinedTextures + kPredefinedTextureCount);
    return names.count(name) != 0;
}

// textures, pigments and halos carry no texture of their own
bool TakesTexture(const CPovObject* o) {
    const int t = o->GetType();
    return t != kKindTexture && t != kKindPigment && t != kKindHalo;
}

}  // namespace

void SceneBuilder::TextureReference(std::string_view name) {
    const Block block = CurrentBlock();
    CPovObject* t = block == Block::Object || block == Block::Member ? Target() : nullptr;
    if (t && !TakesTexture(t))
        t = nullptr;
    if (!t) {
        PushDropped(Block::TextureReference, orv::Format("texture { %s }", name));
        return;
    }
    Push(Block::TextureReference, t);
    references_.push_back({SceneNameReference::Kind::Texture, std::string(name), Line()});
    t->TextureName = name;
    t->UseOwnTexture = 1;
    // Step lines inside the block turn this on (CloseBlock); a predefined texture always
    // has them written.
    t->WriteTextureSteps = IsPredefinedTexture(name) ? 1 : 0;
}

void SceneBuilder::OpenInlineTexture() {
    const Block block = CurrentBlock();
    CPovObject* t = block == Block::Object || block == Block::Member ? Target() : nullptr;
    if (!t || !TakesTexture(t)) {
        PushDropped(Block::InlineTexture, "texture");
        return;
    }
    // a texture written inside an object becomes a texture of the scene that the object uses
    auto* texture = new CPovTexture();
    texture->HasPigment = 0;
    texture->ColorCount = 0;
    doc_.InsertTexture(texture);
    t->TextureName = texture->Name;
    t->UseOwnTexture = 1;
    t->WriteTextureSteps = 0;
    Push(Block::InlineTexture, texture);
}

// ---------------------------------------------------------------------------------------------
// colours

CPovPigmentOwner* SceneBuilder::PigmentTarget() const {
    CPovObject* t = Target();
    if (!t)
        return nullptr;
    const int type = t->GetType();
    if (type != kKindTexture && type != kKindPigment)
        return nullptr;
    switch (CurrentBlock()) {
        case Block::Pigment:
            return static_cast<CPovPigmentOwner*>(t);
        case Block::Object:
            // the body of a pigment declaration is a pigment; a texture's is not
            return type == kKindPigment ? static_cast<CPovPigmentOwner*>(t) : nullptr;
        default:
            return nullptr;
    }
}

void SceneBuilder::ColorFromVector(SceneColorForm form) {
    color_ = PackColor(vector_[0], vector_[1], vector_[2]);
    colorFilter_ = 0.0;
    colorTransmit_ = 1.0;
    if (form == SceneColorForm::Rgbt) {
        colorTransmit_ = vector_[3];
    } else if (form == SceneColorForm::Rgbft) {
        colorFilter_ = vector_[3];
        colorTransmit_ = vector_[4];
    }
    colorValid_ = true;
}

void SceneBuilder::ColorName(std::string_view name) {
    for (const NamedColor& c : kNamedColors)
        if (name == c.name) {
            color_ = PackColor(c.r, c.g, c.b);
            colorFilter_ = c.filter;
            colorTransmit_ = 1.0;
            colorValid_ = true;
            return;
        }
    colorValid_ = false;
    Warn(orv::Format("Colour dropped: unknown colour name %s", name));
}

void SceneBuilder::Color() {
    if (!colorValid_)
        return;
    if (CurrentBlock() == Block::MapEntry) {
        entry_.hasColor = true;
        entry_.color = color_;
        entry_.filter = colorFilter_;
        entry_.transmit = colorTransmit_;
        return;
    }
    if (light_.active) {
        light_.hasColor = true;
        light_.color = color_;
        return;
    }
    if (CPovPigmentOwner* owner = PigmentTarget()) {
        if (owner->AddColor(color_, colorFilter_, colorTransmit_))
            lastColorIndex_ = owner->ColorCount - 1;
        else {
            lastColorIndex_ = -1;
            Warn("Colour dropped: a pigment holds at most 10 colours");
        }
        return;
    }
    CPovObject* t = CurrentBlock() == Block::Object ? Target() : nullptr;
    if (auto* fog = As<CPovFog>(t, kKindFog)) {
        fog->FogColor = color_;
        fog->FogFilter = colorFilter_;
        fog->FogTransmit = colorTransmit_;
    } else if (auto* background = As<CPovBackground>(t, kKindBackground)) {
        background->BackgroundColor = color_;
    } else {
        Dropped("color");
    }
}

void SceneBuilder::Filter(double value) {
    if (CurrentBlock() == Block::MapEntry) {
        entry_.filter = value;
        return;
    }
    if (CPovPigmentOwner* owner = PigmentTarget()) {
        // the filter of the colour just read; none when that colour was dropped
        if (lastColorIndex_ >= 0 && lastColorIndex_ < kMaxPigmentColors)
            owner->Filters[static_cast<size_t>(lastColorIndex_)] = value;
        return;
    }
    auto* fog = CurrentBlock() == Block::Object ? As<CPovFog>(Target(), kKindFog) : nullptr;
    if (fog)
        fog->FogFilter = value;
    else
        Dropped("filter");
}

// ---------------------------------------------------------------------------------------------
// pigments and textures

CPovObject* SceneBuilder::ImplicitTexture(CPovObject* object) {
    if (auto it = implicitTextures_.find(object); it != implicitTextures_.end())
        return it->second;
    auto* texture = new CPovTexture();
    texture->HasPigment = 0;
    texture->ColorCount = 0;
    doc_.InsertTexture(texture);
    object->TextureName = texture->Name;
    object->UseOwnTexture = 1;
    object->WriteTextureSteps = 0;
    implicitTextures_.emplace(object, texture);
    return texture;
}

CPovObject* SceneBuilder::SurfaceTarget() {
    const Block block = CurrentBlock();
    if (block != Block::Object && block != Block::InlineTexture && block != Block::Member)
        return nullptr;
    CPovObject* t = Target();
    if (!t)
        return nullptr;
    if (t->GetType() == kKindTexture || t->GetType() == kKindPigment ||
        t->GetType() == kKindSkySphere)
        return t;
    // solids, shapes and groups; lights, the camera and the environment take no texture
    return t->CanBeCsgElement() || t->GetType() == kKindPlane ? ImplicitTexture(t) : nullptr;
}

void SceneBuilder::OpenPigment() {
    CPovObject* t = SurfaceTarget();
    if (!t) {
        PushDropped(Block::Pigment, "pigment");
        return;
    }
    if (auto* texture = As<CPovTexture>(t, kKindTexture))
        texture->HasPigment = 1;
    Push(Block::Pigment, t);
}

void SceneBuilder::OpenNormal() {
    auto* texture = As<CPovTexture>(SurfaceTarget(), kKindTexture);
    if (!texture) {
        PushDropped(Block::Normal, "normal");
        return;
    }
    texture->HasNormal = 1;
    Push(Block::Normal, texture);
}

void SceneBuilder::OpenFinish() {
    auto* texture = As<CPovTexture>(SurfaceTarget(), kKindTexture);
    if (!texture) {
        PushDropped(Block::Finish, "finish");
        return;
    }
    Push(Block::Finish, texture);
}

void SceneBuilder::OpenColorMap() {
    if (CPovPigmentOwner* owner = PigmentTarget()) {
        owner->PigmentKind = kPigmentColorMap;
        Push(Block::ColorMap, owner);
        return;
    }
    CPovObject* t = CurrentBlock() == Block::Object ? As<CPovHalo>(Target(), kKindHalo) : nullptr;
    if (!t) {
        PushDropped(Block::ColorMap, "color_map");
        return;
    }
    Push(Block::ColorMap, t);
}

void SceneBuilder::OpenPigmentMap() {
    CPovPigmentOwner* owner = PigmentTarget();
    if (!owner) {
        PushDropped(Block::PigmentMap, "pigment_map");
        return;
    }
    owner->PigmentKind = kPigmentPigmentMap;
    Push(Block::PigmentMap, owner);
}

void SceneBuilder::OpenImageMap() {
    CPovPigmentOwner* owner = PigmentTarget();
    if (!owner) {
        PushDropped(Block::ImageMap, "image_map");
        return;
    }
    owner->PigmentKind = kPigmentImageMap;
    Push(Block::ImageMap, owner);
}

void SceneBuilder::OpenBumpMap() {
    CPovTexture* texture =
        CurrentBlock() == Block::Normal ? As<CPovTexture>(Target(), kKindTexture) : nullptr;
    if (!texture) {
        PushDropped(Block::BumpMap, "bump_map");
        return;
    }
    texture->NormalKind = kNormalBumpMap;
    frames_.back().filled = true;
    Push(Block::BumpMap, texture);
}

void SceneBuilder::BeginMapEntry(double position) {
    entry_ = MapEntry();
    entry_.position = position;
    Push(Block::MapEntry, Target());
}

void SceneBuilder::EndMapEntry() {
    while (frames_.size() > 1 && frames_.back().block != Block::MapEntry)
        frames_.pop_back();
    if (frames_.size() <= 1)
        return;
    frames_.pop_back();
    CPovObject* t = Target();
    if (!t)
        return;
    const Block map = CurrentBlock();
    if (map == Block::ColorMap && entry_.hasColor) {
        if (auto* halo = As<CPovHalo>(t, kKindHalo)) {
            if (!halo->AddHaloColor(entry_.position, entry_.color, entry_.filter, entry_.transmit))
                Warn("Colour map entry dropped: a halo holds at most 6 colours");
        } else if (auto* owner = dynamic_cast<CPovPigmentOwner*>(t)) {
            if (!owner->AddMapColor(entry_.position, entry_.color, entry_.filter, entry_.transmit))
                Warn("Colour map entry dropped: a pigment holds at most 10 colours");
        }
    } else if (map == Block::PigmentMap && !entry_.name.empty()) {
        if (auto* owner = dynamic_cast<CPovPigmentOwner*>(t)) {
            references_.push_back({SceneNameReference::Kind::Pigment, entry_.name, Line()});
            if (!owner->AddMapPigment(entry_.name, entry_.position))
                Warn("Pigment map entry dropped: a pigment map holds at most 3 pigments");
        }
    } else {
        Warn(orv::Format("Not read: a %s entry at %g without a %s", BlockName(), entry_.position,
                         map == Block::ColorMap ? "colour" : "pigment name"));
    }
}

void SceneBuilder::Pattern(std::string_view name) {
    numberSink_ = NumberSink::None;
    numberIndex_ = 0;
    if (CurrentBlock() == Block::Normal) {
        auto* texture = As<CPovTexture>(Target(), kKindTexture);
        if (!texture) {
            Dropped(name);
            return;
        }
        texture->NormalKind = kNormalPattern;
        if (name.size() > decltype(texture->NormalName)::kMaxLength)
            Warn(orv::Format("Normal pattern name cut to 19 characters: %s", name));
        texture->NormalName = name;
        frames_.back().filled = true;
        numberSink_ = NumberSink::Normal;
        return;
    }
    CPovPigmentOwner* owner = PigmentTarget();
    if (!owner) {
        Dropped(name);
        return;
    }
    if (name == "checker")
        owner->PigmentKind = kPigmentChecker;
    else if (name == "brick")
        owner->PigmentKind = kPigmentBrick;
    else if (name == "hexagon")
        owner->PigmentKind = kPigmentHexagon;
    else {
        if (name.size() > decltype(owner->PatternName)::kMaxLength)
            Warn(orv::Format("Pattern name cut to 19 characters: %s", name));
        owner->PatternName = name;
    }
    numberSink_ = NumberSink::Pattern;
}

void SceneBuilder::Control(int index, double value) {
    auto* texture =
        CurrentBlock() == Block::Normal ? As<CPovTexture>(Target(), kKindTexture) : nullptr;
    if (texture)
        texture->NormalValues[static_cast<size_t>(1 + index)] = value;
    else
        Dropped(index == 0 ? "control0" : "control1");
}

void SceneBuilder::MapType(int type) {
    auto* owner =
        CurrentBlock() == Block::ImageMap ? dynamic_cast<CPovPigmentOwner*>(Target()) : nullptr;
    if (owner)
        owner->MapType = type;
    else
        Dropped(orv::Format("map_type %d", type));
}

namespace {

// the fog or halo of an object statement's own block, for the turbulence values
CPovObject* TurbulenceTarget(CPovObject* target, bool objectBlock) {
    if (!objectBlock || !target)
        return nullptr;
    const int type = target->GetType();
    return type == kKindFog || type == kKindHalo ? target : nullptr;
}

}  // namespace

void SceneBuilder::Turbulence() {
    if (CPovPigmentOwner* owner = PigmentTarget()) {
        owner->TurbulenceOn = 1;
        owner->Turbulence = {vector_[0], vector_[1], vector_[2]};
        return;
    }
    CPovObject* t = TurbulenceTarget(Target(), CurrentBlock() == Block::Object);
    if (auto* fog = As<CPovFog>(t, kKindFog)) {
        fog->FogTurbulenceOn = 1;
        fog->FogTurbulence = {vector_[0], vector_[1], vector_[2]};
    } else if (auto* halo = As<CPovHalo>(t, kKindHalo)) {
        halo->HaloTurbulenceOn = 1;
        halo->HaloTurbulence = LastVector();
    } else {
        Dropped("turbulence");
    }
}

void SceneBuilder::Octaves(double value) {
    if (CPovPigmentOwner* owner = PigmentTarget()) {
        owner->Octaves = ToInt(value);
        return;
    }
    CPovObject* t = TurbulenceTarget(Target(), CurrentBlock() == Block::Object);
    if (auto* fog = As<CPovFog>(t, kKindFog))
        fog->FogOctaves = value;
    else if (auto* halo = As<CPovHalo>(t, kKindHalo))
        halo->HaloOctaves = value;
    else
        Dropped("octaves");
}

void SceneBuilder::Omega(double value) {
    if (CPovPigmentOwner* owner = PigmentTarget()) {
        owner->Omega = value;
        return;
    }
    CPovObject* t = TurbulenceTarget(Target(), CurrentBlock() == Block::Object);
    if (auto* fog = As<CPovFog>(t, kKindFog))
        fog->FogOmega = value;
    else if (auto* halo = As<CPovHalo>(t, kKindHalo))
        halo->HaloOmega = value;
    else
        Dropped("omega");
}

void SceneBuilder::Lambda(double value) {
    if (CPovPigmentOwner* owner = PigmentTarget()) {
        owner->Lambda = value;
        return;
    }
    CPovObject* t = TurbulenceTarget(Target(), CurrentBlock() == Block::Object);
    if (auto* fog = As<CPovFog>(t, kKindFog))
        fog->FogLambda = value;
    else if (auto* halo = As<CPovHalo>(t, kKindHalo))
        halo->HaloLambda = value;
    else
        Dropped("lambda");
}

namespace {

// the texture whose finish, normal or halos the current block describes
CPovTexture* TextureOf(CPovObject* target) {
    return As<CPovTexture>(target, kKindTexture);
}

}  // namespace

void SceneBuilder::Ambient() {
    if (!colorValid_)
        return;
    if (!SetOn(TextureOf(Target()), [&](CPovTexture& texture) {
            texture.HasAmbient = 1;
            texture.AmbientColor = color_;
        }))
        Dropped("ambient");
}

void SceneBuilder::AmbientLevel(double value) {
    if (!SetOn(TextureOf(Target()), [&](CPovTexture& texture) {
            texture.HasAmbient = 1;
            texture.AmbientColor = PackColor(value, value, value);
        }))
        Dropped("ambient");
}

void SceneBuilder::Phong(double value) {
    if (!SetOn(TextureOf(Target()), [&](CPovTexture& texture) {
            texture.HasPhong = 1;
            texture.Phong = value;
        }))
        Dropped("phong");
}

void SceneBuilder::PhongSize(double value) {
    if (!SetOn(TextureOf(Target()), [&](CPovTexture& texture) { texture.PhongSize = value; }))
        Dropped("phong_size");
}

void SceneBuilder::Refraction() {
    if (!SetOn(TextureOf(Target()), [&](CPovTexture& texture) { texture.HasRefraction = 1; }))
        Dropped("refraction 1");
}

void SceneBuilder::Ior(double value) {
    if (!SetOn(TextureOf(Target()), [&](CPovTexture& texture) { texture.Ior = value; }))
        Dropped("ior");
}

void SceneBuilder::Metallic() {
    numberSink_ = NumberSink::None;
    if (!SetOn(TextureOf(Target()), [&](CPovTexture& texture) { texture.Metallic = 1; }))
        Dropped("metallic");
}

void SceneBuilder::Diffuse(double value) {
    if (!SetOn(TextureOf(Target()), [&](CPovTexture& texture) { texture.Diffuse = value; }))
        Dropped("diffuse");
}

void SceneBuilder::Brilliance(double value) {
    if (!SetOn(TextureOf(Target()), [&](CPovTexture& texture) { texture.Brilliance = value; }))
        Dropped("brilliance");
}

void SceneBuilder::Crand(double value) {
    if (!SetOn(TextureOf(Target()), [&](CPovTexture& texture) { texture.Crand = value; }))
        Dropped("crand");
}

void SceneBuilder::Reflection(double value) {
    if (!SetOn(TextureOf(Target()), [&](CPovTexture& texture) { texture.Reflection = value; }))
        Dropped("reflection");
}

void SceneBuilder::HaloReference(std::string_view name) {
    const Block block = CurrentBlock();
    CPovTexture* texture =
        block == Block::Object || block == Block::InlineTexture ? TextureOf(Target()) : nullptr;
    if (!texture) {
        Dropped(orv::Format("halo { %s }", name));
        return;
    }
    references_.push_back({SceneNameReference::Kind::Halo, std::string(name), Line()});
    if (!texture->AddHaloName(name))
        Warn("Halo reference dropped: a texture holds at most 6 halos");
}

// ---------------------------------------------------------------------------------------------
// camera and lights

void SceneBuilder::Location() {
    CPovObject* camera =
        CurrentBlock() == Block::Object ? As<CPovCamera>(Target(), kKindCamera) : nullptr;
    if (!camera) {
        Dropped("location");
        return;
    }
    Vector& v = camera->Translation();
    v.X = vector_[0], v.Y = vector_[1], v.Z = vector_[2];
}

void SceneBuilder::LookAt() {
    CPovObject* camera =
        CurrentBlock() == Block::Object ? As<CPovCamera>(Target(), kKindCamera) : nullptr;
    if (!camera || !camera->FirstChild) {
        Dropped("look_at");
        return;
    }
    Vector& v = camera->FirstChild->Translation();
    v.X = vector_[0], v.Y = vector_[1], v.Z = vector_[2];
}

void SceneBuilder::PointAt() {
    if (light_.active) {
        light_.hasPointAt = true;
        light_.pointAt = LastVector();
    } else {
        Dropped("point_at");
    }
}

void SceneBuilder::Radius(double value) {
    if (light_.active) {
        light_.hasRadius = true;
        light_.radius = value;
    } else {
        Dropped("radius");
    }
}

void SceneBuilder::Falloff(double value) {
    if (light_.active) {
        light_.hasFalloff = true;
        light_.falloff = value;
    } else {
        Dropped("falloff");
    }
}

void SceneBuilder::Tightness(double value) {
    if (light_.active) {
        light_.hasTightness = true;
        light_.tightness = value;
    } else {
        Dropped("tightness");
    }
}

// ---------------------------------------------------------------------------------------------
// fog

namespace {

CPovFog* FogOf(CPovObject* target) {
    return As<CPovFog>(target, kKindFog);
}

}  // namespace

void SceneBuilder::Up() {
    if (CurrentBlock() != Block::Object) {
        Dropped("up");
        return;
    }
    if (!SetOn(FogOf(Target()), [&](CPovFog& fog) {
            fog.Steps[kStepTranslate].X = vector_[0];
            fog.Steps[kStepTranslate].Y = vector_[1];
            fog.Steps[kStepTranslate].Z = vector_[2];
        }))
        Dropped("up");
}

void SceneBuilder::Distance(double value) {
    if (!SetOn(FogOf(Target()), [&](CPovFog& fog) { fog.Distance = value; }))
        Dropped("distance");
}

void SceneBuilder::FogOffset(double value) {
    if (!SetOn(FogOf(Target()), [&](CPovFog& fog) { fog.FogOffset = value; }))
        Dropped("fog_offset");
}

void SceneBuilder::FogAlt(double value) {
    if (!SetOn(FogOf(Target()), [&](CPovFog& fog) { fog.FogAlt = value; }))
        Dropped("fog_alt");
}

// ---------------------------------------------------------------------------------------------
// halo

namespace {

CPovHalo* HaloOf(CPovObject* target) {
    return As<CPovHalo>(target, kKindHalo);
}

}  // namespace

void SceneBuilder::HaloType(std::string_view name) {
    if (!SetOn(HaloOf(Target()), [&](CPovHalo& halo) { halo.HaloType = name; }))
        Dropped(name);
}

void SceneBuilder::DensityFunction(std::string_view name) {
    if (!SetOn(HaloOf(Target()), [&](CPovHalo& halo) { halo.DensityFunction = name; }))
        Dropped(name);
}

void SceneBuilder::Mapping(std::string_view name) {
    if (!SetOn(HaloOf(Target()), [&](CPovHalo& halo) { halo.Mapping = name; }))
        Dropped(name);
}

void SceneBuilder::DustType(std::string_view name) {
    if (!SetOn(HaloOf(Target()), [&](CPovHalo& halo) { halo.DustType = name; }))
        Dropped("dust_type");
}

void SceneBuilder::Eccentricity(double value) {
    if (!SetOn(HaloOf(Target()), [&](CPovHalo& halo) { halo.Eccentricity = value; }))
        Dropped("eccentricity");
}

void SceneBuilder::MaxValue(double value) {
    if (!SetOn(HaloOf(Target()), [&](CPovHalo& halo) { halo.MaxValue = value; }))
        Dropped("max_value");
}

void SceneBuilder::Exponent(double value) {
    if (!SetOn(HaloOf(Target()), [&](CPovHalo& halo) { halo.Exponent = value; }))
        Dropped("exponent");
}

void SceneBuilder::Samples(double value) {
    if (!SetOn(HaloOf(Target()), [&](CPovHalo& halo) { halo.Samples = value; }))
        Dropped("samples");
}

void SceneBuilder::AaLevel(double value) {
    if (!SetOn(HaloOf(Target()), [&](CPovHalo& halo) {
            halo.AntiAliasOn = 1;
            halo.AaLevel = value;
        }))
        Dropped("aa_level");
}

void SceneBuilder::AaThreshold(double value) {
    if (!SetOn(HaloOf(Target()), [&](CPovHalo& halo) {
            halo.AntiAliasOn = 1;
            halo.AaThreshold = value;
        }))
        Dropped("aa_threshold");
}

void SceneBuilder::Jitter(double value) {
    if (!SetOn(HaloOf(Target()), [&](CPovHalo& halo) {
            halo.JitterOn = 1;
            halo.Jitter = value;
        }))
        Dropped("jitter");
}
