// The texture, pigment and halo sheets: pages, panels, lists, ranges and enabling rules, what
// OK writes, the nested editors, and the live preview's scene.
#include <gtest/gtest.h>

#include <random>

#include "document/creation_commands.h"
#include "document/scene_writer.h"
#include "model/environment/pov_halo.h"
#include "model/surfaces/pov_pigment.h"
#include "model/surfaces/pov_texture.h"
#include "props/prop_object.h"
#include "props/sheet_factory.h"
#include "props/surfaces/texture_sheet.h"
#include "resources/string_table.h"
#include "resources/ui_text.h"
#include "tests/props/props_fixture.h"

namespace {

std::vector<std::string> Titles(SheetModel& sheet) {
    std::vector<std::string> titles;
    for (size_t i = 0; i < sheet.PageCount(); ++i)
        titles.push_back(sheet.Page(i).Title());
    return titles;
}

std::string Text(CPovObject& o) {
    SceneText out;
    o.WriteScene(out);
    return out.Take();
}

class SurfaceSheetTest : public PropsTest {
  protected:
    CPovTexture* NewTexture() {
        auto* t = new CPovTexture();
        doc.InsertTexture(t);
        return t;
    }
    CPovPigment* NewPigment(const char* name) {
        auto* p = new CPovPigment();
        p->Name = name;
        doc.InsertPigment(p);
        return p;
    }
};

}  // namespace

TEST_F(SurfaceSheetTest, PagesAndKindsOfTexturesAndPigments) {
    CPovTexture* texture = NewTexture();
    CPovPigment* pigment = NewPigment("P");
    Edit(*texture, [](SheetRunner& r) {
        EXPECT_EQ(r.Sheet().Caption(), "Eigenschaften Oberfläche");
        EXPECT_EQ(Titles(r.Sheet()),
                  (std::vector<std::string>{"Allgemein", "Farbe", "Beschaffenheit", "Reflektion",
                                            "Halo"}));
        r.ShowPage("Farbe");
        EXPECT_EQ(r.Field("kind").items.size(), 7u);
        r.Cancel();
        return 2;
    });
    Edit(*pigment, [](SheetRunner& r) {
        EXPECT_EQ(Titles(r.Sheet()), (std::vector<std::string>{"Allgemein", "Farbe"}));
        r.ShowPage("Farbe");
        EXPECT_EQ(r.Field("kind").items.back(), "Imagemap");
        r.Cancel();
        return 2;
    });
}

TEST_F(SurfaceSheetTest, KindsFixTheColoursAndOkStoresEverySixRows) {
    CPovTexture* texture = NewTexture();
    for (int i = 0; i < 6; ++i)
        texture->Colors[static_cast<size_t>(i)] = 0x010101u * static_cast<PovColor>(i + 1);
    EXPECT_EQ(Edit(*texture,
                   [](SheetRunner& r) {
                       r.ShowPage("Farbe");
                       EXPECT_TRUE(r.Choose("kind", "Checker"));
                       EXPECT_EQ(r.Field("count").value, 1);  // two colours
                       EXPECT_FALSE(r.Field("count").enabled);
                       EXPECT_FALSE(r.Field("effect").enabled);
                       EXPECT_TRUE(r.Field("c2.pick").enabled);
                       EXPECT_FALSE(r.Field("c3.pick").enabled);
                       EXPECT_FALSE(r.Field("c3.filter").enabled);
                       EXPECT_FALSE(r.Field("image").visible);
                       EXPECT_FALSE(r.Field("p1").visible);
                       // rows beyond the count are stored too, as they stand
                       r.Sheet().Page(1).Field("c5.index").text = "0.7";
                       r.Sheet().Page(1).Field("c5.filter").text = "nonsense";
                       return OkOrCancel(r);
                   }),
              1);
    EXPECT_EQ(texture->PigmentKind, kPigmentChecker);
    EXPECT_EQ(texture->ColorCount, 2);
    EXPECT_DOUBLE_EQ(texture->Positions[4], 0.7);
    EXPECT_DOUBLE_EQ(texture->Filters[4], 0.0);  // what does not read is 0
    EXPECT_EQ(texture->Colors[5], 0x060606u);

    // a colour map with four colours: the count and all six rows' positions and filters
    EXPECT_EQ(Edit(*texture,
                   [](SheetRunner& r) {
                       r.ShowPage("Farbe");
                       EXPECT_TRUE(r.Choose("kind", "Colormap"));
                       EXPECT_TRUE(r.Field("count").enabled && r.Field("effect").enabled);
                       EXPECT_TRUE(r.Choose("count", "4"));
                       EXPECT_TRUE(r.Field("c4.index").enabled);
                       EXPECT_FALSE(r.Field("c5.index").enabled);
                       EXPECT_TRUE(r.Choose("c4.filter", "0.3"));
                       EXPECT_FALSE(r.Type("c6.index", "0.95"));  // a disabled row
                       // the fourth index (0.0) falls below the third: POV-Ray would go wrong
                       EXPECT_TRUE(r.Field("order.note").visible);
                       EXPECT_TRUE(r.Type("c4.index", "1.0"));
                       EXPECT_FALSE(r.Field("order.note").visible);
                       EXPECT_TRUE(r.Type("c4.index", "0.0"));
                       return OkOrCancel(r);
                   }),
              0 + 1);
    EXPECT_EQ(texture->ColorCount, 4);
    EXPECT_DOUBLE_EQ(texture->Filters[3], 0.3);
    EXPECT_NE(Text(*texture).find("[ 0.0 color rgb < 0.016 0.016 0.016 > filter 0.3]"),
              std::string::npos);
}

