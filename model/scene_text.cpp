#include "model/scene_text.h"

#include <algorithm>

const std::vector<std::string>* SceneText::HalosOfTexture(std::string_view texture) const {
    const auto it = textureHalos_.find(texture);
    return it == textureHalos_.end() || it->second.empty() ? nullptr : &it->second;
}

int SceneText::CurrentLine() {
    if (countedBytes_ > text_.size()) {
        countedBytes_ = 0;
        countedLine_ = 1;
    }
    countedLine_ += static_cast<int>(
        std::count(text_.begin() + static_cast<std::ptrdiff_t>(countedBytes_), text_.end(), '\n'));
    countedBytes_ = text_.size();
    return countedLine_;
}

void SceneText::BeginObject(const CPovObject* object) {
    if (!recording_)
        return;
    open_.push_back(ranges_.size());
    ranges_.push_back({object, CurrentLine(), 0});
}

void SceneText::EndObject() {
    if (!recording_ || open_.empty())
        return;
    ObjectLines& range = ranges_[open_.back()];
    open_.pop_back();
    const int line = CurrentLine();
    // the last line is the one holding the last byte written
    range.last = !text_.empty() && text_.back() == '\n' ? line - 1 : line;
}
