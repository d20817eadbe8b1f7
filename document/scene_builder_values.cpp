// The builder's parameters: values, colours, modifiers and the fields of every kind. Each
// checks the kind of the object it is meant for and drops what does not belong to it.
#include <algorithm>
#include <climits>
#include <cmath>

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

void SceneBuilder::BeginVector() {
    vector_.fill(0.0);
    vectorCount_ = 0;
}

void SceneBuilder::Component(double value) {
    // components beyond the fifth belong to no form the scene uses
    if (vectorCount_ < static_cast<int>(vector_.size()))
        vector_[static_cast<size_t>(vectorCount_)] = value;
    ++vectorCount_;
}

void SceneBuilder::ScalarVector(double value) {
    // a number where a vector belongs stands for all its components
    vector_.fill(value);
    vectorCount_ = 1;
}

void SceneBuilder::Number(double value) {
    const int index = numberIndex_++;
    CPovObject* t = Target();
    switch (numberSink_) {
        case NumberSink::Pattern:
            if (CPovPigmentOwner* owner = PigmentTarget(); owner && index == 0)
                owner->PatternValue = value;
            break;
        case NumberSink::Normal:
            if (auto* texture = As<CPovTexture>(t, kKindTexture); texture && index < 3)
                texture->NormalValues[static_cast<size_t>(index)] = value;
            break;
        case NumberSink::None:
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
            if (name == "once")
                if (CPovPigmentOwner* owner = dynamic_cast<CPovPigmentOwner*>(t))
                    owner->Once = 1;
            return;
        case Block::Normal:
            if (auto* texture = As<CPovTexture>(t, kKindTexture)) {
                texture->NormalKind = kNormalPattern;
                texture->NormalName = name;
                frames_.back().filled = true;
                numberSink_ = NumberSink::Normal;
            }
            return;
        case Block::Object:
        case Block::Pigment:
            if (auto* sky = As<CPovSkySphere>(t, kKindSkySphere)) {
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
            return;
    }
}

// ---------------------------------------------------------------------------------------------
// geometry of the kinds

void SceneBuilder::TorusMinorRadius(double value) {
    CPovObject* t = Target();
    if (t && t->GetType() == kKindTorus && t->Steps.size() > kStepExtra)
        t->Steps[kStepExtra].X = value;
}

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
            break;
    }
}

void SceneBuilder::SplineType(std::string_view name) {
    if (auto* lathe = As<CPovLathe>(Target(), kKindLathe))
        lathe->SplineType = name;
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
    ttf->SetText(text);
    ttf->Thickness = thickness;
    ttf->Spacing = vector_[0];
}

void SceneBuilder::Strength(double value) {
    CPovObject* t = Target();
    if (auto* sphere = As<CPovSphere>(t, kKindSphere))
        sphere->Strength = value;
    else if (auto* cylinder = As<CPovCylinder>(t, kKindCylinder))
        cylinder->Strength = value;
}

void SceneBuilder::Threshold(double value) {
    if (auto* blob = As<CPovBlob>(Target(), kKindBlob))
        blob->Threshold = value;
}

void SceneBuilder::Smooth() {
    if (auto* field = As<CPovHeightField>(Target(), kKindHeightField))
        field->Smooth = 1;
}

void SceneBuilder::WaterLevel(double value) {
    CPovObject* t = Target();
    if (t && t->GetType() == kKindHeightField && t->Steps.size() > kStepExtra)
        t->Steps[kStepExtra].Y = value;
}

// ---------------------------------------------------------------------------------------------
// modifiers

Vector* SceneBuilder::ModifierStep(int step) {
    CPovObject* t = Target();
    if (!t)
        return nullptr;
    switch (CurrentBlock()) {
        case Block::TextureReference:
            frames_.back().filled = true;
            return &t->TextureSteps[static_cast<size_t>(step)];
        case Block::Object:
        case Block::InlineTexture:
        case Block::Member:
            break;
        default:
            // the steps of a pattern inside a texture have no place in the model
            return nullptr;
    }
    // the fog's first step is its up vector
    if (t->GetType() == kKindFog && step == kStepTranslate)
        return nullptr;
    if (static_cast<size_t>(step) >= t->Steps.size())
        return nullptr;
    return &t->Steps[static_cast<size_t>(step)];
}

void SceneBuilder::Scale() {
    if (Vector* v = ModifierStep(kStepScale))
        v->X = vector_[0], v->Y = vector_[1], v->Z = vector_[2];
}

void SceneBuilder::Rotate() {
    if (Vector* v = ModifierStep(kStepRotate))
        v->X = vector_[0], v->Y = vector_[1], v->Z = vector_[2];
}

