#include "drishti/caption_text.h"

#include <cassert>
#include <numeric>
#include <span>

namespace sarovin {

namespace {

constexpr std::string_view SEPARATOR = ", ";
constexpr std::string_view FULL_STOP = ".";

std::size_t TotalLength(std::span<const std::string_view> parts) {
    return std::accumulate(
        parts.begin(), parts.end(), std::size_t{0},
        [](std::size_t sum, std::string_view part) { return sum + part.size(); });
}

char* Write(char* out, std::string_view part) {
    return out + part.copy(out, part.size());
}

}  // namespace

std::string Concat(std::initializer_list<std::string_view> parts) {
    std::string text(TotalLength(parts), '\0');
    char* out = text.data();
    for (const std::string_view part : parts) {
        out = Write(out, part);
    }
    return text;
}

void NameList::Append(std::string_view name) {
    assert(count_ < MAX_NAMES);
    names_[count_++] = name;
}

std::string NameList::Close() const {
    const std::span<const std::string_view> names(names_.data(), count_);
    const std::size_t separators = count_ == 0 ? 0 : count_ - 1;
    std::string text(
        lead_.size() + TotalLength(names) + separators * SEPARATOR.size() + FULL_STOP.size(), '\0');
    char* out = Write(text.data(), lead_);
    for (std::size_t index = 0; index < count_; ++index) {
        if (index > 0) {
            out = Write(out, SEPARATOR);
        }
        out = Write(out, names[index]);
    }
    Write(out, FULL_STOP);
    return text;
}

}  // namespace sarovin
