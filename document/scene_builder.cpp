// The builder's statements: objects under construction, groups and their members, references,
// nested blocks, the header markers and the problem list.
#include "document/scene_builder.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>

#include "document/orvanta_doc.h"
#include "document/scene_scanner_state.h"
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
#include "model/shapes/pov_smooth_triangle.h"
#include "model/shapes/pov_triangle.h"
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
#include "model/text_format.h"
#include "resources/string_table.h"

namespace {

std::unique_ptr<CPovObject> Make(SceneObjectKind kind) {
    using K = SceneObjectKind;
    switch (kind) {
        case K::Box:
            return std::make_unique<CPovCubic>();
        case K::Sphere:
            return std::make_unique<CPovSphere>();
        case K::Cone:
            return std::make_unique<CPovCone>();
        case K::Cylinder:
            return std::make_unique<CPovCylinder>();
        case K::Torus:
            return std::make_unique<CPovTorus>();
        case K::Plane:
            return std::make_unique<CPovPlane>();
        case K::HeightField:
            return std::make_unique<CPovHeightField>();
        case K::Lathe:
            return std::make_unique<CPovLathe>();
        case K::Polygon:
            return std::make_unique<CPovPolygon>();
        case K::Text:
            return std::make_unique<CPovTTF>();
        case K::Triangle:
            return std::make_unique<CPovTriangle>();
        case K::SmoothTriangle:
            return std::make_unique<CPovSmoothTriangle>();
        case K::Blob:
            return std::make_unique<CPovBlob>();
        case K::Camera:
            return std::make_unique<CPovCamera>();
        case K::Background:
            return std::make_unique<CPovBackground>();
        case K::SkySphere:
            return std::make_unique<CPovSkySphere>();
        case K::Texture:
            return std::make_unique<CPovTexture>();
        case K::Pigment:
            return std::make_unique<CPovPigment>();
        case K::Halo:
            return std::make_unique<CPovHalo>();
    }
    return nullptr;
}

// A triangle of a group is kept only if its corners are pairwise at least 0.0001 apart.
bool IsDegenerate(const CPovPolygon& t) {
    const Vector a = t.TriangleCorner(0);
    const Vector b = t.TriangleCorner(1);
    const Vector c = t.TriangleCorner(2);
    auto apart = [](const Vector& p, const Vector& q) {
        const double dx = p.X - q.X, dy = p.Y - q.Y, dz = p.Z - q.Z;
        return std::sqrt(dx * dx + dy * dy + dz * dz) >= 0.0001;
    };
    return !(apart(a, b) && apart(b, c) && apart(a, c));
}

}  // namespace

SceneBuilder::SceneBuilder(COrvantaDoc& doc, ReadProblems& problems, SceneScannerState* scanner,
                           const SceneProgress* progress)
    : doc_(doc), problems_(problems), scanner_(scanner), progress_(progress) {
    previousNames_ = doc_.TopLevelNames;
    doc_.TopLevelNames = this;
}

SceneBuilder::~SceneBuilder() {
    Finish();
    doc_.TopLevelNames = previousNames_;
}

int SceneBuilder::Line() const {
    return scanner_ ? scanner_->Line() : 0;
}

void SceneBuilder::Warn(std::string message) {
    problems_.push_back({Line(), std::move(message)});
}

void SceneBuilder::Progress(const char* format, long count, const std::string& name) {
    if (!progress_ || !*progress_)
        return;
    if (count > 0)
        (*progress_)(orv::Format(format, count, name));
    else
        (*progress_)(orv::Format(format, name));
}

// ---------------------------------------------------------------------------------------------
// problems

void SceneBuilder::SyntaxError(std::size_t offset, const char* message) {
    const int line = scanner_ ? scanner_->LineAt(offset) : 0;
    std::string text = message ? message : "";
    if (text == "syntax error")
        text = "Syntax error";
    else if (text == "memory exhausted")
        text = "Parser stack overflow";
    problems_.push_back({line, std::move(text)});
}

void SceneBuilder::Recover() {
    Discard();
    ResetStatement();
}

void SceneBuilder::Finish() {
    Discard();
    ResetStatement();
    // parts of predefined objects that no object took: their geometry as top-level objects
    for (CPovObject* object : deferred_)
        if (!object->Parent)
            object->UpdateGeometry();
    deferred_.clear();
}

