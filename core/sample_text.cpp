#include "core/sample_text.h"

#include <array>

std::string readoutText(TColor sampled) {
    return "RGB:" + std::to_string(redOf(sampled)) + "," + std::to_string(greenOf(sampled)) + "," +
           std::to_string(blueOf(sampled));
}

std::string sampleClipboardText(TColor sampled) {
    static constexpr std::array<char, 16> digits{'0', '1', '2', '3', '4', '5', '6', '7',
                                                 '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    std::string text = "#";
    for (int channel : {redOf(sampled), greenOf(sampled), blueOf(sampled)}) {
        text += digits[static_cast<std::size_t>(channel >> 4)];
        text += digits[static_cast<std::size_t>(channel & 0xF)];
    }
    return text;
}
