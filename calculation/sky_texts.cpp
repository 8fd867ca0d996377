#include "calculation/sky_texts.h"

#include "engine/position_text.h"
#include "form/two_digits.h"

namespace sarovin {

namespace {

// Degrees, arc minutes and arc seconds, all truncated: 23°35'12".
std::string ArcText(double degrees) {
    const SignDms parts = SplitSignDms(degrees);
    return std::to_string(30 * parts.sign + parts.degrees) + "\u00B0" + TwoDigits(parts.minutes) +
           "'" + TwoDigits(parts.seconds) + "\"";
}

std::string UniversalTimeText(const CivilTime& time) {
    return std::to_string(time.year) + "-" + TwoDigits(time.month) + "-" + TwoDigits(time.day) +
           " " + TwoDigits(time.hour) + ":" + TwoDigits(time.minute);
}

}  // namespace

std::string EphemerisLine(const Sky& sky) {
    if (sky.used.ephemeris == Ephemeris::BuiltIn) {
        return std::string(BUILT_IN_EPHEMERIS_NAME) + " ephemeris, ayanamsa " +
               ArcText(sky.ayanamsa);
    }
    std::string line = std::string(SWISS_EPHEMERIS_NAME) + ", Lahiri ayanamsa " +
                       ArcText(sky.ayanamsa) +
                       (sky.used.node == LunarNode::True ? ", true node" : ", mean node");
    if (sky.universalTime) {
        line += ", UT " + UniversalTimeText(*sky.universalTime);
    }
    return line;
}

std::string LagnaPosition(const Sky& sky) {
    return sky.lagna ? ShortPositionOf(SplitSignDms(*sky.lagna)) : std::string();
}

std::string LagnaLine(const Sky& sky) {
    return sky.lagna ? "Lagna " + LagnaPosition(sky) : std::string();
}

}  // namespace sarovin
