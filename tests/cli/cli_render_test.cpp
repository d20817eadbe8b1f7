// orvanta-cli render, run as a user runs it. The pictures themselves are compared with their
// references by the view picture tests, which draw through the same code.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/cli_runner.h"

namespace {

const std::string kScene = std::string(ORVANTA_TEST_DATA_DIR) + "/view/scene.om";

// width and height from a PNG file's header, or 0 x 0 when it is no PNG
struct PngSize {
    uint32_t width = 0;
    uint32_t height = 0;
};
PngSize ReadPngSize(const std::string& path) {
    const std::string data = ReadFile(path);
    if (data.size() < 24 || data.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0)
        return {};
    auto be32 = [&](size_t at) {
        uint32_t v = 0;
        for (size_t i = 0; i < 4; ++i)
            v = (v << 8) | static_cast<unsigned char>(data[at + i]);
        return v;
    };
    return {be32(16), be32(20)};
}

class CliRenderTest : public ::testing::Test {
  protected:
    std::string dir;
    void SetUp() override {
        dir = MakeTempFolder();
        ASSERT_FALSE(dir.empty());
        setenv("ORVANTA_CONFIG_DIR", (dir + "/config").c_str(), 1);
    }
    void TearDown() override { RemoveTree(dir); }
};

TEST_F(CliRenderTest, EveryViewKindBecomesAPicture) {
    for (const char* view : {"top", "front", "side", "camera"}) {
        SCOPED_TRACE(view);
        const std::string out = dir + "/" + view + ".png";
        const CliRun run = RunCli("render " + kScene + " --view " + view +
                                  " --size 200x150 --select Kugel_000 -o " + out);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        const PngSize size = ReadPngSize(out);
        EXPECT_EQ(size.width, 200u);
        EXPECT_EQ(size.height, 150u);
    }
    const std::string out = dir + "/wire.png";
    const CliRun run =
        RunCli("render " + kScene +
               " --view camera --wireframe --zoom 5 --grid 1 --scroll 3,-4 -o " + out);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadPngSize(out).width, 640u);  // the default size
}

TEST_F(CliRenderTest, APictureIsSavedWholeOrNotAtAll) {
    const std::string out = dir + "/old.png";
    { std::ofstream(out, std::ios::binary) << "the previous picture"; }
    // a full disk (a file size limit of one block): the previous picture stays as it was
    CliRun run = RunCli("render " + kScene + " --view top -o " + out, "trap '' XFSZ; ulimit -f 1;");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Cannot write"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(out), "the previous picture");
    // a pipe is no file to replace
    const std::string pipe = dir + "/pipe.png";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0666), 0);
    run = RunCli("render " + kScene + " --view top -o " + pipe);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("not a regular file"), std::string::npos) << run.err;
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
}

TEST_F(CliRenderTest, WrongCommandLinesAndFilesFailWithAMessage) {
    const std::string out = " -o " + dir + "/x.png";
    const struct {
        std::string arguments;
        int status;
        const char* message;
    } cases[] = {
        {"render " + kScene + out, 2, "usage: orvanta-cli render"},
        {"render " + kScene + " --view top", 2, "usage: orvanta-cli render"},
        {"render " + kScene + " --view diagonal" + out, 2, "--view wants top, front, side"},
        {"render " + kScene + " --view top --size 20" + out, 2, "--size wants"},
        {"render " + kScene + " --view top --zoom 0" + out, 2, "--zoom wants"},
        {"render " + kScene + " --view top --zoom 1,5" + out, 2, "--zoom wants"},
        {"render " + kScene + " --view top --grid -1" + out, 2, "--grid wants"},
        {"render " + kScene + " --view top --scroll 3" + out, 2, "--scroll wants"},
        {"render " + kScene + " --view top --select Niemand" + out, 1, "no object named 'Niemand'"},
        {"render " + dir + "/missing.om --view top" + out, 1, "missing.om"},
        {"render " + kScene + " --view top -o " + dir + "/no/such/folder/x.png", 1,
         "Cannot create a file in the folder of"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    EXPECT_EQ(RunCli("render --help").status, 0);
}

}  // namespace
