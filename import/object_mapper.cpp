// The shared part of the mapping: an object's parts (its shape and the modifiers of the
// "object { ... }" wrappers around it), its place and texture as the modeller's steps, raw
// elements for what stays text, and the order of the top-level objects.
#include "import/object_mapper.h"

#include <cmath>
#include <string_view>

#include "document/orvanta_doc.h"
#include "document/tree_placement.h"
#include "import/placement.h"
#include "import/pov_bounds.h"
#include "import/pov_object_items.h"
#include "model/raw/pov_raw.h"
#include "model/surfaces/pov_texture.h"

namespace pov {

namespace {

bool IsSurfaceKeyword(const std::string& k) {
    return k == "texture" || k == "pigment" || k == "normal" || k == "finish";
}

}  // namespace

ObjectMapper::ObjectMapper(const EvaluatedScene& scene, COrvantaDoc& doc, ImportReport& report)
    : doc_(doc), report_(report), writer_(scene), surfaces_(doc, writer_) {
    placer_.emplace(TreePlacement{});
}

ObjectMapper::~ObjectMapper() {
    // the second thread lets go of the objects first
    placer_.reset();
    for (CPovObject* o : objects_) {
        delete o;
    }
}

std::vector<CPovObject*> ObjectMapper::TakeObjects(const std::function<void()>& breathe) {
    placer_->PlaceAll(breathe);
    std::vector<CPovObject*> out;
    out.swap(objects_);
    return out;
}

void ObjectMapper::KnowFiles(const std::vector<std::string>& names) {
    fileNames_.insert(fileNames_.end(), names.begin(), names.end());
}

void ObjectMapper::KnowFiles(const std::vector<SourceFile>& files) {
    for (size_t i = fileNames_.size(); i < files.size(); ++i) {
        fileNames_.push_back(files[i].name);
    }
}

std::string ObjectMapper::FileName(const SourceLoc& loc) const {
    return loc.file < fileNames_.size() ? fileNames_[loc.file] : std::string();
}

const Block* ObjectMapper::ShapeOf(const Block& statement) {
    return statement.keyword == "object" ? ResolveObject(statement) : &statement;
}

bool ObjectMapper::CollectParts(const Block& statement, size_t headEnd, Parts& parts,
                                std::string& why) const {
    // the wrappers, outermost first
    std::vector<const Block*> wrappers;
    std::vector<const Item*> wrapperRefs;
    const Block* b = &statement;
    while (b && b->keyword == "object") {
        const Item* inner = nullptr;
        for (const Item& item : b->items) {
            if (item.kind == Item::Kind::Reference ||
                (item.kind == Item::Kind::Block && item.value.block &&
                 IsObjectKeyword(item.value.block->keyword))) {
                inner = &item;
                break;
            }
        }
        if (!inner || wrappers.size() > 10000) {
            why = "object without a shape";
            return false;
        }
        wrappers.push_back(b);
        wrapperRefs.push_back(inner);
        b = inner->value.block.get();
    }
    parts.shape = b;
    parts.headEnd = headEnd;
    parts.modifiers.clear();
    parts.children.clear();
    for (size_t i = headEnd; i < b->items.size(); ++i) {
        const Item& item = b->items[i];
        const Block* inner = ItemBlock(item);
        if (inner && IsObjectKeyword(inner->keyword) && item.kind != Item::Kind::Keyword) {
            parts.children.push_back(item);
        } else {
            parts.modifiers.push_back(item);
        }
    }
    for (size_t w = wrappers.size(); w-- > 0;) {
        for (const Item& item : wrappers[w]->items) {
            if (&item != wrapperRefs[w]) {
                parts.modifiers.push_back(item);
            }
        }
    }
    return true;
}

CPovRaw* ObjectMapper::MakeRaw(const Block& statement, bool movable) {
    auto* raw = new CPovRaw();
    std::string text;
    writer_.Write(statement, declarations_, text);
    raw->Text = std::move(text);
    raw->Keyword = statement.keyword;
    if (movable) {
        const Block* shape = ShapeOf(statement);
        if (shape) {
            raw->Keyword = shape->keyword;
        }
        raw->Movable = true;
        Box3 box;
        if (ComputeBounds(statement, box)) {
            raw->HasBounds = true;
            raw->BoundsMin = Point3(box.min[0], box.min[1], box.min[2]);
            raw->BoundsMax = Point3(box.max[0], box.max[1], box.max[2]);
        }
        raw->Name = orv::Format("%s_%.3ld", raw->Keyword, rawCounter_++);
    }
    raw->UpdateGeometry();
    return raw;
}

bool ObjectMapper::PlaceObject(CPovObject& object, const Parts& parts, const Affine& form,
                               double extent, std::string& why, bool& approximated, Affine* baked) {
    Affine before, after;
    std::vector<const Item*> surface;
    // 0: no texture yet, 1: in the texture statements, 2: after them
    int textureState = 0;
    bool hollow = false;
    for (size_t i = 0; i < parts.modifiers.size();) {
        Affine& t = textureState == 0 ? before : after;
        if (ReadTransform(parts.modifiers, i, t)) {
            if (textureState == 1) {
                textureState = 2;
            }
            continue;
        }
        const Item& item = parts.modifiers[i++];
        if (item.kind == Item::Kind::Block && item.value.block &&
            IsSurfaceKeyword(item.value.block->keyword)) {
            if (textureState == 2) {
                why = "textures between transformations";
                return false;
            }
            textureState = 1;
            surface.push_back(&item);
            continue;
        }
        if (item.kind == Item::Kind::Keyword && item.value.text == "hollow") {
            hollow = true;
            if (i < parts.modifiers.size() && parts.modifiers[i].kind == Item::Kind::Value) {
                hollow = parts.modifiers[i++].value.v[0] != 0.0;
            }
            continue;
        }
        why = item.kind == Item::Kind::Keyword ? item.value.text
              : item.value.block               ? item.value.block->keyword
                                               : "a value";
        return false;
    }
    if (textureState == 1) {
        textureState = 2;
    }
    const Affine total = form.Then(before).Then(after);
    Steps steps;
    if (baked) {
        *baked = total;
    } else {
        const Fit fit = FitSteps(total, steps, extent);
        if (fit == Fit::None) {
            why = "a transformation the modeller's steps cannot hold (shear or zero size)";
            return false;
        }
        approximated = approximated || fit == Fit::Approximate;
    }
    object.Translation() = steps.translate;
    object.ScaleStep() = steps.scale;
    object.RotationStep() = steps.rotate;
    object.Hollow = hollow ? 1 : 0;
    if (!surface.empty()) {
        // The written texture follows the object's rotation and place but not its scale:
        // what the texture must still do is the rest of the transformations after it.
        Steps placed = steps;
        placed.scale = Vector(1, 1, 1);
        Affine inverse;
        if (!StepsTransform(placed).Inverse(inverse)) {
            why = "a degenerate transformation";
            return false;
        }
        const Affine rest = after.Then(inverse);
        const bool identity = rest.IsIdentity(1e-9);
        SurfaceMapper::Result texture;
        if (!surfaces_.ObjectTexture(surface, identity, texture, why, declarations_)) {
            return false;
        }
        object.UseOwnTexture = 1;
        object.TextureName = texture.name;
        object.QuickColorR = texture.r;
        object.QuickColorG = texture.g;
        object.QuickColorB = texture.b;
        bool declaredHere = false;
        for (CPovObject* t = doc_.Textures; t && !declaredHere; t = t->NextSibling) {
            declaredHere = t->Name == texture.name;
        }
        if (declaredHere) {
            // the reader gives a texture of the document no steps of the object's own
            object.WriteTextureSteps = 0;
        } else if (texture.invariant || identity) {
            object.WriteTextureSteps = 1;
        } else {
            Steps textureSteps;
            if (FitSteps(rest, textureSteps) != Fit::Exact) {
                why = "a texture transformation the modeller's steps cannot hold";
                return false;
            }
            object.WriteTextureSteps = 1;
            object.TextureSteps[kStepTranslate] = textureSteps.translate;
            object.TextureSteps[kStepScale] = textureSteps.scale;
            object.TextureSteps[kStepRotate] = textureSteps.rotate;
        }
    }
    return true;
}

void ObjectMapper::FlushDeclarations() {
    if (declarations_.empty()) {
        return;
    }
    auto* raw = new CPovRaw();
    raw->Keyword = "#declare";
    raw->Text = std::move(declarations_);
    declarations_.clear();
    raw->UpdateGeometry();
    objects_.push_back(raw);
}

void ObjectMapper::AddTopLevel(CPovObject* object) {
    FlushDeclarations();
    objects_.push_back(object);
}

void ObjectMapper::CountShape(const Block& statement) {
    const Block* shape = ShapeOf(statement);
    if (!shape || shape->keyword == "light_source") {
        return;
    }
    if (shape->keyword == "union" || shape->keyword == "merge" ||
        shape->keyword == "intersection" || shape->keyword == "difference") {
        // a group counts by its members
        for (const Item& item : shape->items) {
            const Block* inner = ItemBlock(item);
            if (inner && IsObjectKeyword(inner->keyword)) {
                CountShape(*inner);
            }
        }
        return;
    }
    ++report_.shapes;
}

void ObjectMapper::CountObject(const CPovObject& object) {
    const int kind = object.GetType();
    if (kind == kKindCSG) {
        for (const CPovObject* c = object.FirstChild; c; c = c->NextSibling) {
            CountObject(*c);
        }
        return;
    }
    if (kind == kKindRaw) {
        ++report_.shapes;
        return;
    }
    if (IsLightKind(kind) || kind == kKindCamera || kind == kKindBackground ||
        kind == kKindSkySphere || kind == kKindFog) {
        return;
    }
    ++report_.shapes;
    ++report_.editableShapes;
}

void ObjectMapper::MapStatement(const Statement& statement) {
    using Outcome = ImportReportEntry::Outcome;
    const std::string file = FileName(statement.loc);
    const int line = static_cast<int>(statement.loc.line);
    if (statement.kind == Statement::Kind::Version) {
        auto* raw = new CPovRaw();
        raw->Keyword = "#version";
        raw->Text = "#version ";
        AppendNumber(raw->Text, statement.version);
        raw->Text += ";\r\n";
        raw->UpdateGeometry();
        AddTopLevel(raw);
        return;
    }
    if (statement.kind == Statement::Kind::Default) {
        auto* raw = new CPovRaw();
        Block b = *statement.block;
        b.keyword = "#default";
        std::string text;
        writer_.Write(b, declarations_, text);
        raw->Keyword = "#default";
        raw->Text = std::move(text);
        raw->UpdateGeometry();
        AddTopLevel(raw);
        report_.Add(Outcome::Raw, file, line, "#default");
        return;
    }
    const Block& b = *statement.block;
    // compared by length first
    const std::string_view k = b.keyword;
    std::string why;
    bool approximated = false;
    CPovObject* object = nullptr;
    const bool isObject = IsObjectKeyword(k);
    if (k == "light_source") {
        object = MapLight(b, why);
    } else if (k == "camera") {
        object = MapCamera(b, why);
    } else if (k == "background") {
        object = MapBackground(b, why);
    } else if (k == "sky_sphere") {
        object = MapSkySphere(b, why);
    } else if (k == "fog") {
        object = MapFog(b, why);
    } else if (isObject) {
        object = MapShape(b, why, approximated, 0);
        if (object) {
            placer_->Finished(object);
            CountObject(*object);
        } else {
            CountShape(b);
        }
    } else {
        why = "no such kind in the modeller";
    }
    if (object) {
        AddTopLevel(object);
        report_.Add(approximated ? Outcome::Approximated : Outcome::Editable, file, line, b.keyword,
                    approximated ? "values rounded" : "");
        return;
    }
    // kept as it is: an object statement can still be placed and moved
    CPovRaw* raw = MakeRaw(b, isObject);
    AddTopLevel(raw);
    report_.Add(Outcome::Raw, file, line, b.keyword, why);
}

}  // namespace pov
