#include "dasha/dasha_year.h"

namespace sarovin {

namespace {

constexpr double SIDEREAL_YEAR_DAYS = 365.256364;
constexpr double JULIAN_YEAR_DAYS = 365.25;
constexpr double SAVANA_YEAR_DAYS = 360;

}  // namespace

double DaysInYear(DashaYear year) {
    switch (year) {
        case DashaYear::Julian:
            return JULIAN_YEAR_DAYS;
        case DashaYear::Savana:
            return SAVANA_YEAR_DAYS;
        case DashaYear::Sidereal:
            break;
    }
    return SIDEREAL_YEAR_DAYS;
}

}  // namespace sarovin
