// Font outlines read with FreeType: the default implementation of IFontOutlines.
#pragma once

#include <map>

#include "platform/font_outlines.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

class CFreeTypeFontOutlines : public IFontOutlines {
  public:
    CFreeTypeFontOutlines() = default;
    ~CFreeTypeFontOutlines() override;
    CFreeTypeFontOutlines(const CFreeTypeFontOutlines&) = delete;
    CFreeTypeFontOutlines& operator=(const CFreeTypeFontOutlines&) = delete;

    int Open(const std::string& path) override;
    // The outline already comes in text units, and the preview draws that outline: 1.0.
    double GetScale(int handle) const override;
    int Outline(int handle, std::string_view text, double spacing, const PointSink& point) override;
    void Close(int handle) override;

  private:
    FT_LibraryRec_* library_ = nullptr;
    std::map<int, FT_FaceRec_*> faces_;
    int nextHandle_ = 1;
};
