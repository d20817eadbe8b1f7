// The builder's sizes and places: the values of a primitive's head, the transformations of a
// block, and the steps they become when the block ends.
#include <algorithm>
#include <vector>

#include "document/orvanta_doc.h"
#include "document/scene_builder.h"
#include "model/lights/pov_camera.h"
#include "model/pov_object.h"
#include "model/primitive_forms.h"
#include "model/text_format.h"

namespace {

Placement PlacementOf(const std::vector<Vector>& steps) {
    Placement p;
    p.scale = Vector(steps[kStepScale].X, steps[kStepScale].Y, steps[kStepScale].Z);
    p.rotate = Vector(steps[kStepRotate].X, steps[kStepRotate].Y, steps[kStepRotate].Z);
    p.translate = Vector(steps[kStepTranslate].X, steps[kStepTranslate].Y, steps[kStepTranslate].Z);
    return p;
}

// only the coordinates: a step's tags keep what the kind keeps in them
void Assign(Vector& step, const Vector& value) {
    step.X = value.X;
    step.Y = value.Y;
    step.Z = value.Z;
}

bool IsIdentity(const Placement& p) {
    return p.scale == Vector(1, 1, 1) && p.rotate == Vector(0, 0, 0) &&
           p.translate == Vector(0, 0, 0);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// values

void SceneBuilder::SetVector(const SceneToken& value) {
    vector_.fill(0.0);
    if (value.count == 0) {
        // a number where a vector belongs stands for all its components
        vector_.fill(value.number);
        vectorCount_ = 1;
        return;
    }
    const int kept = std::min(value.count, static_cast<int>(vector_.size()));
    for (int i = 0; i < kept; ++i)
        vector_[static_cast<size_t>(i)] = value.components[i];
    vectorCount_ = value.count;
}

double SceneBuilder::ScalarOf(const SceneToken& value) {
    if (value.count == 0)
        return value.number;
    Warn(orv::Format("A vector where a number belongs: its first component %g is taken",
                     value.components[0]));
    return value.components[0];
}

// ---------------------------------------------------------------------------------------------
// heads

void SceneBuilder::HeadValue(const SceneToken& value, bool vector) {
    if (vector) {
        head_.push_back(value);
        return;
    }
    SceneToken number{};
    number.number = ScalarOf(value);
    number.count = 0;
    head_.push_back(number);
}

void SceneBuilder::Head() {
    using K = SceneObjectKind;
    if (frames_.empty() || !frames_.back().target) {
        head_.clear();
        return;
    }
    Frame& frame = frames_.back();
    const K kind = frame.block == Block::Member ? memberKind_ : headKind_;
    auto vec = [this](size_t i) {
        if (i >= head_.size())
            return Vector(0, 0, 0);
        const SceneToken& t = head_[i];
        if (t.count == 0)
            return Vector(t.number, t.number, t.number);
        auto c = [&t](int k) { return k < std::min(t.count, 3) ? t.components[k] : 0.0; };
        return Vector(c(0), c(1), c(2));
    };
    auto num = [this](size_t i) { return i < head_.size() ? head_[i].number : 0.0; };
    PrimitiveForm form;
    switch (kind) {
        case K::Box:
            form = BoxForm(vec(0), vec(1));
            break;
        case K::Sphere:
            form = SphereForm(vec(0), num(1));
            break;
        case K::Cone:
            form = ConeForm(vec(0), num(1), vec(2), num(3));
            break;
        case K::Cylinder:
            form = CylinderForm(vec(0), vec(1), num(2));
            break;
        case K::Plane:
            form = PlaneForm(vec(0), num(1));
            break;
        case K::Torus: {
            form = TorusForm(num(0), num(1));
            CPovObject* t = frame.target;
            if (t->GetType() == kKindTorus && t->Steps.size() > kStepExtra)
                t->Steps[kStepExtra].X = form.minorRadius;
            break;
        }
        default:
            head_.clear();
            return;
    }
    head_.clear();
    if (!form.loss.empty())
        Warn("Approximated: " + form.loss);
    frame.chain = form.chain;
    frame.transformed = true;
}

// ---------------------------------------------------------------------------------------------
// transformations

TransformChain* SceneBuilder::ModifierChain(const char* keyword) {
    if (frames_.empty())
        return nullptr;
    if (light_.active && frames_.size() == 1)
        return &light_.chain;
    Frame& f = frames_.back();
    switch (f.block) {
        case Block::Object:
        case Block::Member:
        case Block::InlineTexture:
        case Block::TextureReference:
        case Block::Instance:
            if (!f.target) {
                Dropped(keyword);
                return nullptr;
            }
            if (f.block == Block::TextureReference)
                f.filled = true;
            f.transformed = true;
            return &f.chain;
        default:
            // a pattern's own transformations: the modeller keeps those of a whole texture
            Dropped(keyword);
            return nullptr;
    }
}

void SceneBuilder::Scale() {
    if (TransformChain* chain = ModifierChain("scale"))
        chain->Scale(LastVector());
}

void SceneBuilder::Rotate() {
    if (TransformChain* chain = ModifierChain("rotate"))
        chain->Rotate(LastVector());
}

void SceneBuilder::Translate() {
    if (TransformChain* chain = ModifierChain("translate"))
        chain->Translate(LastVector());
}

void SceneBuilder::Matrix(const SceneToken& values) {
    if (values.count != 12) {
        Warn(orv::Format("Not read: a matrix of %d values (it takes 12)", values.count));
        return;
    }
    if (TransformChain* chain = ModifierChain("matrix"))
        chain->Matrix(values.components);
}

void SceneBuilder::SetSteps(CPovObject* object, const TransformChain& chain, bool texture) {
    std::vector<Vector>& steps = texture ? object->TextureSteps : object->Steps;
    if (steps.size() <= kStepRotate)
        return;
    Placement p;
    if (!chain.ToPlacement(p))
        Warn(
            orv::Format("Approximated: the transformation of %s shears (it scales along other "
                        "axes after a rotation); the nearest scale, rotate and translate are "
                        "kept",
                        object->Name));
    Assign(steps[kStepScale], p.scale);
    Assign(steps[kStepRotate], p.rotate);
    Assign(steps[kStepTranslate], p.translate);
}

void SceneBuilder::ApplyChain(const Frame& frame) {
    if (!frame.transformed || !frame.target)
        return;
    CPovObject* t = frame.target;
    if (frame.block == Block::TextureReference) {
        SetSteps(t, frame.chain, true);
        return;
    }
    if (frame.block == Block::Instance) {
        // the object's own steps, then the instance's transformations
        if (t->Steps.size() <= kStepRotate)
            return;
        TransformChain placed(PlacementOf(t->Steps));
        placed.Then(frame.chain);
        SetSteps(t, placed, false);
        return;
    }
    switch (t->GetType()) {
        case kKindCamera: {
            // the camera's transformations move its location and the point it looks at
            Assign(t->Translation(), frame.chain.Apply(t->Translation()));
            if (t->FirstChild)
                Assign(t->FirstChild->Translation(),
                       frame.chain.Apply(t->FirstChild->Translation()));
            return;
        }
        case kKindFog: {
            // a fog keeps a scale; its first step is its up vector
            Placement p;
            frame.chain.ToPlacement(p);
            Assign(t->Steps[kStepScale], p.scale);
            if (!(p.rotate == Vector(0, 0, 0) && p.translate == Vector(0, 0, 0)))
                Warn("Not read: the rotation and translation of a fog (a fog keeps its scale)");
            return;
        }
        case kKindBackground:
        case kKindSkySphere: {
            Placement p;
            frame.chain.ToPlacement(p);
            if (!IsIdentity(p))
                Warn(orv::Format("Not read: the transformations of a %s",
                                 t->GetType() == kKindBackground ? "background" : "sky_sphere"));
            return;
        }
        default:
            SetSteps(t, frame.chain, false);
            return;
    }
}

int SceneBuilder::GroupHeight(const CPovObject* object) const {
    if (!object->FirstChild)
        return 0;
    if (auto it = heights_.find(object); it != heights_.end())
        return it->second;
    // an object of the scene before this read: its levels counted without recursion
    int height = 0;
    std::vector<std::pair<const CPovObject*, int>> stack{{object, 0}};
    while (!stack.empty()) {
        const auto [o, level] = stack.back();
        stack.pop_back();
        height = std::max(height, level);
        for (const CPovObject* c = o->FirstChild; c; c = c->NextSibling)
            if (c->FirstChild)
                stack.push_back({c, level + 1});
    }
    return height + 1;
}