void SceneBuilder::Discard() {
    if (!object_)
        return;
    CPovObject* object = object_;
    // a member that was not read completely goes with the statement
    for (const Frame& f : frames_)
        if (f.block == Block::Member && f.target && f.target != object) {
            if (lastMember_ == f.target)
                lastMember_ = nullptr;
            delete f.target;
        }
    frames_.clear();
    if (object->GetType() == kKindCSG || object->GetType() == kKindUserObject) {
        // the referenced objects and triangles read so far go back into the scene
        while (CPovObject* member = object->FirstChild) {
            UnlinkFrom(object->FirstChild, member);
            member->Parent = nullptr;
            LinkAtHead(doc_.Objects, member);
            if (indexBuilt_)
                IndexName(member);
        }
    }
    if (list_)
        UnlinkFrom(*list_, object);
    if (doc_.Camera == object)
        doc_.Camera = previousSpecial_;
    if (doc_.Background == object)
        doc_.Background = previousSpecial_;
    if (doc_.SkySphere == object)
        doc_.SkySphere = previousSpecial_;
    if (doc_.CurrentObject == object)
        doc_.CurrentObject = nullptr;
    object_ = nullptr;
    delete object;
}

void SceneBuilder::ResetStatement() {
    object_ = nullptr;
    list_ = nullptr;
    insideDeclaration_ = false;
    declaredName_.clear();
    frames_.clear();
    lastMember_ = nullptr;
    memberName_.clear();
    triangle_ = nullptr;
    corners_ = 0;
    light_ = PendingLight();
    skyPigments_ = 0;
    implicitTextures_.clear();
    previousSpecial_ = nullptr;
    numberSink_ = NumberSink::None;
    lastColorIndex_ = -1;
}

// ---------------------------------------------------------------------------------------------
// header markers

void SceneBuilder::Author(std::string_view text) {
    doc_.Author() = text;
}

void SceneBuilder::Company(std::string_view text) {
    doc_.Company() = text;
}

void SceneBuilder::CommentLine(std::string_view text, bool breakAfter) {
    std::string& comment = doc_.Comment();
    if (!commentStarted_ && comment.empty()) {
        comment = text;
    } else {
        comment += "\r\n";
        comment += text;
    }
    commentStarted_ = true;
    if (breakAfter)
        comment += "\r\n";
}

void SceneBuilder::ShowInfos() {
    doc_.ShowInfos() = true;
}

void SceneBuilder::PovLevel(int level) {
    doc_.Pov3() = ClampPovLevel(level);
}

void SceneBuilder::UnterminatedPov37Text() {
    Warn("\"//$pov37 begin$\" without \"//$pov37 end$\": the rest of the file was not read");
}

void SceneBuilder::PredefinedMarker() {
    ++predefinedPending_;
}

void SceneBuilder::Guard(bool begin) {
    if (begin && guardDepth_ == 0)
        guardCursor_ = deferred_.size();
    if (begin)
        ++guardDepth_;
    else if (guardDepth_ > 0)
        --guardDepth_;
}

void SceneBuilder::Zoom(SceneAxis axis, double value) {
    // truncated toward zero; values beyond the integer range are held at its ends
    const int zoom = static_cast<int>(std::clamp(value, double(INT_MIN), double(INT_MAX)));
    switch (axis) {
        case SceneAxis::Front:
            doc_.ZoomFront = zoom;
            break;
        case SceneAxis::Right:
            doc_.ZoomRight = zoom;
            break;
        case SceneAxis::Top:
            doc_.ZoomTop = zoom;
            break;
    }
}

void SceneBuilder::Grid(SceneAxis axis, double value) {
    switch (axis) {
        case SceneAxis::Front:
            doc_.GridFront = value;
            break;
        case SceneAxis::Right:
            doc_.GridRight = value;
            break;
        case SceneAxis::Top:
            doc_.GridTop = value;
            break;
    }
}

void SceneBuilder::Include(std::string_view file) {
    doc_.UserIncludes().emplace_back(file);
}

// ---------------------------------------------------------------------------------------------
// statements

void SceneBuilder::BeginDeclaration(std::string_view name) {
    declaredName_ = name;
}

void SceneBuilder::Start(CPovObject* object, CPovObject** list) {
    LinkAtHead(*list, object);
    object->SetDocument(&doc_);
    object_ = object;
    list_ = list;
    insideDeclaration_ = object->GetType() != kKindBlob;
    frames_.assign(1, Frame{Block::Object, object, false});
    lastMember_ = nullptr;
}

