// Texture-preview add-on files: what a file contributes, and what the scan of a folder makes
// of several files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/surfaces/predefined_textures.h"
#include "preview/preview_addons.h"
#include "preview/preview_pictures.h"
#include "tests/support/cli_runner.h"
#include "tests/support/model_test.h"

namespace fs = std::filesystem;

namespace {

const std::string kSignature = "Orvanta Modeller 95 AddOn Type: Texturepreview";

std::vector<std::string> Parse(const std::string& text) {
    std::vector<std::string> pairs;
    ParsePreviewAddOn(text, pairs);
    return pairs;
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

using Pairs = std::vector<std::string>;

}  // namespace

TEST(PreviewAddOnTest, LinesOfOneFile) {
    // the signature counts by its first 40 characters; CR LF, comments, blank lines, one-word
    // lines and extra words
    EXPECT_EQ(Parse(kSignature + " version 2\r\n"
                                 "; a comment Jade x.jpg\r\n"
                                 "\r\n"
                                 "\n"
                                 "   \t\r\n"
                                 "Lonely\r\n"
                                 "My_Gold  gold.jpg   ignored words\r\n"
                                 "\tMy_Wood\twood.jpg\r\n"
                                 "Last last.jpg"),
              (Pairs{"My_Gold", "gold.jpg", "My_Wood", "wood.jpg", "Last", "last.jpg"}));
    EXPECT_EQ(Parse(kSignature.substr(0, 40) + "\nA a.jpg"), (Pairs{"A", "a.jpg"}));

    // a first line that differs anywhere in its first 40 characters, or is shorter
    EXPECT_TRUE(Parse("orvanta Modeller 95 AddOn Type: Texturepreview\nA a.jpg").empty());
    EXPECT_TRUE(Parse(kSignature.substr(0, 39) + "\nA a.jpg").empty());
    EXPECT_TRUE(Parse("\n" + kSignature + "\nA a.jpg").empty());
    EXPECT_TRUE(Parse("").empty());

    // words are cut to 255 characters
    const std::string longName(300, 'n');
    EXPECT_EQ(Parse(kSignature + "\n" + longName + " p.jpg"),
              (Pairs{longName.substr(0, 255), "p.jpg"}));

    // only the first 65,534 bytes count, and nothing after a zero byte
    std::string text = kSignature + "\nFirst first.jpg\n";
    text += std::string(kPreviewAddOnMaxBytes - text.size() - 4, ';') + "\nAB c\n";
    EXPECT_EQ(Parse(text), (Pairs{"First", "first.jpg"}));
    EXPECT_EQ(Parse(kSignature + "\nA a.jpg\n" + std::string(1, '\0') + "\nB b.jpg"),
              (Pairs{"A", "a.jpg"}));
}

class PreviewAddOnScanTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        folder = MakeTempFolder();
    }
    void TearDown() override {
        SetTextureAddOns(nullptr);
        RemoveTree(folder);
        ModelTest::TearDown();
    }
    std::string folder;
};

TEST_F(PreviewAddOnScanTest, FilesInNameOrderFirstAnnouncementAndBuiltInNamesWin) {
    WriteFile(fs::path(folder) / "b.prw", kSignature + "\nShared b-shared.jpg\nOnlyB b.jpg\n");
    WriteFile(fs::path(folder) / "a.PRW", kSignature + "\nJade my-jade.jpg\nShared a-shared.jpg\n");
    WriteFile(fs::path(folder) / "c.prw", "not an add-on\nHidden c.jpg\n");
    WriteFile(fs::path(folder) / "d.txt", kSignature + "\nText d.jpg\n");
    fs::create_directory(fs::path(folder) / "e.prw");  // a folder, not a file

    const std::vector<std::string> addOns = ScanPreviewAddOns(folder);
    EXPECT_EQ(addOns, (Pairs{"Jade", "my-jade.jpg", "Shared", "a-shared.jpg", "Shared",
                             "b-shared.jpg", "OnlyB", "b.jpg"}));
    SetTextureAddOns(&addOns);
    // Jade keeps its built-in picture; the first file's Shared wins
    EXPECT_EQ(PictureName(PreviewSubject::Texture("Jade")), "0.jpg");
    EXPECT_EQ(PictureName(PreviewSubject::Texture("Shared")), "a-shared.jpg");
    EXPECT_EQ(PictureName(PreviewSubject::Texture("OnlyB")), "b.jpg");
    EXPECT_EQ(PictureName(PreviewSubject::Texture("Hidden")), "1000.jpg");

    EXPECT_TRUE(ScanPreviewAddOns(folder + "/missing").empty());
}
