#pragma once

#include <gtest/gtest.h>

#include "calculation/calculation.h"
#include "tests/support/sample_forms.h"

namespace sarovin::testing {

// The book's longitudes of Raman's standard horoscope, its Lagna and its
// 10th madhya ("Graha and Bhava Balas").
inline GivenPositions RamanPositions() {
    return *ReadGivenPositions(
        "Sun=180:53:55,Moon=311:17:19,Mars=229:30:34,Mercury=181:31:34,Jupiter=84:00:49,"
        "Venus=171:09:56,Saturn=124:22:41,Rahu=234:23:47,Lagna=298:27,MC=216:36",
        "Raman's positions");
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
