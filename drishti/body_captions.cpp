#include "drishti/body_captions.h"

#include <string_view>

#include "drishti/caption_text.h"

namespace sarovin {

namespace {

BodyCaptions JoinedNames(std::string_view separator) {
    BodyCaptions captions;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        captions[slot] =
            Concat({SlotNames[slot].englishName, separator, SlotNames[slot].vedicName});
    }
    return captions;
}

BodyCaptions EnglishNames() {
    BodyCaptions captions;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        captions[slot] = SlotNames[slot].englishName;
    }
    return captions;
}

}  // namespace

const BodyCaptions& TabBodyCaptions() {
    static const BodyCaptions captions = JoinedNames(" / ");
    return captions;
}

const BodyCaptions& SputaRowCaptions() {
    static const BodyCaptions captions = JoinedNames("/");
    return captions;
}

const BodyCaptions& SputaColumnCaptions() {
    static const BodyCaptions captions = EnglishNames();
    return captions;
}

}  // namespace sarovin
