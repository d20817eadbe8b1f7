// A keyword of at most N characters, such as a pattern name. Longer input is cut when it is
// assigned, so the text never outgrows what the scene file and the editors expect.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

template <std::size_t N>
class ShortName {
  public:
    static constexpr std::size_t kMaxLength = N;

    ShortName() = default;
    explicit ShortName(std::string_view text) { Assign(text); }
    ShortName& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }

    const std::string& Str() const { return text_; }
    bool empty() const { return text_.empty(); }
    std::size_t size() const { return text_.size(); }
    bool operator==(std::string_view other) const { return text_ == other; }
    bool operator==(const ShortName& other) const = default;

  private:
    void Assign(std::string_view text) { text_.assign(text.substr(0, N)); }
    std::string text_;
};