TEST_F(SurfaceSheetTest, ImageMapTypesAndPigmentMapEntries) {
    CPovTexture* texture = NewTexture();
    texture->PigmentKind = kPigmentImageMap;
    texture->MapType = 5;
    Edit(*texture, [](SheetRunner& r) {
        r.ShowPage("Farbe");
        EXPECT_EQ(r.Field("maptype").value, 3);
        EXPECT_EQ(r.Field("maptype").items[3], "map_type 5 (torus)");
        return OkOrCancel(r);
    });
    EXPECT_EQ(texture->MapType, 5);
    Edit(*texture, [](SheetRunner& r) {
        r.ShowPage("Farbe");
        r.Choose("maptype", "map_type 1 (spherical)");
        return OkOrCancel(r);
    });
    EXPECT_EQ(texture->MapType, 1);

    NewPigment("Stripes");
    NewPigment("Dots");
    texture->PigmentKind = kPigmentPigmentMap;
    texture->MapPigments = {"Stripes", "Dots", ""};
    Edit(*texture, [](SheetRunner& r) {
        r.ShowPage("Farbe");
        EXPECT_EQ(r.Field("p1").items,
                  (std::vector<std::string>{"(kein Eintrag)", "Dots", "Stripes"}));
        EXPECT_EQ(r.Field("p3").value, 0);
        EXPECT_TRUE(r.Choose("p2", "(kein Eintrag)"));
        return OkOrCancel(r);
    });
    EXPECT_EQ(texture->MapPigments[1], "");
    const std::string text = Text(*texture);
    EXPECT_NE(text.find("[ 0.1 Stripes ]"), std::string::npos);
    EXPECT_EQ(text.find("Dots"), std::string::npos);
}

TEST_F(SurfaceSheetTest, AStandAlonePigmentWithAPigmentMapKeepsIt) {
    CPovPigment* pigment = NewPigment("Mixed");
    NewPigment("A");
    pigment->PigmentKind = kPigmentPigmentMap;
    pigment->MapPigments = {"A", "Gone", ""};
    const std::string before = Text(*pigment);
    Edit(*pigment, [](SheetRunner& r) {
        r.ShowPage("Farbe");
        EXPECT_EQ(r.Field("kind").value, 6);
        EXPECT_EQ(r.Field("kind").items.back(), "Pigmentmap");
        EXPECT_TRUE(r.Field("p1").visible);
        EXPECT_FALSE(r.Field("p1").enabled);  // shown, not edited
        EXPECT_EQ(r.Page().ChosenText("p2"), "Gone");
        EXPECT_TRUE(r.Field("map.note").visible);
        return OkOrCancel(r);
    });
    EXPECT_EQ(Text(*pigment), before);
    Edit(*pigment, [](SheetRunner& r) {
        r.ShowPage("Farbe");
        r.Choose("kind", "Normal");
        return OkOrCancel(r);
    });
    EXPECT_EQ(pigment->PigmentKind, kPigmentColor);
}

