#include "form/birth_summary.h"

#include "form/list_items.h"

namespace sarovin {

namespace {

std::string TwoDigits(int number) {
    return (number < 10 ? "0" : "") + std::to_string(number);
}

}  // namespace

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
