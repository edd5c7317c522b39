#pragma once

#include <string>

// The application title from the executable's path: the file name after the last path
// separator, cut at its first ".", the first character as it is and the rest lower case.
// Both separators count, so Windows and POSIX paths give the same title.
std::string applicationTitle(const std::string& executablePath);
