// What POV-Ray prints on standard error while it parses and renders, read as it arrives:
// progress lines ("Rendered 320 of 1000 pixels (32%)"), problems with their place ("File
// 'scene.pov' line 4: Parse Error: ..." continued on lines that begin with one blank), problems
// without one ("Parse Error: Cannot open input file."), and the times of the statistics at the
// end ("Trace Time: ... (0.352 seconds)"). Lines end with a line feed or a carriage return.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct PovRayMessage {
    std::string file;  // as POV-Ray names it; empty when it names none
    int line = 0;      // 0 when it names none
    std::string text;  // "Parse Error: No matching } in 'sphere', ..."
    bool error = false;
};

class PovRayOutput {
  public:
    // Takes the next bytes of the stream.
    void Feed(std::string_view bytes);
    // End of the stream: a last line without its line end counts too.
    void Finish();

    // pixels rendered and to render, from the latest progress line (0 before the first)
    long long RenderedPixels() const { return rendered_; }
    long long TotalPixels() const { return total_; }
    const std::vector<PovRayMessage>& Messages() const { return messages_; }
    // the first error, or nullptr
    const PovRayMessage* FirstError() const;
    // seconds from the statistics; negative until POV-Ray reported them
    double TraceSeconds() const { return traceSeconds_; }
    double ParseSeconds() const { return parseSeconds_; }
    // the last lines seen (at most a few kilobytes), for a report of a failure
    std::string Tail() const;

  private:
    void TakeLine(std::string_view line);

    std::string partial_;
    std::vector<std::string> tail_;
    std::vector<PovRayMessage> messages_;
    // the message that a line beginning with one blank continues
    bool continuing_ = false;
    long long rendered_ = 0;
    long long total_ = 0;
    double traceSeconds_ = -1.0;
    double parseSeconds_ = -1.0;
};
