// orvanta-cli povray with the real POV-Ray: the image is written under the name given, in its
// format; problems come with the scene's line; a killed run leaves no POV-Ray behind.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/support/cli_runner.h"

namespace fs = std::filesystem;

namespace {

bool HavePovRay() {
    return std::system("command -v povray >/dev/null 2>&1") == 0;
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// the pid of a process named povray whose parent is parent, or 0
int PovRayChildOf(int parent) {
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const std::string name = entry.path().filename();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::ifstream stat(entry.path() / "stat");
        std::string pid, comm, state;
        int ppid = 0;
        if (stat >> pid >> comm >> state >> ppid && ppid == parent && comm == "(povray)")
            return std::stoi(pid);
    }
    return 0;
}

// whether a process still runs (a zombie does not)
bool Alive(int pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string p, comm, state;
    return stat >> p >> comm >> state && state != "Z";
}

class CliPovRayTest : public ::testing::Test {
  protected:
    std::string dir;
    void SetUp() override {
        if (!HavePovRay())
            GTEST_SKIP() << "povray is not installed";
        dir = MakeTempFolder();
        ASSERT_FALSE(dir.empty());
        setenv("ORVANTA_CONFIG_DIR", (dir + "/config").c_str(), 1);
    }
    void TearDown() override {
        if (!dir.empty())
            RemoveTree(dir);
    }
};

TEST_F(CliPovRayTest, TheImageGetsTheNameGivenInItsFormatAlsoWithBlanksAndUmlauts) {
    const std::string folder = dir + "/Szenen mit Bäumen";
    fs::create_directories(folder);
    const std::string scene = folder + "/kleine Kugel.pov";
    ASSERT_EQ(RunCli("new -o '" + scene + "' --level 3.7 camera light sphere").status, 0);
    const std::string png = folder + "/Bild ä.png";
    CliRun run = RunCli("povray '" + scene + "' --size 32x24 -o '" + png + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, png + "\n");
    EXPECT_EQ(ReadFile(png).substr(1, 3), "PNG");
    EXPECT_FALSE(fs::exists(png + ".tga"));
    // without -o: the Targa image beside the scene
    run = RunCli("povray '" + scene + "' --size 32x24");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, folder + "/kleine Kugel.tga\n");
    const std::string tga = ReadFile(folder + "/kleine Kugel.tga");
    ASSERT_GE(tga.size(), 18u + 32 * 24 * 3);
    EXPECT_EQ(tga[2], 2);  // an uncompressed true-colour Targa picture
}

TEST_F(CliPovRayTest, AParseErrorIsShownWithTheScenesLineAndPovRaysStatus) {
    const std::string scene = dir + "/kaputt.pov";
    WriteText(scene,
              "camera { location <0,0,-5> look_at 0 }\r\n"
              "#declare Kugel_000 = sphere {\r\n"
              "  <0,0,0>, 1\r\n"
              "  scalex <1,1,1>\r\n"
              "}\r\n");
    const CliRun run = RunCli("povray " + scene + " --size 16x12");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(scene + ":4: Parse Error: No matching } in 'sphere'"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("     4 |   scalex <1,1,1>"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir + "/kaputt.tga"));
}

TEST_F(CliPovRayTest, AKilledRunLeavesNoPovRayBehind) {
    // a scene that takes POV-Ray long enough
    const std::string scene = dir + "/langsam.pov";
    WriteText(scene,
              "#version 3.7;\nglobal_settings { assumed_gamma 1.0 max_trace_level 20 }\n"
              "camera { location <0,2,-6> look_at 0 }\nlight_source { <5,9,-5> rgb 1 }\n"
              "#declare I = 0;\n#while (I < 60)\n"
              "sphere { <mod(I,10)-4.5, div(I,10)-2.5, 0>, 0.5 pigment { rgbf <1,1,1,0.9> }\n"
              "  finish { reflection 0.5 } interior { ior 1.5 } }\n#declare I = I + 1;\n#end\n");
    for (int signal : {SIGTERM, SIGKILL}) {
        const int cli = StartCli(
            {"povray", scene, "--size", "1600x1200", "--antialias", "-o", dir + "/langsam.png"});
        ASSERT_GT(cli, 0);
        int povray = 0;
        for (int i = 0; i < 200 && !povray; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            povray = PovRayChildOf(cli);
        }
        ASSERT_GT(povray, 0) << "POV-Ray did not start";
        ::kill(cli, signal);
        int status = 0;
        ::waitpid(cli, &status, 0);
        bool gone = false;
        for (int i = 0; i < 60 && !gone; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            gone = !Alive(povray);
        }
        EXPECT_TRUE(gone) << "POV-Ray " << povray << " still runs after signal " << signal;
        if (!gone)
            ::kill(povray, SIGKILL);
        EXPECT_FALSE(fs::exists(dir + "/langsam.png"));
    }
}

}  // namespace
