#pragma once

#include <QImage>
#include <QList>

// A bitmap as a picture holds it: its pixels, in the display's colour format (RGB32) or
// two-colour (Mono), and the palette that came with it from the clipboard, if any.
struct TBitmap {
    QImage pixels;
    QList<QRgb> palette;
};