TEST_F(SurfaceSheetTest, NormalCases) {
    CPovTexture* texture = NewTexture();
    auto normal = [&](const std::function<void(SheetRunner&)>& act) {
        Edit(*texture, [&](SheetRunner& r) {
            r.ShowPage(Tr("Beschaffenheit"));
            act(r);
            return OkOrCancel(r);
        });
    };
    normal([](SheetRunner& r) {
        EXPECT_FALSE(r.Field("file").enabled);
        r.Choose("pattern", "bumps");
        r.Type("v1", "0.5");
    });
    EXPECT_EQ(texture->HasNormal, 1);
    EXPECT_NE(Text(*texture).find("\tnormal {\r\n\t\tbumps 0.500\r\n\t}\r\n"), std::string::npos);
    normal([](SheetRunner& r) { r.Choose("pattern", "keine Deformation"); });
    EXPECT_EQ(texture->HasNormal, 0);
    // in English the list says "no deformation"; the scene keeps its German word
    SetUiLanguage(UiLanguage::English);
    normal([](SheetRunner& r) {
        EXPECT_EQ(r.Sheet().Page(2).ChosenText("pattern"), "no deformation");
        r.Choose("pattern", "bumps");
        r.Choose("pattern", "no deformation");
    });
    SetUiLanguage(UiLanguage::German);
    EXPECT_EQ(texture->NormalName, "keine Deformation");
    EXPECT_EQ(texture->HasNormal, 0);
    normal([](SheetRunner& r) {
        r.ChooseIndex("kind", kNormalSlopeMap);
        EXPECT_FALSE(r.Field("pattern").enabled || r.Field("v1").enabled ||
                     r.Field("file").enabled);
    });
    EXPECT_EQ(texture->HasNormal, 1);
    EXPECT_NE(Text(*texture).find("\tnormal {\r\n\t}\r\n"), std::string::npos);
    normal([](SheetRunner& r) {
        r.ChooseIndex("kind", kNormalBumpMap);
        EXPECT_TRUE(r.Field("file").enabled && r.Field("browse").enabled);
        EXPECT_FALSE(r.Field("pattern").enabled);
        r.Type("file", "bumps.png");
    });
    EXPECT_NE(Text(*texture).find("png \"bumps.png\""), std::string::npos);
}

