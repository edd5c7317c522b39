#pragma once

// The window layout is designed at 96 pixels per inch with a font whose "0" is 12 pixels high.
inline constexpr int kDesignedPixelsPerInch = 96;
inline constexpr int kDesignedTextHeight = 12;

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Bounds&, const Bounds&) = default;
};

// a * numerator / denominator rounded to the nearest integer, halves away from zero.
int mulDivRounded(int a, int numerator, int denominator);

// The window font's height (negative: character height in pixels) on a screen of `screenPpi`.
int scaledFontHeight(int designedFontHeight, int screenPpi);

// A component's bounds after its edges are scaled by measuredTextHeight / designed height;
// width and height follow from the scaled edges. Unchanged when the heights agree.
Bounds scaledBounds(const Bounds& designed, int measuredTextHeight);
