#include "form/input_checks.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "form/list_items.h"
#include "text/utc_offset_text.h"

namespace sarovin {

namespace {

constexpr int FEBRUARY = 2;
constexpr int LONGEST_MONTH = 31;

// A text of spaces only is as empty as no text: a saved reading trims it
// away, and the file would then not open again.
bool IsBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

// Leap years are those divisible by four; between 1901 and 2050 that
// agrees with the Gregorian calendar.
bool FebruaryLacks(int day, int month, int year) {
    const int lastDay = year % 4 == 0 ? 29 : 28;
    return month == FEBRUARY && day > lastDay;
}

bool ThirtyDayMonthHas31(int day, int month) {
    constexpr std::array<int, 4> THIRTY_DAY_MONTHS = {4, 6, 9, 11};
    return day == LONGEST_MONTH && std::find(THIRTY_DAY_MONTHS.begin(), THIRTY_DAY_MONTHS.end(),
                                             month) != THIRTY_DAY_MONTHS.end();
}

struct Check {
    bool (*fails)(const InputForm&);
    std::string_view message;
    MessageIcon icon;
    InputField focus;
    FormRepair repair;
};

constexpr std::array<Check, 10> TEXT_CHECKS = {{
    {[](const InputForm& f) { return IsBlank(f.name); }, "Please Enter Your Name",
     MessageIcon::Error, InputField::Name, FormRepair::None},
    {[](const InputForm& f) { return f.latitudeDegrees.empty(); },
     "Please Enter Degree of Latitude", MessageIcon::Error, InputField::LatitudeDegrees,
     FormRepair::None},
    {[](const InputForm& f) { return f.latitudeMinutes.empty(); },
     "Please Enter Minutes of Latitude", MessageIcon::Error, InputField::LatitudeMinutes,
     FormRepair::None},
    {[](const InputForm& f) { return f.longitudeDegrees.empty(); },
     "Please Enter Degree of Longitude", MessageIcon::Error, InputField::LongitudeDegrees,
     FormRepair::None},
    {[](const InputForm& f) { return f.longitudeMinutes.empty(); },
     "Please Enter Minute of Longitude", MessageIcon::Error, InputField::LongitudeMinutes,
     FormRepair::None},
    {[](const InputForm& f) { return IsBlank(f.city); }, "Please Enter Your City name",
     MessageIcon::Error, InputField::City, FormRepair::None},
    {[](const InputForm& f) { return IsBlank(f.state); }, "Please Enter Your State name",
     MessageIcon::Error, InputField::State, FormRepair::None},
    {[](const InputForm& f) { return IsBlank(f.country); }, "Please Enter Your Country name",
     MessageIcon::Error, InputField::Country, FormRepair::None},
    {[](const InputForm& f) { return f.latitudeHemisphere == LatitudeHemisphere::None; },
     "Please Select Direction For The Latitude", MessageIcon::Error, InputField::None,
     FormRepair::ChooseNorth},
    {[](const InputForm& f) { return f.longitudeHemisphere == LongitudeHemisphere::None; },
     "Please Select Direction For The Longitude", MessageIcon::Error, InputField::None,
     FormRepair::ChooseEast},
}};

}  // namespace

bool DateIsOnCalendar(int day, int month, int year) {
    return !CalendarRefusal(day, month, year);
}

std::optional<Refusal> CalendarRefusal(int day, int month, int year) {
    if (FebruaryLacks(day, month, year)) {
        return Refusal{"Please Enter Correct Date Or Month!", MessageIcon::Information};
    }
    if (ThirtyDayMonthHas31(day, month)) {
        return Refusal{"Please Enter Correct Date Or Month !", MessageIcon::Information};
    }
    return std::nullopt;
}

std::optional<Refusal> FirstFailingCheck(const InputForm& form) {
    for (const Check& check : TEXT_CHECKS) {
        if (check.fails(form)) {
            return Refusal{std::string(check.message), check.icon, check.focus, check.repair};
        }
    }
    if (std::optional<Refusal> refusal =
            CalendarRefusal(ValueAt(PanelList::Day, form.dayPosition),
                            ValueAt(PanelList::Month, form.monthPosition),
                            ValueAt(PanelList::Year, form.yearPosition))) {
        return refusal;
    }
    if (!form.utcOffset.empty() && !ParseUtcOffset(form.utcOffset)) {
        return Refusal{"The UTC offset \"" + form.utcOffset + "\" cannot be used: give " +
                           std::string(UTC_OFFSET_WANTED) + ".",
                       MessageIcon::Error, InputField::UtcOffset, FormRepair::None};
    }
    if (!form.zoneUnsettled.empty()) {
        return Refusal{form.zoneUnsettled, MessageIcon::Information, InputField::None,
                       FormRepair::None};
    }
    return std::nullopt;
}

void ApplyRepair(FormRepair repair, InputForm& form) {
    switch (repair) {
        case FormRepair::ChooseNorth:
            form.latitudeHemisphere = LatitudeHemisphere::North;
            break;
        case FormRepair::ChooseEast:
            form.longitudeHemisphere = LongitudeHemisphere::East;
            break;
        case FormRepair::None:
            break;
    }
}

}  // namespace sarovin
