#include "platform/tbutton.h"

#include "platform/event_dispatch.h"

#include <QKeyEvent>

TButton::TButton(QWidget* parent)
    : QPushButton(parent) {
    setAutoDefault(false);
    connect(this, &QAbstractButton::clicked, this,
            [this] { dispatchEvent([this] { emit OnClick(this); }); });
}

void TButton::keyPressEvent(QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (modifiers == Qt::NoModifier) {
            click();
            return;
        }
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusNextPrevChild(true);
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusNextPrevChild(false);
        return;
    default:
        break;
    }
    QPushButton::keyPressEvent(event);
}
