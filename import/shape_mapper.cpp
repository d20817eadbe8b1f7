// Shapes: the primitives with their POV-Ray forms (centre and radius, corners, ends and
// radii, normal and distance), polygons, triangles, lathes, text and height fields, and the
// groups (CSG and blobs) whose members are mapped one by one.
#include <cmath>
#include <string_view>

#include "document/orvanta_doc.h"
#include "import/object_mapper.h"
#include "import/placement.h"
#include "import/pov_bounds.h"
#include "import/pov_object_items.h"
#include "model/groups/pov_blob.h"
#include "model/groups/pov_csg.h"
#include "model/primitive_forms.h"
#include "model/raw/pov_raw.h"
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

namespace pov {

namespace {

Vector ToVector(const Vec3& v) {
    return Vector(v[0], v[1], v[2]);
}

// the transformation of one of POV-Ray's primitive forms as the modeller places its shape
Affine FormOf(const PrimitiveForm& form) {
    return FromModelMatrix(form.chain.ToMatrix());
}

bool IsFloat(const Value* v) {
    return v && v->kind == Value::Kind::Float;
}

// A polygon's or lathe's count (written as a number) against the points that follow it, which
// the modeller holds up to kMaxShapePoints; false with why when they differ.
bool CountMatches(double written, size_t points, const char* shape, std::string& why) {
    const long long count = WholeNumber(written);
    if (count >= 0 && count <= kMaxShapePoints && static_cast<size_t>(count) == points) {
        return true;
    }
    why = count > kMaxShapePoints ? std::string("a ") + shape + " of more than 20 points"
                                  : std::string("a ") + shape + "'s count";
    return false;
}

// the leading values of a statement: numbers and vectors up to the first keyword
std::vector<const Value*> Head(const Block& b, size_t& end) {
    return LeadingValues(b, &end);
}

// the image types a height field's scene text can name by the file's last three letters
bool HeightFieldTypeMatches(const std::string& type, const std::string& file) {
    if (file.size() < 4 || file[file.size() - 4] != '.') {
        return false;
    }
    std::string ext = file.substr(file.size() - 3);
    for (char& c : ext) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + 32);
        }
    }
    return ext == type && (type == "gif" || type == "tga" || type == "pot" || type == "png" ||
                           type == "pgm" || type == "ppm");
}

}  // namespace

