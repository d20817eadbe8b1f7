// Write, read, write: documents built from every kind with varied values read back into the
// same document (names, kinds, hierarchy, child order, fields, settings, view values), and
// writing the read document gives the same bytes. The values are those the scene text can
// carry (four decimals for coordinates, the decimals each field is written with).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "bench/scene_generator.h"
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
#include "model/surfaces/predefined_textures.h"
#include "tests/reader/reader_support.h"

namespace {

// Builds a random document whose every value survives the scene text.
class RandomScene {
  public:
    RandomScene(COrvantaDoc& doc, unsigned seed) : doc_(doc), rng_(seed) {}

    void Build() {
        Settings();
        const int halos = Int(0, 3);
        for (int i = 0; i < halos; ++i)
            doc_.InsertHalo(Halo());
        const int pigments = Int(0, 3);
        for (int i = 0; i < pigments; ++i)
            doc_.InsertPigment(Pigment());
        const int textures = Int(0, 4);
        for (int i = 0; i < textures; ++i)
            doc_.InsertTexture(Texture());
        const int objects = Int(1, 14);
        for (int i = 0; i < objects; ++i)
            Insert(TopLevel());
    }

  private:
    // -- values ---------------------------------------------------------------------------
    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool Flip() { return Int(0, 1) == 1; }
    // a value with the given number of decimals in [-range, range]
    double Decimals(double range, int decimals) {
        const double unit = std::pow(10.0, decimals);
        const int steps = static_cast<int>(range * unit);
        return Int(-steps, steps) / unit;
    }
    double D4(double range = 100) { return Decimals(range, 4); }
    double D3(double range = 10) { return Decimals(range, 3); }
    double D1(double range = 10) { return Decimals(range, 1); }
    double Unit4() { return Int(0, 10000) / 10000.0; }
    PovColor Color() { return static_cast<PovColor>(Int(0, 0xFFFFFF)); }
    template <typename T, size_t N>
    const T& Pick(const T (&list)[N]) {
        return list[Int(0, static_cast<int>(N) - 1)];
    }
    Vector Vec(double range = 100) { return Vector(D4(range), D4(range), D4(range)); }
    std::string NewName(const char* prefix) { return prefix + std::to_string(++names_); }
    std::string Word() {
        static const char* const kWords[] = {"arial.ttf", "x.TGA",   "map.png",
                                             "wood.gif",  "a.b.jpg", "Stein_3.ppm"};
        return Pick(kWords);
    }

    void Settings() {
        static const char* const kAuthors[] = {"",
                                               "J\xf6rg M\xfcller-Stra\xdf"
                                               "e",
                                               "A. B. ", "x"};
        static const char* const kComments[] = {"",         "one line",  "a\r\n\r\nb",
                                                "\r\nlead", "trail\r\n", "\xe4\xf6\xfc \xdf"};
        doc_.Author() = Pick(kAuthors);
        doc_.Company() = Pick(kAuthors);
        doc_.Comment() = Pick(kComments);
        doc_.ShowInfos() = Flip();
        doc_.Pov3() = Int(0, 1);
        const int includes = Int(0, 2);
        for (int i = 0; i < includes; ++i)
            doc_.UserIncludes().push_back(NewName("user") + ".inc");
        doc_.ZoomFront = Int(0, 200);
        doc_.ZoomRight = Int(-5, 5);
        doc_.ZoomTop = Int(0, 100000);
        doc_.GridFront = D4(10);
        doc_.GridRight = D4(10);
        doc_.GridTop = D4(10);
    }

    void Insert(CPovObject* object) {
        doc_.InsertObject(object);
        if (object->GetType() == kKindCamera)
            doc_.Camera = object;
        else if (object->GetType() == kKindBackground)
            doc_.Background = object;
        else if (object->GetType() == kKindSkySphere)
            doc_.SkySphere = object;
    }

    // -- common parts ---------------------------------------------------------------------
    void Steps(CPovObject& o) {
        o.Translation() = Vec();
        o.ScaleStep() = Vec(5);
        o.RotationStep() = Vec(180);
    }

