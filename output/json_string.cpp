#include "output/json_string.h"

#include "text/utf8_text.h"

namespace sarovin {

namespace {

constexpr char HEX_DIGITS[] = "0123456789abcdef";

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
        } else if (const Utf8Character character = ReadUtf8Character(text.substr(at));
                   character.valid) {
            json.append(text, at, character.length);
            at += character.length;
        } else {
            AppendUnicodeEscape(json, 0xDC, byte);
            ++at;
        }
    }
    json += '"';
}

}  // namespace sarovin
