#include "form/birth_summary.h"

#include "form/list_items.h"
#include "text/two_digits.h"

namespace sarovin {

std::string BirthSummary(const BirthRecord& record) {
    const std::string place = BirthPlaceText(record);
    return record.name + " \u2014 " + BirthMomentText(record) + (place.empty() ? "" : ", " + place);
}

std::string CivilMomentText(const CivilTime& time) {
    return std::to_string(time.day) + " " + std::string(MonthNameAt(time.month)) + " " +
           std::to_string(time.year) + " " + TwoDigits(time.hour) + ":" + TwoDigits(time.minute);
}

std::string BirthMomentText(const BirthRecord& record) {
    return CivilMomentText({record.year, record.month, record.day, record.hour, record.minute});
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
