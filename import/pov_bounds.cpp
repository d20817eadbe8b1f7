#include "import/pov_bounds.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "import/pov_object_items.h"

namespace pov {

namespace {

struct Extent {
    bool empty = true;
    Box3 box;

    void Add(const Vec3& p) {
        for (int i = 0; i < 3; ++i) {
            if (!std::isfinite(p[i])) {
                return;
            }
        }
        if (empty) {
            box.min = box.max = p;
            empty = false;
            return;
        }
        for (int i = 0; i < 3; ++i) {
            box.min[i] = std::min(box.min[i], p[i]);
            box.max[i] = std::max(box.max[i], p[i]);
        }
    }
    void AddBox(const Box3& b, const Affine& t) {
        for (int c = 0; c < 8; ++c) {
            Add(t.Apply({(c & 1) ? b.max[0] : b.min[0], (c & 2) ? b.max[1] : b.min[1],
                         (c & 4) ? b.max[2] : b.min[2]}));
        }
    }
    void AddSphere(const Vec3& c, double r) {
        Add({c[0] - r, c[1] - r, c[2] - r});
        Add({c[0] + r, c[1] + r, c[2] + r});
    }
};

bool Bounds(const Block& b, Box3& box, int depth);

// the bounds of the shape's own geometry, before its transformations
bool ShapeBounds(const Block& b, Box3& box, int depth) {
    const std::string& k = b.keyword;
    size_t end = 0;
    const std::vector<const Value*> v = LeadingValues(b, &end);
    Extent e;
    auto vec = [&](size_t i) { return i < v.size() ? AsVec3(*v[i]) : Vec3{0, 0, 0}; };
    auto num = [&](size_t i) { return i < v.size() ? v[i]->v[0] : 0.0; };
    if (k == "sphere" && v.size() >= 2) {
        e.AddSphere(vec(0), std::fabs(num(1)));
    } else if (k == "box" && v.size() >= 2) {
        e.Add(vec(0));
        e.Add(vec(1));
    } else if (k == "cylinder" && v.size() >= 3) {
        e.AddSphere(vec(0), std::fabs(num(2)));
        e.AddSphere(vec(1), std::fabs(num(2)));
    } else if (k == "cone" && v.size() >= 4) {
        e.AddSphere(vec(0), std::fabs(num(1)));
        e.AddSphere(vec(2), std::fabs(num(3)));
    } else if (k == "torus" && v.size() >= 2) {
        const double R = std::fabs(num(0)) + std::fabs(num(1)), r = std::fabs(num(1));
        e.Add({-R, -r, -R});
        e.Add({R, r, R});
    } else if (k == "disc" && v.size() >= 3) {
        e.AddSphere(vec(0), std::fabs(num(2)));
    } else if (k == "superellipsoid" || k == "julia_fractal") {
        const double r = k == "superellipsoid" ? 1.0 : 2.0;
        e.Add({-r, -r, -r});
        e.Add({r, r, r});
    } else if (k == "height_field") {
        e.Add({0, 0, 0});
        e.Add({1, 1, 1});
    } else if (k == "triangle" || k == "smooth_triangle" || k == "bicubic_patch") {
        for (size_t i = 0; i < v.size(); ++i) {
            if (v[i]->kind == Value::Kind::Vector && (k != "smooth_triangle" || i % 2 == 0)) {
                e.Add(AsVec3(*v[i]));
            }
        }
    } else if (k == "polygon") {
        for (size_t i = 1; i < v.size(); ++i) {
            e.Add({v[i]->v[0], v[i]->v[1], v[i]->dim >= 3 ? v[i]->v[2] : 0.0});
        }
    } else if (k == "lathe" || k == "sor") {
        double rmax = 0.0;
        for (size_t i = 1; i < v.size(); ++i) {
            rmax = std::max(rmax, std::fabs(v[i]->v[0]));
            e.Add({0, v[i]->v[1], 0});
        }
        if (!e.empty) {
            e.box.min[0] = e.box.min[2] = -rmax;
            e.box.max[0] = e.box.max[2] = rmax;
        }
    } else if (k == "prism" && v.size() >= 3) {
        bool conic = false;
        for (const Item& i : b.items) {
            conic = conic || (i.kind == Item::Kind::Keyword && i.value.text == "conic_sweep");
        }
        const double h1 = num(0), h2 = num(1);
        const double f = conic ? std::max(std::fabs(h1), std::fabs(h2)) : 1.0;
        for (size_t i = 3; i < v.size(); ++i) {
            e.Add({v[i]->v[0] * f, h1, v[i]->v[1] * f});
            e.Add({v[i]->v[0] * f, h2, v[i]->v[1] * f});
        }
    } else if (k == "sphere_sweep") {
        for (size_t i = 1; i + 1 < v.size(); i += 2) {
            e.AddSphere(AsVec3(*v[i]), std::fabs(v[i + 1]->v[0]));
        }
    } else if (k == "text" && v.size() >= 3) {
        const double len = static_cast<double>(v[1]->text.size());
        e.Add({0, -0.3, 0});
        e.Add({0.8 * len, 1.0, num(2)});
    } else if (k == "light_source" && !v.empty()) {
        e.Add(vec(0));
    } else if (k == "isosurface" || k == "parametric") {
        Box3 c{{-1, -1, -1}, {1, 1, 1}};
        for (const Item& i : b.items) {
            const Block* s = ItemBlock(i);
            if (s && s->keyword == "contained_by") {
                for (const Item& j : s->items) {
                    const Block* shape = ItemBlock(j);
                    if (shape && Bounds(*shape, c, depth + 1)) {
                        break;
                    }
                }
            }
        }
        box = c;
        return true;
    } else if (k == "blob" || k == "mesh" || k == "union" || k == "merge" || k == "intersection" ||
               k == "difference") {
        bool first = true, any = false;
        Box3 acc;
        for (size_t i = end; i < b.items.size(); ++i) {
            const Block* child = ItemBlock(b.items[i]);
            if (!child || !IsObjectKeyword(child->keyword) || child->keyword == "light_source") {
                continue;
            }
            Box3 cb;
            const bool bounded = Bounds(*child, cb, depth + 1);
            if (k == "difference" && first) {
                if (!bounded) {
                    return false;
                }
                box = cb;
                return true;
            }
            first = false;
            if (!bounded) {
                if (k == "intersection") {
                    continue;
                }
                return false;
            }
            if (!any) {
                acc = cb;
                any = true;
            } else if (k == "intersection") {
                for (int a = 0; a < 3; ++a) {
                    acc.min[a] = std::max(acc.min[a], cb.min[a]);
                    acc.max[a] = std::min(acc.max[a], cb.max[a]);
                }
            } else {
                for (int a = 0; a < 3; ++a) {
                    acc.min[a] = std::min(acc.min[a], cb.min[a]);
                    acc.max[a] = std::max(acc.max[a], cb.max[a]);
                }
            }
        }
        if (!any) {
            return false;
        }
        box = acc;
        return true;
    } else if (k == "mesh2") {
        for (const Item& i : b.items) {
            const Block* s = ItemBlock(i);
            if (s && s->keyword == "vertex_vectors") {
                for (const Value* p : LeadingValues(*s)) {
                    if (p->kind == Value::Kind::Vector) {
                        e.Add(AsVec3(*p));
                    }
                }
            }
        }
    } else {
        return false;
    }
    if (e.empty) {
        return false;
    }
    box = e.box;
    return true;
}

bool Bounds(const Block& b, Box3& box, int depth) {
    if (depth > 200) {
        return false;
    }
    Affine wrapper;
    const Block* shape = &b;
    if (b.keyword == "object") {
        shape = ResolveObject(b, &wrapper);
        if (!shape) {
            return false;
        }
    }
    Box3 local;
    if (!ShapeBounds(*shape, local, depth)) {
        return false;
    }
    Affine own;
    for (size_t i = 0; i < shape->items.size();) {
        if (!ReadTransform(shape->items, i, own)) {
            ++i;
        }
    }
    Extent e;
    e.AddBox(local, own.Then(wrapper));
    if (e.empty) {
        return false;
    }
    box = e.box;
    return true;
}

}  // namespace

bool ComputeBounds(const Block& object, Box3& box) {
    return Bounds(object, box, 0);
}

}  // namespace pov
