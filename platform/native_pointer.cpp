#include "platform/native_pointer.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#if defined(LUMVEX_HAVE_XCB)
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#endif

std::optional<QPoint> nativePointerInWindow(const QWidget& widget) {
#if defined(LUMVEX_HAVE_XCB)
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return std::nullopt;
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    const QWindow* window = widget.window()->windowHandle();
    if (!x11 || !x11->connection() || !window)
        return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    const auto cookie = xcb_query_pointer(connection, static_cast<xcb_window_t>(window->winId()));
    std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> reply(
        xcb_query_pointer_reply(connection, cookie, nullptr), &std::free);
    if (!reply || !reply->same_screen)
        return std::nullopt;
    return QPoint(reply->win_x, reply->win_y);
#else
    Q_UNUSED(widget);
    return std::nullopt;
#endif
}
