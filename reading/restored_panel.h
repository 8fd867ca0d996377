#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "form/input_form.h"
#include "reading/reading_lines.h"

namespace sarovin {

// A list line of a reading, named as messages name it, and the panel list
// it chooses on.
struct ListLine {
    ReadingLine line;
    std::string_view field;
    int InputForm::*position;
};

inline constexpr std::array<ListLine, 6> READING_LIST_LINES = {{
    {MONTH_LINE, "month", &InputForm::monthPosition},
    {DAY_LINE, "day", &InputForm::dayPosition},
    {YEAR_LINE, "year", &InputForm::yearPosition},
    {HOUR_LINE, "hour", &InputForm::hourPosition},
    {MINUTE_LINE, "minute", &InputForm::minutePosition},
    {ZONE_LINE, "zone", &InputForm::zonePosition},
}};

// A reading's lines restored onto a panel as the window restores them: a
// list line that names no item of its list leaves the panel's choice, and
// is kept as untaken.
struct RestoredPanel {
    InputForm form;
    std::vector<ReadingLine> untakenLists;
};

RestoredPanel RestoreOntoPanel(const ReadingLines& lines, const InputForm& panel);

}  // namespace sarovin