    void Texture(CPovObject& o) {
        if (!Flip())
            return;
        o.UseOwnTexture = 1;
        o.QuickColorR = Unit4();
        o.QuickColorG = Unit4();
        o.QuickColorB = Unit4();
        const bool predefined = textureNames_.empty() || Flip();
        o.TextureName = predefined ? kPredefinedTextures[Int(0, kPredefinedTextureCount - 1)]
                                   : textureNames_[Int(0, int(textureNames_.size()) - 1)];
        o.WriteTextureSteps = predefined || Int(0, 3) == 0 ? 1 : 0;
        if (o.WriteTextureSteps) {
            o.TextureSteps[kStepTranslate] = Vec(2);
            o.TextureSteps[kStepScale] = Vec(2);
            o.TextureSteps[kStepRotate] = Vec(90);
        }
    }

    void Finish(CPovObject* o, bool hollow) {
        if (hollow)
            o->Hollow = Int(0, 1);
        o->Name = NewName(o->Name.substr(0, 2).c_str());
        o->UpdateGeometry();
    }

    // -- kinds ----------------------------------------------------------------------------
    CPovObject* Primitive() {
        CPovObject* o = nullptr;
        switch (Int(0, 8)) {
            case 0:
                o = new CPovCubic();
                break;
            case 1:
                o = new CPovSphere();
                break;
            case 2:
                o = new CPovCone();
                break;
            case 3:
                o = new CPovCylinder();
                break;
            case 4:
                o = new CPovTorus();
                o->Steps[kStepExtra].X = D4(2);
                break;
            case 5: {
                auto* field = new CPovHeightField();
                field->ImageFile = Word();
                field->Smooth = Int(0, 1);
                field->Steps[kStepExtra].Y = D4(1);
                Steps(*field);
                Texture(*field);
                Finish(field, false);
                return field;
            }
            case 6: {
                auto* polygon = new CPovPolygon();
                polygon->SetPointCount(0);
                const int n = Int(1, 20);
                for (int i = 0; i < n; ++i)
                    polygon->AddPoint(D4(5), D4(5));
                o = polygon;
                break;
            }
            case 7: {
                static const char* const kSplines[] = {"linear_spline", "quadratic_spline",
                                                       "cubic_spline"};
                auto* lathe = new CPovLathe();
                lathe->SplineType = Pick(kSplines);
                lathe->SetPointCount(0);
                const int n = Int(1, 20);
                for (int i = 0; i < n; ++i)
                    lathe->AddPoint(D4(5), D4(5));
                o = lathe;
                break;
            }
            default: {
                static const char* const kTexts[] = {
                    "", "A", "Hello World", "a.b,c", "1.0", "\xc4rger \"quoted\" back\\slash"};
                auto* ttf = new CPovTTF();
                ttf->SetText(Pick(kTexts));
                ttf->Thickness = D4(3);
                ttf->Spacing = D4(1);
                o = ttf;
                break;
            }
        }
        Steps(*o);
        Texture(*o);
        Finish(o, true);
        return o;
    }

    CPovObject* Triangle() {
        const bool smooth = Flip();
        CPovPolygon* t = smooth ? static_cast<CPovPolygon*>(new CPovSmoothTriangle())
                                : static_cast<CPovPolygon*>(new CPovTriangle());
        for (int i = 0; i < 3; ++i) {
            t->SetTriangleCorner(i, Vec(10));
            if (smooth)
                t->SetTriangleNormal(i, Vec(1));
        }
        Texture(*t);
        Finish(t, false);
        return t;
    }

