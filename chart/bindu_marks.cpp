#include "chart/bindu_marks.h"

#include <string>
#include <utility>

namespace sarovin {

namespace {

constexpr std::string_view SARVA_MARK = "SAV";
constexpr std::string_view LAGNA_ABBREVIATION = "La";

}  // namespace

std::optional<SignBindus> ChosenBindus(const Ashtakavarga& ashtakavarga, BinduChoice choice) {
    if (choice.sarva) {
        return ashtakavarga.sarva;
    }
    if (choice.bhinna) {
        return ashtakavarga.bhinna[static_cast<std::size_t>(*choice.bhinna)];
    }
    return std::nullopt;
}

std::string_view BinduTableMark(BinduChoice choice) {
    if (choice.sarva || !choice.bhinna) {
        return SARVA_MARK;
    }
    const int point = static_cast<int>(*choice.bhinna);
    return point < ASHTAKA_PLANET_COUNT ? BodyAbbreviation(AshtakaPlanetSlots[point])
                                        : LAGNA_ABBREVIATION;
}

ChartContent WithBindus(ChartContent content, const SignBindus& bindus, std::string_view table) {
    for (int sign = 0; sign < ZODIAC_SIGNS; ++sign) {
        const std::string count = std::to_string(bindus[static_cast<std::size_t>(sign)]);
        content.marks.push_back({sign, std::string(table) + " " + count, LAGNA_MARK, count});
    }
    return content;
}

}  // namespace sarovin
