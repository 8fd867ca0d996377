#include "text/utf8_text.h"

namespace sarovin {

namespace {

constexpr char32_t LARGEST_CODE_POINT = 0x10FFFF;
constexpr char32_t FIRST_SURROGATE = 0xD800;
constexpr char32_t LAST_SURROGATE = 0xDFFF;

bool IsContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Sequence length announced by a lead byte, or 0 when it cannot lead one.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        return 4;
    }
    return 0;
}

// Smallest code point that needs a sequence of `length` bytes; anything
// below is an overlong form.
char32_t SmallestForLength(std::size_t length) {
    constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return smallest[length];
}

}  // namespace

Utf8Character ReadUtf8Character(std::string_view text) {
    constexpr Utf8Character malformed{0, 1, false};
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || length > text.size()) {
        return malformed;
    }
    if (length == 1) {
        return {lead, 1, true};
    }
    const unsigned char leadMask = 0x7F >> length;
    char32_t codePoint = lead & leadMask;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!IsContinuationByte(byte)) {
            return malformed;
        }
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    if (codePoint < SmallestForLength(length) || codePoint > LARGEST_CODE_POINT ||
        (codePoint >= FIRST_SURROGATE && codePoint <= LAST_SURROGATE)) {
        return malformed;
    }
    return {codePoint, length, true};
}

void AppendUtf8(std::string& text, char32_t codePoint) {
    if (codePoint < 0x80) {
        text.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        text.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        text.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        text.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        text.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        text.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        text.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

std::string_view CutToCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t taken = 0; taken < count && end < text.size(); ++taken) {
        end += ReadUtf8Character(text.substr(end)).length;
    }
    return text.substr(0, end);
}

}  // namespace sarovin
