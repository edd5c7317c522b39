#pragma once

#include <QLabel>

// An opaque text label that takes the size of its text (left edge fixed) whenever the text or
// the font changes.
class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent = nullptr);

    void setCaption(const QString& caption);

protected:
    void changeEvent(QEvent* event) override;
};
