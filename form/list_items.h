#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sarovin {

inline constexpr int FIRST_YEAR = 1901;
inline constexpr int LAST_YEAR = 2050;
// Degree and minute boxes take at most this many characters.
inline constexpr int DEGREE_BOX_LENGTH = 3;

// The six lists of the panel. Each holds consecutive values from its first
// on, one per position: days and months from 1, years from FIRST_YEAR,
// hours, minutes and zone rows from 0.
enum class PanelList { Day, Month, Year, Hour, Minute, Zone };

// The position a list reports when nothing is chosen, and PositionOf gives
// for a value the list does not hold.
inline constexpr int NO_POSITION = -1;

// The value standing at `position`: the list's first value plus the
// position, whether or not the list reaches that far.
int ValueAt(PanelList list, int position);

// True when the list has an item at `position`.
bool IsOnList(PanelList list, int position);

// The position of `value`, or NO_POSITION when the list does not hold it.
int PositionOf(PanelList list, int value);

// The name of a month 1 to 12, or an empty text for any other number.
std::string_view MonthNameAt(int month);

// The items of the five date and time lists, as their texts: the numbers
// in plain decimal, the months by name.
struct ListItems {
    std::vector<std::string> days;
    std::vector<std::string> months;
    std::vector<std::string> years;
    std::vector<std::string> hours;
    std::vector<std::string> minutes;
};

const ListItems& StandardListItems();

// Position of the item whose text equals `text`, or NO_POSITION when none
// does.
int PositionOfItem(const std::vector<std::string>& items, std::string_view text);

}  // namespace sarovin
