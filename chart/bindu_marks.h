#pragma once

#include <optional>
#include <string_view>

#include "ashtakavarga/ashtakavarga.h"
#include "chart/chart_content.h"

namespace sarovin {

// Which Ashtakavarga a chart's cells show: none, the Sarvashtakavarga, or
// the Bhinnashtakavarga of one point (the Sun to Saturn, or the Lagna).
struct BinduChoice {
    bool sarva = false;
    std::optional<AshtakaPoint> bhinna = std::nullopt;

    friend bool operator==(const BinduChoice&, const BinduChoice&) = default;
};

// The bindus each sign holds in the chosen table, from Mesha; none when
// nothing is chosen.
std::optional<SignBindus> ChosenBindus(const Ashtakavarga& ashtakavarga, BinduChoice choice);

// `content` with one more mark in each sign: its bindus, "SAV 28" for the
// Sarvashtakavarga or "Sa 3" for Saturn's table, shortened to the number
// alone where the cell is crowded. The mark is no body, so it is marked
// like the Lagna and cannot be chosen.
ChartContent WithBindus(ChartContent content, const SignBindus& bindus, std::string_view table);

// "SAV" for the Sarvashtakavarga, the point's abbreviation ("Su", "La" for
// the Lagna) for its own table.
std::string_view BinduTableMark(BinduChoice choice);

}  // namespace sarovin
