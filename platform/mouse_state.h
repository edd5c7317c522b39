#pragma once

#include <QFlags>

class QMouseEvent;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftFlag {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
Q_DECLARE_FLAGS(TShiftState, TShiftFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TShiftState)

// The button that changed in a press; other buttons (back, forward) count as middle.
TMouseButton mouseButtonOf(const QMouseEvent& event);

// The modifier keys and the buttons held during the event.
TShiftState shiftStateOf(const QMouseEvent& event);
