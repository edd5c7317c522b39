#pragma once

#include <QRect>
#include <QScrollArea>

#include <functional>

// A main window whose client area scrolls as a whole (AutoScroll): the components live on the
// scrolled client widget, which always reaches the right and bottom edges of its furthest
// component. Resizing the window moves and sizes nothing.
class TForm : public QScrollArea {
    Q_OBJECT
public:
    explicit TForm(QWidget* parent = nullptr);

    // The designed outer frame (title bar and borders included) on the screen.
    void setFrameBounds(const QRect& frame);
    // The designed window font height: negative, the character height in pixels at 96 dpi.
    void setFontHeight(int height) { designedFontHeight_ = height; }

    // The height of "0" in the window font, as measured when the form was loaded.
    int measuredTextHeight() const { return measuredTextHeight_; }

    // Runs `action` as soon as the clipboard can be read: at once, except under Wayland, which
    // hands clipboard data only to a client with keyboard focus; there it runs when the window
    // first becomes active, and an exception from it goes to the error box like a handler's.
    void whenClipboardReadable(std::function<void()> action);

protected:
    // Called once the form definition is applied: fits the font to the screen, scales the
    // components by the measured text height and starts tracking their extent.
    void Loaded();

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QFont fontForScreen() const;
    void scaleComponents();
    void fitClientArea();
    void matchFrameToDesign();

    std::function<void()> onFirstActivation_;
    QRect designedFrame_;
    bool frameMatched_ = false;
    int designedFontHeight_ = -12;
    int measuredTextHeight_ = 0;
};
