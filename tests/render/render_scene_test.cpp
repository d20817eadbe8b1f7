// The copy a render reads: its lines lead back to the objects; what a scene misses.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "document/creation_commands.h"
#include "document/orvanta_doc.h"
#include "model/groups/pov_csg.h"
#include "model/solids/pov_sphere.h"
#include "render/render_scene.h"
#include "tests/support/model_test.h"

namespace {

class RenderSceneTest : public ModelTest {};

// the line numbers (from 1) of the lines that start with text
std::vector<int> LinesStartingWith(const std::string& text, const std::string& start) {
    std::vector<int> lines;
    std::istringstream in(text);
    std::string line;
    for (int n = 1; std::getline(in, line); ++n)
        if (line.rfind(start, 0) == 0)
            lines.push_back(n);
    return lines;
}

TEST_F(RenderSceneTest, EachLineOfTheCopyLeadsToTheObjectThatWroteIt) {
    COrvantaDoc doc;
    doc.Pov3() = kPovLevel37;
    CPovObject* ball = doc.OnCreate(CreateKind::Sphere);
    auto* group = static_cast<CPovCSG*>(doc.OnCreate(CreateKind::Csg));
    auto* member = new CPovSphere();
    AppendChild(group, member);
    group->SetDocument(&doc);

    RenderFolder folder;
    ASSERT_TRUE(folder.Ok()) << folder.Error();
    RenderScene scene;
    ASSERT_TRUE(WriteRenderCopy(doc, folder.Path(), scene).ok);
    std::string text;
    ASSERT_TRUE(ReadWholeFile(scene.path, text).ok);

    const std::vector<int> declarations = LinesStartingWith(text, "#declare ");
    ASSERT_EQ(declarations.size(), 3u);
    // newest first: the group's member, the group, then the ball
    EXPECT_EQ(ObjectAtLine(scene.objectLines, declarations[0]), member);
    EXPECT_EQ(ObjectAtLine(scene.objectLines, declarations[0] + 2), member);
    EXPECT_EQ(ObjectAtLine(scene.objectLines, declarations[1]), group);
    EXPECT_EQ(ObjectAtLine(scene.objectLines, declarations[2]), ball);
    // the instance line after a declaration is its object's too
    const std::vector<int> instances = LinesStartingWith(text, "  Kugel_000");
    ASSERT_EQ(instances.size(), 1u);
    EXPECT_EQ(ObjectAtLine(scene.objectLines, instances[0]), ball);
    // the header is nobody's
    EXPECT_EQ(ObjectAtLine(scene.objectLines, 1), nullptr);
    EXPECT_EQ(ObjectAtLine(scene.objectLines, 100000), nullptr);
}

TEST_F(RenderSceneTest, AFolderGoesWithItsFilesAndGivesPlainNames) {
    std::string path;
    {
        RenderFolder folder;
        ASSERT_TRUE(folder.Ok());
        path = folder.Path();
        EXPECT_TRUE(IsPlainPath(path));
        EXPECT_EQ(folder.PlainPath("/usr/share/x.ini", "config.ini"), "/usr/share/x.ini");
        const std::string odd = path + "/Bäume und Sträucher.ini";
        ASSERT_TRUE(WriteFileAtomically(odd, "; settings\n").ok);
        const std::string plain = folder.PlainPath(odd, "config.ini");
        EXPECT_EQ(plain, path + "/config.ini");
        std::string text;
        ASSERT_TRUE(ReadWholeFile(plain, text).ok);
        EXPECT_EQ(text, "; settings\n");
    }
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(IsPlainPath("/a b"));
    EXPECT_FALSE(IsPlainPath("/Bäume"));
}

TEST_F(RenderSceneTest, ASceneWithoutLightOrCameraIsToldSo) {
    COrvantaDoc doc;
    EXPECT_EQ(RenderWarnings(doc).size(), 2u);
    doc.OnCreate(CreateKind::Camera);
    ASSERT_EQ(RenderWarnings(doc).size(), 1u);
    EXPECT_EQ(RenderWarnings(doc)[0], "Die Szene hat keine Lichtquelle.");
    CPovObject* light = doc.OnCreate(CreateKind::SpotLight);
    EXPECT_TRUE(RenderWarnings(doc).empty());
    light->SetPresent(false);
    EXPECT_EQ(RenderWarnings(doc).size(), 1u);
}

}  // namespace
