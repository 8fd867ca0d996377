#include "text/printable_text.h"

namespace sarovin {

namespace {

constexpr char STAND_IN = '?';
// C1 controls U+0080-U+009F are written in UTF-8 as 0xC2 and 0x80-0x9F.
constexpr unsigned char C1_LEAD = 0xC2;
constexpr unsigned char C1_FIRST = 0x80;
constexpr unsigned char C1_LAST = 0x9F;

bool IsC1Control(std::string_view text, std::size_t index) {
    if (static_cast<unsigned char>(text[index]) != C1_LEAD || index + 1 >= text.size()) {
        return false;
    }
    const auto next = static_cast<unsigned char>(text[index + 1]);
    return next >= C1_FIRST && next <= C1_LAST;
}

}  // namespace

std::string PrintableText(std::string_view text) {
    std::string printable;
    printable.reserve(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        const auto byte = static_cast<unsigned char>(text[index]);
        if (byte < 0x20 || byte == 0x7F) {
            printable += STAND_IN;
        } else if (IsC1Control(text, index)) {
            printable += STAND_IN;
            ++index;
        } else {
            printable += text[index];
        }
    }
    return printable;
}

}  // namespace sarovin
