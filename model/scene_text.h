// The text an object or a whole scene writes: bytes in Windows-1252, lines ending in CR LF.
#pragma once

#include <string>
#include <string_view>

#include "model/text_format.h"

class SceneText {
  public:
    void Write(std::string_view text) { text_.append(text); }

    template <typename... Args>
    void Printf(std::string_view format, const Args&... args) {
        orv::AppendFormat(text_, format, args...);
    }

    const std::string& Text() const { return text_; }
    std::string Take() { return std::move(text_); }
    void Reserve(size_t bytes) { text_.reserve(bytes); }
    void Clear() { text_.clear(); }

  private:
    std::string text_;
};
