// The sizes and qualities a render can take, and the one chosen last (kept per user in the
// settings store: "Render" / "Size" as "640x480", "Antialias" as yes/no).
#pragma once

#include <string>
#include <vector>

struct RenderChoice {
    int width = 640;
    int height = 480;
    bool antialias = false;
    bool operator==(const RenderChoice&) const = default;
};

struct RenderPreset {
    RenderChoice choice;
    // German; shown through Tr
    const char* label;
};

const std::vector<RenderPreset>& RenderPresets();
// the preset of a choice, or -1
int PresetIndex(const RenderChoice& choice);

RenderChoice LoadRenderChoice();
void SaveRenderChoice(const RenderChoice& choice);

// "640x480" into width and height (each 1 .. 16384); false for anything else
bool ParseRenderSize(const std::string& text, int& width, int& height);
