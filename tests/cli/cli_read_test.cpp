// The batch tool's reading commands: dump, convert and check, on files the tool itself wrote
// and on broken ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "tests/support/cli_runner.h"

namespace {

class CliReadTest : public ::testing::Test {
  protected:
    std::string dir;
    void SetUp() override {
        dir = MakeTempFolder();
        ASSERT_FALSE(dir.empty());
        setenv("ORVANTA_CONFIG_DIR", (dir + "/config").c_str(), 1);
    }
    void TearDown() override { RemoveTree(dir); }
    std::string Save(const std::string& name, const std::string& text) const {
        std::ofstream(dir + "/" + name, std::ios::binary) << text;
        return dir + "/" + name;
    }
};

TEST_F(CliReadTest, ASceneOfEveryKindChecksCleanAndConvertsToTheSameBytes) {
    const std::string file = dir + "/all.pov";
    ASSERT_EQ(RunCli("new -o " + file +
                     " --pov3 sphere box cone torus cylinder heightfield plane lathe predefined"
                     " polygon text csg blob light cylinderlight spotlight camera background"
                     " skysphere fog texture halo pigment")
                  .status,
              0);
    CliRun run = RunCli("check " + file);
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "");
    run = RunCli("convert " + file + " " + dir + "/again.pov");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(dir + "/again.pov"), ReadFile(file));

    run = RunCli("dump " + file);
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json doc = nlohmann::json::parse(run.out);
    EXPECT_TRUE(doc["errors"].empty());
    EXPECT_TRUE(doc["settings"]["pov3"].get<bool>());
    EXPECT_FALSE(doc["camera"].is_null());
    EXPECT_EQ(doc["textures"].size(), 1u);
    EXPECT_EQ(doc["halos"].size(), 1u);
    EXPECT_EQ(doc["pigments"].size(), 1u);
}

TEST_F(CliReadTest, ProblemsArePrintedWithTheirLinesAndFailTheCheck) {
    const std::string file = Save("broken.om",
                                  "#declare A = box { <0,0,0> <1,1,1> }\r\n"
                                  "\r\n"
                                  "#declare B = box { <0,0,0> <1,1,1> = }\r\n"
                                  "#declare C = sphere { <0,0,0>, 1 texture { T_Nowhere } }\r\n");
    CliRun run = RunCli("check " + file + " --logs " + dir + " --stats");
    EXPECT_EQ(run.status, 1);
    const std::string syntax = ReadFile(dir + "/error.txt");
    EXPECT_EQ(syntax.rfind("3: Syntax error: found \"=\", expected \"}\" or one of ", 0), 0u)
        << syntax;
    EXPECT_NE(syntax.find("; the statement begun on line 3 is not read, reading goes on after "
                          "it\n"),
              std::string::npos);
    // the undeclared texture is a warning of the check, not a problem of the read
    EXPECT_EQ(run.out, syntax +
                           "4: Warning: the texture T_Nowhere is declared neither in the file nor "
                           "in a file it includes\n"
                           "objects read: 2\n");

    run = RunCli("dump " + file);
    ASSERT_EQ(run.status, 0);
    const nlohmann::json doc = nlohmann::json::parse(run.out);
    ASSERT_EQ(doc["errors"].size(), 1u);
    EXPECT_EQ(doc["errors"][0]["line"], 3);
    EXPECT_EQ(doc["objects"].size(), 2u);

    run = RunCli("convert " + file + " " + dir + "/out.om");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, syntax);
    EXPECT_NE(ReadFile(dir + "/out.om").find("#declare C = sphere {"), std::string::npos);
}

TEST_F(CliReadTest, ConvertKeepsAFileThatWasNotReadCompletely) {
    const std::string text = "#declare A = box { <0,0,0> <1,1,1> photons { target } }\r\n";
    const std::string file = Save("scene.pov", text);
    // over itself (also by another name of it): refused, the file untouched
    CliRun run = RunCli("convert " + file + " " + dir + "/./scene.pov");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("was not read completely"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(file), text);
    run = RunCli("convert " + file + " " + file + " --force");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(ReadFile(file).find("photons"), std::string::npos);

    // a folder in the way: the rename fails, the error is reported and no temporary file stays
    std::filesystem::create_directory(dir + "/folder.pov");
    run = RunCli("convert " + file + " " + dir + "/folder.pov");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Is a directory"), std::string::npos) << run.err;
    EXPECT_TRUE(std::filesystem::is_empty(dir + "/folder.pov"));
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();

    // a folder as the scene to read is an error, not an abort
    run = RunCli("check " + dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Is a directory"), std::string::npos) << run.err;
}

TEST_F(CliReadTest, AMissingFileAndWrongCommandLines) {
    CliRun run = RunCli("check " + dir + "/missing.om");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("missing.om"), std::string::npos);
    EXPECT_EQ(RunCli("dump").status, 2);
    EXPECT_EQ(RunCli("convert " + dir + "/a.om").status, 2);
    EXPECT_EQ(RunCli("check --logs").status, 2);
}

}  // namespace
