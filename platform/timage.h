#pragma once

#include "core/tcolor.h"
#include "platform/mouse_state.h"
#include "platform/tbitmap.h"

#include <QImage>
#include <QWidget>

#include <optional>

// Shows a picture unscaled from its top-left corner, one image pixel per device pixel, and
// reports mouse positions as pixel positions in the picture.
// The picture holds nothing until it is first assigned or its canvas is first asked for.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    // With AutoSize, every picture change of at least 1x1 gives the control the picture's size;
    // the top-left corner stays.
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize) { autoSize_ = autoSize; }

    bool hasPicture() const { return picture_.has_value(); }
    // The picture's bitmap, or null while the picture holds nothing.
    const TBitmap* Picture() const { return picture_ ? &*picture_ : nullptr; }
    // A picture change: the control sizes itself (with AutoSize) and repaints.
    void setPicture(TBitmap picture);

    // The bitmap to draw on. When there is no picture yet it first becomes a white bitmap of
    // the control's current size in the display's colour format.
    QImage& Canvas();

    // The pixel at (x, y) of the canvas; CLR_INVALID outside the bitmap.
    TColor Pixel(int x, int y);

    // Every pixel of the canvas takes the colour, with no repaint.
    void fillCanvas(TColor color);

    // Tells the control that its canvas was drawn on: one repaint when the event loop runs.
    void Changed() { update(); }

    // Paints the control now, without waiting for the event loop.
    void Refresh() { repaint(); }

signals:
    void OnMouseDown(TImage* sender, TMouseButton button, TShiftState shift, int x, int y);
    void OnMouseMove(TImage* sender, TShiftState shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QSize logicalSizeOf(const QSize& pixels) const;
    QPoint pixelPositionOf(const QMouseEvent& event) const;
    void raiseMouseDown(QMouseEvent* event);

    bool autoSize_ = false;
    std::optional<TBitmap> picture_;
};