CPovObject* ObjectMapper::MakeShape(const Block& shape, size_t& headEnd, Affine& form,
                                    double& extent, std::string& why) {
    const std::string_view k = shape.keyword;
    extent = 1.0;
    size_t end = 0;
    const std::vector<const Value*> v = Head(shape, end);
    headEnd = end;
    auto vec = [&](size_t i) { return AsVec3(*v[i]); };
    if (k == "sphere" && v.size() == 2 && IsFloat(v[1])) {
        form = FormOf(SphereForm(ToVector(vec(0)), v[1]->v[0]));
        return new CPovSphere();
    }
    if (k == "box" && v.size() == 2) {
        form = FormOf(BoxForm(ToVector(vec(0)), ToVector(vec(1))));
        return new CPovCubic();
    }
    if (k == "cylinder" && v.size() == 3 && IsFloat(v[2])) {
        form = FormOf(CylinderForm(ToVector(vec(0)), ToVector(vec(1)), v[2]->v[0]));
        return new CPovCylinder();
    }
    if (k == "cone" && v.size() == 4 && IsFloat(v[1]) && IsFloat(v[3])) {
        const PrimitiveForm cone =
            ConeForm(ToVector(vec(0)), v[1]->v[0], ToVector(vec(2)), v[3]->v[0]);
        if (!cone.loss.empty()) {
            why = cone.loss;
            return nullptr;
        }
        form = FormOf(cone);
        return new CPovCone();
    }
    if (k == "torus" && v.size() == 2 && IsFloat(v[0]) && IsFloat(v[1])) {
        const PrimitiveForm torusForm = TorusForm(v[0]->v[0], v[1]->v[0]);
        if (!torusForm.loss.empty()) {
            why = torusForm.loss;
            return nullptr;
        }
        auto* torus = new CPovTorus();
        torus->Steps[kStepExtra].X = torusForm.minorRadius;
        form = FormOf(torusForm);
        extent = 1.0 + std::fabs(torusForm.minorRadius);
        return torus;
    }
    if (k == "plane" && v.size() == 2 && IsFloat(v[1])) {
        const PrimitiveForm plane = PlaneForm(ToVector(vec(0)), v[1]->v[0]);
        if (!plane.loss.empty()) {
            why = plane.loss;
            return nullptr;
        }
        form = FormOf(plane);
        return new CPovPlane();
    }
    if (k == "polygon" && v.size() >= 4 && IsFloat(v[0])) {
        if (!CountMatches(v[0]->v[0], v.size() - 1, "polygon", why)) {
            return nullptr;
        }
        auto* polygon = new CPovPolygon();
        polygon->SetPointCount(0);
        for (size_t i = 1; i < v.size(); ++i) {
            if (v[i]->kind != Value::Kind::Vector || (v[i]->dim >= 3 && v[i]->v[2] != 0.0)) {
                delete polygon;
                why = "a polygon outside the x-y plane";
                return nullptr;
            }
            polygon->AddPoint(v[i]->v[0], v[i]->v[1]);
        }
        form = Affine();
        return polygon;
    }
    if (k == "lathe") {
        // "lathe { [spline] count, points }"
        size_t i = 0;
        std::string spline = "linear_spline";
        if (i < shape.items.size() && shape.items[i].kind == Item::Kind::Keyword) {
            spline = shape.items[i++].value.text;
        }
        if (spline != "linear_spline" && spline != "quadratic_spline" && spline != "cubic_spline") {
            why = "a lathe with " + spline;
            return nullptr;
        }
        std::vector<const Value*> values;
        for (; i < shape.items.size(); ++i) {
            const Item& item = shape.items[i];
            if (item.kind == Item::Kind::Comma) {
                continue;
            }
            if (item.kind != Item::Kind::Value) {
                break;
            }
            values.push_back(&item.value);
        }
        headEnd = i;
        if (values.empty() || !IsFloat(values[0])) {
            why = "a lathe's count";
            return nullptr;
        }
        if (!CountMatches(values[0]->v[0], values.size() - 1, "lathe", why)) {
            return nullptr;
        }
        auto* lathe = new CPovLathe();
        lathe->SplineType = spline;
        lathe->SetPointCount(0);
        double extentSquared = 1.0;
        for (size_t p = 1; p < values.size(); ++p) {
            lathe->AddPoint(values[p]->v[0], values[p]->v[1]);
            extentSquared = std::fmax(extentSquared, values[p]->v[0] * values[p]->v[0] +
                                                         values[p]->v[1] * values[p]->v[1]);
        }
        extent = std::sqrt(extentSquared);
        form = Affine();
        return lathe;
    }
    if (k == "text") {
        // "text { ttf "font" "text" thickness, offset }"
        std::vector<const Value*> values;
        size_t i = 0;
        if (i >= shape.items.size() || shape.items[i].kind != Item::Kind::Keyword ||
            shape.items[i].value.text != "ttf") {
            why = "a text without a TrueType font";
            return nullptr;
        }
        for (++i; i < shape.items.size(); ++i) {
            const Item& item = shape.items[i];
            if (item.kind == Item::Kind::Comma) {
                continue;
            }
            if (item.kind != Item::Kind::Value) {
                break;
            }
            values.push_back(&item.value);
        }
        headEnd = i;
        if (values.size() != 4 || values[0]->kind != Value::Kind::String ||
            values[1]->kind != Value::Kind::String || !IsFloat(values[2])) {
            why = "a text's font, string, thickness and offset";
            return nullptr;
        }
        const auto offset = values[3]->Promoted(3);
        const std::string& font = values[0]->text;
        const std::string& text = values[1]->text;
        if (offset[1] != 0.0 || offset[2] != 0.0 || CPovTTF::TextForScene(text) != text ||
            CPovTTF::FontFileForScene(font) != font || text.size() > 1000) {
            why = "a text the modeller writes differently";
            return nullptr;
        }
        auto* ttf = new CPovTTF();
        ttf->FontFile = font;
        ttf->Text = text;
        ttf->Thickness = values[2]->v[0];
        ttf->Spacing = offset[0];
        extent = std::fmax(1.0, static_cast<double>(text.size()));
        form = Affine();
        return ttf;
    }
    if (k == "height_field") {
        // "height_field { type "file" [smooth] [water_level w] }"
        size_t i = 0;
        if (i + 1 >= shape.items.size() || shape.items[i].kind != Item::Kind::Keyword ||
            shape.items[i + 1].kind != Item::Kind::Value ||
            shape.items[i + 1].value.kind != Value::Kind::String) {
            why = "a height field from a function";
            return nullptr;
        }
        const std::string type = shape.items[i].value.text;
        const std::string file = shape.items[i + 1].value.text;
        if (!HeightFieldTypeMatches(type, file)) {
            why = "a height field whose image type the modeller cannot write";
            return nullptr;
        }
        auto* hf = new CPovHeightField();
        hf->ImageFile = file;
        hf->Steps[kStepExtra].Y = 0.0;
        for (i += 2; i < shape.items.size(); ++i) {
            const Item& item = shape.items[i];
            if (item.kind != Item::Kind::Keyword) {
                break;
            }
            if (item.value.text == "smooth") {
                hf->Smooth = 1;
            } else if (item.value.text == "water_level" && i + 1 < shape.items.size() &&
                       shape.items[i + 1].kind == Item::Kind::Value) {
                hf->Steps[kStepExtra].Y = shape.items[++i].value.v[0];
            } else if (item.value.text != "hierarchy") {
                break;
            }
        }
        headEnd = i;
        // the modeller's height field keeps POV-Ray's unit square at the origin
        form = Affine();
        return hf;
    }
    why = "no such kind in the modeller";
    return nullptr;
}

