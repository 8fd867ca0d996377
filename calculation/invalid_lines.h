#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calculation/calculation.h"
#include "reading/reading_lines.h"

namespace sarovin {

// A number line of a reading file that held no value its control takes,
// so the start-up panel's value was used instead.
struct InvalidLine {
    std::string_view field;  // "day", "zone", "longitude degrees"
    std::string value;       // the line as read
    std::string used;        // what the calculation used: "1", "January", "0"

    friend bool operator==(const InvalidLine&, const InvalidLine&) = default;
};

// The number lines of `lines` the panel did not take, in line order, with
// the values `calculation` used for them. The lines are restored onto a
// panel whose lists choose nothing, by the window's own restoring, so a
// list still choosing nothing took no line; a degree box must hold a
// number as the record filling reads it.
std::vector<InvalidLine> FindInvalidLines(const ReadingLines& lines,
                                          const Calculation& calculation);

}  // namespace sarovin
