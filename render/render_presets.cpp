#include "render/render_presets.h"

#include <charconv>

#include "platform/settings_store.h"

namespace {
constexpr const char* kSection = "Render";
}

const std::vector<RenderPreset>& RenderPresets() {
    static const std::vector<RenderPreset> presets = {
        {{320, 240, false}, "320 × 240 (schnell)"},     {{640, 480, false}, "640 × 480"},
        {{640, 480, true}, "640 × 480, geglättet"},     {{800, 600, false}, "800 × 600"},
        {{800, 600, true}, "800 × 600, geglättet"},     {{1024, 768, false}, "1024 × 768"},
        {{1024, 768, true}, "1024 × 768, geglättet"},   {{1920, 1080, false}, "1920 × 1080"},
        {{1920, 1080, true}, "1920 × 1080, geglättet"},
    };
    return presets;
}

int PresetIndex(const RenderChoice& choice) {
    const std::vector<RenderPreset>& presets = RenderPresets();
    for (size_t i = 0; i < presets.size(); ++i)
        if (presets[i].choice == choice)
            return static_cast<int>(i);
    return -1;
}

bool ParseRenderSize(const std::string& text, int& width, int& height) {
    const size_t x = text.find('x');
    if (x == std::string::npos)
        return false;
    int w = 0, h = 0;
    const char* end = text.data() + text.size();
    auto a = std::from_chars(text.data(), text.data() + x, w);
    auto b = std::from_chars(text.data() + x + 1, end, h);
    if (a.ec != std::errc() || a.ptr != text.data() + x || b.ec != std::errc() || b.ptr != end)
        return false;
    if (w < 1 || h < 1 || w > 16384 || h > 16384)
        return false;
    width = w;
    height = h;
    return true;
}

RenderChoice LoadRenderChoice() {
    RenderChoice choice;
    int w = 0, h = 0;
    if (ParseRenderSize(ReadSetting(SettingsRoot::User, kSection, "Size", ""), w, h)) {
        choice.width = w;
        choice.height = h;
    }
    choice.antialias = ReadYesNo(SettingsRoot::User, kSection, "Antialias", false);
    return choice;
}

void SaveRenderChoice(const RenderChoice& choice) {
    GetSettingsStore().Write(SettingsRoot::User, kSection, "Size",
                             std::to_string(choice.width) + "x" + std::to_string(choice.height));
    WriteYesNo(SettingsRoot::User, kSection, "Antialias", choice.antialias);
}
