#pragma once

#include <string>

// Window titles the program uses as its status line.
inline constexpr const char* kReplaceStartedTitle = "brenip - 0%";
inline constexpr const char* kReplaceDoneTitle = "brenip - OK";
inline constexpr const char* kCopiedTitle = "lumvex - Copyed";

// Percentage of a replacement scan while it works on `row` of `height` rows:
// row * 100 / height, truncated, so 0 to 99 and never 100.
int progressPercent(int row, int height);

// "brenip - " followed by the percentage and "%".
std::string progressTitle(int percent);
