// POV-Ray 3.7 writes its picture to standard output only when a render has finished, so the
// render window has POV-Ray trace the picture in bands of rows ("+SR" to "+ER"), one run per
// band, and shows each band as it arrives. Every run costs POV-Ray's start-up time (about
// 0.6 s, most of it waiting). So a render starts with two runs at once: a sixteenth of the
// rows, which shows soon, and all the rest. When the first has been traced, its trace time
// tells how long the rest will take: a scene that is quick to trace keeps its second run and
// costs no more than one run; for a slow one the second run is called back and the rest is
// traced in bands of a few seconds each, sized to keep the start-up cost to about a quarter.
// A scene whose last render says it is quick is traced in one run: a second run would only
// share the processor and show nothing sooner.
#pragma once

#include "render/targa_stream.h"

class RenderBands {
  public:
    // expectedSeconds: the whole picture's trace time as the last render measured it; negative
    // when unknown
    explicit RenderBands(int height, double expectedSeconds = -1.0);

    // The next band to hand out, or an empty span when every row has one.
    RowSpan Next();
    // A band has been traced: POV-Ray's trace time and the whole run's time, in seconds
    // (a negative trace time: not reported).
    void Finished(RowSpan band, double traceSeconds, double runSeconds);
    // Whether a band still being traced would take so long by the times measured so far that
    // it is better called back (Recall) and traced in bands; only the last band handed out.
    bool WorthSplitting(RowSpan band) const;
    // Takes the last band handed out back: its rows are handed out again.
    void Recall(RowSpan band);
    int RowsLeft() const { return height_ - next_; }
    // the trace time per row measured so far; negative before the first band has ended
    double TraceSecondsPerRow() const;

  private:
    double SecondsPerRow() const;

    int height_;
    bool oneRun_;
    int next_ = 0;
    int handedOut_ = 0;
    double tracedRows_ = 0.0;
    double traceSeconds_ = 0.0;
    double overheadSeconds_ = 0.0;
    int measured_ = 0;
};
