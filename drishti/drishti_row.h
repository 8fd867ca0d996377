#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <string>
#include <utility>

#include "engine/body_table.h"
#include "zodiac/zodiac.h"

namespace sarovin {

// What the two sentences of a row name, as numbers: the signs aspected
// (sign 0 is Mesha) and the bodies standing there (by body slot).
struct Aspected {
    std::bitset<SIGN_COUNT> signs;
    std::bitset<BODY_COUNT> bodies;

    friend bool operator==(const Aspected&, const Aspected&) = default;
};

// The four caption texts of one row of the Graha or Rashi Drishti tab, and
// what they name.
struct DrishtiRow {
    std::string bodyCaption;
    std::string positionCaption;
    std::string aspectCaption;
    std::string planetsCaption;
    Aspected aspected;

    friend bool operator==(const DrishtiRow&, const DrishtiRow&) = default;
};

// A row of either tab: the body's names as "Sun / Surya" and its short
// position, then the two sentences as the tab words them.
DrishtiRow MakeDrishtiRow(int body, const BodyEntry& entry, const std::string& aspectCaption,
                          std::string planetsCaption, const Aspected& aspected);

// The rows of a tab, each made where it stays: makeRow(body) for the
// bodies 0 to N - 1 of make_index_sequence<N>.
template <typename MakeRow, std::size_t... BODY>
std::array<DrishtiRow, sizeof...(BODY)> MakeRows(const MakeRow& makeRow,
                                                 std::index_sequence<BODY...>) {
    return {makeRow(static_cast<int>(BODY))...};
}

}  // namespace sarovin
