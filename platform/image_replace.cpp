#include "platform/image_replace.h"

#include "platform/canvas_grid.h"
#include "platform/color_conversion.h"

#include <QImage>

#include <optional>

namespace {

bool holdsOpaqueWords(const QImage& image) {
    return image.format() == QImage::Format_RGB32;
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
