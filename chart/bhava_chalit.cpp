#include "chart/bhava_chalit.h"

#include "engine/position_text.h"

namespace sarovin {

namespace {

constexpr std::string_view MADHYA_ABBREVIATION = "Md";

int CellOfHouse(int lagnaSign, int house) {
    return (lagnaSign + house) % SIGN_COUNT;
}

}  // namespace

ChartContent BhavaChalitContentOf(const Calculation& calculation) {
    ChartContent content = ChartContentOf(calculation);
    if (!calculation.houses || !content.lagnaSign) {
        return content;
    }
    const int lagnaSign = *content.lagnaSign;
    for (int house = 0; house < HOUSES; ++house) {
        const HouseRow& row = calculation.houses->list[house];
        for (ChartMark& mark : content.marks) {
            if (mark.body != LAGNA_MARK && row.occupants.test(mark.body)) {
                mark.sign = CellOfHouse(lagnaSign, house);
            }
        }
        // A madhya is no body, so it is marked like the Lagna.
        content.marks.push_back({CellOfHouse(lagnaSign, house),
                                 std::string(MADHYA_ABBREVIATION) + " " +
                                     ShortPositionOf(SplitSignDms(row.bounds.madhya)),
                                 LAGNA_MARK, std::string(MADHYA_ABBREVIATION)});
    }
    return content;
}

ChartFocus HouseFocusOn(const Houses& houses, int lagnaSign, int body) {
    ChartFocus focus{body, {}};
    for (int house = 0; house < HOUSES; ++house) {
        const HouseRow& row = houses.list[house];
        if (row.aspectedBy.test(body)) {
            focus.aspected.signs.set(CellOfHouse(lagnaSign, house));
            focus.aspected.bodies |= row.occupants;
        }
    }
    return focus;
}

}  // namespace sarovin
