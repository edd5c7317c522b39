#include "core/application_title.h"

#include <algorithm>
#include <cctype>

std::string applicationTitle(const std::string& executablePath) {
    const auto separator = executablePath.find_last_of("/\\");
    std::string name =
        separator == std::string::npos ? executablePath : executablePath.substr(separator + 1);
    name = name.substr(0, name.find('.'));
    if (name.size() > 1) {
        std::transform(name.begin() + 1, name.end(), name.begin() + 1,
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    }
    return name;
}
