#pragma once

#include <QPoint>

#include <optional>

class QWidget;

// Where the pointer is now, in device pixels from the top-left of the widget's top-level
// window, asked of the window system. Qt 6.4 rounds mouse positions to whole logical pixels
// before a widget sees them, which at a device pixel ratio above 1 loses the device pixel.
// Nothing where the window system cannot be asked (only X11 is).
std::optional<QPoint> nativePointerInWindow(const QWidget& widget);
