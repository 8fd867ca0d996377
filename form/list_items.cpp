#include "form/list_items.h"

#include <algorithm>
#include <array>

#include "tables/zone_table.h"

namespace sarovin {

namespace {

struct ListRange {
    int first;
    int last;
};

// In the order of PanelList.
constexpr std::array<ListRange, 6> LIST_RANGES = {{
    {1, 31},
    {1, 12},
    {FIRST_YEAR, LAST_YEAR},
    {0, 23},
    {0, 59},
    {0, ZONE_COUNT - 1},
}};

constexpr std::array<std::string_view, 12> MONTH_NAMES = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

const ListRange& RangeOf(PanelList list) {
    return LIST_RANGES[static_cast<std::size_t>(list)];
}

std::vector<std::string> NumberItems(PanelList list) {
    std::vector<std::string> items;
    for (int value = RangeOf(list).first; value <= RangeOf(list).last; ++value) {
        items.push_back(std::to_string(value));
    }
    return items;
}

}  // namespace

int ValueAt(PanelList list, int position) {
    return RangeOf(list).first + position;
}

bool IsOnList(PanelList list, int position) {
    return position >= 0 && position <= RangeOf(list).last - RangeOf(list).first;
}

int PositionOf(PanelList list, int value) {
    const int position = value - RangeOf(list).first;
    return IsOnList(list, position) ? position : NO_POSITION;
}

std::string_view MonthNameAt(int month) {
    const int position = PositionOf(PanelList::Month, month);
    return position == NO_POSITION ? std::string_view{}
                                   : MONTH_NAMES[static_cast<std::size_t>(position)];
}

const ListItems& StandardListItems() {
    static const ListItems items{
        NumberItems(PanelList::Day),    {MONTH_NAMES.begin(), MONTH_NAMES.end()},
        NumberItems(PanelList::Year),   NumberItems(PanelList::Hour),
        NumberItems(PanelList::Minute),
    };
    return items;
}

int PositionOfItem(const std::vector<std::string>& items, std::string_view text) {
    const auto found = std::find(items.begin(), items.end(), text);
    return found == items.end() ? NO_POSITION : static_cast<int>(found - items.begin());
}

}  // namespace sarovin
