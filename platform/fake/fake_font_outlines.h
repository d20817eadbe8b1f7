// Font outlines for tests: a fixed square per character, scripted failures, recorded calls.
#pragma once

#include <string>
#include <vector>

#include "platform/font_outlines.h"

class FakeFontOutlines : public IFontOutlines {
  public:
    int Open(const std::string& path) override {
        opened.push_back(path);
        if (openResult > 0)
            ++openHandles;
        return openResult;
    }
    double GetScale(int) const override { return scale; }
    // Every character is a unit square 0.5 wide, the characters 0.6 + spacing apart.
    int Outline(int, std::string_view text, double spacing, const PointSink& point) override {
        double x = 0.0;
        for (size_t i = 0; i < text.size(); ++i) {
            point(x, 0.0, kFontContourStart);
            point(x, 1.0, 0);
            point(x + 0.5, 1.0, 0);
            point(x + 0.5, 0.0, 0);
            x += 0.6 + spacing;
        }
        return outlineResult;
    }
    void Close(int) override { --openHandles; }

    int openResult = 1;
    int outlineResult = 0;
    double scale = 1.0;
    int openHandles = 0;
    std::vector<std::string> opened;
};

// Installs a FakeFontOutlines for the lifetime of the guard.
class ScopedFakeFontOutlines : public FakeFontOutlines {
  public:
    ScopedFakeFontOutlines() { SetFontOutlines(this); }
    ~ScopedFakeFontOutlines() override { SetFontOutlines(nullptr); }
};
