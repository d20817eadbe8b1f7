#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "document/atomic_file.h"
#include "document/orvanta_doc.h"
#include "model/solids/pov_cubic.h"
#include "platform/fake/fake_view_port.h"
#include "tests/support/model_test.h"

namespace fs = std::filesystem;

namespace {

class SaveTest : public ModelTest {
  protected:
    fs::path dir;
    void SetUp() override {
        ModelTest::SetUp();
        char name[] = "/tmp/orvanta-save-XXXXXX";
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
    size_t FilesIn() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(dir), {}));
    }
};

TEST_F(SaveTest, ASuccessfulSaveWritesTheSceneAndClearsTheModifiedFlag) {
    COrvantaDoc doc;
    doc.InsertObject(new CPovCubic());
    doc.SetModifiedFlag(true);
    const fs::path file = dir / "scene.om";
    const FileResult result = doc.OnSaveDocument(file.string());
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), file.string());
    EXPECT_EQ(doc.GetTitle(), "scene.om");
    EXPECT_NE(Read(file).find("#declare Quader_000 = box {\r\n"), std::string::npos);
    EXPECT_EQ(FilesIn(), 1u);  // no temporary file left
}

TEST_F(SaveTest, AFolderThatCannotBeWrittenKeepsTheDocumentModified) {
    COrvantaDoc doc;
    doc.SetModifiedFlag(true);
    // /proc refuses new files even to root
    FileResult result = doc.OnSaveDocument("/proc/orvanta-scene.om");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("/proc/orvanta-scene.om"), std::string::npos);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), "");

    result = doc.OnSaveDocument((dir / "missing" / "scene.om").string());
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("No such file or directory"), std::string::npos);
}

TEST_F(SaveTest, AWriteErrorKeepsThePreviousFileWhole) {
    const fs::path file = dir / "scene.om";
    { std::ofstream(file) << "previous contents"; }
    std::string big(1 << 20, 'x');

    // a full disk: the file size limit makes write() fail part way through
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileResult result = WriteFileAtomically(file.string(), big);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("Cannot write"), std::string::npos);
    EXPECT_EQ(Read(file), "previous contents");
    EXPECT_EQ(FilesIn(), 1u);
}

TEST_F(SaveTest, ReplacingKeepsPermissionsAndFollowsLinks) {
    const fs::path real = dir / "real.om";
    { std::ofstream(real) << "old"; }
    ::chmod(real.c_str(), 0640);
    const fs::path link = dir / "link.om";
    fs::create_symlink(real, link);
    ASSERT_TRUE(WriteFileAtomically(link.string(), "new").ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(real), "new");
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(SaveTest, SavingTheSelectedObjectWritesItAlone) {
    COrvantaDoc doc;
    FakeViewPort view;
    auto* box = new CPovCubic();
    doc.InsertObject(box);
    const fs::path file = dir / "box.om";
    EXPECT_FALSE(doc.SaveSelectedObject(file.string()).ok);  // nothing selected
    EXPECT_FALSE(fs::exists(file));
    box->Select(view);
    ASSERT_TRUE(doc.SaveSelectedObject(file.string()).ok);
    const std::string text = Read(file);
    EXPECT_EQ(text.rfind("#declare Quader_000 = box {", 0), 0u);
    EXPECT_EQ(text.find("#include"), std::string::npos);
}

}  // namespace
