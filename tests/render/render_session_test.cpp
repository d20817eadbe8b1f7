// The render session driven by a fake launcher: bands in and out, failures, Stop, the
// configured program.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "document/atomic_file.h"
#include "platform/fake/fake_process_launcher.h"
#include "render/render_session.h"

namespace fs = std::filesystem;

namespace {

class RenderSessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char name[] = "/tmp/orvanta-session-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        dir = name;
        job.scene = dir + "/scene.pov";
        job.imagePath = dir + "/Bild mit Leerzeichen.tga";
        job.workingFolder = dir;
        job.choice = {40, 32, false};
        session.onState = [this] { ++stateChanges; };
        session.onRows = [this](RowSpan rows) { shownRows += rows.Count(); };
    }
    void TearDown() override { fs::remove_all(dir); }

    // What POV-Ray prints for a band: its picture (the whole size, the band's rows coloured)
    // and its progress.
    void Trace(FakeRunningProcess& p, RowSpan band, std::uint32_t colour,
               const char* traceTime = "0.010") {
        std::vector<std::uint32_t> picture(40 * 32, 0xFF000000u);
        for (int y = band.first; y < band.end; ++y)
            for (int x = 0; x < 40; ++x)
                picture[static_cast<size_t>(y * 40 + x)] = colour;
        const int pixels = band.Count() * 40;
        p.Errors("Rendered " + std::to_string(pixels / 2) + " of " + std::to_string(pixels) +
                 " pixels (50%)\r");
        p.Output(EncodeTarga(40, 32, picture));
        p.Errors(std::string("  Trace Time:  0 hours  0 minutes  0 seconds (") + traceTime +
                 " seconds)\n");
        now += 0.7;
        p.Finish(0);
    }

    // the band a started run asked for, from its +SR and +ER arguments
    RowSpan BandOf(size_t call) {
        RowSpan band;
        for (const std::string& a : launcher.calls[call]) {
            if (a.rfind("+SR", 0) == 0)
                band.first = std::stoi(a.substr(3)) - 1;
            if (a.rfind("+ER", 0) == 0)
                band.end = std::stoi(a.substr(3));
        }
        return band;
    }

    std::string dir;
    double now = 100.0;
    FakeProcessLauncher launcher;
    RenderSession session{launcher, [this] { return now; }};
    RenderJob job;
    int stateChanges = 0;
    int shownRows = 0;
};

TEST_F(RenderSessionTest, BandsArriveOneByOneUntilThePictureIsSaved) {
    ASSERT_TRUE(session.Start(job));
    EXPECT_EQ(session.State(), RenderState::Running);
    // two runs at once, the first one small
    ASSERT_EQ(launcher.started.size(), 2u);
    EXPECT_EQ(launcher.programs[0], "povray");
    EXPECT_EQ(launcher.folders[0], dir);
    const std::vector<std::string>& args = launcher.calls[0];
    EXPECT_NE(std::find(args.begin(), args.end(), "+O-"), args.end());
    EXPECT_NE(std::find(args.begin(), args.end(), "+I" + job.scene), args.end());
    EXPECT_EQ(BandOf(0).first, 0);
    EXPECT_EQ(BandOf(1).first, BandOf(0).end);

    launcher.started[0]->Errors("Rendered 160 of 320 pixels (50%)\r");
    EXPECT_GT(session.Progress(), 0.0);
    EXPECT_LT(session.Progress(), 0.2);

    std::uint32_t colour = 0xFF102030u;
    for (size_t i = 0; i < launcher.started.size(); ++i, colour += 0x010101u)
        Trace(*launcher.started[i], BandOf(i), colour);
    EXPECT_EQ(session.State(), RenderState::Finished);
    EXPECT_EQ(shownRows, 32);
    EXPECT_DOUBLE_EQ(session.Progress(), 1.0);
    EXPECT_NEAR(session.FirstRowsAfter(), 0.7, 1e-9);
    EXPECT_GT(session.Elapsed(), 0.0);
    // every row came from its band's run
    for (size_t i = 0; i < launcher.started.size(); ++i) {
        const RowSpan band = BandOf(i);
        for (int y = band.first; y < band.end; ++y)
            ASSERT_EQ(session.Pixels()[static_cast<size_t>(y * 40 + 5)],
                      0xFF102030u + 0x010101u * i);
    }
    std::string saved;
    ASSERT_TRUE(ReadWholeFile(job.imagePath, saved).ok);
    EXPECT_EQ(saved, EncodeTarga(40, 32, session.Pixels()));
    EXPECT_TRUE(session.ImageError().empty());

    // the next render of the scene, known to be quick, takes one run
    EXPECT_NEAR(session.TraceSecondsPerPixel(), 0.020 / (32 * 40), 1e-12);
    job.expectedTraceSeconds = session.TraceSecondsPerPixel() * 40 * 32;
    ASSERT_TRUE(session.Start(job));
    ASSERT_EQ(launcher.started.size(), 3u);
    EXPECT_EQ(BandOf(2).first, 0);
    EXPECT_EQ(BandOf(2).end, 32);
    Trace(*launcher.started[2], BandOf(2), colour);
    EXPECT_EQ(session.State(), RenderState::Finished);
}

