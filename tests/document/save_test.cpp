#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
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

TEST_F(SaveTest, OnlyARegularFileThatMayBeWrittenIsReplaced) {
    // a pipe (and a device, where the test may make one) stays what it is
    const fs::path fifo = dir / "pipe.om";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    FileResult result = WriteFileAtomically(fifo.string(), "scene");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("not a regular file"), std::string::npos) << result.error;
    EXPECT_TRUE(fs::is_fifo(fifo));
    const fs::path device = dir / "null.om";
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        EXPECT_FALSE(WriteFileAtomically(device.string(), "scene").ok);
        EXPECT_TRUE(fs::is_character_file(device));
    }

    // a read-only file is refused, also to root
    const fs::path locked = dir / "locked.om";
    { std::ofstream(locked) << "kept"; }
    ::chmod(locked.c_str(), 0444);
    result = WriteFileAtomically(locked.string(), "scene");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("read-only"), std::string::npos) << result.error;
    EXPECT_EQ(Read(locked), "kept");

    // a folder cannot be replaced: the rename fails and its temporary file goes
    const fs::path folder = dir / "folder.om";
    fs::create_directory(folder);
    result = WriteFileAtomically(folder.string(), "scene");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("Cannot replace"), std::string::npos) << result.error;
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(FilesIn(), 4u - (fs::exists(device) ? 0u : 1u));
}

TEST_F(SaveTest, LinksAndOwnersSurviveASave) {
    // a link to a file that does not exist yet: the file is made where the link points
    const fs::path link = dir / "link.om";
    fs::create_symlink("target.om", link);
    ASSERT_TRUE(WriteFileAtomically(link.string(), "first").ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(dir / "target.om"), "first");

    // a file with a second hard link is written in place: both names show the new text
    const fs::path second = dir / "second.om";
    fs::create_hard_link(dir / "target.om", second);
    ASSERT_TRUE(WriteFileAtomically(second.string(), "second, longer text").ok);
    EXPECT_EQ(Read(dir / "target.om"), "second, longer text");
    EXPECT_EQ(fs::hard_link_count(second), 2u);
    ASSERT_TRUE(WriteFileAtomically(second.string(), "short").ok);
    EXPECT_EQ(Read(dir / "target.om"), "short");
    EXPECT_EQ(FilesIn(), 3u);

    // another user's file keeps its owner when root saves it
    if (::geteuid() == 0) {
        const fs::path theirs = dir / "theirs.om";
        { std::ofstream(theirs) << "old"; }
        ASSERT_EQ(::chown(theirs.c_str(), 12345, 23456), 0);
        ASSERT_TRUE(WriteFileAtomically(theirs.string(), "new").ok);
        struct stat st {};
        ASSERT_EQ(::stat(theirs.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 12345u);
        EXPECT_EQ(st.st_gid, 23456u);
    }
}

TEST_F(SaveTest, AFailedRenameKeepsTheDocumentModifiedAndLeavesNoTemporaryFile) {
    COrvantaDoc doc;
    doc.InsertObject(new CPovCubic());
    doc.SetModifiedFlag(true);
    const fs::path folder = dir / "scene.om";
    fs::create_directory(folder);
    const FileResult result = doc.OnSaveDocument(folder.string());
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("Is a directory"), std::string::npos) << result.error;
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_EQ(FilesIn(), 1u);
    EXPECT_TRUE(fs::is_empty(folder));
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
