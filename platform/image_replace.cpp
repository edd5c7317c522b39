#include "platform/image_replace.h"

#include "core/nearest_color.h"
#include "platform/canvas_grid.h"
#include "platform/color_conversion.h"

#include <QImage>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

bool holdsOpaqueWords(const QImage& image) {
    return image.format() == QImage::Format_RGB32;
}

bool isTwoColour(const QImage& image) {
    return image.format() == QImage::Format_Mono && image.colorCount() == 2;
}

// Every pixel of a two-colour bitmap holds index 0 or 1; the pixels whose colour is `picked`
// take the index nearest `replacement`. Whenever anything changes, every pixel ends up with
// that index (the others held it already, or matched too), so the bitmap is filled with it, a
// byte at a time, leaving the padding bits of each row alone.
void replaceInTwoColour(QImage& image, TColor picked, TColor replacement) {
    std::vector<TColor> palette;
    for (QRgb entry : image.colorTable())
        palette.push_back(toTColor(entry));
    const int target = nearestColorIndex(palette, replacement);
    const bool matches[2] = {palette[0] == picked, palette[1] == picked};
    if (!matches[0] && !matches[1])
        return;
    if (matches[target] && !matches[1 - target])
        return; // only the pixels that already hold the target match
    const uchar fill = target ? 0xFF : 0x00;
    const int wholeBytes = image.width() / 8;
    const int restBits = image.width() % 8;
    const auto restMask = static_cast<uchar>(0xFF00 >> restBits);
    for (int y = 0; y < image.height(); ++y) {
        uchar* line = image.scanLine(y);
        std::fill(line, line + wholeBytes, fill);
        if (restBits)
            line[wholeBytes] =
                static_cast<uchar>((line[wholeBytes] & ~restMask) | (fill & restMask));
    }
}

// RGB32 stores 0xffRRGGBB; a TColor with anything in bits 24-31 (CLR_INVALID) has no word.
std::optional<std::uint32_t> wordOf(TColor color) {
    if (color > 0x00FFFFFFu)
        return std::nullopt;
    return toQColor(color).rgb();
}

} // namespace

void replaceColorInImage(QImage& image, TColor picked, TColor replacement, const TickSource& ticks,
                         const ProgressSink& progress) {
    if (isTwoColour(image)) {
        // A fill takes milliseconds even for the largest bitmaps: no progress to show.
        replaceInTwoColour(image, picked, replacement);
        return;
    }
    if (!holdsOpaqueWords(image)) {
        CanvasGrid grid(image);
        replaceColorPerPixel(grid, picked, replacement, ticks, progress);
        return;
    }
    const std::optional<std::uint32_t> from = wordOf(picked);
    if (!from)
        return; // nothing can match: no pixel holds it
    const WordRows rows{reinterpret_cast<std::uint32_t*>(image.bits()),
                        image.bytesPerLine() / static_cast<std::ptrdiff_t>(sizeof(std::uint32_t)),
                        image.width(), image.height()};
    replaceWords(rows, *from, toQColor(replacement).rgb(), ticks, progress);
}
