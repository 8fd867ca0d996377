#include "calculation/engine_agreement.h"

#include <gtest/gtest.h>

namespace sarovin {
namespace {

// Madrid, 22 January 1975 12:00 on Central European Time (row 20),
// 40°25' N 3°42' W. The built-in Moon is 00 Tau 44 (Vrishabha), as
//   python3 tests/reference/builtin_positions.py 1975-01-22,12:00,-1,0,3W42
// re-derives it; the Swiss Ephemeris puts it at 29.6689° (Mesha):
//   swetest -b22.1.1975 -ut11:00 -p1 -sid1 -fPl -head -eswe
//     -edir/usr/share/libswe/ephe
// Every other body shares its sign in both, and at 23:00 (22:00 UT) all
// nine do (the same two commands, 23:00 and -ut22:00).
InputForm MadridForm() {
    InputForm form;
    form.name = "Madrid";
    form.dayPosition = 21;
    form.monthPosition = 0;
    form.yearPosition = 1975 - 1901;
    form.hourPosition = 12;
    form.zonePosition = 20;
    form.latitudeDegrees = "40";
    form.latitudeMinutes = "25";
    form.longitudeDegrees = "3";
    form.longitudeMinutes = "42";
    form.longitudeHemisphere = LongitudeHemisphere::West;
    form.city = form.state = form.country = "Madrid";
    return form;
}

TEST(PrecisionWarnings, NameEachBodyTheSwissEphemerisPutsInAnotherSign) {
    const Result<Calculation> builtIn = ComputeForm(MadridForm(), {}, {});
    ASSERT_TRUE(builtIn);
    EXPECT_EQ(
        PrecisionWarnings(*builtIn),
        std::vector<std::string>{"The Swiss Ephemeris puts the Moon in Mesha, not Vrishabha"});
    const Result<Calculation> swiss =
        ComputeForm(MadridForm(), {}, {Ephemeris::Swiss, LunarNode::Mean});
    ASSERT_TRUE(swiss);
    EXPECT_TRUE(PrecisionWarnings(*swiss).empty());
    InputForm hourLater = MadridForm();
    hourLater.hourPosition = 23;
    EXPECT_TRUE(PrecisionWarnings(*ComputeForm(hourLater, {}, {})).empty());
}

}  // namespace
}  // namespace sarovin