TEST_F(RenderSessionTest, ASlowSceneCallsItsSecondRunBackAndGoesOnInBands) {
    ASSERT_TRUE(session.Start(job));
    ASSERT_EQ(launcher.started.size(), 2u);
    const RowSpan rest = BandOf(1);
    EXPECT_EQ(rest.end, 32);
    // eight rows took twenty seconds: the rest is traced in bands
    Trace(*launcher.started[0], BandOf(0), 0xFF0000FFu, "20.000");
    EXPECT_TRUE(launcher.started[1]->stopRequested);
    ASSERT_GE(launcher.started.size(), 3u);
    EXPECT_EQ(BandOf(2).first, rest.first);
    EXPECT_LT(BandOf(2).end, rest.end);
    // the called-back run's end changes nothing
    launcher.started[1]->Finish(-1, true);
    EXPECT_EQ(session.State(), RenderState::Running);
    for (size_t i = 2; i < launcher.started.size(); ++i)
        Trace(*launcher.started[i], BandOf(i), 0xFF00FF00u, "20.000");
    EXPECT_EQ(session.State(), RenderState::Finished);
    EXPECT_EQ(shownRows, 32);
    EXPECT_EQ(session.Pixels()[31 * 40], 0xFF00FF00u);
}

TEST_F(RenderSessionTest, AParseErrorEndsTheRenderWithPovRaysMessage) {
    ASSERT_TRUE(session.Start(job));
    FakeRunningProcess& first = *launcher.started[0];
    first.Errors(
        "File '/tmp/x/scene.pov' line 12: Parse Error: Expected 'object', undeclared\n"
        " identifier 'Foo' found instead\nFatal error in parser: Cannot parse input.\n");
    first.Finish(1);
    EXPECT_EQ(session.State(), RenderState::Failed);
    EXPECT_EQ(session.ExitCode(), 1);
    EXPECT_NE(session.FailureText().find("identifier 'Foo' found instead"), std::string::npos)
        << session.FailureText();
    ASSERT_FALSE(session.Messages().empty());
    EXPECT_EQ(session.Messages()[0].line, 12);
    // the other run is ended, and its end changes nothing
    EXPECT_TRUE(launcher.started[1]->stopRequested);
    launcher.started[1]->Finish(-1, true);
    EXPECT_EQ(session.State(), RenderState::Failed);
    EXPECT_FALSE(fs::exists(job.imagePath));
}

TEST_F(RenderSessionTest, StopEndsEveryRunAndKeepsWhatWasShown) {
    ASSERT_TRUE(session.Start(job));
    Trace(*launcher.started[0], BandOf(0), 0xFFFFFFFFu);
    const size_t runs = launcher.started.size();
    session.Stop();
    EXPECT_EQ(session.State(), RenderState::Stopping);
    for (size_t i = 1; i < runs; ++i) {
        EXPECT_TRUE(launcher.started[i]->stopRequested);
        launcher.started[i]->Finish(-1, true);
    }
    EXPECT_EQ(session.State(), RenderState::Stopped);
    EXPECT_EQ(launcher.started.size(), runs);
    EXPECT_EQ(session.Pixels()[0], 0xFFFFFFFFu);
    EXPECT_FALSE(fs::exists(job.imagePath));
}

TEST_F(RenderSessionTest, AProgramThatCannotStartIsReportedWithTheReason) {
    launcher.startError = "No such file or directory";
    EXPECT_FALSE(session.Start(job));
    EXPECT_EQ(session.State(), RenderState::Failed);
    EXPECT_NE(session.FailureText().find("No such file or directory"), std::string::npos);
    EXPECT_NE(session.FailureText().find("povray"), std::string::npos);
}

TEST_F(RenderSessionTest, AConfiguredProgramGetsTheSpecifiedLineAndWritesThePictureItself) {
    job.settings.Execute = "/opt/pov/bin/povray";
    job.settings.Configuration = "/etc/pov.ini";
    job.outputFile = dir + "/out.tga";
    ASSERT_TRUE(session.Start(job));
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.programs[0], "/opt/pov/bin/povray");
    const std::vector<std::string>& args = launcher.calls[0];
    ASSERT_GE(args.size(), 4u);
    EXPECT_EQ(args[0], "-i" + job.scene);
    EXPECT_EQ(args[1], "-o" + job.outputFile);
    EXPECT_EQ(args[2], "+FT");
    EXPECT_EQ(args[3], "/etc/pov.ini");

    const std::vector<std::uint32_t> picture(40 * 32, 0xFF804020u);
    ASSERT_TRUE(WriteFileAtomically(job.outputFile, EncodeTarga(40, 32, picture)).ok);
    launcher.started[0]->Finish(0);
    EXPECT_EQ(session.State(), RenderState::Finished);
    EXPECT_EQ(session.Pixels(), picture);
    std::string saved;
    ASSERT_TRUE(ReadWholeFile(job.imagePath, saved).ok);
    EXPECT_EQ(saved, EncodeTarga(40, 32, picture));
}

}  // namespace