    // members are linked before the group's geometry is built
    CPovObject* Group(int depth) {
        static const char* const kOperations[] = {"union", "intersection", "difference", "merge"};
        CPovCSG* group = nullptr;
        const int kind = Int(0, depth > 0 ? 1 : 2);
        if (kind == 2) {
            auto* blob = new CPovBlob();
            blob->Threshold = D4(2);
            const int parts = Int(1, 4);
            CPovObject* last = nullptr;
            for (int i = 0; i < parts; ++i) {
                CPovObject* part = nullptr;
                if (Flip()) {
                    auto* sphere = new CPovSphere();
                    sphere->Strength = D4(10);
                    part = sphere;
                } else {
                    auto* cylinder = new CPovCylinder();
                    cylinder->Strength = D4(10);
                    part = cylinder;
                }
                Steps(*part);
                Texture(*part);
                InsertChildAfter(blob, last, part);
                last = part;
                // a blob component writes no hollow keyword
                Finish(part, false);
            }
            group = blob;
        } else {
            group = kind == 1 && depth == 0 ? new CPovUserObject() : new CPovCSG();
            group->Operation = kind == 1 && depth == 0 ? "union" : Pick(kOperations);
            const int members = Int(1, 4);
            CPovObject* last = nullptr;
            for (int i = 0; i < members; ++i) {
                CPovObject* member = Int(0, 4) == 0 && depth < 1   ? Group(depth + 1)
                                     : Int(0, 2) == 0 || kind == 1 ? Triangle()
                                                                   : Primitive();
                InsertChildAfter(group, last, member);
                last = member;
            }
        }
        Steps(*group);
        Texture(*group);
        Finish(group, false);
        return group;
    }

    CPovObject* Light() {
        const int kind = Int(0, 2);
        if (kind == 0) {
            auto* light = new CPovLight();
            light->LightColor = Color();
            light->Translation() = Vec();
            Finish(light, false);
            return light;
        }
        auto set = [&](auto* light) {
            light->LightColor = Color();
            light->Radius = D4(30);
            light->Falloff = D4(40);
            light->Tightness = D4(20);
            light->Translation() = Vec();
            light->FirstChild->Translation() = Vec();
            Finish(light, false);
            return light;
        };
        if (kind == 1)
            return set(new CPovLightSourceSpot());
        return set(new CPovLightSourceCylinder());
    }

    CPovObject* Fog() {
        static const char* const kTypes[] = {"Uniform_Fog", "Constant_Fog", "Ground_Fog"};
        auto* fog = new CPovFog();
        fog->FogType = Pick(kTypes);
        fog->Distance = D4();
        fog->FogColor = Color();
        fog->FogFilter = D1(1);
        fog->FogOffset = D4();
        fog->FogAlt = D4();
        if (Flip()) {
            fog->FogTurbulenceOn = 1;
            fog->FogTurbulence = {D3(), D3(), D3()};
            fog->FogOctaves = D1();
            fog->FogOmega = D3();
            fog->FogLambda = D3();
        }
        fog->Steps[kStepTranslate] = Vec(1);
        fog->ScaleStep() = Vec(5);
        Finish(fog, false);
        return fog;
    }

    CPovObject* TopLevel() {
        switch (Int(0, 9)) {
            case 0:
            case 1:
            case 2:
                return Primitive();
            case 3:
                return Triangle();
            case 4:
            case 5:
                return Group(0);
            case 6:
                return Light();
            case 7:
                return Fog();
            case 8:
                if (!hasCamera_) {
                    hasCamera_ = true;
                    auto* camera = new CPovCamera();
                    // far from the z nudge of a camera level with its look-at point
                    camera->Translation() = Vector(D4(), D4(), -Int(500000, 510000) / 1e4);
                    camera->FirstChild->Translation() = Vector(D4(), D4(), Int(0, 100000) / 1e4);
                    camera->FirstChild->UpdateGeometry();
                    return camera;
                }
                return Primitive();
            default:
                if (!hasBackground_) {
                    hasBackground_ = true;
                    auto* background = new CPovBackground();
                    background->BackgroundColor = Color();
                    return background;
                }
                if (!hasSky_) {
                    hasSky_ = true;
                    auto* sky = new CPovSkySphere();
                    if (Flip()) {
                        sky->SkyPigment = "S_Cloud" + std::to_string(Int(1, 5));
                    } else {
                        sky->SkyPigment = NewName("SkyP");
                        if (Flip())
                            sky->SkyPigment2 = NewName("SkyQ");
                    }
                    return sky;
                }
                return Primitive();
        }
    }

