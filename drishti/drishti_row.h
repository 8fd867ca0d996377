#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>

#include "engine/body_table.h"

namespace sarovin {

// The four caption texts of one row of the Graha or Rashi Drishti tab.
struct DrishtiRow {
    std::string bodyCaption;
    std::string positionCaption;
    std::string aspectCaption;
    std::string planetsCaption;

    friend bool operator==(const DrishtiRow&, const DrishtiRow&) = default;
};

// A row of either tab: the body's names as "Sun / Surya" and its short
// position, then the two sentences as the tab words them.
DrishtiRow MakeDrishtiRow(int body, const BodyEntry& entry, const std::string& aspectCaption,
                          std::string planetsCaption);

// The rows of a tab, each made where it stays: makeRow(body) for the
// bodies 0 to N - 1 of make_index_sequence<N>.
template <typename MakeRow, std::size_t... BODY>
std::array<DrishtiRow, sizeof...(BODY)> MakeRows(const MakeRow& makeRow,
                                                 std::index_sequence<BODY...>) {
    return {makeRow(static_cast<int>(BODY))...};
}

}  // namespace sarovin
