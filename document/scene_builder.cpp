// The builder's statements: objects under construction, groups and their members, references,
// nested blocks, the header markers and the problem list.
#include "document/scene_builder.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <optional>

#include "document/orvanta_doc.h"
#include "document/scene_scanner_state.h"
#include "document/tree_placement.h"
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
    // The read places each finished tree once at its end (Finish). A mesh's triangles still
    // build their small outline when made: a mesh is one tree, placed in one step of the
    // window, which should not also allocate a hundred thousand outlines.
    std::optional<GeometryDeferral> deferral;
    if (kind != K::Triangle && kind != K::SmoothTriangle)
        deferral.emplace();
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

// The keyword of a statement, for messages.
const char* KeywordOf(SceneObjectKind kind) {
    using K = SceneObjectKind;
    switch (kind) {
        case K::Box:
            return "box";
        case K::Sphere:
            return "sphere";
        case K::Cone:
            return "cone";
        case K::Cylinder:
            return "cylinder";
        case K::Torus:
            return "torus";
        case K::Plane:
            return "plane";
        case K::HeightField:
            return "height_field";
        case K::Lathe:
            return "lathe";
        case K::Polygon:
            return "polygon";
        case K::Text:
            return "text";
        case K::Triangle:
            return "triangle";
        case K::SmoothTriangle:
            return "smooth_triangle";
        case K::Blob:
            return "blob";
        case K::Camera:
            return "camera";
        case K::Background:
            return "background";
        case K::SkySphere:
            return "sky_sphere";
        case K::Texture:
            return "texture";
        case K::Pigment:
            return "pigment";
        case K::Halo:
            return "halo";
    }
    return "statement";
}