CPovObject* ObjectMapper::MapTriangle(const Block& statement, std::string& why,
                                      bool& approximated) {
    const Block& shape = *ShapeOf(statement);
    size_t end = 0;
    const std::vector<const Value*> v = Head(shape, end);
    const bool smooth = shape.keyword == "smooth_triangle";
    if (v.size() != (smooth ? 6u : 3u)) {
        why = "a triangle's corners";
        return nullptr;
    }
    Parts parts;
    if (!CollectParts(statement, end, parts, why)) {
        return nullptr;
    }
    // its outline is built when the mapping has placed every object
    const GeometryDeferral deferral;
    CPovPolygon* triangle = smooth ? static_cast<CPovPolygon*>(new CPovSmoothTriangle())
                                   : static_cast<CPovPolygon*>(new CPovTriangle());
    // a triangle writes no steps: its transformation goes into its corners
    Affine place, normalMatrix;
    if (!PlaceObject(*triangle, parts, Affine(), 1.0, why, approximated, &place) ||
        !place.Inverse(normalMatrix)) {
        if (why.empty()) {
            why = "a degenerate transformation";
        }
        delete triangle;
        return nullptr;
    }
    for (int c = 0; c < 3; ++c) {
        const Vec3 p = place.Apply(AsVec3(*v[smooth ? 2 * c : c]));
        triangle->SetTriangleCorner(c, Vector(p[0], p[1], p[2]));
        if (smooth) {
            // normals go with the inverse transpose
            const Vec3 n = AsVec3(*v[2 * c + 1]);
            Vec3 t{};
            for (int i = 0; i < 3; ++i) {
                t[i] = normalMatrix.m[0][i] * n[0] + normalMatrix.m[1][i] * n[1] +
                       normalMatrix.m[2][i] * n[2];
            }
            triangle->SetTriangleNormal(c, Vector(t[0], t[1], t[2]));
        }
    }
    return triangle;
}

CPovObject* ObjectMapper::MapShape(const Block& statement, std::string& why, bool& approximated,
                                   int depth) {
    if (depth > 200) {
        why = "groups nested too deeply";
        return nullptr;
    }
    const Block* shape = ShapeOf(statement);
    if (!shape) {
        why = "object without a shape";
        return nullptr;
    }
    const std::string_view k = shape->keyword;
    Parts parts;
    if (k == "union" || k == "merge" || k == "intersection" || k == "difference" || k == "blob") {
        // the modeller's groups hold one another at most kMaxGroupDepth levels deep; a group
        // below that stays POV-Ray text inside the group above it
        if (depth >= kMaxGroupDepth) {
            why = "groups nest at most " + std::to_string(kMaxGroupDepth) + " levels deep";
            return nullptr;
        }
        if (!CollectParts(statement, 0, parts, why)) {
            return nullptr;
        }
        return MapGroup(*shape, parts, why, approximated, depth);
    }
    if (k == "triangle" || k == "smooth_triangle") {
        return MapTriangle(statement, why, approximated);
    }
    Affine form;
    double extent = 1.0;
    size_t headEnd = 0;
    CPovObject* object = nullptr;
    {
        // its outline is built when the mapping has placed every object
        const GeometryDeferral deferral;
        object = MakeShape(*shape, headEnd, form, extent, why);
    }
    if (!object) {
        return nullptr;
    }
    if (!CollectParts(statement, headEnd, parts, why) || !parts.children.empty() ||
        !PlaceObject(*object, parts, form, extent, why, approximated)) {
        if (why.empty()) {
            why = "objects inside a " + shape->keyword;
        }
        delete object;
        return nullptr;
    }
    // the height field and the groups write no hollow keyword
    if (object->Hollow && k == "height_field") {
        why = "a hollow height field";
        delete object;
        return nullptr;
    }
    return object;
}

