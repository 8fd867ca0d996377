#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/body_table.h"

namespace sarovin {

// One band of the distance between two bodies in whole degrees, bounds
// inclusive, with the strength formula of each rule; a special rule that
// does not apply in the band has no formula.
struct SputaBand {
    int lower;
    int upper;
    int (*general)(int distance);
    int (*mars)(int distance);
    int (*jupiter)(int distance);
    int (*saturn)(int distance);
};

inline constexpr int SPUTA_BANDS = 11;
extern const std::array<SputaBand, SPUTA_BANDS> SputaBandTable;

int SputaStrengthGeneral(const SputaBand& band, int distance);
int SputaStrengthMars(const SputaBand& band, int distance);
int SputaStrengthJupiter(const SputaBand& band, int distance);
int SputaStrengthSaturn(const SputaBand& band, int distance);

// Aspect strengths 0 to 60, row body on column body, in body-slot order.
using SputaGrid = std::array<std::array<std::int16_t, BODY_COUNT>, BODY_COUNT>;

// The whole-degree distance each strength was found from, row body to
// column body.
using SputaDistances = std::array<std::array<std::int16_t, BODY_COUNT>, BODY_COUNT>;

struct SputaDrishti {
    SputaGrid grid{};
    SputaDistances distances{};
    std::array<std::string, BODY_COUNT> rowCaptions;
    std::array<std::string, BODY_COUNT> columnCaptions;
    std::array<std::string, BODY_COUNT> positionCaptions;

    friend bool operator==(const SputaDrishti&, const SputaDrishti&) = default;
};

// The grid and its distances with the slots' captions (SlotNames) and the
// bodies' positions.
SputaDrishti ComputeSputaDrishti(const BodyTable& bodies);

}  // namespace sarovin