    // -- surfaces -------------------------------------------------------------------------
    void PigmentModel(CPovPigmentOwner& p) {
        static const char* const kPatterns[] = {
            "gradient x", "gradient y", "gradient z", "marble", "wood",   "onion", "leopard",
            "granite",    "bozo",       "spotted",    "radial", "mandel", "agate", "crackle"};
        p.PigmentKind = Int(0, 6);
        auto color = [&](int i) {
            p.Colors[static_cast<size_t>(i)] = Color();
            p.Filters[static_cast<size_t>(i)] = D1(1);
        };
        switch (p.PigmentKind) {
            case kPigmentColor:
                color(0);
                p.ColorCount = 1;
                break;
            case kPigmentChecker:
            case kPigmentBrick:
                color(0);
                color(1);
                p.ColorCount = 2;
                break;
            case kPigmentHexagon:
                color(0);
                color(1);
                color(2);
                p.ColorCount = 3;
                break;
            case kPigmentColorMap:
                p.ColorCount = Int(0, 10);
                for (int i = 0; i < p.ColorCount; ++i) {
                    color(i);
                    p.Positions[static_cast<size_t>(i)] = D1(1);
                }
                break;
            case kPigmentImageMap:
                p.ColorCount = 0;
                p.ImageFile = Word();
                p.Once = Int(0, 1);
                p.MapType = std::vector<int>{0, 1, 2, 5}[static_cast<size_t>(Int(0, 3))];
                break;
            default: {
                p.ColorCount = 0;
                const int n = Int(1, 3);
                for (int i = 0; i < n; ++i) {
                    p.MapPigments[static_cast<size_t>(i)] = NewName("MapP");
                    p.Positions[static_cast<size_t>(i)] = D1(1);
                }
                break;
            }
        }
        if (p.PigmentKind == kPigmentColorMap || p.PigmentKind == kPigmentPigmentMap) {
            p.PatternName = Pick(kPatterns);
            if (p.PatternName == "mandel")
                p.PatternValue = D3(100);
        }
        if (Flip()) {
            p.TurbulenceOn = 1;
            p.Turbulence = {D3(), D3(), D3()};
            p.Octaves = Int(1, 10);
            p.Omega = D3();
            p.Lambda = D3();
        }
    }

    CPovObject* Pigment() {
        auto* p = new CPovPigment();
        PigmentModel(*p);
        Steps(*p);
        p->Name = NewName("Pig");
        return p;
    }

    CPovObject* Texture() {
        static const char* const kNormals[] = {
            "agate",   "average", "bozo",       "brick",   "bumps",   "checker",
            "crackle", "dents",   "gradient x", "granite", "hexagon", "leopard",
            "mandel",  "marble",  "onion",      "quilted", "radial",  "ripples",
            "spiral1", "spiral2", "spotted",    "waves",   "wood",    "wrinkles"};
        auto* t = new CPovTexture();
        t->HasPigment = Int(0, 3) != 0;
        if (t->HasPigment)
            PigmentModel(*t);
        else
            t->ColorCount = 0;
        if (Flip()) {
            t->HasNormal = 1;
            t->NormalKind = Int(0, 2);
            if (t->NormalKind == kNormalPattern) {
                t->NormalName = Pick(kNormals);
                const std::string& name = t->NormalName.Str();
                if (name == "mandel") {
                    t->NormalValues = {D3(), D3(), 0.0};
                } else if (name == "quilted") {
                    t->NormalValues = {D3(), D3(), D3()};
                } else if (name == "brick" || name == "bumps" || name == "checker" ||
                           name == "dents" || name == "gradient x" || name == "hexagon" ||
                           name == "ripples" || name == "waves" || name == "wrinkles" ||
                           name == "spiral1" || name == "spiral2") {
                    t->NormalValues[0] = D3();
                }
            } else if (t->NormalKind == kNormalBumpMap) {
                t->BumpFile = Word();
            }
        }
        if (Flip()) {
            t->HasAmbient = 1;
            t->AmbientColor = Color();
        }
        if (Flip()) {
            t->HasPhong = 1;
            t->Phong = Decimals(1, 2);
            t->PhongSize = D1(100);
        }
        if (Flip()) {
            t->HasRefraction = 1;
            t->Ior = D3(3);
        }
        t->Metallic = Int(0, 1);
        if (Flip())
            t->Diffuse = D3(1);
        if (Flip())
            t->Brilliance = D3(5);
        if (Flip())
            t->Crand = D3(1);
        if (Flip())
            t->Reflection = D3(1);
        const int halos = Int(0, 6);
        for (int i = 0; i < halos; ++i)
            t->AddHaloName(NewName("Hal"));
        Steps(*t);
        t->Name = NewName("Tex");
        textureNames_.push_back(t->Name);
        return t;
    }

