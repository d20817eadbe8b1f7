// The texture page (modes, new texture, texture steps, quick colour) and the CSG page
// (membership, base, blobs): what a user does and what the scene text shows afterwards.
#include <gtest/gtest.h>

#include "document/creation_commands.h"
#include "model/groups/pov_blob.h"
#include "model/groups/pov_csg.h"
#include "model/solids/pov_cubic.h"
#include "model/solids/pov_sphere.h"
#include "props/groups/csg_elements_page.h"
#include "tests/props/props_fixture.h"

namespace {

class TexturePageTest : public PropsTest {};

TEST_F(TexturePageTest, ModesWriteTheTextureBlockOrNone) {
    CPovObject* box = doc.OnCreate(CreateKind::Box);
    Edit(*box, [](SheetRunner& r) {
        r.ShowPage("Oberfläche");
        // a new object has no texture of its own
        EXPECT_EQ(r.Field("mode").value, 2);
        EXPECT_FALSE(r.Field("standard").enabled);
        EXPECT_FALSE(r.Field("new").enabled);
        r.ChooseIndex("mode", 0);
        // no texture chosen yet: refused rather than an empty texture block
        EXPECT_FALSE(r.Ok());
        EXPECT_EQ(r.Refused()->message, "Wählen Sie bitte eine Textur aus.");
        EXPECT_TRUE(r.Choose("standard", "Stone16"));
        EXPECT_EQ(r.Field("standard").items.size(), 119u);
        return OkOrCancel(r);
    });
    EXPECT_NE(Scene().find("  texture\r\n  {\r\n    Stone16\r\n    scale <1.0000"),
              std::string::npos);

    Edit(*box, [](SheetRunner& r) {
        r.ShowPage("Oberfläche");
        EXPECT_EQ(r.Field("mode").value, 0);
        EXPECT_EQ(r.Field("standard").text, "Stone16");
        r.ChooseIndex("mode", 2);
        return OkOrCancel(r);
    });
    EXPECT_EQ(Scene().find("  texture\r\n"), std::string::npos);
    EXPECT_EQ(Scene().find("quickcolor"), std::string::npos);
    EXPECT_EQ(box->UseOwnTexture, 0);
}

TEST_F(TexturePageTest, NewTextureEditedStepsAndQuickColour) {
    CPovObject* sphere = doc.OnCreate(CreateKind::Sphere);
    doc.OnCreate(CreateKind::Texture);  // Textur_0
    doc.SetModifiedFlag(false);
    host.services.colors.push_back(0x0000FF);  // red
    const int result = Edit(*sphere, [&](SheetRunner& r) {
        if (r.Sheet().Caption() == "Eigenschaften Oberfläche")
            return OkOrCancel(r);  // the new texture's own sheet
        r.ShowPage("Oberfläche");
        r.ChooseIndex("mode", 1);
        EXPECT_EQ(r.Field("user").items, std::vector<std::string>{"Textur_0"});
        // "&Neu..." runs the texture command (its sheet opens and closes) and picks the new one
        EXPECT_TRUE(r.Press("new"));
        EXPECT_EQ(r.Field("user").items, (std::vector<std::string>{"Textur_0", "Textur_1"}));
        EXPECT_EQ(r.Field("user").text, "Textur_1");
        // the quick colour changes at once
        EXPECT_TRUE(r.Press("quick"));
        EXPECT_EQ(r.Field("swatch").value, 0x0000FF);
        EXPECT_EQ(sphere->QuickColorR, 1.0);
        EXPECT_TRUE(doc.IsModified());
        r.Cancel();
        return 2;
    });
    EXPECT_EQ(result, 2);
    EXPECT_EQ(sphere->QuickColorG, 0.0);  // kept after Cancel
    EXPECT_EQ(sphere->UseOwnTexture, 0);
    EXPECT_EQ(doc.Textures->Name, "Textur_1");

    // "&Bearbeiten..." on a predefined texture edits the texture steps in "Modifizierung"
    host.services.nested = [](SheetRunner& r) {
        EXPECT_EQ(r.Sheet().Caption(), "Modifizierung");
        r.Type("s.x", "2");
        r.Type("r.z", "190");
        EXPECT_FALSE(r.Ok());
        r.Type("r.z", "-45");
        return r.Ok() ? 1 : 2;
    };
    Edit(*sphere, [](SheetRunner& r) {
        r.ShowPage("Oberfläche");
        r.ChooseIndex("mode", 0);
        r.Choose("standard", "Jade");
        EXPECT_TRUE(r.Press("edit"));
        return OkOrCancel(r);
    });
    EXPECT_EQ(sphere->TextureSteps[1], Vector(2, 1, 1));
    EXPECT_EQ(sphere->TextureSteps[2], Vector(0, 0, -45));
    EXPECT_NE(Scene().find("    Jade\r\n    scale <2.0000,1.0000,1.0000>\r\n    rotate "
                           "<0.0000,0.0000,-45.0000>"),
              std::string::npos);
}

class CsgPageTest : public PropsTest {
  protected:
    static std::vector<std::string> Names(CPovObject* head) {
        std::vector<std::string> names;
        for (CPovObject* o = head; o; o = o->NextSibling)
            names.push_back(o->Name);
        return names;
    }
};

TEST_F(CsgPageTest, MembersMoveBetweenSceneAndGroupAndTheBaseComesFirst) {
    doc.OnCreate(CreateKind::Box);     // Quader_000
    doc.OnCreate(CreateKind::Sphere);  // Kugel_000
    doc.OnCreate(CreateKind::Plane);   // never offered
    doc.OnCreate(CreateKind::Light);   // never offered
    auto* csg = static_cast<CPovCSG*>(doc.OnCreate(CreateKind::Csg));
    const std::string before = Scene();
    Edit(*csg, [](SheetRunner& r) {
        EXPECT_TRUE(r.ShowPage("Elemente"));
        EXPECT_TRUE(r.Field("operation").visible);
        EXPECT_EQ(r.Field("available").items,
                  (std::vector<std::string>{"Kugel_000", "Quader_000"}));
        r.Select("available", {0, 1});
        r.Press("add");
        EXPECT_TRUE(r.Field("available").items.empty());
        // the box becomes the base of the difference
        r.Select("members", {1});
        r.Press("base");
        EXPECT_EQ(r.Field("members").items, (std::vector<std::string>{"Quader_000", "Kugel_000"}));
        r.Choose("operation", "difference");
        return OkOrCancel(r);
    });
    EXPECT_EQ(Names(csg->FirstChild), (std::vector<std::string>{"Quader_000", "Kugel_000"}));
    for (CPovObject* c = csg->FirstChild; c; c = c->NextSibling)
        EXPECT_EQ(c->Parent, csg);
    EXPECT_EQ(Names(doc.Objects),
              (std::vector<std::string>{"CSG_000", "Lichtquelle_000", "Ebene_000"}));
    const std::string scene = Scene();
    EXPECT_NE(scene.find("difference {\r\n\tobject { Quader_000 }\r\n\tobject { Kugel_000 }"),
              std::string::npos)
        << scene;
    // the sheet was one step: undo takes back the members and the operation together
    EXPECT_EQ(doc.History().UndoLabel(), "Eigenschaften CSG_000");
    doc.OnEditUndo();
    EXPECT_EQ(Scene(), before);
    doc.OnEditRedo();
    EXPECT_EQ(Scene(), scene);

    // moving the sphere back makes it a top-level object again; the group never offers itself
    Edit(*csg, [](SheetRunner& r) {
        r.ShowPage("Elemente");
        EXPECT_EQ(r.Field("available").items, std::vector<std::string>{});
        r.Select("members", {1});
        r.Press("remove");
        EXPECT_EQ(r.Field("available").items, std::vector<std::string>{"Kugel_000"});
        return OkOrCancel(r);
    });
    EXPECT_EQ(Names(csg->FirstChild), std::vector<std::string>{"Quader_000"});
    EXPECT_EQ(doc.Objects->Name, "Kugel_000");
    EXPECT_EQ(doc.Objects->Parent, nullptr);
    EXPECT_NE(Scene().find("object {\r\n  Kugel_000\r\n}"), std::string::npos);
}

TEST_F(CsgPageTest, NeverOffersAnAncestorAndKeepsEveryObjectLinkedOnce) {
    auto* outer = static_cast<CPovCSG*>(doc.OnCreate(CreateKind::Csg));
    auto* inner = new CPovCSG();
    AppendChild(outer, inner);
    inner->SetDocument(&doc);
    for (int i = 0; i < 4; ++i)
        doc.OnCreate(CreateKind::Box);
    // random moves, then OK: every box is either top-level or the inner group's child
    unsigned seed = 7;
    for (int round = 0; round < 20; ++round) {
        Edit(*inner, [&](SheetRunner& r) {
            r.ShowPage("Elemente");
            for (const std::string& name : r.Field("available").items)
                EXPECT_NE(name, "CSG_000");  // the outer group, an ancestor
            for (int step = 0; step < 4; ++step) {
                seed = seed * 1103515245 + 12345;
                const char* list = (seed >> 8) % 2 ? "available" : "members";
                const int n = static_cast<int>(r.Field(list).items.size());
                if (n == 0)
                    continue;
                r.Select(list, {static_cast<int>((seed >> 12) % n)});
                r.Press((seed >> 4) % 3 == 0               ? "base"
                        : list == std::string("available") ? "add"
                                                           : "remove");
            }
            return OkOrCancel(r);
        });
        int top = 0, members = 0;
        for (CPovObject* o = doc.Objects; o; o = o->NextSibling)
            top += o->GetType() == kKindCubic && !o->Parent;
        for (CPovObject* c = inner->FirstChild; c; c = c->NextSibling) {
            EXPECT_EQ(c->Parent, inner);
            ++members;
        }
        ASSERT_EQ(top + members, 4) << "round " << round;
    }
}

TEST_F(CsgPageTest, GroupsBuiltByHandNestNoDeeperThanTheLimit) {
    // a chain of groups, each made a member of the next, as deep as groups may nest
    CPovObject* chain = doc.OnCreate(CreateKind::Box);
    for (int level = 1; level <= kMaxGroupDepth; ++level) {
        CPovObject* group = doc.OnCreate(CreateKind::Csg);
        ASSERT_TRUE(doc.MoveObject(*chain, group, nullptr)) << "level " << level;
        chain = group;
    }
    auto* fresh = static_cast<CPovCSG*>(doc.OnCreate(CreateKind::Csg));
    doc.OnCreate(CreateKind::Sphere);
    // one more level is refused by the document and never offered by the page
    EXPECT_FALSE(doc.MoveObject(*chain, fresh, nullptr));
    EXPECT_EQ(chain->Parent, nullptr);
    Edit(*fresh, [&](SheetRunner& r) {
        r.ShowPage("Elemente");
        EXPECT_EQ(r.Field("available").items, std::vector<std::string>{"Kugel_000"});
        return OkOrCancel(r);
    });
    // the group one level down still fits
    EXPECT_TRUE(doc.MoveObject(*chain->FirstChild, fresh, nullptr));
}

TEST_F(CsgPageTest, ABlobOffersOnlySpheresAndCylindersAndHasNoOperation) {
    doc.OnCreate(CreateKind::Box);
    doc.OnCreate(CreateKind::Cylinder);
    doc.OnCreate(CreateKind::Sphere);
    doc.OnCreate(CreateKind::Torus);
    auto* blob = static_cast<CPovBlob*>(doc.OnCreate(CreateKind::Blob));
    Edit(*blob, [](SheetRunner& r) {
        EXPECT_EQ(r.Sheet().PageCount(), 5u);
        EXPECT_EQ(r.Sheet().Page(4).Title(), "Threshold");
        r.ShowPage("Elemente");
        EXPECT_FALSE(r.Field("operation").visible);
        EXPECT_EQ(r.Field("available").items,
                  (std::vector<std::string>{"Kugel_000", "Zylinder_000"}));
        r.Select("available", {0});
        r.Press("add");
        r.ShowPage("Threshold");
        r.Type("threshold", "100.5");
        EXPECT_FALSE(r.Ok());
        r.Type("threshold", "0.5");
        return OkOrCancel(r);
    });
    EXPECT_EQ(blob->Operation, "blob");
    EXPECT_EQ(blob->Threshold, 0.5);
    const std::string scene = Scene();
    EXPECT_NE(scene.find("blob {\r\n  threshold 0.5000\r\n//$declare$ Kugel_000 \r\nsphere"),
              std::string::npos)
        << scene;
}

}  // namespace
