#pragma once

#include <array>
#include <bitset>
#include <string>
#include <string_view>

#include "engine/body_slot.h"
#include "houses/houses.h"

namespace sarovin {

// The columns of the houses table, in order.
enum HouseColumn : int {
    NumberColumn,
    SignColumn,
    MadhyaColumn,
    StartColumn,
    EndColumn,
    OccupantsColumn,
    AspectedByColumn,
    DrishtiBalaColumn,
    DigBalaColumn,
};

inline constexpr int HOUSE_COLUMNS = 9;

inline constexpr std::array<std::string_view, HOUSE_COLUMNS> HOUSE_HEADINGS = {
    "House",     "Sign",        "Madhya",       "Start",   "End",
    "Occupants", "Aspected by", "Drishti Bala", "Dig Bala"};

// The cells of one house row as the window, the page and the text report
// show them: "1", "Thula", the madhya, start and end as "29 Lib 39", the
// bodies in it and those aspecting it ("-" for none), and the two
// strengths in virupas to two decimals.
using HouseCells = std::array<std::string, HOUSE_COLUMNS>;

HouseCells MakeHouseCells(const HouseRow& row);

// The English names of the bodies in body order, joined by ", "; "-" for none.
std::string BodyListText(const std::bitset<BODY_COUNT>& bodies);

// "Houses (Sripati)".
std::string HousesHeading(HouseSystem system);

// "Mars stands in house 9 and aspects houses 12, 3, 4." in the order of the
// Graha Drishti counts; the S Node casts no Drishti on houses.
std::string HouseAspectsSentence(const Houses& houses, int body);

// One line per term of a house's Bhava Drishti Bala, and the sum:
// "Jupiter: 1 x 60.00 = 60.00" ... "Bhava Drishti Bala = 40.00".
std::string DrishtiBalaWorking(const BhavaDrishtiBala& bala);

}  // namespace sarovin