    CPovObject* Halo() {
        static const char* const kTypes[] = {"attenuating", "emitting", "glowing", "dust"};
        static const char* const kDensities[] = {"constant", "linear", "cubic", "poly"};
        static const char* const kMappings[] = {"planar_mapping", "spherical_mapping",
                                                "cylindrical_mapping", "box_mapping"};
        static const char* const kDust[] = {"ISOTROPIC_SCATTERING", "MIE_HAZY_SCATTERING",
                                            "MIE_MURKY_SCATTERING", "RAYLEIGH_SCATTERING",
                                            "HENYEY_GREENSTEIN_SCATTERING"};
        auto* h = new CPovHalo();
        h->HaloType = Pick(kTypes);
        h->DensityFunction = Pick(kDensities);
        h->Mapping = Pick(kMappings);
        if (h->HaloType == "dust") {
            h->DustType = Pick(kDust);
            h->Eccentricity = D4(1);
        }
        h->MaxValue = D4(5);
        if (h->DensityFunction == "poly")
            h->Exponent = D4(5);
        h->Samples = D4(50);
        if (Flip()) {
            h->AntiAliasOn = 1;
            h->AaLevel = D4(1);
            h->AaThreshold = D4(5);
            if (Flip()) {
                h->JitterOn = 1;
                h->Jitter = D4(1);
            }
        }
        if (Flip()) {
            h->HaloTurbulenceOn = 1;
            h->HaloTurbulence = Vec(2);
            h->HaloOctaves = D1();
            h->HaloLambda = D1();
            h->HaloOmega = D1();
        }
        const int colors = Int(0, 6);
        for (int i = 0; i < colors; ++i)
            h->AddHaloColor(D1(1), Color(), D3(1), D3(1));
        Steps(*h);
        h->Name = NewName("Hal");
        return h;
    }

    COrvantaDoc& doc_;
    std::mt19937 rng_;
    int names_ = 0;
    bool hasCamera_ = false;
    bool hasBackground_ = false;
    bool hasSky_ = false;
    std::vector<std::string> textureNames_;
};

class RoundTripTest : public ModelTest {};

void ExpectRoundTrip(COrvantaDoc& original, const std::string& label) {
    const std::string text = Write(original);
    const nlohmann::ordered_json expected = Comparable(original);
    ResetModelGlobals();
    COrvantaDoc read;
    const SceneReadResult r = Read(read, text);
    EXPECT_TRUE(r.problems.empty()) << label << "\n" << ProblemText(r.problems);
    const std::string again = Write(read);
    EXPECT_EQ(again, text) << label;
    const nlohmann::ordered_json actual = Comparable(read);
    if (actual != expected) {
        // name the values that differ
        const nlohmann::ordered_json patch = nlohmann::ordered_json::diff(expected, actual);
        ADD_FAILURE() << label << ": the read document differs from the original\n"
                      << patch.dump(1).substr(0, 3000);
    }
}

TEST_F(RoundTripTest, RandomDocumentsOfEveryKindReadBackUnchanged) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        ResetModelGlobals();
        COrvantaDoc original;
        LoadingScene = true;  // default names without the uniqueness scan
        RandomScene(original, seed).Build();
        LoadingScene = false;
        ExpectRoundTrip(original, "seed " + std::to_string(seed));
        if (HasFailure())
            break;
    }
}

