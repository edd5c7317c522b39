#include "core/status_titles.h"

#include <cstdint>

int progressPercent(int row, int height) {
    // 64-bit product: a row index above 21 million would overflow row * 100 in 32 bits.
    return static_cast<int>(static_cast<std::int64_t>(row) * 100 / height);
}

std::string progressTitle(int percent) {
    return "brenip - " + std::to_string(percent) + "%";
}
