#include "drishti/classical_rashi_drishti.h"

#include <algorithm>

namespace sarovin {

namespace {

// Counted forward from the aspecting sign: a movable sign (Mesha, sign 0)
// reaches the fixed signs 4, 7 and 10 signs on, skipping the one next to
// it; a fixed sign reaches the movable signs 2, 5 and 8 on, skipping the
// one before it; a dual sign the dual signs 3, 6 and 9 on.
constexpr std::array<AspectedSigns, 3> OFFSETS_BY_MODALITY = {{{4, 7, 10}, {2, 5, 8}, {3, 6, 9}}};

constexpr std::array<AspectedSigns, SIGN_COUNT> MakeClassicalAspects() {
    std::array<AspectedSigns, SIGN_COUNT> table{};
    for (int sign = 0; sign < SIGN_COUNT; ++sign) {
        const AspectedSigns& offsets = OFFSETS_BY_MODALITY[sign % 3];
        for (std::size_t at = 0; at < offsets.size(); ++at) {
            table[sign][at] = (sign + offsets[at]) % SIGN_COUNT;
        }
        std::sort(table[sign].begin(), table[sign].end());
    }
    return table;
}

}  // namespace

const std::array<AspectedSigns, SIGN_COUNT> ClassicalRashiAspects = MakeClassicalAspects();

}  // namespace sarovin
