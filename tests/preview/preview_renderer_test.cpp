// The background renderer, with a fake POV-Ray that writes its output file, fails on request
// or runs until it is cancelled.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/fake/fake_process_launcher.h"
#include "preview/preview_renderer.h"
#include "tests/support/cli_runner.h"

namespace fs = std::filesystem;

namespace {

std::string Option(const std::vector<std::string>& arguments, const std::string& prefix) {
    for (const std::string& a : arguments)
        if (a.rfind(prefix, 0) == 0)
            return a.substr(prefix.size());
    return {};
}

class RendererTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = MakeTempFolder();
        // the scene text says what the fake POV-Ray does: "block" waits for cancellation or
        // release, "fail" reports a parse error, anything else renders
        launcher.behaviour = [this](const std::vector<std::string>& arguments,
                                    const std::atomic<bool>& cancel) {
            std::ifstream in(Option(arguments, "+I"));
            std::stringstream scene;
            scene << in.rdbuf();
            {
                std::lock_guard lock(mutex);
                order.push_back(scene.str());
            }
            ProcessResult r;
            r.started = true;
            r.exitCode = 0;
            if (scene.str().rfind("block", 0) == 0) {
                while (!cancel && !released)
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
                if (cancel) {
                    r.exitCode = -1;
                    return r;
                }
            }
            if (scene.str() == "fail") {
                r.exitCode = 1;
                r.output =
                    "Parsing...\nFile 'job.pov' line 3: Parse Error: Expected 'texture'\n"
                    "Fatal error in parser: Cannot parse input.\nRender failed\n";
                return r;
            }
            std::ofstream(Option(arguments, "+O")) << "png";
            return r;
        };
    }
    void TearDown() override { RemoveTree(folder); }

    PreviewJob Job(const std::string& scene, const std::string& picture) {
        return PreviewJob{scene, folder + "/" + picture, {}};
    }
    std::unique_ptr<PreviewRenderer> Make(int processes) {
        PreviewRenderSettings settings;
        settings.processes = processes;
        return std::make_unique<PreviewRenderer>(launcher, settings,
                                                 [this](const PreviewResult& r) {
                                                     std::lock_guard lock(mutex);
                                                     results.push_back(r);
                                                 });
    }
    void WaitForCalls(size_t n) {
        while (launcher.Calls().size() < n)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }

    std::string folder;
    FakeProcessLauncher launcher;
    std::atomic<bool> released{false};
    std::mutex mutex;
    std::vector<std::string> order;
    std::vector<PreviewResult> results;
};

}  // namespace

TEST_F(RendererTest, QueueOrderDuplicatesAndProgress) {
    auto renderer = Make(1);
    PreviewJob first = Job("block", "first.png");
    first.libraryPaths = {"", "/images"};  // POV-Ray refuses a bare "+L"
    renderer->Enqueue(first);
    WaitForCalls(1);
    renderer->Enqueue(Job("a", "a.png"));
    renderer->Enqueue(Job("b", "b.png"));
    renderer->Enqueue(Job("c", "sub/c.png"));
    renderer->Enqueue(Job("a again", "a.png"));      // already waiting
    renderer->Enqueue(Job("block2", "first.png"));   // being rendered
    renderer->Enqueue(Job("c", "sub/c.png"), true);  // moves to the front
    EXPECT_EQ(renderer->GetProgress().total, 4);
    EXPECT_EQ(renderer->GetProgress().finished, 0);
    released = true;
    renderer->WaitIdle();

    EXPECT_EQ(order, (std::vector<std::string>{"block", "c", "a", "b"}));
    for (const char* name : {"first.png", "a.png", "b.png", "sub/c.png"})
        EXPECT_TRUE(fs::is_regular_file(folder + "/" + name)) << name;
    EXPECT_FALSE(fs::exists(folder + "/a.png.part"));
    ASSERT_EQ(results.size(), 4u);
    for (const PreviewResult& r : results)
        EXPECT_TRUE(r.ok && !r.live && !r.cancelled) << r.picture << r.error;
    EXPECT_EQ(renderer->GetProgress().total, 0);  // idle again

    // what POV-Ray is told: the scene, a PNG of the size, no display, one thread
    const std::vector<std::string> args = launcher.Calls().front();
    EXPECT_EQ(launcher.programs.front(), "povray");
    for (const char* expected : {"+FN", "+W128", "+H128", "-D", "+WT1", "+L/images"})
        EXPECT_NE(std::find(args.begin(), args.end(), expected), args.end()) << expected;
    EXPECT_EQ(std::find(args.begin(), args.end(), "+L"), args.end());
}

TEST_F(RendererTest, LivePictureGoesFirstAndANewerOneEndsTheOlder) {
    auto renderer = Make(1);
    const long first = renderer->RenderLive(Job("block live", "live1.png"));
    WaitForCalls(1);
    renderer->Enqueue(Job("queued", "q.png"));
    const long second = renderer->RenderLive(Job("live two", "live2.png"));
    renderer->WaitIdle();

    EXPECT_EQ(order, (std::vector<std::string>{"block live", "live two", "queued"}));
    ASSERT_EQ(results.size(), 3u);
    EXPECT_TRUE(results[0].live && results[0].cancelled && !results[0].ok);
    EXPECT_EQ(results[0].liveSerial, first);
    EXPECT_TRUE(results[1].live && results[1].ok);
    EXPECT_EQ(results[1].liveSerial, second);
    EXPECT_FALSE(fs::exists(folder + "/live1.png"));
    EXPECT_TRUE(fs::exists(folder + "/live2.png"));
}

TEST_F(RendererTest, FailuresSayWhy) {
    auto renderer = Make(2);
    renderer->Enqueue(Job("fail", "f.png"));
    renderer->WaitIdle();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_FALSE(results[0].ok);
    EXPECT_EQ(results[0].error,
              "File 'job.pov' line 3: Parse Error: Expected 'texture'\n"
              "Fatal error in parser: Cannot parse input.");
    EXPECT_FALSE(fs::exists(folder + "/f.png"));

    launcher.behaviour = [](const std::vector<std::string>& arguments, const std::atomic<bool>&) {
        ProcessResult r;
        if (Option(arguments, "+I").find("job1") != std::string::npos) {
            r.started = true;
            r.exitCode = 1;
            r.output =
                "povray: cannot open the user configuration file\n\nProblem with option "
                "setting\npovray +Ix\nFailed to parse command-line option\n";
            return r;
        }
        r.error = "No such file or directory";
        return r;
    };
    renderer->Enqueue(Job("options", "o.png"));
    renderer->WaitIdle();
    renderer->Enqueue(Job("x", "x.png"));
    renderer->WaitIdle();
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[1].error, "Problem with option setting\nFailed to parse command-line option");
    EXPECT_EQ(results[2].error, "cannot start POV-Ray (povray): No such file or directory");
}

TEST_F(RendererTest, EndingTheRendererEndsWhatRuns) {
    auto renderer = Make(2);
    renderer->Enqueue(Job("block a", "a.png"));
    renderer->Enqueue(Job("block b", "b.png"));
    renderer->Enqueue(Job("waits", "c.png"));
    WaitForCalls(2);
    renderer.reset();  // returns although nobody releases the blocked runs
    EXPECT_EQ(order.size(), 2u);
    for (const PreviewResult& r : results)
        EXPECT_TRUE(r.cancelled);
}
