#pragma once

#include <string>

#include "dasha/vimshottari.h"
#include "output/json_writer.h"

namespace sarovin {

// The periods as the next value of `json`: {"system": "vimshottari",
// "yearDays", "balance": {"lord", "years", "months", "days"}, "periods":
// [{"lord", "start", "end", "sub": [...]}]}, the Pratyantardashas without
// "sub"; times in UTC to the minute, "2026-01-14T09:37Z".
void WriteDashaJson(JsonWriter& json, const Vimshottari& dasha);

// The periods as text: a heading naming the year counted in, the balance at
// birth, then each Mahadasha with its Antardashas indented under it and
// their Pratyantardashas under those, a period a line:
//   Venus          1998-03-02T11:20Z to 2018-03-02T23:50Z
std::string DashaText(const Vimshottari& dasha);

}  // namespace sarovin
