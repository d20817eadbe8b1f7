// POV-Ray 3.7 writes its picture to standard output only when a render has finished, so the
// render window has POV-Ray trace the picture in bands of rows ("+SR" to "+ER"), one run per
// band, and shows each band as it arrives. Every run costs POV-Ray's start-up time (about
// 0.6 s, most of it waiting), so the bands are small at first (the first rows appear soon)
// and then as large as it takes to keep that cost to about a quarter of the time, measured
// from the trace times POV-Ray reports.
#pragma once

#include "render/targa_stream.h"

class RenderBands {
  public:
    explicit RenderBands(int height);

    // The next band to hand out, or an empty span when every row has one.
    RowSpan Next();
    // A band has been traced: POV-Ray's trace time and the whole run's time, in seconds
    // (a negative trace time: not reported).
    void Finished(RowSpan band, double traceSeconds, double runSeconds);
    int RowsLeft() const { return height_ - next_; }

  private:
    int height_;
    int next_ = 0;
    int handedOut_ = 0;
    double tracedRows_ = 0.0;
    double traceSeconds_ = 0.0;
    double overheadSeconds_ = 0.0;
    int measured_ = 0;
};
