#pragma once

#include "core/tcolor.h"

#include <QColor>

constexpr TColor toTColor(QRgb rgb) {
    return rgbColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

inline QColor toQColor(TColor color) {
    return QColor(redOf(color), greenOf(color), blueOf(color));
}
