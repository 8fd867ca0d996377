#pragma once

#include <gtest/gtest.h>

#include "calculation/calculation.h"
#include "tests/support/sample_forms.h"

namespace sarovin::testing {

// The book's longitudes of Raman's standard horoscope, its Lagna and its
// 10th madhya ("Graha and Bhava Balas").
inline GivenPositions RamanPositions() {
    GivenPositions given;
    given.bodies = {180 + 53 / 60.0 + 55 / 3600.0,
                    311 + 17 / 60.0 + 19 / 3600.0,
                    229 + 30 / 60.0 + 34 / 3600.0,
                    181 + 31 / 60.0 + 34 / 3600.0,
                    84 + 49 / 3600.0,
                    171 + 9 / 60.0 + 56 / 3600.0,
                    124 + 22 / 60.0 + 41 / 3600.0,
                    234 + 23 / 60.0 + 47 / 3600.0};
    given.lagna = 298 + 27 / 60.0;
    given.midheaven = 216 + 36 / 60.0;
    return given;
}

// Raman's example from the book's positions, with his ayanamsa under the
// classical rules.
inline Calculation RamanCalculation() {
    EphemerisChoice choice{Ephemeris::Swiss, LunarNode::Mean, AyanamsaSystem::Raman,
                           Rules::Classical};
    choice.given = RamanPositions();
    Result<Calculation> calculation =
        CalculateForm(RamanForm(), BirthRecord{}, choice, CalculationScope{});
    EXPECT_TRUE(calculation) << (calculation ? "" : calculation.refusal().message);
    return *calculation;
}

}  // namespace sarovin::testing