void SceneBuilder::BeginObject(SceneObjectKind kind) {
    using K = SceneObjectKind;
    if (object_)
        Discard();
    std::unique_ptr<CPovObject> made = Make(kind);
    CPovObject* object = made.get();
    CPovObject** list = &doc_.Objects;
    switch (kind) {
        case K::Texture: {
            auto* texture = static_cast<CPovTexture*>(object);
            texture->HasPigment = 0;
            texture->ColorCount = 0;
            list = &doc_.Textures;
            break;
        }
        case K::Pigment: {
            auto* pigment = static_cast<CPovPigment*>(object);
            pigment->HasPigment = 1;
            pigment->ColorCount = 0;
            list = &doc_.Pigments;
            break;
        }
        case K::Halo:
            list = &doc_.Halos;
            break;
        case K::Camera:
            previousSpecial_ = doc_.Camera;
            doc_.Camera = object;
            doc_.CameraChanged = 1;
            break;
        case K::Background:
            previousSpecial_ = doc_.Background;
            doc_.Background = object;
            break;
        case K::SkySphere:
            previousSpecial_ = doc_.SkySphere;
            doc_.SkySphere = object;
            break;
        case K::Lathe:
            static_cast<CPovLathe*>(object)->SetPointCount(0);
            break;
        case K::Polygon:
            static_cast<CPovPolygon*>(object)->SetPointCount(0);
            break;
        default:
            break;
    }
    Start(made.release(), list);
    if (kind == K::Triangle || kind == K::SmoothTriangle) {
        triangle_ = object;
        corners_ = 0;
    }
}

void SceneBuilder::BeginGroup(std::string_view operation) {
    if (object_)
        Discard();
    std::unique_ptr<CPovCSG> group;
    if (predefinedPending_ > 0) {
        --predefinedPending_;
        group = std::make_unique<CPovUserObject>();
    } else {
        group = std::make_unique<CPovCSG>();
    }
    group->Operation = operation;
    Start(group.release(), &doc_.Objects);
}

void SceneBuilder::BeginFog(std::string_view type) {
    if (object_)
        Discard();
    auto fog = std::make_unique<CPovFog>();
    const std::string name(type);
    fog->FogType = CPovFog::IsKnownFogType(name) ? name : "Uniform_Fog";
    Start(fog.release(), &doc_.Objects);
}

void SceneBuilder::BeginFogNumber(double type) {
    // POV-Ray's fog types: 1 uniform, 2 ground
    BeginFog(type == 2.0 ? "Ground_Fog" : "Uniform_Fog");
}

void SceneBuilder::BeginLight() {
    if (object_)
        Discard();
    light_ = PendingLight();
    light_.active = true;
    insideDeclaration_ = true;
    // parameters wait in light_ until the kind is known
    frames_.assign(1, Frame{Block::Object, nullptr, false});
}

void SceneBuilder::LightPosition() {
    light_.position = LastVector();
}

void SceneBuilder::LightKind(SceneLightKind kind) {
    light_.kind = kind;
}

void SceneBuilder::StoreLight() {
    std::unique_ptr<CPovObject> made;
    switch (light_.kind) {
        case SceneLightKind::Point: {
            auto light = std::make_unique<CPovLight>();
            if (light_.hasColor)
                light->LightColor = light_.color;
            made = std::move(light);
            break;
        }
        case SceneLightKind::Spot: {
            auto light = std::make_unique<CPovLightSourceSpot>();
            if (light_.hasColor)
                light->LightColor = light_.color;
            if (light_.hasRadius)
                light->Radius = light_.radius;
            if (light_.hasFalloff)
                light->Falloff = light_.falloff;
            if (light_.hasTightness)
                light->Tightness = light_.tightness;
            made = std::move(light);
            break;
        }
        case SceneLightKind::Cylinder: {
            auto light = std::make_unique<CPovLightSourceCylinder>();
            if (light_.hasColor)
                light->LightColor = light_.color;
            if (light_.hasRadius)
                light->Radius = light_.radius;
            if (light_.hasFalloff)
                light->Falloff = light_.falloff;
            if (light_.hasTightness)
                light->Tightness = light_.tightness;
            made = std::move(light);
            break;
        }
    }
    CPovObject* light = made.get();
    light->Translation().X = light_.position.X;
    light->Translation().Y = light_.position.Y;
    light->Translation().Z = light_.position.Z;
    if (light_.hasPointAt && light->FirstChild) {
        Vector& target = light->FirstChild->Translation();
        target.X = light_.pointAt.X;
        target.Y = light_.pointAt.Y;
        target.Z = light_.pointAt.Z;
    }
    light_.active = false;
    Start(made.release(), &doc_.Objects);
}

