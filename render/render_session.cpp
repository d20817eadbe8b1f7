#include "render/render_session.h"

#include <algorithm>

#include "document/atomic_file.h"
#include "document/povray_command.h"
#include "model/text_format.h"
#include "platform/process_launcher.h"
#include "resources/ui_text.h"

namespace {
// POV-Ray runs at the same time in a live render: one traces while the next one starts
constexpr int kRunsAtOnce = 2;
}  // namespace

struct RenderSession::Run {
    RowSpan band;
    std::unique_ptr<IRunningProcess> process;
    TargaStream picture;
    PovRayOutput output;
    double startedAt = 0.0;
    bool ended = false;
    // called back: its rows are traced in bands instead, and its end means nothing
    bool recalled = false;
};

RenderSession::RenderSession(IProcessLauncher& launcher, Clock clock)
    : launcher_(launcher), clock_(std::move(clock)) {}

RenderSession::~RenderSession() {
    // the processes end with their handles; nothing may call back into this any more
    onRows = nullptr;
    onProgress = nullptr;
    onState = nullptr;
    for (auto& run : runs_)
        if (!run->ended && run->process)
            run->process->Stop();
}

bool RenderSession::Start(const RenderJob& job) {
    if (IsActive())
        return false;
    runs_.clear();
    job_ = job;
    width_ = std::max(1, job.choice.width);
    height_ = std::max(1, job.choice.height);
    pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0);
    bands_ = std::make_unique<RenderBands>(height_, job.expectedTraceSeconds);
    doneRows_ = 0;
    startedAt_ = clock_();
    endedAt_ = -1.0;
    firstRowsAfter_ = -1.0;
    messages_.clear();
    failure_.clear();
    imageError_.clear();
    exitCode_ = -1;
    SetState(RenderState::Running);
    if (job.Configured()) {
        if (!Launch({}))
            return false;
    } else {
        LaunchMore();
    }
    return state_ == RenderState::Running;
}

bool RenderSession::Launch(RowSpan band) {
    CommandLine line;
    RenderOptions options;
    options.width = width_;
    options.height = height_;
    options.antialias = job_.choice.antialias;
    if (job_.Configured()) {
        line = PovRayCommandLine(job_.settings, job_.scene);
        line.arguments[1] = "-o" + job_.outputFile;
        for (std::string& a : RenderArguments(options))
            line.arguments.push_back(std::move(a));
    } else {
        options.firstRow = band.first;
        options.endRow = band.end;
        line = StreamingCommandLine(job_.settings, job_.scene, options);
    }

    auto run = std::make_unique<Run>();
    Run* r = run.get();
    r->band = band;
    if (!band.Empty())
        r->picture.SetRowsWanted(band);
    r->startedAt = clock_();
    ProcessCallbacks callbacks;
    callbacks.output = [r](std::string_view bytes) { r->picture.Feed(bytes); };
    callbacks.errors = [this, r](std::string_view bytes) {
        const long long before = r->output.RenderedPixels();
        r->output.Feed(bytes);
        if (r->output.RenderedPixels() != before && onProgress)
            onProgress();
    };
    callbacks.finished = [this, r](const ProcessExit& exit) { OnFinished(*r, exit); };
    ProcessStart start =
        launcher_.Start(line.program, line.arguments, job_.workingFolder, std::move(callbacks));
    if (!start.process) {
        Fail(orv::Format(Tr("POV-Ray (%s) konnte nicht gestartet werden: %s"), line.program,
                         start.error));
        return false;
    }
    r->process = std::move(start.process);
    runs_.push_back(std::move(run));
    return true;
}

void RenderSession::LaunchMore() {
    while (state_ == RenderState::Running && RunningCount() < kRunsAtOnce) {
        const RowSpan band = bands_->Next();
        if (band.Empty())
            return;
        if (!Launch(band))
            return;
    }
}

int RenderSession::RunningCount() const {
    int n = 0;
    for (const auto& run : runs_)
        n += run->ended || run->recalled ? 0 : 1;
    return n;
}

void RenderSession::TakeMessages(const PovRayOutput& output) {
    // every band's run reports the same parse warnings: each is kept once
    for (const PovRayMessage& m : output.Messages()) {
        const bool known = std::any_of(messages_.begin(), messages_.end(), [&](const auto& k) {
            return k.file == m.file && k.line == m.line && k.text == m.text;
        });
        if (!known)
            messages_.push_back(m);
    }
}

