#pragma once

#include "core/replace_scan.h"

#include <cstdint>

// Milliseconds on a monotonic clock, as a wrapping unsigned 32-bit count.
std::uint32_t GetTickCount();

// Test seam: another clock in place of the system's; an empty source restores the system's.
void setTickSource(TickSource source);
