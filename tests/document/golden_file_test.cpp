// Whole scene files compared byte for byte with reviewed copies in tests/data/golden.
// ORVANTA_UPDATE_GOLDEN=1 rewrites the copies after a deliberate change (review the diff).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "document/creation_commands.h"
#include "document/orvanta_doc.h"
#include "document/scene_writer.h"
#include "model/scene_text.h"
#include "tests/support/model_test.h"

namespace {

void ExpectGolden(const std::string& text, const std::string& name) {
    const std::string path = std::string(ORVANTA_TEST_DATA_DIR) + "/golden/" + name;
    if (std::getenv("ORVANTA_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << text;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in.good()) << "missing " << path << " (ORVANTA_UPDATE_GOLDEN=1 writes it)";
    std::ostringstream expected;
    expected << in.rdbuf();
    if (expected.str() != text) {
        std::ofstream(path + ".actual", std::ios::binary) << text;
        FAIL() << name << " differs; the text written is in " << path << ".actual";
    }
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

}  // namespace