void RenderSession::OnFinished(Run& run, const ProcessExit& exit) {
    run.ended = true;
    if (run.recalled)
        return;
    run.output.Finish();
    TakeMessages(run.output);
    if (state_ == RenderState::Stopping) {
        if (RunningCount() == 0) {
            endedAt_ = clock_();
            SetState(RenderState::Stopped);
        }
        return;
    }
    if (state_ != RenderState::Running)
        return;
    if (exit.crashed) {
        Fail(Tr("POV-Ray wurde unerwartet beendet."));
        return;
    }
    if (exit.exitCode != 0) {
        const PovRayMessage* error = run.output.FirstError();
        std::string text =
            orv::Format(Tr("POV-Ray ist mit dem Status %d beendet worden."), exit.exitCode);
        // appended piece by piece: "\n" + text trips a false warning of GCC 12 at -O3
        const std::string& reason = error ? error->text : run.output.Tail();
        if (!reason.empty()) {
            text += '\n';
            text += reason;
        }
        Fail(text, exit.exitCode);
        return;
    }
    if (job_.Configured()) {
        std::string bytes;
        const FileResult read = ReadWholeFile(job_.outputFile, bytes);
        if (!read.ok) {
            Fail(orv::Format(Tr("POV-Ray hat kein Bild geschrieben: %s"), read.error));
            return;
        }
        run.picture.Feed(bytes);
        if (!run.picture.Complete() || run.picture.Width() != width_ ||
            run.picture.Height() != height_) {
            // another size or format than asked for: shown as it is when it can be read
            if (!run.picture.Complete()) {
                Fail(orv::Format(Tr("Das Bild von POV-Ray ist unvollständig: %s"),
                                 run.picture.Error()));
                return;
            }
            width_ = run.picture.Width();
            height_ = run.picture.Height();
        }
        pixels_ = run.picture.Pixels();
        doneRows_ = height_;
        firstRowsAfter_ = clock_() - startedAt_;
        if (onRows)
            onRows({0, height_});
        const FileResult saved = WriteFileAtomically(job_.imagePath, bytes);
        if (!saved.ok)
            imageError_ = saved.error;
        endedAt_ = clock_();
        SetState(RenderState::Finished);
        return;
    }
    if (!run.picture.Complete()) {
        Fail(orv::Format(Tr("Das Bild von POV-Ray ist unvollständig: %s"),
                         run.picture.Failed() ? run.picture.Error() : std::string("")));
        return;
    }
    TakeBand(run);
    // a band still running that will take long is better traced in smaller bands
    for (auto& other : runs_)
        if (!other->ended && !other->recalled && bands_->WorthSplitting(other->band)) {
            other->recalled = true;
            other->process->Stop();
            bands_->Recall(other->band);
        }
    LaunchMore();
    if (RunningCount() == 0 && bands_->RowsLeft() == 0)
        FinishPicture();
}

void RenderSession::TakeBand(Run& run) {
    const RowSpan band = run.band;
    const std::vector<std::uint32_t>& from = run.picture.Pixels();
    if (run.picture.Width() == width_ && run.picture.Height() == height_) {
        const size_t begin = static_cast<size_t>(band.first) * static_cast<size_t>(width_);
        const size_t end = static_cast<size_t>(band.end) * static_cast<size_t>(width_);
        std::copy(from.begin() + static_cast<std::ptrdiff_t>(begin),
                  from.begin() + static_cast<std::ptrdiff_t>(end),
                  pixels_.begin() + static_cast<std::ptrdiff_t>(begin));
    }
    doneRows_ += band.Count();
    const double now = clock_();
    bands_->Finished(band, run.output.TraceSeconds(), now - run.startedAt);
    if (firstRowsAfter_ < 0)
        firstRowsAfter_ = now - startedAt_;
    // the band's picture has served: a large render keeps one picture, not one per band
    run.picture = TargaStream();
    if (onRows)
        onRows(band);
    if (onProgress)
        onProgress();
}

void RenderSession::FinishPicture() {
    const FileResult saved =
        WriteFileAtomically(job_.imagePath, EncodeTarga(width_, height_, pixels_));
    if (!saved.ok)
        imageError_ = saved.error;
    endedAt_ = clock_();
    SetState(RenderState::Finished);
}

void RenderSession::Stop() {
    if (state_ != RenderState::Running)
        return;
    SetState(RenderState::Stopping);
    for (auto& run : runs_)
        if (!run->ended)
            run->process->Stop();
    if (RunningCount() == 0) {
        endedAt_ = clock_();
        SetState(RenderState::Stopped);
    }
}

void RenderSession::Fail(std::string text, int exitCode) {
    failure_ = std::move(text);
    exitCode_ = exitCode;
    endedAt_ = clock_();
    for (auto& run : runs_)
        if (!run->ended && run->process)
            run->process->Stop();
    SetState(RenderState::Failed);
}

void RenderSession::SetState(RenderState state) {
    if (state_ == state)
        return;
    state_ = state;
    if (onState)
        onState();
}

double RenderSession::Progress() const {
    if (state_ == RenderState::Finished)
        return 1.0;
    const double all = static_cast<double>(width_) * height_;
    if (all <= 0)
        return 0.0;
    double done = static_cast<double>(doneRows_) * width_;
    for (const auto& run : runs_) {
        if (run->ended || run->recalled || run->output.TotalPixels() <= 0)
            continue;
        const double rows = job_.Configured() ? height_ : run->band.Count();
        done += static_cast<double>(run->output.RenderedPixels()) / run->output.TotalPixels() *
                rows * width_;
    }
    // a traced band counts only when its rows have arrived: the end comes with the picture
    return std::clamp(done / all, 0.0, 0.999);
}

double RenderSession::TraceSecondsPerPixel() const {
    if (state_ != RenderState::Finished || !bands_ || job_.Configured())
        return -1.0;
    const double perRow = bands_->TraceSecondsPerRow();
    return perRow < 0 ? -1.0 : perRow / width_;
}

double RenderSession::Elapsed() const {
    if (state_ == RenderState::Idle)
        return 0.0;
    return (endedAt_ >= 0 ? endedAt_ : clock_()) - startedAt_;
}

double RenderSession::Remaining() const {
    if (state_ == RenderState::Finished)
        return 0.0;
    if (!IsActive())
        return -1.0;
    const double p = Progress();
    const double elapsed = Elapsed();
    if (p < 0.02 || elapsed < 0.5)
        return -1.0;
    return elapsed * (1.0 - p) / p;
}
