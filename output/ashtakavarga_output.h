#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ashtakavarga/ashtakavarga.h"
#include "output/json_writer.h"

namespace sarovin {

// The Ashtakavarga as the next value of `json`: {"tables": "parashara",
// "bhinna": {"Sun": [12 numbers from Mesha], "Moon", "Mars", "Mercury",
// "Jupiter", "Venus", "Saturn", "Lagna"}, "sarva": [12 numbers]}.
void WriteAshtakavargaJson(JsonWriter& json, const Ashtakavarga& ashtakavarga);

// "Parashara's tables" or "Varahamihira's tables".
std::string_view TablesText(AshtakavargaTables tables);

// One row of the Ashtakavarga as its tables show it: the owner ("Sun" …
// "Saturn", "Lagna") or "Sarva", its bindus from Mesha and their total.
struct AshtakavargaRow {
    std::string_view name;
    SignBindus bindus{};
    int total = 0;
};

// The Bhinnashtakavargas of the Sun to Saturn and the Lagna, then the
// Sarvashtakavarga.
std::vector<AshtakavargaRow> AshtakavargaRows(const Ashtakavarga& ashtakavarga);

// The Ashtakavarga as text: a heading naming the tables, then a row for
// each Bhinnashtakavarga and one for the Sarvashtakavarga, the bindus from
// Mesha to Meena and the total:
//   Sun       4  2  3  4  6  5  5  3  2  6  6  2   48
std::string AshtakavargaText(const Ashtakavarga& ashtakavarga);

}  // namespace sarovin
