#include "platform/timage.h"

#include "platform/color_conversion.h"
#include "platform/event_dispatch.h"
#include "platform/native_pointer.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

// The picture is drawn one image pixel per device pixel, whatever the device pixel ratio, so
// the control's size in Qt's logical units is the picture's divided by that ratio, rounded up.
QSize TImage::logicalSizeOf(const QSize& pixels) const {
    const qreal ratio = devicePixelRatioF();
    return {static_cast<int>(std::ceil(pixels.width() / ratio)),
            static_cast<int>(std::ceil(pixels.height() / ratio))};
}

// Mouse positions are image pixels: the logical position times the device pixel ratio, floored,
// so that the pixel under the pointer's hot spot is sampled, also left of or above the control
// during a drag. Above a ratio of 1 the device pixel comes from the window system, since the
// logical position Qt gives has lost it.
QPoint TImage::pixelPositionOf(const QMouseEvent& event) const {
    const qreal ratio = devicePixelRatioF();
    if (ratio != 1.0) {
        if (const std::optional<QPoint> inWindow = nativePointerInWindow(*this)) {
            const QPointF origin = QPointF(mapTo(window(), QPoint(0, 0))) * ratio;
            return *inWindow - origin.toPoint();
        }
    }
    const QPointF position = event.position() * ratio;
    return {static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y()))};
}

TImage::TImage(QWidget* parent)
    : QWidget(parent) {}

void TImage::setPicture(TBitmap picture) {
    picture_ = std::move(picture);
    const QSize size = picture_->pixels.size();
    if (autoSize_ && size.width() > 0 && size.height() > 0)
        resize(logicalSizeOf(size));
    update();
}

QImage& TImage::Canvas() {
    if (!picture_) {
        const QSize devicePixels = (QSizeF(size()) * devicePixelRatioF()).toSize();
        QImage white(devicePixels, QImage::Format_RGB32);
        white.fill(Qt::white);
        setPicture({std::move(white), {}});
    }
    return picture_->pixels;
}

TColor TImage::Pixel(int x, int y) {
    const QImage& canvas = Canvas();
    if (!canvas.valid(x, y))
        return CLR_INVALID;
    return toTColor(canvas.pixel(x, y));
}

void TImage::fillCanvas(TColor color) {
    Canvas().fill(toQColor(color));
}

void TImage::paintEvent(QPaintEvent* event) {
    if (!picture_)
        return;
    // Only the exposed part: a large picture is never converted or copied as a whole.
    const qreal ratio = devicePixelRatioF();
    const QRectF target = event->rect();
    const QRectF source(target.topLeft() * ratio, target.size() * ratio);
    QPainter painter(this);
    painter.drawImage(target, picture_->pixels, source);
}

void TImage::raiseMouseDown(QMouseEvent* event) {
    const QPoint at = pixelPositionOf(*event);
    const TMouseButton button = mouseButtonOf(*event);
    const TShiftState shift = shiftStateOf(*event);
    dispatchEvent([&] { emit OnMouseDown(this, button, shift, at.x(), at.y()); });
}

// Qt grabs the mouse for the control from any press until the last button is released, so a
// drag that leaves the control keeps reporting moves here, in the control's coordinates.
void TImage::mousePressEvent(QMouseEvent* event) {
    raiseMouseDown(event);
}

void TImage::mouseDoubleClickEvent(QMouseEvent* event) {
    raiseMouseDown(event);
}

void TImage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = pixelPositionOf(*event);
    const TShiftState shift = shiftStateOf(*event);
    dispatchEvent([&] { emit OnMouseMove(this, shift, at.x(), at.y()); });
}
