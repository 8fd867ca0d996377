#include "drishti/sputa_drishti.h"

#include "drishti/body_captions.h"
#include "drishti/sputa_grid.h"

namespace sarovin {

namespace {

std::array<std::string, BODY_COUNT> PositionsOf(const BodyTable& bodies) {
    std::array<std::string, BODY_COUNT> positions;
    for (int body = 0; body < BODY_COUNT; ++body) {
        positions[body] = bodies.entries[body].position;
    }
    return positions;
}

}  // namespace

SputaDrishti ComputeSputaDrishti(const BodyTable& bodies) {
    const SputaDistances distances = ComputeSputaDistances(bodies);
    return {SputaGridOf(distances), distances, SputaRowCaptions(), SputaColumnCaptions(),
            PositionsOf(bodies)};
}

}  // namespace sarovin
