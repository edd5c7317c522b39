#include "platform/canvas_grid.h"

#include "core/nearest_color.h"
#include "platform/color_conversion.h"

CanvasGrid::CanvasGrid(QImage& image)
    : image_(image) {
    for (QRgb entry : image_.colorTable())
        palette_.push_back(toTColor(entry));
}

TColor CanvasGrid::pixel(int x, int y) const {
    if (!image_.valid(x, y))
        return CLR_INVALID;
    return toTColor(image_.pixel(x, y));
}

void CanvasGrid::setPixel(int x, int y, TColor color) {
    if (!image_.valid(x, y))
        return;
    if (palette_.empty())
        image_.setPixel(x, y, toQColor(color).rgb());
    else
        image_.setPixel(x, y, static_cast<uint>(nearestColorIndex(palette_, color)));
}
