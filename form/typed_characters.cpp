#include "form/typed_characters.h"

namespace sarovin {

bool AcceptsCharacter(BoxKind kind, char32_t character) {
    if (character == BACKSPACE || character == DELETE_CHARACTER) {
        return true;
    }
    if (kind == BoxKind::Digits) {
        return character >= U'0' && character <= U'9';
    }
    return (character >= U'A' && character <= U'Z') || (character >= U'a' && character <= U'z') ||
           character == U' ';
}

std::string_view RefusalMessage(BoxKind kind) {
    return kind == BoxKind::Letters ? "Please enter only letters" : "Please enter only numbers";
}

}  // namespace sarovin
