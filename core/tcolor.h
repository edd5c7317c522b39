#pragma once

#include <cstdint>

// A colour as the program stores it: red in bits 0-7, green in 8-15, blue in 16-23.
// Colours read from an image have 0 in bits 24-31.
using TColor = std::uint32_t;

// What reading a position outside the image yields; no pixel ever equals it.
inline constexpr TColor CLR_INVALID = 0xFFFFFFFFu;

constexpr int redOf(TColor c) {
    return static_cast<int>(c & 0xFFu);
}
constexpr int greenOf(TColor c) {
    return static_cast<int>((c >> 8) & 0xFFu);
}
constexpr int blueOf(TColor c) {
    return static_cast<int>((c >> 16) & 0xFFu);
}

constexpr TColor rgbColor(int red, int green, int blue) {
    return static_cast<TColor>(red & 0xFF) | static_cast<TColor>(green & 0xFF) << 8 |
           static_cast<TColor>(blue & 0xFF) << 16;
}

// The colour a sample shows in the swatch: its red, green and blue. A sample outside the image
// (CLR_INVALID) shows white, as its readout says.
constexpr TColor visibleColor(TColor sampled) {
    return sampled & 0x00FFFFFFu;
}
