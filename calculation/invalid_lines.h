#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "form/input_form.h"
#include "reading/reading_lines.h"

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

// A reading's lines restored onto a panel as the window restores them: a
// list line that names no item of its list leaves the panel's choice, and
// is kept as untaken.
struct RestoredPanel {
    InputForm form;
    std::vector<ReadingLine> untakenLists;
};

RestoredPanel RestoreOntoPanel(const ReadingLines& lines, const InputForm& panel);

// The number lines of `lines` the panel did not take, in line order, with
// the values `calculation` used for them: the untaken list lines, and the
// degree boxes that hold no number as the record filling reads it.
std::vector<InvalidLine> DescribeInvalidLines(const ReadingLines& lines,
                                              const RestoredPanel& restored,
                                              const Calculation& calculation);

}  // namespace sarovin
