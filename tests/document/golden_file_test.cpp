// Whole scene files compared byte for byte with reviewed copies in tests/data/golden.
// ORVANTA_UPDATE_GOLDEN=1 rewrites the copies after a deliberate change (review the diff).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "document/creation_commands.h"
#include "document/orvanta_doc.h"
#include "document/scene_writer.h"
#include "model/scene_text.h"
#include "tests/support/model_test.h"

namespace {

namespace fs = std::filesystem;

// Compares text with the reviewed copy of name. Empty when they agree; otherwise the text
// written is put into the build folder (never next to the reviewed copies) and its path is
// returned.
std::string CompareGolden(const std::string& text, const std::string& name) {
    const fs::path path = fs::path(ORVANTA_TEST_DATA_DIR) / "golden" / name;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream expected;
    expected << in.rdbuf();
    if (in.good() && expected.str() == text)
        return {};
    const fs::path failures = fs::path(ORVANTA_TEST_BUILD_DIR) / "golden-failures";
    fs::create_directories(failures);
    const fs::path actual = failures / name;
    std::ofstream(actual, std::ios::binary) << text;
    return actual.string();
}

void ExpectGolden(const std::string& text, const std::string& name) {
    if (std::getenv("ORVANTA_UPDATE_GOLDEN")) {
        std::ofstream(fs::path(ORVANTA_TEST_DATA_DIR) / "golden" / name, std::ios::binary) << text;
        return;
    }
    const std::string actual = CompareGolden(text, name);
    if (!actual.empty())
        FAIL() << name << " differs from tests/data/golden (ORVANTA_UPDATE_GOLDEN=1 rewrites "
               << "it); the text written is in " << actual;
}

class GoldenFileTest : public ModelTest {};

TEST_F(GoldenFileTest, OneOfEveryKindAtThePovRay3Level) {
    COrvantaDoc doc;
    doc.Pov3() = 1;
    doc.Author() = "Orvanta";
    doc.Company() = "Test";
    doc.Comment() = "Zeile eins\r\nZeile zwei";
    doc.UserIncludes() = {"mine.inc"};
    doc.ShowInfos() = true;
    for (const CreateKindInfo& info : CreateKinds())
        ASSERT_NE(doc.OnCreate(info.kind), nullptr);
    SceneText text;
    WriteSceneFile(doc, text);
    ExpectGolden(text.Text(), "every_kind.pov");
}

TEST(GoldenFile, AFailingComparisonLeavesTheTextWrittenInTheBuildFolder) {
    const std::string actual = CompareGolden("not the scene", "every_kind.pov");
    ASSERT_FALSE(actual.empty());
    EXPECT_EQ(actual.rfind(ORVANTA_TEST_BUILD_DIR, 0), 0u) << actual;
    std::ifstream in(actual, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "not the scene");
    EXPECT_FALSE(fs::exists(fs::path(ORVANTA_TEST_DATA_DIR) / "golden" / "every_kind.pov.actual"));
    fs::remove(actual);
}

}  // namespace
