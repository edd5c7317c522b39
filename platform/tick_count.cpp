#include "platform/tick_count.h"

#include <chrono>

namespace {

std::uint32_t systemTicks() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

TickSource& tickSource() {
    static TickSource source = systemTicks;
    return source;
}

} // namespace

std::uint32_t GetTickCount() {
    return tickSource()();
}

void setTickSource(TickSource source) {
    tickSource() = source ? std::move(source) : systemTicks;
}
