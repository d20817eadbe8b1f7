// One object saved to a file with the declarations it uses, read into another scene without
// repeating a declaration the scene has; what is current after opening and loading; the
// extension a typed file name gets.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "document/atomic_file.h"
#include "document/orvanta_doc.h"
#include "document/scene_file_names.h"
#include "model/environment/pov_halo.h"
#include "model/solids/pov_cubic.h"
#include "model/solids/pov_sphere.h"
#include "model/surfaces/pov_pigment.h"
#include "model/surfaces/pov_texture.h"
#include "tests/support/model_test.h"

namespace fs = std::filesystem;

namespace {

class ObjectFileTest : public ModelTest {
  protected:
    fs::path dir;
    void SetUp() override {
        ModelTest::SetUp();
        char name[] = "/tmp/orvanta-objects-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        dir = name;
    }
    void TearDown() override {
        fs::remove_all(dir);
        ModelTest::TearDown();
    }
    static std::string Read(const fs::path& p) {
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(p.string(), bytes).ok);
        return bytes;
    }
    static void Write(const fs::path& p, const std::string& text) {
        ASSERT_TRUE(WriteFileAtomically(p.string(), text).ok);
    }
    static int Present(const CPovObject* head, const std::string& name) {
        int n = 0;
        for (const CPovObject* o = head; o; o = o->NextSibling)
            n += o->IsPresent() && o->Name == name;
        return n;
    }
    static CPovTexture* AddTexture(COrvantaDoc& doc, const std::string& name, double phong) {
        auto* texture = new CPovTexture();
        texture->Name = name;
        texture->HasPhong = 1;
        texture->Phong = phong;
        doc.InsertTexture(texture);
        return texture;
    }
};

TEST_F(ObjectFileTest, SavedObjectCarriesItsDeclarationsInDependencyOrder) {
    COrvantaDoc doc;
    auto* halo = new CPovHalo();
    halo->Name = "Halo_A";
    doc.InsertHalo(halo);
    auto* inner = new CPovPigment();
    inner->Name = "Pig_inner";
    doc.InsertPigment(inner);
    auto* outer = new CPovPigment();
    outer->Name = "Pig_outer";
    outer->PigmentKind = kPigmentPigmentMap;
    outer->AddMapPigment("Pig_inner", 0.5);
    doc.InsertPigment(outer);
    auto* unused = new CPovPigment();
    unused->Name = "Pig_unused";
    doc.InsertPigment(unused);
    CPovTexture* texture = AddTexture(doc, "Textur_1", 0.4);
    texture->PigmentKind = kPigmentPigmentMap;
    texture->AddMapPigment("Pig_outer", 0.3);
    texture->AddHaloName("Halo_A");
    AddTexture(doc, "Textur_2", 0.2);  // used by nobody

    auto* sphere = new CPovSphere();
    sphere->UseOwnTexture = 1;
    sphere->TextureName = "Textur_1";
    doc.InsertObject(sphere);
    doc.CurrentObject = sphere;
    const fs::path file = dir / "kugel.om";
    ASSERT_TRUE(doc.SaveSelectedObject(file.string()).ok);

    const std::string text = Read(file);
    const size_t haloAt = text.find("#declare Halo_A");
    const size_t innerAt = text.find("#declare Pig_inner");
    const size_t outerAt = text.find("#declare Pig_outer");
    const size_t textureAt = text.find("#declare Textur_1");
    const size_t sphereAt = text.find("sphere");
    ASSERT_NE(haloAt, std::string::npos) << text;
    ASSERT_NE(innerAt, std::string::npos) << text;
    ASSERT_NE(outerAt, std::string::npos) << text;
    ASSERT_NE(textureAt, std::string::npos) << text;
    EXPECT_LT(innerAt, outerAt);
    EXPECT_LT(outerAt, textureAt);
    EXPECT_LT(haloAt, textureAt);
    EXPECT_LT(textureAt, sphereAt);
    EXPECT_EQ(text.find("Pig_unused"), std::string::npos);
    EXPECT_EQ(text.find("Textur_2"), std::string::npos);
    EXPECT_EQ(text.find("//$author"), std::string::npos);  // still no header

    // read into a fresh scene, everything comes along, and nothing is left current
    COrvantaDoc other;
    auto* mine = AddTexture(other, "Textur_9", 0.9);
    (void)mine;
    const SceneReadResult loaded = other.LoadObjectsFromFile(file.string());
    ASSERT_TRUE(loaded.ok);
    EXPECT_TRUE(loaded.problems.empty());
    EXPECT_EQ(Present(other.Textures, "Textur_1"), 1);
    EXPECT_EQ(Present(other.Pigments, "Pig_inner"), 1);
    EXPECT_EQ(Present(other.Pigments, "Pig_outer"), 1);
    EXPECT_EQ(Present(other.Halos, "Halo_A"), 1);
    ASSERT_NE(other.Objects, nullptr);
    EXPECT_EQ(other.Objects->TextureName, "Textur_1");
}

