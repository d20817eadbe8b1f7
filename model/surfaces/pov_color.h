// Colours of the surface and environment kinds: 32-bit values with red in the low byte, then
// green, then blue (0x00BBGGRR). Scene text prints each component as byte / 255.
#pragma once

#include <cstdint>

using PovColor = std::uint32_t;

struct RgbFraction {
    double R = 0.0;
    double G = 0.0;
    double B = 0.0;

    static RgbFraction Of(PovColor color) {
        return {static_cast<double>(color & 0xFF) / 255.0,
                static_cast<double>((color >> 8) & 0xFF) / 255.0,
                static_cast<double>((color >> 16) & 0xFF) / 255.0};
    }
};
