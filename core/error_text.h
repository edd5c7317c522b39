#pragma once

#include <string>

// The error box text: the message with "." appended, always, even after a final full stop.
std::string errorBoxText(const std::string& message);
