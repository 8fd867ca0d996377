#include "form/list_items.h"

#include <algorithm>

namespace sarovin {

namespace {

std::vector<std::string> NumberItems(int first, int last) {
    std::vector<std::string> items;
    for (int value = first; value <= last; ++value) {
        items.push_back(std::to_string(value));
    }
    return items;
}

}  // namespace

const ListItems& StandardListItems() {
    static const ListItems items{
        NumberItems(1, 31),
        {"January", "February", "March", "April", "May", "June", "July", "August", "September",
         "October", "November", "December"},
        NumberItems(FIRST_YEAR, LAST_YEAR),
        NumberItems(0, 23),
        NumberItems(0, 59),
    };
    return items;
}

int PositionOfItem(const std::vector<std::string>& items, std::string_view text) {
    const auto found = std::find(items.begin(), items.end(), text);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

std::string_view MonthNameAt(int month) {
    const std::vector<std::string>& months = StandardListItems().months;
    if (month < 1 || month > static_cast<int>(months.size())) {
        return {};
    }
    return months[static_cast<std::size_t>(month - 1)];
}

}  // namespace sarovin
