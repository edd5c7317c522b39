#include "core/layout_scaling.h"

#include <cstdint>
#include <cstdlib>

int mulDivRounded(int a, int numerator, int denominator) {
    const std::int64_t product = static_cast<std::int64_t>(a) * numerator;
    const std::int64_t half = std::llabs(denominator) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t magnitude = (std::llabs(product) + half) / std::llabs(denominator);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int scaledFontHeight(int designedFontHeight, int screenPpi) {
    if (screenPpi == kDesignedPixelsPerInch)
        return designedFontHeight;
    return mulDivRounded(designedFontHeight, screenPpi, kDesignedPixelsPerInch);
}

Bounds scaledBounds(const Bounds& designed, int measuredTextHeight) {
    if (measuredTextHeight == kDesignedTextHeight)
        return designed;
    auto scale = [measuredTextHeight](int edge) {
        return mulDivRounded(edge, measuredTextHeight, kDesignedTextHeight);
    };
    const int left = scale(designed.left);
    const int top = scale(designed.top);
    const int right = scale(designed.left + designed.width);
    const int bottom = scale(designed.top + designed.height);
    return {left, top, right - left, bottom - top};
}
