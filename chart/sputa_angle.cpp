#include "chart/sputa_angle.h"

#include <cstdlib>

#include "engine/position_text.h"

namespace sarovin {

namespace {

// Whole degrees from the start of Aries of a position text "DD Sss MM".
int WholeDegrees(const std::string& position) {
    const int sign = static_cast<int>(SignAbbreviations.find(position.substr(3, 3)) / 3);
    return 30 * sign + std::atoi(position.substr(0, 2).c_str());
}

}  // namespace

int SputaAngle(const SputaDrishti& sputa, int row, int column) {
    return std::abs(WholeDegrees(sputa.positionCaptions[row]) -
                    WholeDegrees(sputa.positionCaptions[column]));
}

}  // namespace sarovin
