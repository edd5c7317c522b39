#pragma once

#include "core/tcolor.h"

#include <cstddef>
#include <cstdint>
#include <functional>

// A wrapping 32-bit millisecond counter, and where the scan reports its percentage.
using TickSource = std::function<std::uint32_t()>;
using ProgressSink = std::function<void(int percent)>;

// An image addressed by column and row. width() and height() are read again at every test.
class PixelGrid {
public:
    virtual ~PixelGrid() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
    // CLR_INVALID outside the grid.
    virtual TColor pixel(int x, int y) const = 0;
    // Stores the nearest colour the grid can hold.
    virtual void setPixel(int x, int y, TColor color) = 0;
};

// The replacement scan pixel by pixel: rows top to bottom, columns left to right; before each
// pixel the pacing test, then every pixel equal to `picked` in all 32 bits takes `replacement`.
// Each pixel is read once and written at most once. The reference for the fast scan below.
void replaceColorPerPixel(PixelGrid& grid, TColor picked, TColor replacement,
                          const TickSource& ticks, const ProgressSink& progress);

// Rows of 32-bit words, as an image holds them in memory.
struct WordRows {
    std::uint32_t* bits = nullptr;
    std::ptrdiff_t wordsPerLine = 0;
    int width = 0;
    int height = 0;
};

// Pixels handled between two looks at the clock within a row.
inline constexpr int kPixelsPerClockCheck = 4096;

// The same scan over whole words: every word equal to `from` becomes `to`. The clock is read
// once per row or per kPixelsPerClockCheck pixels, whichever comes first; the titles follow the
// per-pixel rules, only the moment of the check moves by less than a row.
void replaceWords(const WordRows& rows, std::uint32_t from, std::uint32_t to,
                  const TickSource& ticks, const ProgressSink& progress);
