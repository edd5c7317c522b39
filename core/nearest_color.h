#pragma once

#include "core/tcolor.h"

#include <span>

// Index of the entry closest to `color` in RGB space (squared distance); the lowest index wins a
// tie. The table must not be empty.
int nearestColorIndex(std::span<const TColor> table, TColor color);
