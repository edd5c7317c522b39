#include "platform/tlabel.h"

#include <QEvent>

TLabel::TLabel(QWidget* parent)
    : QLabel(parent) {
    setAutoFillBackground(true);
    setTextFormat(Qt::PlainText);
}

void TLabel::setCaption(const QString& caption) {
    setText(caption);
    adjustSize();
}

void TLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        adjustSize();
}
