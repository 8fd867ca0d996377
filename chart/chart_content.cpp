#include "chart/chart_content.h"

#include <array>

#include "calculation/sky_texts.h"
#include "form/birth_summary.h"
#include "text/two_digits.h"

namespace sarovin {

namespace {

constexpr std::array<std::string_view, BODY_COUNT> ABBREVIATIONS = {"Su", "Mo", "Me", "Ve", "Ma",
                                                                    "Ju", "Sa", "Ra", "Ke"};

// The sign of a body moving backwards (Rx), after its mark.
constexpr std::string_view RETROGRADE = "\u211E";

// "Su 00°51'": the abbreviation, the whole degrees and minutes in the sign;
// "Me 12°04'℞" for a retrograde body.
ChartMark MarkAt(std::string_view abbreviation, const SignDms& place, int body, bool retrograde) {
    const std::string suffix(retrograde ? RETROGRADE : "");
    return {place.sign,
            std::string(abbreviation) + " " + TwoDigits(place.degrees) + "\u00B0" +
                TwoDigits(place.minutes) + "'" + suffix,
            body, std::string(abbreviation) + suffix};
}

// The marks of `bodies` and `lagna` with the birth's title and details.
ChartContent ContentOf(const Calculation& calculation, const BodyTable& bodies,
                       std::optional<double> lagnaLongitude) {
    ChartContent content;
    if (lagnaLongitude) {
        const SignDms lagna = SplitSignDms(*lagnaLongitude);
        content.lagnaSign = lagna.sign;
        content.marks.push_back(MarkAt("La", lagna, LAGNA_MARK, false));
    }
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        content.marks.push_back(MarkAt(ABBREVIATIONS[slot], bodies.entries[slot].place, slot,
                                       IsRetrograde(calculation.sky, slot)));
    }
    const BirthRecord& record = calculation.record;
    content.title = record.name;
    for (std::string detail :
         {BirthMomentText(record), BirthPlaceText(record), EphemerisLine(calculation.sky)}) {
        if (!detail.empty()) {
            content.details.push_back(std::move(detail));
        }
    }
    return content;
}

}  // namespace

std::string_view BodyAbbreviation(int slot) {
    return ABBREVIATIONS[static_cast<std::size_t>(slot)];
}

ChartContent ChartContentOf(const Calculation& calculation) {
    return ContentOf(calculation, calculation.sky.bodies, calculation.sky.lagna);
}

ChartContent VargaChartContentOf(const Calculation& calculation, const VargaChart& chart,
                                 int varga) {
    ChartContent content = ContentOf(calculation, chart.bodies, chart.lagna);
    if (varga == 0) {
        return content;
    }
    const VargaName& name = VargaNames[static_cast<std::size_t>(varga)];
    content.details.push_back(std::string(name.name) + " (" + std::string(name.key) + ")");
    return content;
}

ChartContent DoubleChartContent(const Calculation& outer, const Calculation& inner) {
    ChartContent content = ChartContentOf(outer);
    if (inner.sky.lagna) {
        content.innerMarks.push_back(
            MarkAt("La", SplitSignDms(*inner.sky.lagna), LAGNA_MARK, false));
    }
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        content.innerMarks.push_back(MarkAt(BodyAbbreviation(slot),
                                            inner.sky.bodies.entries[slot].place, slot,
                                            IsRetrograde(inner.sky, slot)));
    }
    return content;
}

}  // namespace sarovin
