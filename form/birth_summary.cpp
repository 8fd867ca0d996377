#include "form/birth_summary.h"

#include "form/list_items.h"
#include "text/two_digits.h"

namespace sarovin {

std::string BirthSummary(const BirthRecord& record) {
    const std::string place = BirthPlaceText(record);
    return record.name + " \u2014 " + BirthMomentText(record) + (place.empty() ? "" : ", " + place);
}

std::string BirthMomentText(const BirthRecord& record) {
    return std::to_string(record.day) + " " + std::string(MonthNameAt(record.month)) + " " +
           std::to_string(record.year) + " " + TwoDigits(record.hour) + ":" +
           TwoDigits(record.minute);
}

std::string BirthPlaceText(const BirthRecord& record) {
    std::string line;
    for (const std::string* place : {&record.city, &record.state, &record.country}) {
        if (!place->empty()) {
            line += (line.empty() ? "" : ", ") + *place;
        }
    }
    return line;
}

}  // namespace sarovin
