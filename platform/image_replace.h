#pragma once

#include "core/replace_scan.h"

class QImage;

// Every pixel of the bitmap equal to `picked` in all 32 bits takes `replacement`, rows top to
// bottom, with the progress pacing of the per-pixel scan. 32-bit bitmaps are scanned as words,
// two-colour bitmaps filled, others scanned pixel by pixel. Only positions inside the bitmap
// are read or written.
void replaceColorInImage(QImage& image, TColor picked, TColor replacement, const TickSource& ticks,
                         const ProgressSink& progress);