TEST_F(RoundTripTest, TheBenchmarkGeneratorWritesTheWritersDialect) {
    for (const std::string& text :
         {scene_generator::MixedScene(40), scene_generator::MeshScene(30)}) {
        ResetModelGlobals();
        COrvantaDoc doc;
        const SceneReadResult r = Read(doc, text);
        EXPECT_TRUE(r.problems.empty()) << ProblemText(r.problems);
        EXPECT_EQ(Write(doc), text);
    }
}

}  // namespace

namespace {

// Parts with the same name: each group must find its own parts again, in their order, however
// often the scene is saved and read.
TEST_F(RoundTripTest, GroupsWithRepeatedPartNamesKeepTheirPartsInOrder) {
    for (bool predefined : {true, false}) {
        ResetModelGlobals();
        COrvantaDoc original;
        // a top-level object of the same name, written before the group
        auto* stray = new CPovSphere();
        stray->Name = "Part";
        stray->Translation() = Vector(9, 0, 0);
        original.InsertObject(stray);
        stray->UpdateGeometry();
        CPovObject* group = predefined ? static_cast<CPovObject*>(new CPovUserObject())
                                       : static_cast<CPovObject*>(new CPovCSG());
        original.InsertObject(group);
        for (int i = 0; i < 3; ++i) {
            auto* part = new CPovSphere();
            part->Name = "Part";
            part->Translation() = Vector(i, 0, 0);
            AppendChild(group, part);
        }
        group->SetDocument(&original);
        group->UpdateGeometry();
        const std::string text = Write(original);
        std::string current = text;
        for (int round = 0; round < 3; ++round) {
            ResetModelGlobals();
            COrvantaDoc read;
            Read(read, current);
            ASSERT_NE(read.Objects, nullptr);
            ASSERT_EQ(Count(read.Objects), 2);
            EXPECT_EQ(read.Objects->NextSibling->Translation().X, 9);
            ASSERT_EQ(Count(read.Objects->FirstChild), 3);
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(Nth(read.Objects->FirstChild, i)->Translation().X, i)
                    << (predefined ? "predefined" : "csg") << " round " << round;
            current = Write(read);
            EXPECT_EQ(current, text);
        }
    }
}

}  // namespace

