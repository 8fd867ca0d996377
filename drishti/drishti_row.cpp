#include "drishti/drishti_row.h"

#include <algorithm>

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
    std::copy_n(lead.begin(), std::min(lead.size(), MAX_LEAD_PARTS), lead_.begin());
}

void NameList::WriteLead() {
    // Room for the longest sentence of the tabs in one allocation.
    constexpr std::size_t TYPICAL_SENTENCE = 96;
    text_.reserve(TYPICAL_SENTENCE);
    for (const std::string_view part : lead_) {
        text_ += part;
    }
}

void NameList::Append(std::string_view name) {
    if (count_++ == 0) {
        WriteLead();
    } else {
        text_ += ", ";
    }
    text_ += name;
}

std::string NameList::Close(std::string_view ending) {
    if (count_ == 0) {
        WriteLead();
    }
    text_ += ending;
    return std::move(text_);
}

DrishtiRow MakeDrishtiRow(const BodyEntry& body, std::string aspectCaption,
                          std::string planetsCaption) {
    return {Concat({body.englishName, " / ", body.vedicName}), body.position,
            std::move(aspectCaption), std::move(planetsCaption)};
}

}  // namespace sarovin
