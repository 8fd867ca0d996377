#include "form/input_checks.h"

#include <array>

#include "form/list_items.h"

namespace sarovin {

namespace {

constexpr int FEBRUARY = 1;
constexpr int DAY_29 = 28;
constexpr int DAY_30 = 29;
constexpr int DAY_31 = 30;

constexpr std::array<CheckFailure, 12> CHECKS = {{
    {1, "Please Enter Your Name", MessageIcon::Error, InputField::Name},
    {2, "Please Enter Degree of Latitude", MessageIcon::Error, InputField::LatitudeDegrees},
    {3, "Please Enter Minutes of Latitude", MessageIcon::Error, InputField::LatitudeMinutes},
    {4, "Please Enter Degree of Longitude", MessageIcon::Error, InputField::LongitudeDegrees},
    {5, "Please Enter Minute of Longitude", MessageIcon::Error, InputField::LongitudeMinutes},
    {6, "Please Enter Your City name", MessageIcon::Error, InputField::City},
    {7, "Please Enter Your State name", MessageIcon::Error, InputField::State},
    {8, "Please Enter Your Country name", MessageIcon::Error, InputField::Country},
    {9, "Please Select Direction For The Latitude", MessageIcon::Error, InputField::None},
    {10, "Please Select Direction For The Longitude", MessageIcon::Error, InputField::None},
    {11, "Please Enter Correct Date Or Month!", MessageIcon::Information, InputField::None},
    {12, "Please Enter Correct Date Or Month !", MessageIcon::Information, InputField::None},
}};

// Leap years are those divisible by four; between 1901 and 2050 that
// agrees with the Gregorian calendar.
bool FebruaryLacksDay(const InputForm& form) {
    if (form.monthPosition != FEBRUARY) {
        return false;
    }
    const bool leap = (FIRST_YEAR + form.yearPosition) % 4 == 0;
    const int firstMissingDay = leap ? DAY_30 : DAY_29;
    return form.dayPosition >= firstMissingDay;
}

bool ThirtyDayMonthHasDay31(const InputForm& form) {
    constexpr std::array<int, 4> THIRTY_DAY_MONTHS = {3, 5, 8, 10};
    for (const int month : THIRTY_DAY_MONTHS) {
        if (form.monthPosition == month && form.dayPosition == DAY_31) {
            return true;
        }
    }
    return false;
}

std::array<bool, 12> FailedChecks(const InputForm& form) {
    return {
        form.name.empty(),
        form.latitudeDegrees.empty(),
        form.latitudeMinutes.empty(),
        form.longitudeDegrees.empty(),
        form.longitudeMinutes.empty(),
        form.city.empty(),
        form.state.empty(),
        form.country.empty(),
        form.latitudeHemisphere == LatitudeHemisphere::None,
        form.longitudeHemisphere == LongitudeHemisphere::None,
        FebruaryLacksDay(form),
        ThirtyDayMonthHasDay31(form),
    };
}

}  // namespace

const CheckFailure* FirstFailingCheck(const InputForm& form) {
    const std::array<bool, 12> failed = FailedChecks(form);
    for (std::size_t step = 0; step < CHECKS.size(); ++step) {
        if (failed[step]) {
            return &CHECKS[step];
        }
    }
    return nullptr;
}

void ApplyCheckRepair(const CheckFailure& failure, InputForm& form) {
    if (failure.step == 9) {
        form.latitudeHemisphere = LatitudeHemisphere::North;
    } else if (failure.step == 10) {
        form.longitudeHemisphere = LongitudeHemisphere::East;
    }
}

}  // namespace sarovin
