#include "render/render_bands.h"

#include <algorithm>
#include <cmath>

namespace {
// the trace time a band aims at, at least; and how many times the start-up time
constexpr double kMinBandSeconds = 1.5;
constexpr double kOverheadFactor = 3.0;
// a rest that takes longer than this is traced in bands
constexpr double kSplitSeconds = 5.0;
// a picture known to trace in less than this is traced in one run
constexpr double kOneRunSeconds = 2.0;
}  // namespace

RenderBands::RenderBands(int height, double expectedSeconds)
    : height_(std::max(0, height)),
      oneRun_(expectedSeconds >= 0 && expectedSeconds < kOneRunSeconds) {}

double RenderBands::SecondsPerRow() const {
    return tracedRows_ > 0 ? traceSeconds_ / tracedRows_ : 0.0;
}

RowSpan RenderBands::Next() {
    const int left = RowsLeft();
    if (left <= 0)
        return {};
    int rows;
    if (oneRun_) {
        rows = left;
    } else if (measured_ == 0) {
        // nothing measured yet: a sixteenth first, then all the rest
        rows = handedOut_ == 0 ? std::max((height_ + 15) / 16, std::min(8, height_)) : left;
    } else {
        const double overhead = overheadSeconds_ / measured_;
        const double target = std::max(kMinBandSeconds, kOverheadFactor * overhead);
        const double perRow = SecondsPerRow();
        rows = perRow > 0 ? static_cast<int>(std::min(target / perRow, double(height_))) : left;
        rows = std::max(rows, std::max(1, height_ / 32));
        // a small rest goes with this band rather than costing a run of its own
        if (left - rows < rows / 2)
            rows = left;
    }
    rows = std::clamp(rows, 1, left);
    const RowSpan band{next_, next_ + rows};
    next_ += rows;
    ++handedOut_;
    return band;
}

void RenderBands::Finished(RowSpan band, double traceSeconds, double runSeconds) {
    if (band.Empty())
        return;
    const double trace = traceSeconds >= 0 ? traceSeconds : runSeconds;
    tracedRows_ += band.Count();
    traceSeconds_ += trace;
    overheadSeconds_ += std::max(0.0, runSeconds - trace);
    ++measured_;
}

double RenderBands::TraceSecondsPerRow() const {
    return measured_ > 0 ? SecondsPerRow() : -1.0;
}

bool RenderBands::WorthSplitting(RowSpan band) const {
    return measured_ > 0 && band.end == next_ && band.Count() > 1 &&
           SecondsPerRow() * band.Count() > kSplitSeconds;
}

void RenderBands::Recall(RowSpan band) {
    if (band.end == next_ && !band.Empty())
        next_ = band.first;
}
