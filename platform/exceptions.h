#pragma once

#include <stdexcept>
#include <string>

// The platform's failures. Messages are UTF-8 and, like the platform's own, Japanese.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// No usable bitmap data could be fetched from the clipboard.
class EInvalidGraphic : public Exception {
public:
    EInvalidGraphic();
};

// A bitmap or drawing surface could not be made.
class EOutOfResources : public Exception {
public:
    EOutOfResources();
};

// The clipboard could not be written.
class EClipboardException : public Exception {
public:
    EClipboardException();
};
