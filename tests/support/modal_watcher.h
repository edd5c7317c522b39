#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Waits for the next modal window (an error box, the colour chooser), hands it to `inspect`,
// which must close it. Polls, since the window appears inside a nested event loop.
inline void whenModalAppears(std::function<void(QWidget*)> inspect) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, inspect = std::move(inspect)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        inspect(modal);
    });
    timer->start(10);
}
