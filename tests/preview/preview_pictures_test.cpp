// The preview folder and the names and lookup of preview pictures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "model/surfaces/predefined_textures.h"
#include "platform/memory_settings_store.h"
#include "preview/preview_pictures.h"
#include "preview/preview_set.h"
#include "tests/support/cli_runner.h"
#include "tests/support/model_test.h"

namespace fs = std::filesystem;

namespace {

void Touch(const std::string& path) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << "x";
}

}  // namespace

class PreviewPicturesTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        root = MakeTempFolder();
        if (const char* old = std::getenv("XDG_CACHE_HOME"))
            oldCache = old;
        ::setenv("XDG_CACHE_HOME", (root + "/cache").c_str(), 1);
        SetSettingsStore(&store);
    }
    void TearDown() override {
        SetSettingsStore(nullptr);
        SetTextureAddOns(nullptr);
        if (oldCache.empty())
            ::unsetenv("XDG_CACHE_HOME");
        else
            ::setenv("XDG_CACHE_HOME", oldCache.c_str(), 1);
        RemoveTree(root);
        ModelTest::TearDown();
    }
    void SetFolders(const std::string& main, const std::string& preview) {
        store.Write(SettingsRoot::Machine, "Subdirs", ".Main", main);
        store.Write(SettingsRoot::Machine, "Subdirs", "Preview", preview);
    }

    MemorySettingsStore store;
    std::string root;
    std::string oldCache;
};

TEST_F(PreviewPicturesTest, FolderFromTheSettingsElseTheCache) {
    const std::string cache = root + "/cache/orvanta/previews";
    EXPECT_EQ(PreviewFolder(), cache);
    EXPECT_EQ(PreviewSearchFolders(), std::vector<std::string>{cache});

    SetFolders(root + "/main", "bmp");
    EXPECT_EQ(PreviewFolder(), root + "/main/bmp");
    EXPECT_EQ(PreviewSearchFolders(), (std::vector<std::string>{root + "/main/bmp", cache}));
    SetFolders("", root + "/only-preview");
    EXPECT_EQ(PreviewFolder(), root + "/only-preview");
    SetFolders(root + "/only-main", "");
    EXPECT_EQ(PreviewFolder(), root + "/only-main");

    // a preview folder that cannot be made: pictures are rendered into the cache
    Touch(root + "/file");
    SetFolders(root + "/file", "sub");
    EXPECT_EQ(RenderFolder(), cache);
    SetFolders(root + "/main", "bmp");
    EXPECT_EQ(RenderFolder(), root + "/main/bmp");
    EXPECT_TRUE(fs::is_directory(root + "/main/bmp"));
}

TEST_F(PreviewPicturesTest, NamesAndLookup) {
    const std::vector<std::string> addOns = {"Gold_A",   "gold/a.jpg", "Escape",
                                             "../x.jpg", "Rooted",     "/etc/x.jpg"};
    SetTextureAddOns(&addOns);
    EXPECT_EQ(PictureName(PreviewSubject::Texture("Jade")), "0.jpg");
    EXPECT_EQ(PictureName(PreviewSubject::Texture("Stone16")), "118.jpg");
    EXPECT_EQ(PictureName(PreviewSubject::Texture("Textur_3")), "1000.jpg");
    EXPECT_EQ(PictureName(PreviewSubject::Texture("Gold_A")), "gold/a.jpg");
    EXPECT_EQ(RenderedPictureName(PreviewSubject::Texture("Gold_A")), "gold/a.png");
    // add-on pictures stay inside the preview folder
    EXPECT_EQ(PictureName(PreviewSubject::Texture("Escape")), "");
    EXPECT_EQ(PictureName(PreviewSubject::Texture("Rooted")), "");
    EXPECT_EQ(PictureName(PreviewSubject::Sky("S_Cloud5")), "S_Cloud5.jpg");
    EXPECT_EQ(PictureName(PreviewSubject::Sky("Pigment_0")), "");
    EXPECT_EQ(RenderedPictureName(PreviewSubject::Fog("Ground_Fog")), "Ground_Fog.png");
    EXPECT_EQ(PictureName(PreviewSubject::Fog("Constant_Fog")), "");

    // the layout's JPEG before our PNG, the preview folder before the cache
    SetFolders(root + "/main", "bmp");
    const std::string main = root + "/main/bmp", cache = root + "/cache/orvanta/previews";
    EXPECT_EQ(FindTexturePicture("Jade"), std::nullopt);
    Touch(cache + "/0.png");
    EXPECT_EQ(FindTexturePicture("Jade"), cache + "/0.png");
    Touch(main + "/0.png");
    EXPECT_EQ(FindTexturePicture("Jade"), main + "/0.png");
    Touch(main + "/0.jpg");
    EXPECT_EQ(FindTexturePicture("Jade"), main + "/0.jpg");
    Touch(main + "/gold/a.png");
    EXPECT_EQ(FindTexturePicture("Gold_A"), main + "/gold/a.png");
    Touch(cache + "/S_Cloud2.png");
    EXPECT_EQ(FindSkyPicture("S_Cloud2"), cache + "/S_Cloud2.png");
    EXPECT_EQ(FindFogPicture("Uniform_Fog"), std::nullopt);
    EXPECT_EQ(FindSkyPicture("Pigment_0"), std::nullopt);

    // a missing picture is asked of the requester (the desktop's renderer), if there is one
    EXPECT_EQ(PreviewPictureOrPending(PreviewSubjectNamed("Uniform_Fog")), std::nullopt);
    std::vector<PreviewSubject> asked;
    SetPreviewRequester([&](const PreviewSubject& s) -> std::optional<std::string> {
        asked.push_back(s);
        return "/pending/" + RenderedPictureName(s);
    });
    EXPECT_EQ(PreviewPictureOrPending(PreviewSubjectNamed("Uniform_Fog")),
              "/pending/Uniform_Fog.png");
    EXPECT_EQ(PreviewPictureOrPending(PreviewSubjectNamed("Jade")), main + "/0.jpg");
    EXPECT_EQ(PreviewPictureOrPending(PreviewSubjectNamed("Escape")), std::nullopt);
    SetPreviewRequester(nullptr);
    EXPECT_EQ(asked, std::vector<PreviewSubject>{PreviewSubject::Fog("Uniform_Fog")});
    EXPECT_EQ(PreviewSubjectNamed("S_Cloud4"), PreviewSubject::Sky("S_Cloud4"));
    EXPECT_EQ(PreviewSubjectNamed("S_Cloud6"), PreviewSubject::Texture("S_Cloud6"));
}

TEST_F(PreviewPicturesTest, TheSetHasEveryPictureOnce) {
    const std::vector<std::string> addOns = {"Jade", "j.jpg", "New", "n.jpg",
                                             "New",  "m.jpg", "Bad", "../b.jpg"};
    SetTextureAddOns(&addOns);
    const std::vector<PreviewSubject> set = PreviewSet();
    ASSERT_EQ(set.size(), 119u + 1 + 1 + 5 + 2);
    std::set<std::string> names;
    for (const PreviewSubject& s : set) {
        EXPECT_TRUE(names.insert(RenderedPictureName(s)).second) << s.name;
        auto job = PreviewJobFor(s, "/out");
        ASSERT_TRUE(job) << s.name;
        EXPECT_EQ(job->picture, "/out/" + RenderedPictureName(s));
    }
    EXPECT_TRUE(names.count("1000.png"));
    EXPECT_TRUE(names.count("n.png"));
}