namespace {

// A read with helper threads (the scanner ahead of the parser, the trees placed on a second
// thread while the read goes on) must read exactly what a read on one thread reads: the same
// objects with the same geometry, the same problems in the same order, the same output log,
// also for damaged text and for a read that stops early. The geometry each object got while
// reading must be what building it again gives, also where two threads place the trees.
TEST_F(RoundTripTest, HelperThreadsReadWhatOneThreadReads) {
    std::string clean;
    for (unsigned seed = 1; seed <= 25; ++seed) {
        ResetModelGlobals();
        COrvantaDoc doc;
        LoadingScene = true;
        RandomScene(doc, seed).Build();
        LoadingScene = false;
        clean += Write(doc);
    }
    // objects instanced and taken into a group long after their declaration, when the second
    // thread may have placed them
    clean +=
        "#declare Late_A = sphere { <0,0,0>, 1 }\r\n"
        "#declare Late_B = box { <0,0,0>, <1,1,1> }\r\n";
    clean += scene_generator::MixedScene(100);
    clean +=
        "object { Late_A scale 2 translate <1,2,3> }\r\n"
        "#declare Late_G = union { object { Late_B } translate <0,4,0> }\r\n"
        "object { Late_G }\r\n";
    static const char* const kDamage[] = {"@",        "\x81\x82", "}",        "{",
                                          "sphere {", "<1,",      "#while 1", "/* x */",
                                          "\"open",   ",,",       "1e999",    "object { Nowhere }"};
    std::mt19937 rng(7);
    auto damaged = [&](int places) {
        std::string text = clean;
        for (int i = 0; i < places; ++i) {
            const size_t at = std::uniform_int_distribution<size_t>(0, text.size())(rng);
            text.insert(at, kDamage[std::uniform_int_distribution<size_t>(0, 11)(rng)]);
        }
        return text;
    };
    const std::string deep(400, '{');
    const std::vector<std::string> texts = {clean, damaged(20), damaged(200),
                                            damaged(20) + "\r\n/* never closed",
                                            clean.substr(0, clean.size() / 2) + deep + "@ \x90"};
    for (size_t t = 0; t < texts.size(); ++t) {
        std::string results[2];
        for (SceneReadThreads threads : {SceneReadThreads::One, SceneReadThreads::Helpers}) {
            ResetModelGlobals();
            COrvantaDoc doc;
            std::string buffer = texts[t];
            buffer.append(2, '\0');
            const SceneReadResult r = ReadSceneBuffer(doc, buffer, true, {}, threads);
            const nlohmann::ordered_json read = DocumentToJson(doc, r.problems);
            std::vector<CPovObject*> trees;
            for (CPovObject* o = doc.Objects; o; o = o->NextSibling) {
                o->UpdateGeometry();
                trees.push_back(o);
            }
            EXPECT_EQ(DocumentToJson(doc, r.problems), read)
                << "text " << t << ": the geometry built while reading is not the object's";
            results[threads == SceneReadThreads::Helpers] =
                read.dump(1) + "\n--- output\n" + r.output + "\n--- scene\n" + Write(doc);
            EXPECT_EQ(r.problems.empty(), t == 0) << "text " << t;
            if (t == 0 && threads == SceneReadThreads::Helpers) {
                // two threads place the moved trees as one does
                for (CPovObject* o : trees)
                    o->Steps[kStepTranslate].X += 1.0;
                PlaceFinishedTrees(trees, {}, 2);
                const nlohmann::ordered_json shared = DocumentToJson(doc, r.problems);
                for (CPovObject* o : trees)
                    o->UpdateGeometry();
                EXPECT_EQ(DocumentToJson(doc, r.problems), shared);
                EXPECT_NE(shared, read);
            }
        }
        // the first difference, not a diff of the whole (too long for one)
        const auto [ahead, inTurn] = std::mismatch(results[1].begin(), results[1].end(),
                                                   results[0].begin(), results[0].end());
        if (ahead != results[1].end() || inTurn != results[0].end()) {
            const size_t at = static_cast<size_t>(ahead - results[1].begin());
            const size_t from = at < 300 ? 0 : at - 300;
            ADD_FAILURE() << "text " << t << ": with helpers the read gives\n"
                          << results[1].substr(from, 600) << "\non one thread\n"
                          << results[0].substr(from, 600);
        }
    }
}

}  // namespace

// What is left to place when a large read ends is placed with the window let have its turn,
// also while the second thread shares the plain trees; every tree gets its outline.
TEST_F(RoundTripTest, PlacingTheRestLetsTheWindowBreatheAndPlacesEveryTree) {
    std::vector<std::unique_ptr<CPovObject>> trees;
    TreePlacement placement;
    placement.backgroundFrom = 1;
    placement.wakeAt = 1'000'000;  // the second thread waits for the end
    int breaths = 0;
    {
        GeometryDeferral deferral;
        TreePlacer placer(placement);
        for (int i = 0; i < 6000; ++i) {
            // spheres are plain (either thread places them), lights are not (the calling one)
            trees.push_back(i % 2 ? std::unique_ptr<CPovObject>(std::make_unique<CPovSphere>())
                                  : std::make_unique<CPovLight>());
            trees.back()->Outline.clear();  // a light builds its own at once
            placer.Finished(trees.back().get());
        }
        placer.PlaceAll([&] { ++breaths; });
    }
    EXPECT_GE(breaths, 2);
    for (const auto& tree : trees) {
        EXPECT_FALSE(tree->Outline.empty()) << tree->GetName();
    }
}
