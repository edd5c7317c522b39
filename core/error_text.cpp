#include "core/error_text.h"

std::string errorBoxText(const std::string& message) {
    return message + ".";
}
