#include "drishti/rashi_drishti.h"

#include "drishti/sign_names.h"

namespace sarovin {

namespace {

// Sun to Saturn aspect by sign; the nodes neither aspect nor are named.
constexpr int ASPECTING_BODIES = 7;

// The other signs of the body's modality, listed from Mesha on rather than
// from the body's own sign, and the bodies standing in them.
void ListAspects(const BodyTable& bodies, const std::array<int, ASPECTING_BODIES>& bodySigns,
                 int body, NameList& signs, NameList& planets) {
    const int own = bodySigns[body];
    for (int sign = 0; sign < SIGN_COUNT; ++sign) {
        if (sign == own || SignModalities[sign] != SignModalities[own]) {
            continue;
        }
        signs.Append(VedicSignNames[sign]);
        for (int other = 0; other < ASPECTING_BODIES; ++other) {
            if (bodySigns[other] == sign) {
                planets.Append(bodies.entries[other].englishName);
            }
        }
    }
}

}  // namespace

std::array<DrishtiRow, RASHI_ROWS> ComputeRashiDrishti(const BodyTable& bodies) {
    std::array<int, ASPECTING_BODIES> bodySigns{};
    for (int body = 0; body < ASPECTING_BODIES; ++body) {
        bodySigns[body] = bodies.entries[body].place.sign;
    }
    std::array<DrishtiRow, RASHI_ROWS> rows;
    for (int body = 0; body < RASHI_ROWS; ++body) {
        const std::string& name = bodies.entries[body].englishName;
        NameList signs({name, " is aspecting by Rashi Drishti of "});
        NameList planets({name, " has Graha Drishti on "});
        if (body < ASPECTING_BODIES) {
            ListAspects(bodies, bodySigns, body, signs, planets);
        }
        rows[body] =
            MakeDrishtiRow(bodies.entries[body], signs.Close("."),
                           planets.empty() ? Concat({"Planet ", name, " has no Rashi Drishti."})
                                           : planets.Close("."));
    }
    return rows;
}

}  // namespace sarovin
