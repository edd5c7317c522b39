#include "platform/mouse_state.h"

#include <QMouseEvent>

TMouseButton mouseButtonOf(const QMouseEvent& event) {
    switch (event.button()) {
    case Qt::LeftButton:
        return mbLeft;
    case Qt::RightButton:
        return mbRight;
    default:
        return mbMiddle;
    }
}

TShiftState shiftStateOf(const QMouseEvent& event) {
    TShiftState state;
    const auto modifiers = event.modifiers();
    state.setFlag(ssShift, modifiers.testFlag(Qt::ShiftModifier));
    state.setFlag(ssAlt, modifiers.testFlag(Qt::AltModifier));
    state.setFlag(ssCtrl, modifiers.testFlag(Qt::ControlModifier));
    const auto buttons = event.buttons();
    state.setFlag(ssLeft, buttons.testFlag(Qt::LeftButton));
    state.setFlag(ssRight, buttons.testFlag(Qt::RightButton));
    state.setFlag(ssMiddle, buttons.testFlag(Qt::MiddleButton));
    state.setFlag(ssDouble, event.type() == QEvent::MouseButtonDblClick);
    return state;
}
