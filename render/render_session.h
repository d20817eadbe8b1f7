// One render of a scene copy, from start to picture: POV-Ray started (in bands of rows through
// standard output when it comes from the PATH, or as the configured program with the specified
// command line, which writes the picture file itself), its progress, problems and picture read
// as they arrive, Stop, and the finished picture saved as the scene's Targa image. No toolkit:
// the render window shows what this holds and the tests drive it with a fake launcher.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/orvanta_options.h"
#include "render/povray_output.h"
#include "render/render_bands.h"
#include "render/render_presets.h"
#include "render/targa_stream.h"

class IProcessLauncher;
class IRunningProcess;
struct ProcessExit;

struct RenderJob {
    COrvantaOptions::ExecutablesPage settings;
    // the scene copy, a path POV-Ray takes as it is
    std::string scene;
    // where POV-Ray runs: the scene's own folder
    std::string workingFolder;
    // a configured program writes its picture here (a plain path in the render's folder)
    std::string outputFile;
    // where the finished picture goes
    std::string imagePath;
    RenderChoice choice;
    // the whole picture's trace time as a render of the same scene measured it; negative when
    // unknown
    double expectedTraceSeconds = -1.0;
    // the program as the user configured it, with its specified command line; else POV-Ray
    // from the PATH, live
    bool Configured() const { return !settings.Execute.empty(); }
};

enum class RenderState { Idle, Running, Stopping, Finished, Failed, Stopped };

class RenderSession {
  public:
    // seconds on a steady clock
    using Clock = std::function<double()>;

    RenderSession(IProcessLauncher& launcher, Clock clock);
    ~RenderSession();
    RenderSession(const RenderSession&) = delete;
    RenderSession& operator=(const RenderSession&) = delete;

    // rows of the picture that changed
    std::function<void(RowSpan)> onRows;
    // progress or messages changed
    std::function<void()> onProgress;
    // the state changed
    std::function<void()> onState;

    // Starts a render; false when POV-Ray could not be started (FailureText says why). Not to
    // be called from the callbacks above (the programs of the last render go with it).
    bool Start(const RenderJob& job);
    // Ends the render and every POV-Ray it started.
    void Stop();

    RenderState State() const { return state_; }
    bool IsActive() const {
        return state_ == RenderState::Running || state_ == RenderState::Stopping;
    }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // 0xFFRRGGBB per pixel, top row first; rows not rendered yet are 0
    const std::vector<std::uint32_t>& Pixels() const { return pixels_; }
    // 0 .. 1
    double Progress() const;
    // seconds since the start, held when the render ends
    double Elapsed() const;
    // seconds still to go, estimated from the progress; negative while unknown
    double Remaining() const;
    // seconds from the start until the first rows were shown; negative until then
    double FirstRowsAfter() const { return firstRowsAfter_; }
    // POV-Ray's warnings and errors, each once
    const std::vector<PovRayMessage>& Messages() const { return messages_; }
    // why the render failed, with POV-Ray's reason
    const std::string& FailureText() const { return failure_; }
    // POV-Ray's exit status when it failed on its own; -1 otherwise
    int ExitCode() const { return exitCode_; }
    // the trace time per pixel a finished live render measured; negative otherwise
    double TraceSecondsPerPixel() const;
    // why the finished picture could not be saved; empty when it was
    const std::string& ImageError() const { return imageError_; }

  private:
    struct Run;

    bool Launch(RowSpan band);
    void LaunchMore();
    void OnFinished(Run& run, const ProcessExit& exit);
    void TakeMessages(const PovRayOutput& output);
    void TakeBand(Run& run);
    void FinishPicture();
    void Fail(std::string text, int exitCode = -1);
    void SetState(RenderState state);
    int RunningCount() const;

    IProcessLauncher& launcher_;
    Clock clock_;
    RenderJob job_;
    RenderState state_ = RenderState::Idle;
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
    std::unique_ptr<RenderBands> bands_;
    std::vector<std::unique_ptr<Run>> runs_;
    long long doneRows_ = 0;
    double startedAt_ = 0.0;
    double endedAt_ = -1.0;
    double firstRowsAfter_ = -1.0;
    std::vector<PovRayMessage> messages_;
    std::string failure_;
    int exitCode_ = -1;
    std::string imageError_;
};
