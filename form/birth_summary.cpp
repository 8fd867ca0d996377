#include "form/birth_summary.h"

#include "form/list_items.h"
#include "form/two_digits.h"

namespace sarovin {

std::string BirthSummary(const BirthRecord& record) {
    std::string line = record.name + " \u2014 " + std::to_string(record.day) + " " +
                       std::string(MonthNameAt(record.month)) + " " + std::to_string(record.year) +
                       " " + TwoDigits(record.hour) + ":" + TwoDigits(record.minute);
    for (const std::string* place : {&record.city, &record.state, &record.country}) {
        if (!place->empty()) {
            line += ", " + *place;
        }
    }
    return line;
}

}  // namespace sarovin