void SceneBuilder::Translate() {
    if (Vector* v = ModifierStep(kStepTranslate))
        v->X = vector_[0], v->Y = vector_[1], v->Z = vector_[2];
}

void SceneBuilder::QuickColor() {
    const Block block = CurrentBlock();
    if (block != Block::Object && block != Block::Member)
        return;
    if (CPovObject* t = Target()) {
        t->QuickColorR = vector_[0];
        t->QuickColorG = vector_[1];
        t->QuickColorB = vector_[2];
    }
}

void SceneBuilder::Hollow() {
    const Block block = CurrentBlock();
    if (block != Block::Object && block != Block::Member)
        return;
    if (CPovObject* t = Target())
        t->Hollow = 1;
}

namespace {

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
    Push(Block::TextureReference, t);
    if (!t)
        return;
    t->TextureName = name;
    t->UseOwnTexture = 1;
    // Step lines inside the block turn this on (CloseBlock); a predefined texture always
    // has them written.
    t->WriteTextureSteps = FindTextureIndex(name) < kUserTextureIndex ? 1 : 0;
}

void SceneBuilder::OpenInlineTexture() {
    const Block block = CurrentBlock();
    CPovObject* t = block == Block::Object || block == Block::Member ? Target() : nullptr;
    if (!t || !TakesTexture(t)) {
        Push(Block::InlineTexture, nullptr);
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
    if (CurrentBlock() != Block::Object)
        return;
    CPovObject* t = Target();
    if (auto* fog = As<CPovFog>(t, kKindFog)) {
        fog->FogColor = color_;
        fog->FogFilter = colorFilter_;
        fog->FogTransmit = colorTransmit_;
    } else if (auto* background = As<CPovBackground>(t, kKindBackground)) {
        background->BackgroundColor = color_;
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
    if (CurrentBlock() != Block::Object)
        return;
    if (auto* fog = As<CPovFog>(Target(), kKindFog))
        fog->FogFilter = value;
}

// ---------------------------------------------------------------------------------------------
// pigments and textures

void SceneBuilder::OpenPigment() {
    const Block block = CurrentBlock();
    CPovObject* t = block == Block::Object || block == Block::InlineTexture ? Target() : nullptr;
    if (auto* texture = As<CPovTexture>(t, kKindTexture))
        texture->HasPigment = 1;
    else if (t && t->GetType() != kKindSkySphere && t->GetType() != kKindPigment)
        t = nullptr;
    Push(Block::Pigment, t);
}

void SceneBuilder::OpenNormal() {
    const Block block = CurrentBlock();
    CPovObject* t = block == Block::Object || block == Block::InlineTexture ? Target() : nullptr;
    auto* texture = As<CPovTexture>(t, kKindTexture);
    if (texture)
        texture->HasNormal = 1;
    Push(Block::Normal, texture);
}

void SceneBuilder::OpenColorMap() {
    if (CPovPigmentOwner* owner = PigmentTarget()) {
        owner->PigmentKind = kPigmentColorMap;
        Push(Block::ColorMap, owner);
        return;
    }
    CPovObject* t = CurrentBlock() == Block::Object ? As<CPovHalo>(Target(), kKindHalo) : nullptr;
    Push(Block::ColorMap, t);
}

void SceneBuilder::OpenPigmentMap() {
    CPovPigmentOwner* owner = PigmentTarget();
    if (owner)
        owner->PigmentKind = kPigmentPigmentMap;
    Push(Block::PigmentMap, owner);
}

void SceneBuilder::OpenImageMap() {
    CPovPigmentOwner* owner = PigmentTarget();
    if (owner)
        owner->PigmentKind = kPigmentImageMap;
    Push(Block::ImageMap, owner);
}

void SceneBuilder::OpenBumpMap() {
    CPovTexture* texture = nullptr;
    if (CurrentBlock() == Block::Normal) {
        texture = As<CPovTexture>(Target(), kKindTexture);
        if (texture) {
            texture->NormalKind = kNormalBumpMap;
            frames_.back().filled = true;
        }
    }
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
        if (auto* owner = dynamic_cast<CPovPigmentOwner*>(t))
            if (!owner->AddMapPigment(entry_.name, entry_.position))
                Warn("Pigment map entry dropped: a pigment map holds at most 3 pigments");
    }
}

void SceneBuilder::Pattern(std::string_view name) {
    numberSink_ = NumberSink::None;
    numberIndex_ = 0;
    if (CurrentBlock() == Block::Normal) {
        if (auto* texture = As<CPovTexture>(Target(), kKindTexture)) {
            texture->NormalKind = kNormalPattern;
            if (name.size() > decltype(texture->NormalName)::kMaxLength)
                Warn(orv::Format("Normal pattern name cut to 19 characters: %s", name));
            texture->NormalName = name;
            frames_.back().filled = true;
            numberSink_ = NumberSink::Normal;
        }
        return;
    }
    CPovPigmentOwner* owner = PigmentTarget();
    if (!owner)
        return;
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
    if (CurrentBlock() != Block::Normal)
        return;
    if (auto* texture = As<CPovTexture>(Target(), kKindTexture))
        texture->NormalValues[static_cast<size_t>(1 + index)] = value;
}

void SceneBuilder::MapType(int type) {
    if (CurrentBlock() != Block::ImageMap)
        return;
    if (auto* owner = dynamic_cast<CPovPigmentOwner*>(Target()))
        owner->MapType = type;
}

void SceneBuilder::Turbulence() {
    if (CPovPigmentOwner* owner = PigmentTarget()) {
        owner->TurbulenceOn = 1;
        owner->Turbulence = {vector_[0], vector_[1], vector_[2]};
        return;
    }
    if (CurrentBlock() != Block::Object)
        return;
    CPovObject* t = Target();
    if (auto* fog = As<CPovFog>(t, kKindFog)) {
        fog->FogTurbulenceOn = 1;
        fog->FogTurbulence = {vector_[0], vector_[1], vector_[2]};
    } else if (auto* halo = As<CPovHalo>(t, kKindHalo)) {
        halo->HaloTurbulenceOn = 1;
        halo->HaloTurbulence = LastVector();
    }
}

void SceneBuilder::Octaves(double value) {
    if (CPovPigmentOwner* owner = PigmentTarget()) {
        owner->Octaves = ToInt(value);
        return;
    }
    if (CurrentBlock() != Block::Object)
        return;
    CPovObject* t = Target();
    if (auto* fog = As<CPovFog>(t, kKindFog))
        fog->FogOctaves = value;
    else if (auto* halo = As<CPovHalo>(t, kKindHalo))
        halo->HaloOctaves = value;
}

void SceneBuilder::Omega(double value) {
    if (CPovPigmentOwner* owner = PigmentTarget()) {
        owner->Omega = value;
        return;
    }
    if (CurrentBlock() != Block::Object)
        return;
    CPovObject* t = Target();
    if (auto* fog = As<CPovFog>(t, kKindFog))
        fog->FogOmega = value;
    else if (auto* halo = As<CPovHalo>(t, kKindHalo))
        halo->HaloOmega = value;
}

void SceneBuilder::Lambda(double value) {
    if (CPovPigmentOwner* owner = PigmentTarget()) {
        owner->Lambda = value;
        return;
    }
    if (CurrentBlock() != Block::Object)
        return;
    CPovObject* t = Target();
    if (auto* fog = As<CPovFog>(t, kKindFog))
        fog->FogLambda = value;
    else if (auto* halo = As<CPovHalo>(t, kKindHalo))
        halo->HaloLambda = value;
}

namespace {

// the texture whose finish, normal or halos the current block describes
CPovTexture* TextureOf(CPovObject* target) {
    return As<CPovTexture>(target, kKindTexture);
}

}  // namespace

void SceneBuilder::Ambient() {
    if (CPovTexture* texture = TextureOf(Target()); texture && colorValid_) {
        texture->HasAmbient = 1;
        texture->AmbientColor = color_;
    }
}

void SceneBuilder::AmbientLevel(double value) {
    if (CPovTexture* texture = TextureOf(Target())) {
        texture->HasAmbient = 1;
        texture->AmbientColor = PackColor(value, value, value);
    }
}

void SceneBuilder::Phong(double value) {
    if (CPovTexture* texture = TextureOf(Target())) {
        texture->HasPhong = 1;
        texture->Phong = value;
    }
}

void SceneBuilder::PhongSize(double value) {
    if (CPovTexture* texture = TextureOf(Target()))
        texture->PhongSize = value;
}

void SceneBuilder::Refraction() {
    if (CPovTexture* texture = TextureOf(Target()))
        texture->HasRefraction = 1;
}

void SceneBuilder::Ior(double value) {
    if (CPovTexture* texture = TextureOf(Target()))
        texture->Ior = value;
}

void SceneBuilder::Metallic() {
    numberSink_ = NumberSink::None;
    if (CPovTexture* texture = TextureOf(Target()))
        texture->Metallic = 1;
}

void SceneBuilder::Diffuse(double value) {
    if (CPovTexture* texture = TextureOf(Target()))
        texture->Diffuse = value;
}

void SceneBuilder::Brilliance(double value) {
    if (CPovTexture* texture = TextureOf(Target()))
        texture->Brilliance = value;
}

void SceneBuilder::Crand(double value) {
    if (CPovTexture* texture = TextureOf(Target()))
        texture->Crand = value;
}

void SceneBuilder::Reflection(double value) {
    if (CPovTexture* texture = TextureOf(Target()))
        texture->Reflection = value;
}

void SceneBuilder::HaloReference(std::string_view name) {
    const Block block = CurrentBlock();
    if (block != Block::Object && block != Block::InlineTexture)
        return;
    if (CPovTexture* texture = TextureOf(Target()))
        if (!texture->AddHaloName(name))
            Warn("Halo reference dropped: a texture holds at most 6 halos");
}

// ---------------------------------------------------------------------------------------------
// camera and lights

void SceneBuilder::Location() {
    if (CurrentBlock() != Block::Object)
        return;
    if (CPovObject* camera = As<CPovCamera>(Target(), kKindCamera)) {
        Vector& v = camera->Translation();
        v.X = vector_[0], v.Y = vector_[1], v.Z = vector_[2];
    }
}

void SceneBuilder::LookAt() {
    if (CurrentBlock() != Block::Object)
        return;
    CPovObject* camera = As<CPovCamera>(Target(), kKindCamera);
    if (camera && camera->FirstChild) {
        Vector& v = camera->FirstChild->Translation();
        v.X = vector_[0], v.Y = vector_[1], v.Z = vector_[2];
    }
}

void SceneBuilder::PointAt() {
    if (light_.active) {
        light_.hasPointAt = true;
        light_.pointAt = LastVector();
    }
}

void SceneBuilder::Radius(double value) {
    if (light_.active) {
        light_.hasRadius = true;
        light_.radius = value;
    }
}

void SceneBuilder::Falloff(double value) {
    if (light_.active) {
        light_.hasFalloff = true;
        light_.falloff = value;
    }
}

void SceneBuilder::Tightness(double value) {
    if (light_.active) {
        light_.hasTightness = true;
        light_.tightness = value;
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
    if (CurrentBlock() != Block::Object)
        return;
    if (CPovFog* fog = FogOf(Target())) {
        Vector& v = fog->Steps[kStepTranslate];
        v.X = vector_[0], v.Y = vector_[1], v.Z = vector_[2];
    }
}

void SceneBuilder::Distance(double value) {
    if (CPovFog* fog = FogOf(Target()))
        fog->Distance = value;
}

void SceneBuilder::FogOffset(double value) {
    if (CPovFog* fog = FogOf(Target()))
        fog->FogOffset = value;
}

void SceneBuilder::FogAlt(double value) {
    if (CPovFog* fog = FogOf(Target()))
        fog->FogAlt = value;
}

// ---------------------------------------------------------------------------------------------
// halo

namespace {

CPovHalo* HaloOf(CPovObject* target) {
    return As<CPovHalo>(target, kKindHalo);
}

}  // namespace

void SceneBuilder::HaloType(std::string_view name) {
    if (CPovHalo* halo = HaloOf(Target()))
        halo->HaloType = name;
}

void SceneBuilder::DensityFunction(std::string_view name) {
    if (CPovHalo* halo = HaloOf(Target()))
        halo->DensityFunction = name;
}

void SceneBuilder::Mapping(std::string_view name) {
    if (CPovHalo* halo = HaloOf(Target()))
        halo->Mapping = name;
}

void SceneBuilder::DustType(std::string_view name) {
    if (CPovHalo* halo = HaloOf(Target()))
        halo->DustType = name;
}

void SceneBuilder::Eccentricity(double value) {
    if (CPovHalo* halo = HaloOf(Target()))
        halo->Eccentricity = value;
}

void SceneBuilder::MaxValue(double value) {
    if (CPovHalo* halo = HaloOf(Target()))
        halo->MaxValue = value;
}

void SceneBuilder::Exponent(double value) {
    if (CPovHalo* halo = HaloOf(Target()))
        halo->Exponent = value;
}

void SceneBuilder::Samples(double value) {
    if (CPovHalo* halo = HaloOf(Target()))
        halo->Samples = value;
}

void SceneBuilder::AaLevel(double value) {
    if (CPovHalo* halo = HaloOf(Target())) {
        halo->AntiAliasOn = 1;
        halo->AaLevel = value;
    }
}

void SceneBuilder::AaThreshold(double value) {
    if (CPovHalo* halo = HaloOf(Target())) {
        halo->AntiAliasOn = 1;
        halo->AaThreshold = value;
    }
}

void SceneBuilder::Jitter(double value) {
    if (CPovHalo* halo = HaloOf(Target())) {
        halo->JitterOn = 1;
        halo->Jitter = value;
    }
}