void SceneBuilder::EndObject() {
    if (light_.active)
        StoreLight();
    if (!object_) {
        ResetStatement();
        return;
    }
    CPovObject* object = object_;
    if (!declaredName_.empty())
        object->Name = declaredName_;
    // A part of a predefined object gets its geometry with the object that takes it; the
    // result is the same, and a mesh of many triangles is not placed twice.
    if (guardDepth_ > 0 && list_ == &doc_.Objects)
        deferred_.push_back(object);
    else
        object->UpdateGeometry();
    if (list_ == &doc_.Objects && indexBuilt_)
        IndexName(object);
    doc_.CurrentObject = object;
    ++objectCount_;
    if (progress_ && *progress_)
        Progress(LoadString(IDS_STATUS_LOADING_OBJECT).c_str(), objectCount_, object->GetName());
    ResetStatement();
}

void SceneBuilder::EndStatement() {
    if (object_ && object_->GetType() == kKindCamera) {
        object_->UpdateGeometry();
        if (object_->FirstChild)
            object_->FirstChild->UpdateGeometry();
    }
    ResetStatement();
}

void SceneBuilder::BeginInstance() {
    Push(Block::Instance, nullptr);
}

void SceneBuilder::CloseBlock() {
    // the object's own frame ends with its statement, not here
    if (frames_.empty() || frames_.back().block == Block::Object)
        return;
    const Frame frame = frames_.back();
    frames_.pop_back();
    numberSink_ = NumberSink::None;
    lastColorIndex_ = -1;
    if (!frame.target)
        return;
    if (frame.block == Block::TextureReference && frame.filled)
        frame.target->WriteTextureSteps = 1;
    if (frame.block == Block::Normal && !frame.filled && frame.target->GetType() == kKindTexture) {
        // a normal block without a pattern: the slope map, which writes an empty block
        static_cast<CPovTexture*>(frame.target)->NormalKind = kNormalSlopeMap;
    }
}

// ---------------------------------------------------------------------------------------------
// groups

namespace {

uint32_t NameHash(std::string_view name) {
    // FNV-1a
    uint32_t h = 2166136261u;
    for (unsigned char c : name)
        h = (h ^ c) * 16777619u;
    return h;
}

}  // namespace

SceneBuilder::NameSlot* SceneBuilder::FindSlot(std::string_view name, uint32_t hash) {
    if (names_.empty())
        return nullptr;
    const size_t mask = names_.size() - 1;
    for (size_t i = hash & mask; names_[i].key.data(); i = (i + 1) & mask)
        if (names_[i].hash == hash && names_[i].key == name)
            return &names_[i];
    return nullptr;
}

void SceneBuilder::IndexName(CPovObject* object) {
    const std::string_view name = object->Name;
    const uint32_t hash = NameHash(name);
    if (NameSlot* slot = FindSlot(name, hash)) {
        if (slot->stack < 0) {
            slot->stack = static_cast<int>(stacks_.size());
            stacks_.push_back({slot->single});
        }
        stacks_[static_cast<size_t>(slot->stack)].push_back(object);
        return;
    }
    if ((namesUsed_ + 1) * 2 > names_.size()) {
        std::vector<NameSlot> old(std::max<size_t>(64, names_.size() * 2));
        old.swap(names_);
        const size_t mask = names_.size() - 1;
        for (const NameSlot& slot : old) {
            if (!slot.key.data())
                continue;
            size_t i = slot.hash & mask;
            while (names_[i].key.data())
                i = (i + 1) & mask;
            names_[i] = slot;
        }
    }
    const size_t mask = names_.size() - 1;
    size_t i = hash & mask;
    while (names_[i].key.data())
        i = (i + 1) & mask;
    // a std::string's data is never null, so an empty name still marks the slot as used
    names_[i] = NameSlot{name, hash, object, -1};
    ++namesUsed_;
}

void SceneBuilder::BuildIndex() {
    // the first object in list order must win, so the list is indexed from its end
    std::vector<CPovObject*> list;
    for (CPovObject* o = doc_.Objects; o; o = o->NextSibling)
        if (o != object_)
            list.push_back(o);
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        IndexName(*it);
    indexBuilt_ = true;
}

CPovObject* SceneBuilder::FindTopLevel(std::string_view name) {
    if (!indexBuilt_)
        BuildIndex();
    NameSlot* slot = FindSlot(name, NameHash(name));
    if (!slot)
        return nullptr;
    // objects moved into a group or deleted no longer answer to their name
    auto answers = [](const CPovObject* o) { return !o->Parent && o->IsPresent(); };
    if (slot->stack < 0)
        return answers(slot->single) ? slot->single : nullptr;
    std::vector<CPovObject*>& stack = stacks_[static_cast<size_t>(slot->stack)];
    while (!stack.empty() && !answers(stack.back()))
        stack.pop_back();
    return stack.empty() ? nullptr : stack.back();
}

