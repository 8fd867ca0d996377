#pragma once

#include <array>
#include <string>
#include <vector>

#include "drishti/drishti_report.h"

namespace sarovin {

// The Sputa Drishti of a report as the text output lays it out: the column
// captions, and for each body its row caption, position and cells. Under
// the 1.15 rules the cells are the whole strengths; under the classical
// rules they are virupas to two decimals, with a Lagna column when the
// ephemeris gives one, and the nodes' rows, which cast no aspect, hold "-".
struct SputaTextTable {
    std::vector<std::string> columns;
    std::array<std::string, BODY_COUNT> rows;
    std::array<std::string, BODY_COUNT> positions;
    std::array<std::vector<std::string>, BODY_COUNT> cells;
};

SputaTextTable MakeSputaTextTable(const DrishtiReport& report);

// "Drik Bala: Sun 15.86, Moon -21.73, ..." for the seven planets, or an
// empty text under the 1.15 rules.
std::string DrikBalaLine(const DrishtiReport& report);

}  // namespace sarovin