// the include files the writer writes itself, at one language level or the other
bool IsStandardInclude(std::string_view file) {
    static const char* const kStandard[] = {
        "colors.inc", "textures.inc", "shapes.inc", "stones.inc", "stoneold.inc", "consts.inc",
        "glass.inc",  "golds.inc",    "metals.inc", "woods.inc",  "skies.inc"};
    for (const char* standard : kStandard)
        if (file == standard)
            return true;
    return false;
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
                           const SceneProgress* progress, const TreePlacement& placement)
    : doc_(doc),
      problems_(problems),
      scanner_(scanner),
      progress_(progress),
      placer_(progress && *progress ? TreePlacement{false} : placement) {
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

void SceneBuilder::Push(Block block, CPovObject* target) {
    Frame frame;
    frame.block = block;
    frame.target = target;
    frames_.push_back(std::move(frame));
}

void SceneBuilder::PushDropped(Block block, std::string_view what) {
    Dropped(what);
    Push(block, nullptr);
    frames_.back().reported = true;
}

std::string SceneBuilder::BlockName() const {
    if (frames_.empty())
        return light_.active ? "light_source" : "scene";
    switch (frames_.back().block) {
        case Block::Object:
            if (light_.active)
                return "light_source";
            return object_ && object_->GetType() == kKindCSG
                       ? static_cast<CPovCSG*>(object_)->Operation
                       : KeywordOf(headKind_);
        case Block::Instance:
            return "object";
        case Block::TextureReference:
        case Block::InlineTexture:
            return "texture";
        case Block::Pigment:
            return "pigment";
        case Block::Normal:
            return "normal";
        case Block::Finish:
            return "finish";
        case Block::ColorMap:
            return "color_map";
        case Block::PigmentMap:
            return "pigment_map";
        case Block::ImageMap:
            return "image_map";
        case Block::BumpMap:
            return "bump_map";
        case Block::MapEntry:
            return "map entry";
        case Block::Member:
            return KeywordOf(memberKind_);
    }
    return "block";
}

void SceneBuilder::Dropped(std::string_view what) {
    for (const Frame& f : frames_)
        if (f.reported)
            return;
    // a keyword is quoted, a phrase ("the number 2", "texture { T }") is not
    const bool word = what.find_first_of(" {") == std::string_view::npos;
    std::string text = orv::Format(word ? "Not read: \"%s\"" : "Not read: %s", what);
    if (!frames_.empty() || light_.active) {
        const std::string block = BlockName();
        const bool vowel = std::string_view("aeiou").find(block.front()) != std::string_view::npos;
        orv::AppendFormat(text, vowel ? " in an %s" : " in a %s", block);
    }
    Warn(std::move(text));
}

void SceneBuilder::NotRead(std::string_view what) {
    Dropped(what);
}

void SceneBuilder::Directive(std::string_view text) {
    Warn(
        orv::Format("Not read: the directive \"%s\" (directives are not carried out; the rest "
                    "of its line is passed over and what follows is read as it stands)",
                    text));
}

void SceneBuilder::DeclaredValue() {
    Warn(orv::Format("Not read: the value declared as %s (the modeller keeps no declared values)",
                     declaredName_));
    ResetStatement();
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

void SceneBuilder::SyntaxError(std::size_t offset, std::string message, bool atEnd) {
    const int line = scanner_ ? scanner_->LineAt(offset) : 0;
    if (statementLine_ > 0 && atEnd)
        orv::AppendFormat(message,
                          "; the file ends inside the statement begun on line %d, which is "
                          "not read",
                          statementLine_);
    else if (statementLine_ > 0)
        orv::AppendFormat(message,
                          "; the statement begun on line %d is not read, reading goes on "
                          "after it",
                          statementLine_);
    else if (!atEnd)
        message += "; reading goes on";
    problems_.push_back({line, std::move(message)});
}

void SceneBuilder::NestingTooDeep(std::size_t offset) {
    const int line = scanner_ ? scanner_->LineAt(offset) : 0;
    problems_.push_back({line,
                         "Parser stack overflow: the text nests too deeply; reading stops "
                         "here and the rest of the file is not read"});
}

void SceneBuilder::Recover() {
    Discard();
    ResetStatement();
}

void SceneBuilder::Finish() {
    Discard();
    ResetStatement();
    // Each tree once, from its top: a member placed with its group, and a chain of groups
    // not placed again at every level. A large scene has many trees: now and then the window
    // gets its turn (an empty text is no news for the status bar).
    std::function<void()> breathe;
    if (progress_ && *progress_)
        breathe = [this] { (*progress_)(std::string()); };
    placer_.PlaceAll(breathe);
    guarded_.clear();
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
    statementLine_ = 0;
    list_ = nullptr;
    insideDeclaration_ = false;
    declaredName_.clear();
    head_.clear();
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

void SceneBuilder::PredefinedMarker() {
    ++predefinedPending_;
}

void SceneBuilder::Guard(bool begin) {
    if (begin && guardDepth_ == 0)
        guardCursor_ = guarded_.size();
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

void SceneBuilder::IncludeLine(std::string_view file) {
    if (IsStandardInclude(file))
        return;
    std::vector<std::string>& includes = doc_.UserIncludes();
    if (std::find(includes.begin(), includes.end(), file) == includes.end())
        includes.emplace_back(file);
}

// ---------------------------------------------------------------------------------------------
// statements

void SceneBuilder::BeginDeclaration(std::string_view name) {
    declaredName_ = name;
    statementLine_ = Line();
}

void SceneBuilder::Start(CPovObject* object, CPovObject** list) {
    LinkAtHead(*list, object);
    object->SetDocument(&doc_);
    object_ = object;
    list_ = list;
    insideDeclaration_ = object->GetType() != kKindBlob;
    frames_.clear();
    Push(Block::Object, object);
    lastMember_ = nullptr;
    if (statementLine_ == 0)
        statementLine_ = Line();
}

void SceneBuilder::BeginObject(SceneObjectKind kind) {
    using K = SceneObjectKind;
    if (object_)
        Discard();
    headKind_ = kind;
    head_.clear();
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
    if (statementLine_ == 0)
        statementLine_ = Line();
    // parameters wait in light_ until the kind is known
    frames_.clear();
    Push(Block::Object, nullptr);
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
    // the transformations of a light move its position and the point it aims at
    const Vector position = light_.chain.Apply(light_.position);
    light->Translation().X = position.X;
    light->Translation().Y = position.Y;
    light->Translation().Z = position.Z;
    if (light_.hasPointAt && light->FirstChild) {
        const Vector pointAt = light_.chain.Apply(light_.pointAt);
        Vector& target = light->FirstChild->Translation();
        target.X = pointAt.X;
        target.Y = pointAt.Y;
        target.Z = pointAt.Z;
    } else if (light_.hasPointAt) {
        Warn("Not read: \"point_at\" in a light_source without spotlight or cylinder");
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
    if (!frames_.empty() && frames_.front().block == Block::Object)
        ApplyChain(frames_.front());
    // its geometry is built when the read ends (Finish), or meanwhile on a second thread
    placer_.Finished(object);
    if (guardDepth_ > 0 && list_ == &doc_.Objects)
        guarded_.push_back(object);
    if (object->FirstChild) {
        int height = 0;
        for (const CPovObject* c = object->FirstChild; c; c = c->NextSibling)
            height = std::max(height, GroupHeight(c));
        heights_[object] = height + 1;
    }
    if (list_ == &doc_.Objects && indexBuilt_)
        IndexName(object);
    doc_.CurrentObject = object;
    notInstanced_ = list_ == &doc_.Objects ? object : nullptr;
    ++objectCount_;
    if (progress_ && *progress_)
        Progress(LoadString(IDS_STATUS_LOADING_OBJECT).c_str(), objectCount_, object->GetName());
    ResetStatement();
}

void SceneBuilder::EndStatement() {
    if (object_ && !frames_.empty() && frames_.front().block == Block::Object)
        ApplyChain(frames_.front());
    if (object_ && object_->GetType() == kKindCamera) {
        object_->UpdateGeometry();
        if (object_->FirstChild)
            object_->FirstChild->UpdateGeometry();
    }
    ResetStatement();
}

void SceneBuilder::BeginInstance(std::string_view name) {
    statementLine_ = Line();
    // The instance mostly follows its declaration (the writer writes them so): the object
    // just read is found without the name index, which a scene without groups never needs.
    CPovObject* last = doc_.CurrentObject;
    CPovObject* found = last && last->Name == name && !last->Parent && last->IsPresent()
                            ? last
                            : FindTopLevel(name);
    if (!found) {
        frames_.clear();
        Push(Block::Instance, nullptr);
        frames_.back().reported = true;
        Warn(orv::Format("Not read: object { %s }: the scene has no object %s at its top level",
                         name, name));
        return;
    }
    // The declared object is in the scene already; its first instance may move it, a second
    // one would be a copy, which the scene cannot hold.
    frames_.clear();
    if (found == notInstanced_) {
        notInstanced_ = nullptr;
        instancedUnhashed_.push_back(found);
        placer_.Claim(found);
        Push(Block::Instance, found);
        return;
    }
    instanced_.insert(instancedUnhashed_.begin(), instancedUnhashed_.end());
    instancedUnhashed_.clear();
    if (instanced_.insert(found).second) {
        placer_.Claim(found);
        Push(Block::Instance, found);
        return;
    }
    Push(Block::Instance, nullptr);
    frames_.back().reported = true;
    Warn(orv::Format("Not read: a further object { %s } (the scene holds each object once)", name));
}

void SceneBuilder::CloseBlock() {
    // the object's own frame ends with its statement, not here
    if (frames_.empty() || frames_.back().block == Block::Object)
        return;
    const Frame frame = std::move(frames_.back());
    frames_.pop_back();
    numberSink_ = NumberSink::None;
    lastColorIndex_ = -1;
    if (frames_.empty())
        ResetStatement();
    if (!frame.target)
        return;
    ApplyChain(frame);
    if (frame.block == Block::Instance)
        placer_.Settled(frame.target);
    if (frame.block == Block::TextureReference && frame.filled)
        frame.target->WriteTextureSteps = 1;
    if (frame.block == Block::Normal && !frame.filled && frame.target->GetType() == kKindTexture) {
        // a normal block without a pattern: the slope map, which writes an empty block
        static_cast<CPovTexture*>(frame.target)->NormalKind = kNormalSlopeMap;
    }
}

// ---------------------------------------------------------------------------------------------
// groups

void SceneBuilder::AppendMember(CPovObject* group, CPovObject* member) {
    InsertChildAfter(group, lastMember_, member);
    lastMember_ = member;
}

void SceneBuilder::Reference(std::string_view name) {
    if (!insideDeclaration_ || !object_) {
        PushDropped(Block::Instance, orv::Format("object { %s }", name));
        return;
    }
    const int type = object_->GetType();
    if (type != kKindCSG && type != kKindUserObject) {
        PushDropped(Block::Instance, orv::Format("object { %s }", name));
        return;
    }
    CPovObject* found = type == kKindUserObject ? NextGuardedPart(name) : nullptr;
    if (!found)
        found = FindTopLevel(name);
    if (!found || found == object_) {
        Warn(
            orv::Format("Not read: object { %s } in a %s: the scene has no object %s at its "
                        "top level (an object is in one group only)",
                        name, BlockName(), name));
        Push(Block::Instance, nullptr);
        frames_.back().reported = true;
        return;
    }
    if (GroupHeight(found) + 1 > kMaxGroupDepth) {
        Warn(
            orv::Format("Not read: object { %s } in a %s: groups nest at most %d levels deep; "
                        "%s stays at the top level of the scene",
                        name, BlockName(), kMaxGroupDepth, name));
        Push(Block::Instance, nullptr);
        frames_.back().reported = true;
        return;
    }
    if (progress_ && *progress_)
        Progress(LoadString(IDS_STATUS_MOVING_OBJECT).c_str(), 0, found->Name);
    placer_.Claim(found);
    UnlinkFrom(doc_.Objects, found);
    AppendMember(object_, found);
    // transformations in the reference move the member within its group
    Push(Block::Instance, found);
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
    memberKind_ = kind;
    head_.clear();
    if (!fits) {
        memberName_.clear();
        PushDropped(Block::Member, KeywordOf(kind));
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
    if (member)
        ApplyChain(frames_.back());
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
        if (f.target == triangle) {
            f.target = nullptr;
            f.reported = true;
        }
    triangle_ = nullptr;
    implicitTextures_.erase(triangle);
    delete triangle;  // unlinks itself from the group
}

void SceneBuilder::TriangleNormal() {
    if (!triangle_ || corners_ < 1)
        return;
    static_cast<CPovPolygon*>(triangle_)->SetTriangleNormal(corners_ - 1, LastVector());
}
