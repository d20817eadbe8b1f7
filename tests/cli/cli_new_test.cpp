#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/support/cli_runner.h"

namespace {

class CliTest : public ::testing::Test {
  protected:
    std::string dir;
    void SetUp() override {
        dir = MakeTempFolder();
        ASSERT_FALSE(dir.empty());
        // keep the user's settings out of the tests
        setenv("ORVANTA_CONFIG_DIR", (dir + "/config").c_str(), 1);
    }
    void TearDown() override { RemoveTree(dir); }
};

TEST_F(CliTest, HelpListsTheCommands) {
    const CliRun run = RunCli("--help");
    EXPECT_EQ(run.status, 0);
    for (const char* command : {"new", "povray"})
        EXPECT_NE(run.out.find(std::string("  ") + command + " "), std::string::npos) << command;
    EXPECT_EQ(RunCli("new --help").status, 0);
}

TEST_F(CliTest, WrongCommandLinesFailWithAMessage) {
    CliRun run = RunCli("");
    EXPECT_EQ(run.status, 2);
    run = RunCli("frobnicate");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("unknown command 'frobnicate'"), std::string::npos);
    run = RunCli("new -o " + dir + "/x.om teapot");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("unknown kind 'teapot'"), std::string::npos);
    run = RunCli("new sphere");
    EXPECT_EQ(run.status, 2);
    run = RunCli("new --bogus -o x.om");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("unknown option --bogus"), std::string::npos);
}

TEST_F(CliTest, NewWritesEveryKindInOrder) {
    const std::string file = dir + "/all.pov";
    const CliRun run = RunCli(
        "new -o " + file +
        " --pov3 sphere box cone torus cylinder heightfield plane lathe predefined polygon text"
        " csg blob light cylinderlight spotlight camera background skysphere fog texture halo"
        " pigment");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = ReadFile(file);
    EXPECT_NE(text.find("//$usepov3$ do not delete this line\r\n"), std::string::npos);
    EXPECT_NE(text.find("#include \"skies.inc\"\r\n"), std::string::npos);
    // the newest object is written first; declarations come before objects
    const size_t halo = text.find("#declare Halo_0 = halo {");
    const size_t pigment = text.find("#declare Pigment_0 =");
    const size_t texture = text.find("#declare Textur_0 = texture {");
    const size_t fog = text.find("#declare Nebel_000 = fog {");
    const size_t sphere = text.find("#declare Kugel_000 = sphere {");
    ASSERT_NE(halo, std::string::npos);
    EXPECT_LT(halo, pigment);
    EXPECT_LT(pigment, texture);
    EXPECT_LT(texture, fog);
    EXPECT_LT(fog, sphere);
    EXPECT_NE(text.find("camera {\r\n  location <0.0000,0.0000,-4.0000>"), std::string::npos);
}

TEST_F(CliTest, NewDumpsTheDocumentAsJson) {
    const CliRun run = RunCli("new --dump sphere camera texture");
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json doc = nlohmann::json::parse(run.out);
    EXPECT_EQ(doc["camera"], "Kamera_0");
    EXPECT_EQ(doc["background"], nullptr);
    ASSERT_EQ(doc["objects"].size(), 2u);
    EXPECT_EQ(doc["objects"][0]["class"], "CPovCamera");
    EXPECT_EQ(doc["objects"][0]["children"][0]["name"], "Richtungspunkt");
    EXPECT_EQ(doc["objects"][1]["name"], "Kugel_000");
    EXPECT_EQ(doc["objects"][1]["type"], 6);
    EXPECT_EQ(doc["objects"][1]["fields"]["Strength"], 10.0);
    EXPECT_EQ(doc["objects"][1]["bbox"].size(), 6u);
    EXPECT_EQ(doc["textures"][0]["name"], "Textur_0");
    EXPECT_EQ(doc["textures"][0]["bbox"], nullptr);
    EXPECT_TRUE(doc["errors"].empty());
}

TEST_F(CliTest, ASecondCameraIsSkippedWithAWarning) {
    const CliRun run = RunCli("new -o " + dir + "/c.om camera camera");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("only one camera"), std::string::npos);
    EXPECT_EQ(ReadFile(dir + "/c.om").find("camera {"), ReadFile(dir + "/c.om").rfind("camera {"));
}

TEST_F(CliTest, TheLanguageLevelIsChosenByName) {
    const std::string scene = dir + "/level.pov";
    ASSERT_EQ(RunCli("new -o " + scene + " --level 3.7 sphere").status, 0);
    const std::string text = ReadFile(scene);
    EXPECT_NE(text.find("//$usepov37$ do not delete this line\r\n#version 3.7;\r\n"),
              std::string::npos);
    ASSERT_EQ(RunCli("new -o " + scene + " --level 3.0 sphere").status, 0);
    EXPECT_NE(ReadFile(scene).find("//$usepov3$"), std::string::npos);
    ASSERT_EQ(RunCli("new -o " + scene + " --level 2 sphere").status, 0);
    EXPECT_NE(ReadFile(scene).find("//$usepov2$"), std::string::npos);
    EXPECT_EQ(RunCli("new -o " + scene + " --level 3.5 sphere").status, 2);
}

TEST_F(CliTest, ASaveThatFailsSaysWhy) {
    const CliRun run = RunCli("new -o " + dir + "/no/such/folder.om sphere");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("No such file or directory"), std::string::npos) << run.err;
}

TEST_F(CliTest, PovRayRendersTheSavedScene) {
    if (std::system("command -v povray >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "povray is not installed";
    const std::string scene = dir + "/ball.pov";
    ASSERT_EQ(RunCli("new -o " + scene + " --pov3 camera light sphere").status, 0);
    CliRun run = RunCli("povray " + scene + " --size 32x24");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, dir + "/ball.tga\n");
    EXPECT_FALSE(ReadFile(dir + "/ball.tga").empty());

    const std::string broken = dir + "/broken.pov";
    {
        FILE* f = std::fopen(broken.c_str(), "w");
        std::fputs("box { <0,0,0> <1,1 }\n", f);
        std::fclose(f);
    }
    run = RunCli("povray " + broken);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Parse Error"), std::string::npos) << run.err;
    EXPECT_EQ(RunCli("povray " + scene + " --size 12").status, 2);
}

}  // namespace
