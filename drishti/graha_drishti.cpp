#include "drishti/graha_drishti.h"

#include "drishti/caption_text.h"
#include "drishti/tab_texts.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

constexpr std::array<int, 1> SEVENTH_ONLY = {7};
constexpr std::array<int, 3> MARS_HOUSES = {4, 7, 8};
constexpr std::array<int, 3> JUPITER_HOUSES = {5, 7, 9};
constexpr std::array<int, 3> SATURN_HOUSES = {3, 7, 10};
constexpr std::array<std::span<const int>, GRAHA_ROWS> ASPECTED_HOUSES = {
    SEVENTH_ONLY, SEVENTH_ONLY,   SEVENTH_ONLY,  SEVENTH_ONLY,
    MARS_HOUSES,  JUPITER_HOUSES, SATURN_HOUSES, SEVENTH_ONLY,
};

int AspectedSign(int ownSign, int house) {
    return (ownSign + house - 1) % SIGN_COUNT;
}

TabTexts<GRAHA_ROWS> MakeGrahaTexts() {
    TabTexts<GRAHA_ROWS> texts;
    for (int body = 0; body < GRAHA_ROWS; ++body) {
        const std::string_view name = SlotNames[body].englishName;
        const std::string lead = Concat({"Sign aspected by ", name, " is "});
        for (int sign = 0; sign < SIGN_COUNT; ++sign) {
            NameList signs(lead);
            for (const int house : ASPECTED_HOUSES[body]) {
                signs.Append(VedicSignNames[AspectedSign(sign, house)]);
            }
            texts.aspectCaptions[body][sign] = signs.Close();
        }
        texts.planetsLeads[body] = Concat({"Planet(s) aspected by ", name, " is "});
        texts.noPlanetsCaptions[body] = Concat({"Planet ", name, " has no Graha Drishti."});
    }
    return texts;
}

const TabTexts<GRAHA_ROWS>& GrahaTexts() {
    static const TabTexts<GRAHA_ROWS> texts = MakeGrahaTexts();
    return texts;
}

DrishtiRow GrahaRow(const BodyTable& bodies, const std::array<int, GRAHA_ROWS>& signs, int body) {
    const TabTexts<GRAHA_ROWS>& texts = GrahaTexts();
    NameList planets(texts.planetsLeads[body]);
    Aspected named;
    for (const int house : ASPECTED_HOUSES[body]) {
        const int aspected = AspectedSign(signs[body], house);
        named.signs.set(aspected);
        for (int other = 0; other < GRAHA_ROWS; ++other) {
            if (signs[other] == aspected) {
                planets.Append(SlotNames[other].englishName);
                named.bodies.set(other);
            }
        }
    }
    return MakeDrishtiRow(body, bodies.entries[body], texts.aspectCaptions[body][signs[body]],
                          planets.empty() ? texts.noPlanetsCaptions[body] : planets.Close(), named);
}

}  // namespace

std::span<const int> GrahaAspectCounts(int body) {
    return ASPECTED_HOUSES[body];
}

std::array<DrishtiRow, GRAHA_ROWS> ComputeGrahaDrishti(const BodyTable& bodies) {
    std::array<int, GRAHA_ROWS> signs{};
    for (int body = 0; body < GRAHA_ROWS; ++body) {
        signs[body] = bodies.entries[body].place.sign;
    }
    return MakeRows([&](int body) { return GrahaRow(bodies, signs, body); },
                    std::make_index_sequence<GRAHA_ROWS>{});
}

}  // namespace sarovin
