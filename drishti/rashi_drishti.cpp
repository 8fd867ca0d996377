#include "drishti/rashi_drishti.h"

#include <algorithm>

#include "drishti/caption_text.h"
#include "drishti/classical_rashi_drishti.h"
#include "drishti/tab_texts.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

// Sun to Saturn aspect by sign; the nodes neither aspect nor are named.
constexpr int ASPECTING_BODIES = 7;

// For each sign, the other signs of its modality from Mesha on rather than
// from the sign itself, found once from the table of modalities.
constexpr int SIGNS_PER_MODALITY = 4;
constexpr std::array<AspectedSigns, SIGN_COUNT> SAME_MODALITY = [] {
    std::array<AspectedSigns, SIGN_COUNT> table{};
    for (int own = 0; own < SIGN_COUNT; ++own) {
        std::size_t found = 0;
        for (int sign = 0; sign < SIGN_COUNT; ++sign) {
            if (sign != own && SignModalities[sign] == SignModalities[own]) {
                table[own].at(found++) = sign;
            }
        }
    }
    return table;
}();
static_assert(std::ranges::all_of(SignModalities, [](std::string_view modality) {
    return std::ranges::count(SignModalities, modality) == SIGNS_PER_MODALITY;
}));

using SignAspects = std::array<AspectedSigns, SIGN_COUNT>;

const SignAspects& AspectsUnder(Rules rules) {
    return rules == Rules::Classical ? ClassicalRashiAspects : SAME_MODALITY;
}

TabTexts<RASHI_ROWS> MakeRashiTexts(const SignAspects& aspects) {
    TabTexts<RASHI_ROWS> texts;
    for (int body = 0; body < RASHI_ROWS; ++body) {
        const std::string_view name = SlotNames[body].englishName;
        const std::string lead = Concat({name, " is aspecting by Rashi Drishti of "});
        for (int sign = 0; sign < SIGN_COUNT; ++sign) {
            NameList signs(lead);
            if (body < ASPECTING_BODIES) {
                for (const int other : aspects[sign]) {
                    signs.Append(VedicSignNames[other]);
                }
            }
            texts.aspectCaptions[body][sign] = signs.Close();
        }
        texts.planetsLeads[body] = Concat({name, " has Graha Drishti on "});
        texts.noPlanetsCaptions[body] = Concat({"Planet ", name, " has no Rashi Drishti."});
    }
    return texts;
}

const TabTexts<RASHI_ROWS>& RashiTexts(Rules rules) {
    static const TabTexts<RASHI_ROWS> ownTexts = MakeRashiTexts(SAME_MODALITY);
    static const TabTexts<RASHI_ROWS> classicalTexts = MakeRashiTexts(ClassicalRashiAspects);
    return rules == Rules::Classical ? classicalTexts : ownTexts;
}

// The signs the body aspects and the bodies standing there.
void ListPlanets(const SignAspects& aspects, const std::array<int, ASPECTING_BODIES>& bodySigns,
                 int body, NameList& planets, Aspected& named) {
    for (const int sign : aspects[bodySigns[body]]) {
        named.signs.set(sign);
        for (int other = 0; other < ASPECTING_BODIES; ++other) {
            if (bodySigns[other] == sign) {
                planets.Append(SlotNames[other].englishName);
                named.bodies.set(other);
            }
        }
    }
}

DrishtiRow RashiRow(const BodyTable& bodies, const std::array<int, ASPECTING_BODIES>& bodySigns,
                    Rules rules, int body) {
    const TabTexts<RASHI_ROWS>& texts = RashiTexts(rules);
    NameList planets(texts.planetsLeads[body]);
    Aspected named;
    if (body < ASPECTING_BODIES) {
        ListPlanets(AspectsUnder(rules), bodySigns, body, planets, named);
    }
    const BodyEntry& entry = bodies.entries[body];
    return MakeDrishtiRow(body, entry, texts.aspectCaptions[body][entry.place.sign],
                          planets.empty() ? texts.noPlanetsCaptions[body] : planets.Close(), named);
}

}  // namespace

std::array<DrishtiRow, RASHI_ROWS> ComputeRashiDrishti(const BodyTable& bodies, Rules rules) {
    std::array<int, ASPECTING_BODIES> bodySigns{};
    for (int body = 0; body < ASPECTING_BODIES; ++body) {
        bodySigns[body] = bodies.entries[body].place.sign;
    }
    return MakeRows([&](int body) { return RashiRow(bodies, bodySigns, rules, body); },
                    std::make_index_sequence<RASHI_ROWS>{});
}

}  // namespace sarovin