bool SceneBuilder::IsTaken(std::string_view name) {
    constexpr int kChecksBeforeIndex = 16;
    if (!indexBuilt_ && checksWithoutIndex_ < kChecksBeforeIndex) {
        ++checksWithoutIndex_;
        return HasPresentNamed(doc_.Objects, name);
    }
    return FindTopLevel(name) != nullptr;
}

CPovObject* SceneBuilder::NextGuardedPart(std::string_view name) {
    // parts taken by a group inside the guard (or deleted) are passed over
    while (guardCursor_ < deferred_.size() &&
           (deferred_[guardCursor_]->Parent || !deferred_[guardCursor_]->IsPresent()))
        ++guardCursor_;
    if (guardCursor_ < deferred_.size() && deferred_[guardCursor_]->Name == name)
        return deferred_[guardCursor_++];
    return nullptr;
}

void SceneBuilder::AppendMember(CPovObject* group, CPovObject* member) {
    InsertChildAfter(group, lastMember_, member);
    lastMember_ = member;
}

void SceneBuilder::Reference(std::string_view name) {
    Push(Block::Instance, nullptr);
    if (!insideDeclaration_ || !object_)
        return;
    const int type = object_->GetType();
    if (type != kKindCSG && type != kKindUserObject)
        return;
    CPovObject* found = type == kKindUserObject ? NextGuardedPart(name) : nullptr;
    if (!found)
        found = FindTopLevel(name);
    if (!found || found == object_)
        return;
    if (progress_ && *progress_)
        Progress(LoadString(IDS_STATUS_MOVING_OBJECT).c_str(), 0, found->Name);
    UnlinkFrom(doc_.Objects, found);
    AppendMember(object_, found);
}

void SceneBuilder::MemberName(std::string_view name) {
    memberName_ = name;
}

void SceneBuilder::BeginMember(SceneObjectKind kind) {
    using K = SceneObjectKind;
    CPovObject* group = object_;
    const bool triangle = kind == K::Triangle || kind == K::SmoothTriangle;
    const bool fits =
        group && (triangle ? (group->GetType() == kKindCSG || group->GetType() == kKindUserObject)
                           : group->GetType() == kKindBlob);
    if (!fits) {
        memberName_.clear();
        Push(Block::Member, nullptr);
        return;
    }
    std::unique_ptr<CPovObject> made = Make(kind);
    CPovObject* member = made.release();
    if (triangle) {
        // the triangles of an imported mesh: newest first
        PrependChild(group, member);
        if (!lastMember_)
            lastMember_ = member;
        member->SetDocument(&doc_);
        triangle_ = member;
        corners_ = 0;
        ++objectCount_;
        if (progress_ && *progress_)
            Progress(LoadString(IDS_STATUS_LOADING_OBJECT).c_str(), objectCount_,
                     member->GetName());
    } else {
        AppendMember(group, member);
        member->SetDocument(&doc_);
        if (!memberName_.empty())
            member->Name = memberName_;
    }
    memberName_.clear();
    Push(Block::Member, member);
}

void SceneBuilder::EndMember() {
    while (frames_.size() > 1 && frames_.back().block != Block::Member)
        frames_.pop_back();
    if (frames_.size() <= 1)
        return;
    CPovObject* member = frames_.back().target;
    frames_.pop_back();
    if (member && member->GetType() != kKindTriangle) {
        ++objectCount_;
        if (progress_ && *progress_)
            Progress(LoadString(IDS_STATUS_LOADING_OBJECT).c_str(), objectCount_,
                     member->GetName());
    }
    triangle_ = nullptr;
    corners_ = 0;
    numberSink_ = NumberSink::None;
    lastColorIndex_ = -1;
}

void SceneBuilder::TriangleCorner() {
    if (!triangle_ || corners_ >= 3)
        return;
    auto* triangle = static_cast<CPovPolygon*>(triangle_);
    triangle->SetTriangleCorner(corners_, LastVector());
    ++corners_;
    if (corners_ < 3 || !triangle->Parent || !IsDegenerate(*triangle))
        return;
    // a degenerate triangle of a group vanishes; what follows in its block goes nowhere
    if (lastMember_ == triangle)
        lastMember_ = nullptr;
    for (Frame& f : frames_)
        if (f.target == triangle)
            f.target = nullptr;
    triangle_ = nullptr;
    implicitTextures_.erase(triangle);
    delete triangle;  // unlinks itself from the group
}

void SceneBuilder::TriangleNormal() {
    if (!triangle_ || corners_ < 1)
        return;
    static_cast<CPovPolygon*>(triangle_)->SetTriangleNormal(corners_ - 1, LastVector());
}
