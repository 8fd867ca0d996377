#include "calculation/sky_texts.h"

#include <cmath>

#include "engine/position_text.h"
#include "text/two_digits.h"

namespace sarovin {

namespace {

constexpr int YEAR_DIGITS = 4;
constexpr int SECONDS_PER_DEGREE = 3600;
constexpr int SECONDS_PER_MINUTE = 60;

std::string YearText(std::int64_t year) {
    std::string text = std::to_string(year);
    if (year >= 0 && text.size() < YEAR_DIGITS) {
        text.insert(0, YEAR_DIGITS - text.size(), '0');
    }
    return text;
}

}  // namespace

std::string UniversalTimeText(const CivilTime& time, char between) {
    return YearText(time.year) + "-" + TwoDigits(time.month) + "-" + TwoDigits(time.day) + between +
           TwoDigits(time.hour) + ":" + TwoDigits(time.minute);
}

std::string SkyUniversalTimeText(const Sky& sky, char between) {
    if (!sky.universalTime) {
        return {};
    }
    std::string text = UniversalTimeText(*sky.universalTime, between);
    if (sky.swissRequest) {
        // Julian days start at noon; the second of the day, to the nearest.
        constexpr double SECONDS_PER_DAY = 86400;
        const double dayPart = sky.swissRequest->julianDayUt + 0.5;
        const auto second =
            static_cast<long long>(std::llround((dayPart - std::floor(dayPart)) * SECONDS_PER_DAY));
        if (const int seconds = static_cast<int>(second % SECONDS_PER_MINUTE); seconds != 0) {
            text += ":" + TwoDigits(seconds);
        }
    }
    return text;
}

std::string ArcText(double degrees) {
    const auto seconds =
        static_cast<long long>(std::floor(std::fabs(degrees) * SECONDS_PER_DEGREE));
    return std::string(degrees < 0 ? "-" : "") + std::to_string(seconds / SECONDS_PER_DEGREE) +
           "\u00B0" + TwoDigits(seconds % SECONDS_PER_DEGREE / SECONDS_PER_MINUTE) + "'" +
           TwoDigits(seconds % SECONDS_PER_MINUTE) + "\"";
}

namespace {

// What found the positions, without the rules.
std::string PositionsLine(const Sky& sky) {
    if (sky.used.ephemeris == Ephemeris::BuiltIn) {
        return std::string(BUILT_IN_EPHEMERIS_NAME) + " ephemeris, ayanamsa " +
               ArcText(sky.ayanamsa);
    }
    std::string line = std::string(SWISS_EPHEMERIS_NAME) + ", " +
                       std::string(AyanamsaName(sky.used.ayanamsa)) + " ayanamsa " +
                       ArcText(sky.ayanamsa) +
                       (sky.used.node == LunarNode::True ? ", true node" : ", mean node");
    if (sky.universalTime) {
        line += ", UT " + SkyUniversalTimeText(sky, ' ');
    }
    return line;
}

}  // namespace

std::string_view AyanamsaName(AyanamsaSystem ayanamsa) {
    switch (ayanamsa) {
        case AyanamsaSystem::Raman:
            return "Raman";
        case AyanamsaSystem::Krishnamurti:
            return "Krishnamurti";
        case AyanamsaSystem::TrueChitra:
            return "True Chitra";
        case AyanamsaSystem::Yukteshwar:
            return "Yukteshwar";
        case AyanamsaSystem::FaganBradley:
            return "Fagan-Bradley";
        case AyanamsaSystem::Lahiri:
            break;
    }
    return "Lahiri";
}

std::string_view RulesName(Rules rules) {
    return rules == Rules::Classical ? "Classical (Parashara)" : "Sarovin 1.15";
}

std::string EphemerisLine(const Sky& sky) {
    return sky.used.rules == Rules::Sarovin115 ? PositionsLine(sky) : EphemerisLineWithRules(sky);
}

std::string EphemerisLineWithRules(const Sky& sky) {
    return PositionsLine(sky) + ", " + std::string(RulesName(sky.used.rules)) + " rules";
}

std::string LagnaPosition(const Sky& sky) {
    return sky.lagna ? ShortPositionOf(SplitSignDms(*sky.lagna)) : std::string();
}

std::string LagnaLine(const Sky& sky) {
    if (!sky.lagna) {
        return {};
    }
    // At a pole every direction is south (or north), so there is no east
    // point and no rising sign: the library's figure is only a convention.
    const bool atPole = sky.swissRequest && std::fabs(sky.swissRequest->latitudeDegrees) == 90;
    return "Lagna " + LagnaPosition(sky) +
           (atPole ? " (undefined at the pole: the library's convention)" : "");
}

}  // namespace sarovin
