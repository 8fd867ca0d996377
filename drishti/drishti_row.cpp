#include "drishti_row.h"

namespace sarovin {

std::string Concat(std::initializer_list<std::string_view> parts) {
    std::size_t length = 0;
    for (const std::string_view part : parts) {
        length += part.size();
    }
    std::string text;
    text.reserve(length);
    for (const std::string_view part : parts) {
        text += part;
    }
    return text;
}

NameList::NameList(std::initializer_list<std::string_view> lead) {
    // Room for the longest sentence of the tabs in one allocation.
    constexpr std::size_t TYPICAL_SENTENCE = 96;
    text_.reserve(TYPICAL_SENTENCE);
    for (const std::string_view part : lead) {
        text_ += part;
    }
}

void NameList::Append(std::string_view name) {
    if (count_++ > 0) {
        text_ += ", ";
    }
    text_ += name;
}

std::string NameList::Close(std::string_view ending) {
    text_ += ending;
    return std::move(text_);
}

DrishtiRow MakeDrishtiRow(const BodyEntry& body, std::string aspectCaption,
                          std::string planetsCaption) {
    return {Concat({body.englishName, " / ", body.vedicName}), body.position,
            std::move(aspectCaption), std::move(planetsCaption)};
}

}  // namespace sarovin
