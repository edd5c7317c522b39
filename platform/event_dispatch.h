#pragma once

#include <functional>

// Runs an event handler so that an exception leaving it reaches the error box, not Qt.
void dispatchEvent(const std::function<void()>& handler);
