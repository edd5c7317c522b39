#pragma once

#include "platform/tbutton.h"
#include "platform/timage.h"
#include "platform/tlabel.h"
#include "ui/lumvex1.h"

#include <QTest>

#include <memory>

// A fresh main window, shown and active, with its components by name.
class FormFixture {
public:
    FormFixture()
        : form(std::make_unique<TForm1>()) {
        PickedColor = 0;
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            qWarning("main window did not become active");
    }

    template <typename Component> Component* get(const char* name) const {
        auto* component = form->findChild<Component*>(QString::fromLatin1(name));
        if (!component)
            qFatal("no component %s", name);
        return component;
    }

    TImage* image1() const { return get<TImage>("Image1"); }
    TImage* image2() const { return get<TImage>("Image2"); }
    TLabel* label1() const { return get<TLabel>("Label1"); }
    TButton* button(const char* name) const { return get<TButton>(name); }

    // Mouse positions on Image1 in the window's coordinates, so that Qt routes them as it would
    // a real pointer: to whatever lies on top there.
    QPoint onImage1(int x, int y) const { return image1()->mapTo(form->window(), QPoint(x, y)); }

    std::unique_ptr<TForm1> form;
};

// A picture with four 10x10 quadrants: red, green / blue, black.
inline QImage quadrantPicture() {
    QImage picture(20, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            picture.setPixel(x, y,
                             y < 10 ? (x < 10 ? qRgb(255, 0, 0) : qRgb(0, 255, 0))
                                    : (x < 10 ? qRgb(0, 0, 255) : qRgb(0, 0, 0)));
    return picture;
}
