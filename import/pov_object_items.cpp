#include "import/pov_object_items.h"

#include <string_view>

namespace pov {

std::vector<const Value*> LeadingValues(const Block& block, size_t* end) {
    std::vector<const Value*> values;
    // one allocation: a statement's head is most of its items
    values.reserve(block.items.size());
    size_t i = 0;
    for (; i < block.items.size(); ++i) {
        const Item& item = block.items[i];
        if (item.kind == Item::Kind::Comma) {
            continue;
        }
        if (item.kind != Item::Kind::Value) {
            break;
        }
        values.push_back(&item.value);
    }
    if (end) {
        *end = i;
    }
    return values;
}

const Block* ItemBlock(const Item& item) {
    if ((item.kind == Item::Kind::Block || item.kind == Item::Kind::Reference) &&
        item.value.block) {
        return item.value.block.get();
    }
    return nullptr;
}

Vec3 AsVec3(const Value& v) {
    const auto p = v.Promoted(3);
    return {p[0], p[1], p[2]};
}

namespace {

bool TransformBlock(const Block& b, Affine& out) {
    Affine t;
    bool inverse = false;
    for (size_t i = 0; i < b.items.size();) {
        const Item& item = b.items[i];
        if (item.kind == Item::Kind::Keyword && item.value.text == "inverse") {
            inverse = true;
            ++i;
            continue;
        }
        if (!ReadTransform(b.items, i, t)) {
            ++i;
        }
    }
    if (inverse && !t.Inverse(t)) {
        return false;
    }
    out = t;
    return true;
}

}  // namespace

bool ReadTransform(const std::vector<Item>& items, size_t& i, Affine& t) {
    const Item& item = items[i];
    if (item.kind == Item::Kind::Block && item.value.block &&
        item.value.block->keyword == "transform") {
        Affine inner;
        if (TransformBlock(*item.value.block, inner)) {
            t = t.Then(inner);
        }
        ++i;
        return true;
    }
    if (item.kind != Item::Kind::Keyword) {
        return false;
    }
    const std::string& k = item.value.text;
    if (k != "scale" && k != "rotate" && k != "translate" && k != "matrix" && k != "transform") {
        return false;
    }
    if (i + 1 >= items.size()) {
        return false;
    }
    const Item& arg = items[i + 1];
    if (k == "transform") {
        const Block* b = ItemBlock(arg);
        if (!b) {
            return false;
        }
        Affine inner;
        if (TransformBlock(*b, inner)) {
            t = t.Then(inner);
        }
        i += 2;
        return true;
    }
    if (arg.kind != Item::Kind::Value) {
        return false;
    }
    if (k == "matrix") {
        if (arg.value.kind != Value::Kind::Matrix || !arg.value.matrix ||
            arg.value.matrix->size() != 12) {
            return false;
        }
        t = t.Then(Affine::FromPovMatrix(arg.value.matrix->data()));
    } else {
        const Vec3 v = AsVec3(arg.value);
        t = t.Then(k == "scale"    ? Affine::Scale(v)
                   : k == "rotate" ? Affine::Rotate(v)
                                   : Affine::Translate(v));
    }
    i += 2;
    return true;
}

bool IsObjectKeyword(std::string_view k) {
    static constexpr std::string_view kObjects[] = {
        "sphere",  "box",   "cylinder",      "cone",           "torus",           "plane",
        "blob",    "union", "merge",         "intersection",   "difference",      "object",
        "lathe",   "sor",   "prism",         "superellipsoid", "isosurface",      "parametric",
        "mesh",    "mesh2", "polygon",       "triangle",       "smooth_triangle", "height_field",
        "text",    "disc",  "julia_fractal", "sphere_sweep",   "bicubic_patch",   "ovus",
        "quadric", "cubic", "quartic",       "poly",           "polynomial",      "light_source"};
    for (const std::string_view o : kObjects) {
        if (k == o) {
            return true;
        }
    }
    return false;
}

const Block* ResolveObject(const Block& object, Affine* wrapperTransform) {
    const Block* b = &object;
    Affine outer;
    for (int guard = 0; b && b->keyword == "object" && guard < 10000; ++guard) {
        const Block* inner = nullptr;
        Affine own;
        for (size_t i = 0; i < b->items.size();) {
            const Item& item = b->items[i];
            if (!inner && (item.kind == Item::Kind::Reference ||
                           (item.kind == Item::Kind::Block && item.value.block &&
                            IsObjectKeyword(item.value.block->keyword)))) {
                inner = item.value.block.get();
                ++i;
                continue;
            }
            if (!ReadTransform(b->items, i, own)) {
                ++i;
            }
        }
        outer = own.Then(outer);
        b = inner;
    }
    if (wrapperTransform) {
        *wrapperTransform = outer;
    }
    return b;
}

}  // namespace pov
