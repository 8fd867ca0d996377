#include "houses/house_texts.h"

#include "drishti/graha_drishti.h"
#include "engine/position_text.h"
#include "text/virupas_text.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

constexpr std::string_view NONE = "-";
constexpr std::string_view BETWEEN_NAMES = ", ";

std::string PositionText(double longitude) {
    return ShortPositionOf(SplitSignDms(longitude));
}

std::string WeightText(double weight) {
    if (weight == 1) {
        return "1";
    }
    return weight < 0 ? "-1/4" : "+1/4";
}

}  // namespace

std::string BodyListText(const std::bitset<BODY_COUNT>& bodies) {
    std::string text;
    for (int body = 0; body < BODY_COUNT; ++body) {
        if (bodies.test(body)) {
            if (!text.empty()) {
                text += BETWEEN_NAMES;
            }
            text += SlotNames[body].englishName;
        }
    }
    return text.empty() ? std::string(NONE) : text;
}

HouseCells MakeHouseCells(const HouseRow& row) {
    return {std::to_string(row.number),      std::string(VedicSignNames[row.sign]),
            PositionText(row.bounds.madhya), PositionText(row.bounds.start),
            PositionText(row.bounds.end),    BodyListText(row.occupants),
            BodyListText(row.aspectedBy),    VirupasText(row.drishtiBala.virupas),
            VirupasText(row.digBala.virupas)};
}

std::string HouseAspectsSentence(const Houses& houses, int body) {
    const std::string name(SlotNames[body].englishName);
    if (body >= GRAHA_ROWS) {
        return "The " + name + " casts no Drishti on houses.";
    }
    const BodyHouses& place = houses.bodies[body];
    std::string aspected;
    for (const int house : place.aspected) {
        aspected += (aspected.empty() ? "" : ", ") + std::to_string(house);
    }
    const bool several = place.aspected.size() > 1;
    return name + " stands in house " + std::to_string(place.house) + " and aspects house" +
           (several ? "s " : " ") + aspected + ".";
}

std::string HousesHeading(HouseSystem system) {
    return "Houses (" + std::string(HouseSystemTitle(system)) + ")";
}

std::string DrishtiBalaWorking(const BhavaDrishtiBala& bala) {
    std::string working;
    for (const BhavaDrishtiTerm& term : bala.terms) {
        working += std::string(SlotNames[term.planet].englishName) + ": " +
                   WeightText(term.weight) + " x " + VirupasText(term.virupas) + " = " +
                   VirupasText(term.term) + "\n";
    }
    return working + "Bhava Drishti Bala = " + VirupasText(bala.virupas);
}

}  // namespace sarovin
