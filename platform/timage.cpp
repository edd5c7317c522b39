#include "platform/timage.h"

#include "platform/color_conversion.h"
#include "platform/event_dispatch.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

// Mouse positions are whole pixels of the image: floor, so that the pixel under the pointer's
// hot spot is the one sampled, also left of or above the control during a drag.
QPoint pixelPositionOf(const QMouseEvent& event) {
    const QPointF position = event.position();
    return {static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y()))};
}

} // namespace

TImage::TImage(QWidget* parent)
    : QWidget(parent) {}

void TImage::setPicture(TBitmap picture) {
    picture_ = std::move(picture);
    const QSize size = picture_->pixels.size();
    if (autoSize_ && size.width() > 0 && size.height() > 0)
        resize(size);
    update();
}

QImage& TImage::Canvas() {
    if (!picture_) {
        QImage white(size(), QImage::Format_RGB32);
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

void TImage::paintEvent(QPaintEvent*) {
    if (!picture_)
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_->pixels);
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
