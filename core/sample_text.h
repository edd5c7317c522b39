#pragma once

#include "core/tcolor.h"

#include <string>

// "RGB:r,g,b" in plain decimal; bits 24-31 play no part, so CLR_INVALID reads as white.
std::string readoutText(TColor sampled);

// The text a sample leaves on the clipboard: "#rrggbb" in lower-case hex, the form colour
// pickers place and editors, style sheets and colour dialogs accept. Built from the same
// channels as the readout, so an outside sample gives "#ffffff".
std::string sampleClipboardText(TColor sampled);
