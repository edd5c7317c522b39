#pragma once

#include <cstdint>

// Milliseconds that must pass between two progress titles.
inline constexpr std::uint32_t kProgressIntervalMs = 1000;

// True once more than the interval has passed since `last`, on a wrapping 32-bit millisecond
// counter. The elapsed time is taken modulo 2^32, so the test holds across the wrap; comparing
// `now > last + interval` instead fires at every pixel just before the wrap and never after it.
constexpr bool progressDue(std::uint32_t now, std::uint32_t last) {
    return static_cast<std::uint32_t>(now - last) > kProgressIntervalMs;
}