CPovObject* ObjectMapper::MapGroup(const Block& shape, const Parts& parts, std::string& why,
                                   bool& approximated, int depth) {
    const bool blob = shape.keyword == "blob";
    CPovCSG* group = nullptr;
    {
        const GeometryDeferral deferral;
        group = blob ? new CPovBlob() : new CPovCSG();
    }
    if (!blob) {
        group->Operation = shape.keyword;
    }
    // a blob's threshold and its components stand among its modifiers
    Parts own = parts;
    if (blob) {
        own.modifiers.clear();
        for (size_t i = 0; i < parts.modifiers.size(); ++i) {
            const Item& item = parts.modifiers[i];
            if (item.kind == Item::Kind::Keyword && item.value.text == "threshold" &&
                i + 1 < parts.modifiers.size() &&
                parts.modifiers[i + 1].kind == Item::Kind::Value) {
                static_cast<CPovBlob*>(group)->Threshold = parts.modifiers[++i].value.v[0];
                continue;
            }
            if (item.kind == Item::Kind::Keyword && item.value.text == "hierarchy") {
                continue;
            }
            own.modifiers.push_back(item);
        }
    }
    if (!PlaceObject(*group, own, Affine(), 1.0, why, approximated) || group->Hollow) {
        if (group->Hollow) {
            why = "a hollow group";
        }
        delete group;
        return nullptr;
    }
    CPovObject* last = nullptr;
    for (const Item& child : parts.children) {
        const Block& member = *child.value.block;
        std::string childWhy;
        CPovObject* mapped = nullptr;
        if (blob) {
            // a component: "sphere { c, r, [strength] s }" or "cylinder { a, b, r, [strength] s }"
            const Block* component = ShapeOf(member);
            if (component && (component->keyword == "sphere" || component->keyword == "cylinder")) {
                Block geometry = *component;
                double strength = 0.0;
                bool found = false;
                std::vector<Item> items;
                const size_t radiusIndex = component->keyword == "sphere" ? 1 : 2;
                size_t values = 0;
                for (size_t i = 0; i < component->items.size(); ++i) {
                    const Item& item = component->items[i];
                    if (item.kind == Item::Kind::Keyword && item.value.text == "strength" &&
                        i + 1 < component->items.size()) {
                        strength = component->items[++i].value.v[0];
                        found = true;
                        continue;
                    }
                    if (item.kind == Item::Kind::Value && !found && values > radiusIndex) {
                        strength = item.value.v[0];
                        found = true;
                        continue;
                    }
                    if (item.kind == Item::Kind::Value) {
                        ++values;
                    }
                    items.push_back(item);
                }
                geometry.items = std::move(items);
                if (found && member.keyword != "object") {
                    mapped = MapShape(geometry, childWhy, approximated, depth + 1);
                    if (mapped && mapped->GetType() == kKindSphere) {
                        static_cast<CPovSphere*>(mapped)->Strength = strength;
                    } else if (mapped) {
                        // a component's field ends in half spheres: only a cylinder scaled
                        // evenly (as long as its radius) keeps their shape
                        const Vector& sc = mapped->ScaleStep();
                        if (std::fabs(sc.X - sc.Y) > 1e-9 * std::fabs(sc.Y) ||
                            std::fabs(sc.Z - sc.Y) > 1e-9 * std::fabs(sc.Y)) {
                            delete mapped;
                            mapped = nullptr;
                        } else {
                            static_cast<CPovCylinder*>(mapped)->Strength = strength;
                        }
                    }
                }
            }
            if (!mapped) {
                why = "a blob component the modeller cannot hold";
                delete group;
                return nullptr;
            }
        } else {
            mapped = MapShape(member, childWhy, approximated, depth + 1);
            if (!mapped) {
                // the member stays text inside the editable group
                mapped = MakeRaw(member, true);
            }
        }
        InsertChildAfter(group, last, mapped);
        mapped->SetDocument(&doc_);
        last = mapped;
    }
    return group;
}

}  // namespace pov
