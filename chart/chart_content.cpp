#include "chart/chart_content.h"

#include <array>

#include "calculation/sky_texts.h"
#include "form/birth_summary.h"
#include "text/two_digits.h"

namespace sarovin {

namespace {

constexpr std::array<std::string_view, BODY_COUNT> ABBREVIATIONS = {"Su", "Mo", "Me", "Ve", "Ma",
                                                                    "Ju", "Sa", "Ra", "Ke"};

// "Su 00°51'": the abbreviation, the whole degrees and minutes in the sign.
ChartMark MarkAt(std::string_view abbreviation, const SignDms& place, int body) {
    return {place.sign,
            std::string(abbreviation) + " " + TwoDigits(place.degrees) + "\u00B0" +
                TwoDigits(place.minutes) + "'",
            body};
}

}  // namespace

std::string_view BodyAbbreviation(int slot) {
    return ABBREVIATIONS[static_cast<std::size_t>(slot)];
}

ChartContent ChartContentOf(const Calculation& calculation) {
    ChartContent content;
    const Sky& sky = calculation.sky;
    if (sky.lagna) {
        const SignDms lagna = SplitSignDms(*sky.lagna);
        content.lagnaSign = lagna.sign;
        content.marks.push_back(MarkAt("La", lagna, LAGNA_MARK));
    }
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        content.marks.push_back(
            MarkAt(BodyAbbreviation(slot), sky.bodies.entries[slot].place, slot));
    }
    const BirthRecord& record = calculation.record;
    content.title = record.name;
    for (std::string detail :
         {BirthMomentText(record), BirthPlaceText(record), EphemerisLine(sky)}) {
        if (!detail.empty()) {
            content.details.push_back(std::move(detail));
        }
    }
    return content;
}

ChartContent DoubleChartContent(const Calculation& outer, const Calculation& inner) {
    ChartContent content = ChartContentOf(outer);
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        content.innerMarks.push_back(
            MarkAt(BodyAbbreviation(slot), inner.sky.bodies.entries[slot].place, slot));
    }
    return content;
}

}  // namespace sarovin
