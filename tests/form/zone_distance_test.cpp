#include "form/zone_distance.h"

#include <gtest/gtest.h>

namespace sarovin {
namespace {

// Local mean time runs 4 minutes of time a degree of longitude east of
// Greenwich: 77°36' E keeps +5:10:24, 74°00' W -4:56:00, 75°00' E +5:00:00
// and 75°15' E +5:01:00.
struct DistanceCase {
    const char* offset;
    const char* degrees;
    const char* minutes;
    LongitudeHemisphere hemisphere;
    const char* note;
};

const DistanceCase CASES[] = {
    // -9:00 less +5:10:24 is 14 h 10 min 24 s apart.
    {"-09:00", "77", "36", LongitudeHemisphere::East,
     "UTC-09:00 is 14 h from local mean time at 77\u00B036' E"},
    // +5:30 less -4:56 is 10 h 26 min apart.
    {"+05:30", "74", "00", LongitudeHemisphere::West,
     "UTC+05:30 is 10 h from local mean time at 74\u00B000' W"},
    // Three hours exactly is worth the word; a minute less is not.
    {"+08:00", "75", "00", LongitudeHemisphere::East,
     "UTC+08:00 is 3 h from local mean time at 75\u00B000' E"},
    {"+08:00", "75", "15", LongitudeHemisphere::East, ""},
    // India's own time at Bangalore, and a longitude not yet typed.
    {"+05:30", "77", "36", LongitudeHemisphere::East, ""},
    {"-09:00", "", "", LongitudeHemisphere::East, ""},
};

TEST(ZoneDistanceNote, SpeaksOnlyWhenTheClockIsHoursFromTheLongitudesMeanTime) {
    for (const DistanceCase& c : CASES) {
        InputForm form;
        form.utcOffset = c.offset;
        form.longitudeDegrees = c.degrees;
        form.longitudeMinutes = c.minutes;
        form.longitudeHemisphere = c.hemisphere;
        EXPECT_EQ(ZoneDistanceNote(form), c.note) << c.offset << " " << c.degrees;
    }
}

}  // namespace
}  // namespace sarovin
