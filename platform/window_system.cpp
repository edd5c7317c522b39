#include "platform/window_system.h"

#include <QGuiApplication>

#if defined(LUMVEX_HAVE_XCB)
#include <xcb/xcb.h>
#endif

void flushWindowSystem() {
#if defined(LUMVEX_HAVE_XCB)
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
        if (xcb_connection_t* connection = x11->connection())
            xcb_flush(connection);
    }
#endif
}
