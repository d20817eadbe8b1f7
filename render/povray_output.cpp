#include "render/povray_output.h"

#include <charconv>

#include "model/text_format.h"

namespace {

constexpr size_t kTailLines = 40;

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// the whole number at the start of text, or -1; text is advanced past it
long long TakeNumber(std::string_view& text) {
    long long value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc())
        return -1;
    text.remove_prefix(static_cast<size_t>(end - text.data()));
    return value;
}

// "Rendered 320 of 1000 pixels (32%)"
bool ParseProgress(std::string_view line, long long& done, long long& total) {
    if (!StartsWith(line, "Rendered "))
        return false;
    line.remove_prefix(9);
    const long long a = TakeNumber(line);
    if (a < 0 || !StartsWith(line, " of "))
        return false;
    line.remove_prefix(4);
    const long long b = TakeNumber(line);
    if (b <= 0 || !StartsWith(line, " pixels"))
        return false;
    done = a;
    total = b;
    return true;
}

// "  Trace Time:       0 hours  0 minutes  1 seconds (1.085 seconds)"
bool ParseTime(std::string_view line, std::string_view label, double& seconds) {
    const size_t at = line.find(label);
    if (at == std::string_view::npos ||
        line.substr(0, at).find_first_not_of(' ') != std::string_view::npos)
        return false;
    const size_t open = line.rfind('(');
    const size_t unit = line.rfind(" seconds)");
    if (open == std::string_view::npos || unit == std::string_view::npos || unit < open)
        return false;
    seconds = orv::ParseDouble(line.substr(open + 1, unit - open - 1));
    return true;
}

bool IsErrorText(std::string_view text) {
    if (StartsWith(text, "Possible "))
        return false;
    return text.find("Error") != std::string_view::npos ||
           text.find("error") != std::string_view::npos;
}

// a problem without a place, as POV-Ray words it
bool IsPlainProblem(std::string_view line) {
    for (std::string_view start :
         {"Parse Error:", "Parse Warning:", "Possible Parse Error:", "Fatal error",
          "Warning:", "Render Error:", "Render Warning:", "Error:"})
        if (StartsWith(line, start))
            return true;
    return false;
}

}  // namespace

void PovRayOutput::Feed(std::string_view bytes) {
    for (char c : bytes) {
        if (c == '\n' || c == '\r') {
            TakeLine(partial_);
            partial_.clear();
        } else if (partial_.size() < 4096) {
            partial_ += c;
        }
    }
}

void PovRayOutput::Finish() {
    if (!partial_.empty())
        TakeLine(partial_);
    partial_.clear();
}

const PovRayMessage* PovRayOutput::FirstError() const {
    for (const PovRayMessage& m : messages_)
        if (m.error)
            return &m;
    return nullptr;
}

std::string PovRayOutput::Tail() const {
    std::string text;
    for (const std::string& line : tail_) {
        text += line;
        text += '\n';
    }
    return text;
}

void PovRayOutput::TakeLine(std::string_view line) {
    if (line.empty())
        return;
    long long done = 0, total = 0;
    if (ParseProgress(line, done, total)) {
        rendered_ = done;
        total_ = total;
        continuing_ = false;
        return;
    }
    if (tail_.size() == kTailLines)
        tail_.erase(tail_.begin());
    tail_.emplace_back(line);

    if (continuing_ && line.size() > 1 && line[0] == ' ' && line[1] != ' ') {
        PovRayMessage& m = messages_.back();
        m.text += line;
        return;
    }
    continuing_ = false;
    if (ParseTime(line, "Trace Time:", traceSeconds_) ||
        ParseTime(line, "Parse Time:", parseSeconds_))
        return;

    // "File 'scene.pov' line 4: Parse Error: ..."
    if (StartsWith(line, "File '")) {
        const size_t close = line.find("' line ", 6);
        if (close != std::string_view::npos) {
            std::string_view rest = line.substr(close + 7);
            const long long number = TakeNumber(rest);
            if (number > 0 && StartsWith(rest, ": ")) {
                PovRayMessage m;
                m.file = std::string(line.substr(6, close - 6));
                m.line = static_cast<int>(std::min<long long>(number, 1 << 30));
                m.text = std::string(rest.substr(2));
                m.error = IsErrorText(m.text);
                messages_.push_back(std::move(m));
                continuing_ = true;
                return;
            }
        }
    }
    if (IsPlainProblem(line)) {
        PovRayMessage m;
        m.text = std::string(line);
        m.error = IsErrorText(m.text);
        messages_.push_back(std::move(m));
        continuing_ = true;
    }
}
