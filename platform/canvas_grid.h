#pragma once

#include "core/replace_scan.h"

#include <QImage>

#include <vector>

// A bitmap seen pixel by pixel, each access bounds-checked; writes store the nearest colour the
// bitmap's format holds (its palette entry for indexed bitmaps).
class CanvasGrid : public PixelGrid {
public:
    explicit CanvasGrid(QImage& image);

    int width() const override { return image_.width(); }
    int height() const override { return image_.height(); }
    TColor pixel(int x, int y) const override;
    void setPixel(int x, int y, TColor color) override;

private:
    QImage& image_;
    std::vector<TColor> palette_;
};
