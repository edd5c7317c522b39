#include "platform/event_dispatch.h"

#include "platform/tapplication.h"

void dispatchEvent(const std::function<void()>& handler) {
    if (auto* application = TApplication::current())
        application->dispatchGuarded(handler);
    else
        handler();
}
