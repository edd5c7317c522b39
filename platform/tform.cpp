#include "platform/tform.h"

#include "core/layout_scaling.h"
#include "platform/event_dispatch.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>
#include <cstdlib>
#include <utility>

TForm::TForm(QWidget* parent)
    : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(false);
}

void TForm::setFrameBounds(const QRect& frame) {
    designedFrame_ = frame;
    move(frame.topLeft());
    resize(frame.size());
}

void TForm::whenClipboardReadable(std::function<void()> action) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        onFirstActivation_ = std::move(action);
    else
        action();
}

void TForm::Loaded() {
    const QFont windowFont = fontForScreen();
    measuredTextHeight_ = QFontMetrics(windowFont).height();
    scaleComponents();
    // Set after scaling, so that self-sizing components fit their text in the final font.
    setFont(windowFont);
    for (QObject* child : widget()->children())
        child->installEventFilter(this);
    fitClientArea();
}

QFont TForm::fontForScreen() const {
    const int screenPpi = static_cast<int>(std::lround(screen()->logicalDotsPerInchY()));
    QFont windowFont = font();
    windowFont.setPixelSize(std::abs(scaledFontHeight(designedFontHeight_, screenPpi)));
    return windowFont;
}

void TForm::scaleComponents() {
    for (QWidget* component : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect designed = component->geometry();
        const Bounds scaled = scaledBounds(
            {designed.x(), designed.y(), designed.width(), designed.height()}, measuredTextHeight_);
        component->setGeometry(scaled.left, scaled.top, scaled.width, scaled.height);
    }
}

void TForm::fitClientArea() {
    const QRect extent = widget()->childrenRect();
    widget()->resize(std::max(0, extent.x() + extent.width()),
                     std::max(0, extent.y() + extent.height()));
}

// The designed bounds are those of the outer frame. The window manager's frame is known only
// once the window is mapped, so the client size is corrected then, once.
void TForm::matchFrameToDesign() {
    const QSize frameExtra = frameGeometry().size() - size();
    if (frameMatched_ || designedFrame_.isNull() ||
        (frameExtra.width() <= 0 && frameExtra.height() <= 0))
        return;
    frameMatched_ = true;
    resize(designedFrame_.size() - frameExtra);
    move(designedFrame_.topLeft());
}

bool TForm::event(QEvent* event) {
    const bool handled = QScrollArea::event(event);
    if (event->type() == QEvent::WindowActivate && onFirstActivation_)
        dispatchEvent(std::exchange(onFirstActivation_, nullptr));
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
        event->type() == QEvent::Show)
        matchFrameToDesign();
    return handled;
}

bool TForm::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        fitClientArea();
        break;
    default:
        break;
    }
    return QScrollArea::eventFilter(watched, event);
}
