#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "form/input_form.h"
#include "reading/restored_panel.h"

namespace sarovin {

struct Calculation;

// A number line of a reading file that held no value its control takes,
// so the start-up panel's value was used instead.
struct InvalidLine {
    std::string_view field;  // "day", "zone", "longitude degrees"
    std::string value;       // the line as read
    std::string used;        // what the calculation used: "1", "January", "0"

    friend bool operator==(const InvalidLine&, const InvalidLine&) = default;
};

// The number lines of `lines` the panel did not take, in line order, with
// the values `calculation` used for them: the untaken list lines, and the
// degree boxes that hold no number as the record filling reads it.
std::vector<InvalidLine> DescribeInvalidLines(const ReadingLines& lines,
                                              const RestoredPanel& restored,
                                              const Calculation& calculation);

}  // namespace sarovin
