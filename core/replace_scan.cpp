#include "core/replace_scan.h"

#include "core/progress_pacing.h"
#include "core/status_titles.h"

#include <algorithm>

namespace {

// Reports progress when the interval has passed; the clock is read again for the new mark.
class ProgressPacer {
public:
    ProgressPacer(const TickSource& ticks, const ProgressSink& progress)
        : ticks_(ticks)
        , progress_(progress)
        , last_(ticks()) {}

    void check(int row, int height) {
        if (!progressDue(ticks_(), last_))
            return;
        last_ = ticks_();
        progress_(progressPercent(row, height));
    }

private:
    const TickSource& ticks_;
    const ProgressSink& progress_;
    std::uint32_t last_;
};

// Branch-free so that the compiler vectorises both loops; a span without a match is only read.
void replaceInSpan(std::uint32_t* words, int count, std::uint32_t from, std::uint32_t to) {
    bool anyMatch = false;
    for (int i = 0; i < count; ++i)
        anyMatch |= words[i] == from;
    if (!anyMatch)
        return;
    for (int i = 0; i < count; ++i)
        words[i] = words[i] == from ? to : words[i];
}

} // namespace

void replaceColorPerPixel(PixelGrid& grid, TColor picked, TColor replacement,
                          const TickSource& ticks, const ProgressSink& progress) {
    ProgressPacer pacer(ticks, progress);
    for (int row = 0; row < grid.height(); ++row) {
        for (int column = 0; column < grid.width(); ++column) {
            pacer.check(row, grid.height());
            if (grid.pixel(column, row) == picked)
                grid.setPixel(column, row, replacement);
        }
    }
}

void replaceWords(const WordRows& rows, std::uint32_t from, std::uint32_t to,
                  const TickSource& ticks, const ProgressSink& progress) {
    ProgressPacer pacer(ticks, progress);
    for (int row = 0; row < rows.height; ++row) {
        std::uint32_t* line = rows.bits + row * rows.wordsPerLine;
        for (int start = 0; start < rows.width; start += kPixelsPerClockCheck) {
            pacer.check(row, rows.height);
            replaceInSpan(line + start, std::min(kPixelsPerClockCheck, rows.width - start), from,
                          to);
        }
    }
}
