#include "output/json_string.h"

namespace sarovin {

namespace {

constexpr char HEX_DIGITS[] = "0123456789abcdef";

struct ByteRange {
    unsigned char first;
    unsigned char last;
};

constexpr ByteRange CONTINUATION = {0x80, 0xBF};

bool IsIn(unsigned char byte, ByteRange range) {
    return byte >= range.first && byte <= range.last;
}

// The length of the well-formed UTF-8 sequence starting at `at` (Unicode's
// table of well-formed byte sequences: no overlong forms, no surrogates,
// nothing past U+10FFFF), or 0 when there is none.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    ByteRange second = CONTINUATION;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        second = lead == 0xE0 ? ByteRange{0xA0, 0xBF}
                              : (lead == 0xED ? ByteRange{0x80, 0x9F} : CONTINUATION);
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        second = lead == 0xF0 ? ByteRange{0x90, 0xBF}
                              : (lead == 0xF4 ? ByteRange{0x80, 0x8F} : CONTINUATION);
    } else {
        return 0;
    }
    if (at + length > text.size() || !IsIn(static_cast<unsigned char>(text[at + 1]), second)) {
        return 0;
    }
    for (std::size_t next = at + 2; next < at + length; ++next) {
        if (!IsIn(static_cast<unsigned char>(text[next]), CONTINUATION)) {
            return 0;
        }
    }
    return length;
}

void AppendUnicodeEscape(std::string& json, unsigned high, unsigned char low) {
    json += "\\u";
    json += HEX_DIGITS[(high >> 4) & 0xF];
    json += HEX_DIGITS[high & 0xF];
    json += HEX_DIGITS[low >> 4];
    json += HEX_DIGITS[low & 0xF];
}

void AppendControl(std::string& json, unsigned char byte) {
    switch (byte) {
        case '\b':
            json += "\\b";
            break;
        case '\t':
            json += "\\t";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\f':
            json += "\\f";
            break;
        case '\r':
            json += "\\r";
            break;
        default:
            AppendUnicodeEscape(json, 0x00, byte);
    }
}

bool IsPlainAscii(unsigned char byte) {
    return byte >= 0x20 && byte < 0x80 && byte != '"' && byte != '\\';
}

}  // namespace

void AppendJsonString(std::string& json, std::string_view text) {
    json += '"';
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t plain = at;
        while (plain < text.size() && IsPlainAscii(static_cast<unsigned char>(text[plain]))) {
            ++plain;
        }
        json.append(text, at, plain - at);
        at = plain;
        if (at == text.size()) {
            break;
        }
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte == '"' || byte == '\\') {
            json += '\\';
            json += static_cast<char>(byte);
            ++at;
        } else if (byte < 0x20) {
            AppendControl(json, byte);
            ++at;
        } else if (const std::size_t length = SequenceLength(text, at); length > 0) {
            json.append(text, at, length);
            at += length;
        } else {
            AppendUnicodeEscape(json, 0xDC, byte);
            ++at;
        }
    }
    json += '"';
}

}  // namespace sarovin
