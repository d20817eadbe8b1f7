#include "import/surface_mapper.h"

#include <cmath>
#include <string_view>

#include "document/orvanta_doc.h"
#include "import/placement.h"
#include "import/pov_object_items.h"
#include "import/pov_print.h"
#include "model/surfaces/pov_texture.h"

namespace pov {

namespace {

// v printed with the given decimals reads back as v
bool SurvivesDecimals(double v, int decimals) {
    const double f = std::pow(10.0, decimals);
    return std::fabs(std::round(v * f) / f - v) <= 1e-9 * std::fmax(1.0, std::fabs(v));
}

// whether a statement's look depends on where the object is: patterns, maps, normals
bool DependsOnPlace(const Block& b, int depth = 0) {
    if (depth > 100) {
        return true;
    }
    if (b.keyword == "normal" || b.keyword == "[") {
        return true;
    }
    for (const Item& i : b.items) {
        if (i.kind == Item::Kind::Keyword) {
            const std::string& k = i.value.text;
            // finish keywords and colour words do not vary over the surface
            static constexpr std::string_view kPlain[] = {
                "ambient",      "diffuse",    "phong",        "phong_size",
                "specular",     "roughness",  "reflection",   "brilliance",
                "metallic",     "crand",      "emission",     "conserve_energy",
                "fresnel",      "irid",       "thickness",    "turbulence",
                "falloff",      "exponent",   "albedo",       "reflection_exponent",
                "color",        "colour",     "rgb",          "quick_color",
                "quick_colour", "subsurface", "translucency", "no_bump_scale",
                "transmit",     "filter",     "all"};
            bool plain = false;
            for (const std::string_view p : kPlain) {
                plain = plain || k == p;
            }
            if (!plain) {
                return true;
            }
        }
        const Block* inner = ItemBlock(i);
        if (inner && DependsOnPlace(*inner, depth + 1)) {
            return true;
        }
    }
    return false;
}

PovColor Pack(double r, double g, double b) {
    auto byte = [](double c) { return static_cast<unsigned>(std::lround(c * 255.0)); };
    return byte(r) | (byte(g) << 8) | (byte(b) << 16);
}

}  // namespace

bool ModelColor(const Value& color, unsigned& packed, double& filter) {
    if (color.kind != Value::Kind::Color && color.kind != Value::Kind::Vector &&
        color.kind != Value::Kind::Float) {
        return false;
    }
    const auto c = color.kind == Value::Kind::Float ? color.Promoted(3) : color.v;
    for (int i = 0; i < 3; ++i) {
        if (c[i] < 0.0 || c[i] > 1.0) {
            return false;
        }
    }
    const double f = color.kind == Value::Kind::Color ? color.v[3] : 0.0;
    const double t = color.kind == Value::Kind::Color ? color.v[4] : 0.0;
    if (t != 0.0 || !SurvivesDecimals(f, 1)) {
        return false;
    }
    packed = Pack(c[0], c[1], c[2]);
    filter = f;
    return true;
}

SurfaceMapper::SurfaceMapper(COrvantaDoc& doc, TextWriter& writer) : doc_(doc), writer_(writer) {}

bool SurfaceMapper::ToModelTexture(const Block& texture, CPovTexture& out, bool& invariant) const {
    out.HasPigment = 0;
    out.ColorCount = 0;
    invariant = true;
    Affine steps;
    bool hasNormal = false;
    for (size_t i = 0; i < texture.items.size();) {
        if (ReadTransform(texture.items, i, steps)) {
            invariant = false;
            continue;
        }
        const Item& item = texture.items[i++];
        if (item.kind != Item::Kind::Block || !item.value.block) {
            return false;
        }
        const Block& part = *item.value.block;
        if (part.keyword == "pigment") {
            if (out.HasPigment) {
                return false;
            }
            out.HasPigment = 1;
            size_t end = 0;
            std::vector<const Value*> values = LeadingValues(part, &end);
            const std::string kind =
                end < part.items.size() && part.items[end].kind == Item::Kind::Keyword
                    ? part.items[end].value.text
                    : "";
            if (values.size() == 1 && end == part.items.size()) {
                unsigned c;
                double f;
                if (!ModelColor(*values[0], c, f)) {
                    return false;
                }
                out.PigmentKind = kPigmentColor;
                out.AddColor(c, f);
                continue;
            }
            if (!values.empty() || (kind != "checker" && kind != "hexagon")) {
                return false;
            }
            // checker or hexagon with plain colours and nothing else
            out.PigmentKind = kind == "checker" ? kPigmentChecker : kPigmentHexagon;
            const size_t wanted = kind == "checker" ? 2 : 3;
            for (size_t k = end + 1; k < part.items.size(); ++k) {
                const Item& c = part.items[k];
                if (c.kind == Item::Kind::Comma) {
                    continue;
                }
                unsigned packed;
                double f;
                if (c.kind != Item::Kind::Value || !ModelColor(c.value, packed, f)) {
                    return false;
                }
                out.AddColor(packed, f);
            }
            if (static_cast<size_t>(out.ColorCount) != wanted) {
                return false;
            }
            invariant = false;
        } else if (part.keyword == "finish") {
            for (size_t k = 0; k < part.items.size(); ++k) {
                const Item& key = part.items[k];
                if (key.kind != Item::Kind::Keyword) {
                    return false;
                }
                const std::string& w = key.value.text;
                if (w == "metallic" &&
                    (k + 1 >= part.items.size() || part.items[k + 1].kind != Item::Kind::Value)) {
                    out.Metallic = 1;
                    continue;
                }
                if (k + 1 >= part.items.size() || part.items[k + 1].kind != Item::Kind::Value) {
                    return false;
                }
                const Value& v = part.items[++k].value;
                const double f = v.v[0];
                if (w == "ambient") {
                    unsigned packed;
                    double filter;
                    if (!ModelColor(v, packed, filter)) {
                        return false;
                    }
                    out.HasAmbient = 1;
                    out.AmbientColor = packed;
                    continue;
                }
                if (v.kind != Value::Kind::Float) {
                    return false;
                }
                if (w == "diffuse" && SurvivesDecimals(f, 3)) {
                    out.Diffuse = f;
                } else if (w == "phong" && SurvivesDecimals(f, 2)) {
                    out.HasPhong = 1;
                    out.Phong = f;
                } else if (w == "phong_size" && SurvivesDecimals(f, 1)) {
                    out.PhongSize = f;
                } else if (w == "brilliance" && SurvivesDecimals(f, 3)) {
                    out.Brilliance = f;
                } else if (w == "reflection" && SurvivesDecimals(f, 3)) {
                    out.Reflection = f;
                } else if (w == "crand" && SurvivesDecimals(f, 3)) {
                    out.Crand = f;
                } else if (w == "metallic" && f != 0.0) {
                    out.Metallic = 1;
                } else {
                    return false;
                }
            }
            // the writer drops phong_size without phong
            if (!out.HasPhong && out.PhongSize != 1.0) {
                return false;
            }
        } else if (part.keyword == "normal") {
            hasNormal = true;
            return false;
        } else {
            return false;
        }
    }
    (void)hasNormal;
    if (!out.HasPigment) {
        // POV-Ray's default pigment is black; the modeller's texture without pigment has none
        return false;
    }
    Steps s;
    if (FitSteps(steps, s) != Fit::Exact) {
        return false;
    }
    out.Translation() = s.translate;
    out.ScaleStep() = s.scale;
    out.RotationStep() = s.rotate;
    return true;
}

bool SurfaceMapper::ObjectTexture(const std::vector<const Item*>& items, bool placeFree,
                                  Result& out, std::string& why, std::string& declarations) {
    if (items.empty()) {
        return false;
    }
    // one texture statement that names a declared texture
    if (items.size() == 1 && items[0]->value.block && items[0]->value.block->keyword == "texture" &&
        items[0]->value.block->items.size() == 1 &&
        items[0]->value.block->items[0].kind == Item::Kind::Reference) {
        const Item& ref = items[0]->value.block->items[0];
        auto known = byBlock_.find(ref.value.block.get());
        if (known != byBlock_.end()) {
            out = known->second;
            return true;
        }
        Result r;
        r.name = writer_.NameOf(ref, declarations);
        r.invariant = !DependsOnPlace(*ref.value.block);
        byBlock_[ref.value.block.get()] = r;
        out = r;
        return true;
    }
    // otherwise the items make one texture: "texture { ... }", or pigment, normal and finish
    auto texture = std::make_shared<Block>();
    texture->loc = items[0]->value.block ? items[0]->value.block->loc : SourceLoc{};
    if (items.size() == 1 && items[0]->value.block->keyword == "texture") {
        *texture = *items[0]->value.block;
    } else {
        bool layers = true;
        for (const Item* i : items) {
            layers = layers && i->value.block->keyword == "texture";
        }
        if (layers) {
            texture->keyword = kLayeredTexture;
        } else {
            texture->keyword = "texture";
            for (const Item* i : items) {
                if (i->value.block->keyword == "texture") {
                    why = "texture statements mixed with pigment, normal or finish";
                    return false;
                }
            }
        }
        for (const Item* i : items) {
            texture->items.push_back(*i);
        }
    }
    std::string key;
    AppendBlock(key, *texture, [](const Item& r) {
        return r.value.text + "#" +
               std::to_string(reinterpret_cast<uintptr_t>(r.value.block.get()));
    });
    const bool invariant = !DependsOnPlace(*texture);
    key += placeFree || invariant ? "#free" : "#placed";
    auto known = byText_.find(key);
    if (known != byText_.end()) {
        out = known->second;
        return true;
    }
    Result r;
    r.invariant = invariant;
    auto model = std::make_unique<CPovTexture>();
    bool modelInvariant = false;
    if ((placeFree || invariant) && texture->keyword == "texture" &&
        ToModelTexture(*texture, *model, modelInvariant)) {
        // the modeller's own texture: named as it names new ones
        const RgbFraction c = RgbFraction::Of(model->Colors[0]);
        r.r = c.R;
        r.g = c.G;
        r.b = c.B;
        r.name = model->GetName();
        r.invariant = modelInvariant;
        doc_.InsertTexture(model.release());
    } else {
        Item ref;
        ref.kind = Item::Kind::Reference;
        ref.value = Value::FromBlock(texture);
        ref.value.text = "Texture_" + std::to_string(++counter_);
        r.name = writer_.NameOf(ref, declarations);
        // keep the statement alive as long as the writer names it
        kept_.push_back(texture);
    }
    byText_[key] = r;
    out = r;
    return true;
}

std::string SurfaceMapper::PigmentName(const Block& pigment, const std::string& preferred,
                                       std::string& declarations) {
    if (pigment.items.size() == 1 && pigment.items[0].kind == Item::Kind::Reference) {
        return writer_.NameOf(pigment.items[0], declarations);
    }
    auto copy = std::make_shared<Block>(pigment);
    kept_.push_back(copy);
    Item ref;
    ref.kind = Item::Kind::Reference;
    ref.value = Value::FromBlock(copy);
    ref.value.text = preferred;
    return writer_.NameOf(ref, declarations);
}

}  // namespace pov
