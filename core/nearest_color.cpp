#include "core/nearest_color.h"

#include <cstdint>
#include <limits>

namespace {

std::int64_t squaredDistance(TColor a, TColor b) {
    const std::int64_t red = redOf(a) - redOf(b);
    const std::int64_t green = greenOf(a) - greenOf(b);
    const std::int64_t blue = blueOf(a) - blueOf(b);
    return red * red + green * green + blue * blue;
}

} // namespace

int nearestColorIndex(std::span<const TColor> table, TColor color) {
    int best = 0;
    std::int64_t bestDistance = std::numeric_limits<std::int64_t>::max();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::int64_t distance = squaredDistance(table[i], color);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return best;
}