TEST_F(ObjectFileTest, LoadingKeepsTheScenesOwnDeclarationOfTheSameName) {
    COrvantaDoc source;
    AddTexture(source, "Textur_1", 0.4);
    auto* box = new CPovCubic();
    box->UseOwnTexture = 1;
    box->TextureName = "Textur_1";
    source.InsertObject(box);
    source.CurrentObject = box;
    const fs::path file = dir / "box.om";
    ASSERT_TRUE(source.SaveSelectedObject(file.string()).ok);

    // the same texture: taken silently, once
    COrvantaDoc same;
    AddTexture(same, "Textur_1", 0.4);
    SceneReadResult result = same.LoadObjectsFromFile(file.string());
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.problems.empty());
    EXPECT_EQ(Present(same.Textures, "Textur_1"), 1);
    // loaded twice, still once
    same.LoadObjectsFromFile(file.string());
    EXPECT_EQ(Present(same.Textures, "Textur_1"), 1);

    // a different texture of that name: the scene keeps its own and says so
    COrvantaDoc different;
    CPovTexture* own = AddTexture(different, "Textur_1", 0.8);
    result = different.LoadObjectsFromFile(file.string());
    EXPECT_EQ(Present(different.Textures, "Textur_1"), 1);
    EXPECT_TRUE(own->IsPresent());
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_NE(result.problems[0].message.find("Textur_1"), std::string::npos);
    ASSERT_NE(different.Objects, nullptr);
    EXPECT_EQ(different.Objects->TextureName, "Textur_1");
}

TEST_F(ObjectFileTest, NothingIsCurrentThatTheUserDidNotPick) {
    const fs::path scene = dir / "scene.om";
    {
        COrvantaDoc written;
        AddTexture(written, "Textur_1", 0.4);
        written.InsertObject(new CPovCubic());
        written.InsertObject(new CPovSphere());
        ASSERT_TRUE(written.OnSaveDocument(scene.string()).ok);
    }
    COrvantaDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(scene.string()).ok);
    ASSERT_NE(doc.Objects, nullptr);
    EXPECT_EQ(doc.CurrentObject, nullptr);

    // a file of declarations alone leaves the current object as it was
    const fs::path declarations = dir / "textures.om";
    {
        COrvantaDoc written;
        AddTexture(written, "Textur_7", 0.7);
        ASSERT_TRUE(written.OnSaveDocument(declarations.string()).ok);
    }
    CPovObject* picked = doc.Objects;
    doc.CurrentObject = picked;
    ASSERT_TRUE(doc.LoadObjectsFromFile(declarations.string()).ok);
    EXPECT_EQ(doc.CurrentObject, picked);
    EXPECT_EQ(Present(doc.Textures, "Textur_7"), 1);
}

TEST(SceneFileNames, TypedNamesWithoutExtensionGetOm) {
    EXPECT_EQ(WithSceneExtension("/home/a/szene"), "/home/a/szene.om");
    EXPECT_EQ(WithSceneExtension("/home/a/szene.om"), "/home/a/szene.om");
    EXPECT_EQ(WithSceneExtension("/home/a/szene.pov"), "/home/a/szene.pov");
    EXPECT_EQ(WithSceneExtension("/home/a.b/szene"), "/home/a.b/szene.om");
    EXPECT_EQ(WithSceneExtension("/home/a/.szene"), "/home/a/.szene.om");
    EXPECT_EQ(WithSceneExtension("szene"), "szene.om");
}

TEST(SceneFileNames, ObjectCommandsHaveTheirOwnFilterLists) {
    EXPECT_STREQ(
        LoadObjectsFilter(),
        "Orvanta Modeller Dateien (*.om);;Vexcor UDO-Export Dateien (*.inc);;All Files (*)");
    EXPECT_STREQ(SaveObjectFilter(),
                 "Orvanta Modeller Dateien (*.om);;POV-Ray (*.pov);;All Files (*)");
}

}  // namespace
