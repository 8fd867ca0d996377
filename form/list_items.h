#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sarovin {

inline constexpr int FIRST_YEAR = 1901;
inline constexpr int LAST_YEAR = 2050;
// Degree and minute boxes take at most this many characters.
inline constexpr int DEGREE_BOX_LENGTH = 3;

// The items of the five date and time lists, as their texts.
// The name of a month 1 to 12, or an empty text for any other number.
std::string_view MonthNameAt(int month);

struct ListItems {
    std::vector<std::string> days;
    std::vector<std::string> months;
    std::vector<std::string> years;
    std::vector<std::string> hours;
    std::vector<std::string> minutes;
};

const ListItems& StandardListItems();

// Position of the item whose text equals `text`, or -1 when none does.
int PositionOfItem(const std::vector<std::string>& items, std::string_view text);

}  // namespace sarovin