TEST_F(SurfaceSheetTest, EffectDialogRangesAndWritingAtOnce) {
    CPovTexture* texture = NewTexture();
    host.services.nested = [](SheetRunner& r) {
        EXPECT_EQ(r.Sheet().Caption(), "Oberflächeneffekt");
        EXPECT_FALSE(r.Field("octaves").enabled);  // until turbulence is on
        r.Check("turbulence", true);
        for (auto [id, bad, good] :
             {std::tuple{"octaves", "11", "4"}, {"lambda", "150", "100"}, {"tx", "1.5", "1"}}) {
            r.Type(id, bad);
            EXPECT_FALSE(r.Ok()) << id;
            EXPECT_EQ(r.Refused()->fieldId, id);
            r.Type(id, good);
        }
        r.Choose("pattern", "mandel");
        r.Type("value", "25");
        return OkOrCancel(r);
    };
    // the outer sheet is cancelled: what the dialog wrote stays
    Edit(*texture, [](SheetRunner& r) {
        r.ShowPage("Farbe");
        r.Choose("kind", "Colormap");
        EXPECT_TRUE(r.Press("effect"));
        r.Cancel();
        return 2;
    });
    EXPECT_EQ(texture->PatternName, "mandel");
    EXPECT_EQ(texture->Octaves, 4);
    EXPECT_DOUBLE_EQ(texture->Lambda, 100.0);
    EXPECT_DOUBLE_EQ(texture->Turbulence[0], 1.0);
    EXPECT_EQ(texture->TurbulenceOn, 1);
    EXPECT_EQ(texture->PigmentKind, kPigmentColor);  // the cancelled sheet wrote nothing
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(SurfaceSheetTest, HaloSheetSamplingTurbulenceAndTheTexturesHaloRows) {
    auto* halo = static_cast<CPovHalo*>(doc.OnCreate(CreateKind::Halo));
    Edit(*halo, [](SheetRunner& r) {
        EXPECT_EQ(Titles(r.Sheet()),
                  (std::vector<std::string>{"Allgemein", "Drehung", "Definitionen", "Farbetabelle",
                                            "Sampling", "Turbulenz"}));
        r.ShowPage("Sampling");
        EXPECT_TRUE(r.Field("samples").enabled);
        for (const char* id : {"level", "threshold", "nojitter", "jitter"})
            EXPECT_FALSE(r.Field(id).enabled) << id;
        r.Check("aa", true);
        EXPECT_TRUE(r.Field("nojitter").enabled);
        EXPECT_TRUE(r.Field("nojitter").value);  // a new halo has no jitter ...
        EXPECT_FALSE(r.Field("jitter").enabled);
        r.Check("nojitter", false);  // ... unchecked, it has
        EXPECT_TRUE(r.Field("jitter").enabled);
        r.ShowPage("Turbulenz");
        EXPECT_FALSE(r.Field("x").enabled);
        r.Check("on", true);
        r.Type("octaves", "3");
        r.ShowPage("Farbetabelle");
        r.Choose("count", "2");
        return OkOrCancel(r);
    });
    EXPECT_EQ(halo->AntiAliasOn, 1);
    EXPECT_EQ(halo->JitterOn, 1);
    EXPECT_NE(Text(*halo).find("  jitter 0.5000\r\n"), std::string::npos);
    EXPECT_DOUBLE_EQ(halo->HaloOctaves, 3.0);
    EXPECT_EQ(halo->HaloColorCount, 2);
    Edit(*halo, [](SheetRunner& r) {
        r.ShowPage("Sampling");
        r.Check("nojitter", true);
        EXPECT_FALSE(r.Field("jitter").enabled);
        return OkOrCancel(r);
    });
    EXPECT_EQ(halo->JitterOn, 0);

    // the texture's halo rows: a halo not in the document keeps its name
    CPovTexture* texture = NewTexture();
    texture->HaloNames[0] = "Lost_Halo";
    texture->HaloNames[1] = halo->Name;
    Edit(*texture, [&](SheetRunner& r) {
        r.ShowPage("Halo");
        EXPECT_EQ(r.Page().ChosenText("h1"), "Lost_Halo");
        EXPECT_EQ(r.Page().ChosenText("h2"), halo->Name);
        EXPECT_TRUE(r.Field("note").visible);
        return OkOrCancel(r);
    });
    EXPECT_EQ(texture->HaloNames[0], "Lost_Halo");
    EXPECT_EQ(texture->HaloNames[1], halo->Name);
}

TEST_F(SurfaceSheetTest, NestedEditorsChangeTheDocumentAtOnceAndRenamesFollow) {
    CPovTexture* texture = NewTexture();
    CPovPigment* stripes = NewPigment("Stripes");
    texture->PigmentKind = kPigmentPigmentMap;
    texture->MapPigments = {"Stripes", "", "Stripes"};
    auto* halo = static_cast<CPovHalo*>(doc.OnCreate(CreateKind::Halo));
    texture->HaloNames[0] = halo->Name;
    doc.SetModifiedFlag(false);

    Edit(*texture, [&](SheetRunner& r) {
        if (r.Sheet().Caption() == "Eigenschaften Pigment") {
            // the nested pigment sheet: rename it, make it red
            r.Type("name", "Red_Stripes");
            return OkOrCancel(r);
        }
        if (r.Sheet().Caption() == "Eigenschaften Halo") {
            r.Type("name", "Glow");
            return OkOrCancel(r);
        }
        r.ShowPage("Farbe");
        EXPECT_TRUE(r.Press("p1.edit"));
        EXPECT_EQ(r.Page().ChosenText("p1"), "Red_Stripes");
        EXPECT_EQ(r.Page().ChosenText("p3"), "Red_Stripes");
        EXPECT_TRUE(r.Press("create"));  // a new pigment, offered in every row
        EXPECT_EQ(r.Field("p2").items.back(), doc.Pigments->Name);
        r.ShowPage("Halo");
        EXPECT_TRUE(r.Press("h1.edit"));
        EXPECT_EQ(r.Page().ChosenText("h1"), "Glow");
        EXPECT_TRUE(r.Press("new"));
        EXPECT_EQ(r.Field("h3").items.back(), doc.Halos->Name);
        r.Cancel();
        return 2;
    });
    // the nested sheets' changes stay although the texture's sheet was cancelled
    EXPECT_EQ(stripes->Name, "Red_Stripes");
    EXPECT_EQ(halo->Name, "Glow");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(texture->MapPigments[0], "Stripes");
}

TEST_F(SurfaceSheetTest, ASheetWithItsNestedEditorsIsOneUndoStep) {
    CPovTexture* texture = NewTexture();
    NewPigment("Stripes");
    texture->PigmentKind = kPigmentPigmentMap;
    texture->MapPigments = {"Stripes", "", ""};
    const std::string before = Scene();
    Edit(*texture, [&](SheetRunner& r) {
        if (r.Sheet().Caption() == "Eigenschaften Pigment") {
            // the map's pigment is renamed, the new one is taken as it is
            if (static_cast<CPropObject&>(r.Sheet()).Object().Name == "Stripes")
                r.Type("name", "Red_Stripes");
            return OkOrCancel(r);
        }
        r.ShowPage("Farbe");
        EXPECT_TRUE(r.Press("p1.edit"));
        EXPECT_TRUE(r.Press("create"));
        EXPECT_TRUE(r.Choose("p2", doc.Pigments->Name));
        r.ShowPage("Reflektion");
        r.Check("phong", true);
        return OkOrCancel(r);
    });
    const std::string after = Scene();
    ASSERT_NE(after, before);
    EXPECT_EQ(doc.History().UndoLabel(), "Eigenschaften " + texture->Name);
    doc.OnEditUndo();
    EXPECT_EQ(Scene(), before);
    doc.OnEditRedo();
    EXPECT_EQ(Scene(), after);
}

TEST_F(SurfaceSheetTest, LivePreviewShowsThePagesValuesBeforeOk) {
    CPovTexture* texture = NewTexture();
    const std::string before = Text(*texture);
    const long counter = g_NameCounters.Texture;
    Edit(*texture, [&](SheetRunner& r) {
        auto& sheet = static_cast<CPropPovTexture&>(r.Sheet());
        r.ShowPage("Farbe");
        EXPECT_NE(sheet.Preview().scene.find("color rgb < 1.000 1.000 1.000 >"), std::string::npos);
        r.Choose("kind", "Checker");
        EXPECT_NE(sheet.Preview().scene.find("\t\tchecker\r\n"), std::string::npos);
        r.ShowPage("Reflektion");
        r.Check("phong", true);
        r.Type("phong.value", "0.8");
        EXPECT_NE(sheet.Preview().scene.find("phong 0.80"), std::string::npos);
        r.Type("diffuse", "not yet a number");  // the preview keeps what reads
        EXPECT_NE(sheet.Preview().scene.find("sphere { 0, 1 texture { " + texture->Name),
                  std::string::npos);
        r.Cancel();
        return 2;
    });
    EXPECT_EQ(Text(*texture), before);
    EXPECT_EQ(g_NameCounters.Texture, counter);  // the preview's copy takes no name
}

TEST_F(SurfaceSheetTest, OkWithoutChangesKeepsOddValuesReadFromFiles) {
    // values no page shows as they are: fractions, counts beyond the lists, a map type the
    // list lacks, octaves with a fraction
    std::mt19937 random(12);
    std::uniform_real_distribution<double> any(-3.0, 3.0);
    for (int round = 0; round < 20; ++round) {
        CPovTexture* t = NewTexture();
        CPovPigment* p = NewPigment(("P" + std::to_string(round)).c_str());
        auto* halo = new CPovHalo();
        doc.InsertHalo(halo);
        for (CPovPigmentOwner* s :
             {static_cast<CPovPigmentOwner*>(t), static_cast<CPovPigmentOwner*>(p)}) {
            // every kind, every count up to the table's ten, every map type up to 6
            s->PigmentKind = round % 6;
            s->ColorCount = round % 11;
            s->MapType = round % 7;
            for (size_t i = 0; i < kMaxPigmentColors; ++i) {
                s->Filters[i] = any(random);
                s->Positions[i] = any(random);
                s->Colors[i] = static_cast<PovColor>(random() & 0xFFFFFF);
            }
            s->ImageFile = "pic.TGA";
            s->Steps[kStepScale] = Vector(any(random), 1e-7, 123.456789);
        }
        t->HasPigment = round % 5 != 0;
        t->HasNormal = 1;
        t->NormalKind = static_cast<int>(random() % 3);
        t->NormalName = random() % 2 ? "quilted" : "keine Deformation";
        t->NormalValues = {any(random), any(random), any(random)};
        t->Phong = any(random);
        t->Diffuse = any(random);
        t->HaloNames[4] = "Fifth";
        halo->HaloOctaves = 6.5;
        halo->HaloTurbulenceOn = 1;
        halo->HaloColorCount = static_cast<int>(random() % 7);
        halo->HaloPositions[0] = any(random);
        halo->HaloTransmits[1] = any(random);
    }
    const std::string before = Scene();
    for (CPovObject* list : {doc.Textures, doc.Pigments, doc.Halos})
        for (CPovObject* o = list; o; o = o->NextSibling)
            EXPECT_EQ(Edit(*o,
                           [](SheetRunner& r) {
                               for (size_t i = 0; i < r.Sheet().PageCount(); ++i)
                                   r.ShowPage(r.Sheet().Page(i).Title());
                               return OkOrCancel(r);
                           }),
                      1)
                << o->Name;
    EXPECT_EQ(Scene(), before);
}
