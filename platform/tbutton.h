#pragma once

#include <QPushButton>

// A push button that raises OnClick on a mouse click, on Space, and on Enter with no Shift,
// Ctrl or Alt. The arrow keys move the focus like Tab (Right, Down) and Shift+Tab (Left, Up).
class TButton : public QPushButton {
    Q_OBJECT
public:
    explicit TButton(QWidget* parent = nullptr);

signals:
    void OnClick(TButton* sender);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
