#pragma once

#include <array>

#include "drishti/drishti_row.h"
#include "drishti/graha_drishti.h"
#include "drishti/rashi_drishti.h"
#include "drishti/sputa_drishti.h"
#include "engine/body_table.h"

namespace sarovin {

// Everything one calculation shows: the body table and the three results.
struct DrishtiReport {
    BodyTable bodies;
    std::array<DrishtiRow, GRAHA_ROWS> graha;
    std::array<DrishtiRow, RASHI_ROWS> rashi;
    SputaDrishti sputa;

    friend bool operator==(const DrishtiReport&, const DrishtiReport&) = default;
};

DrishtiReport ComputeDrishtiReport(const BodyTable& bodies);

// The engine and the three Drishti computations for one birth record.
DrishtiReport ComputeDrishtiReport(const BirthRecord& record);

}  // namespace sarovin
