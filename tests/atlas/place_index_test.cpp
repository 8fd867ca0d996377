#include "atlas/place_index.h"

#include <gtest/gtest.h>

#include <sstream>

#include "atlas/place_matching.h"

namespace sarovin {
namespace {

Place MakePlace(std::string name, std::string region, std::string zone, double latitude,
                double longitude, std::uint64_t population) {
    Place place;
    place.name = std::move(name);
    place.region = std::move(region);
    place.country = "India";
    place.countryCode = "IN";
    place.zoneId = std::move(zone);
    place.latitude = latitude;
    place.longitude = longitude;
    place.population = population;
    return place;
}

// Written and read back, the atlas answers as before: names with marks,
// other names, places without a region, GeoNames' five decimals.
TEST(PlaceIndex, ReadsBackWhatItWrote) {
    const Gazetteer written(
        {MakePlace("Mumbai", "Maharashtra", "Asia/Kolkata", 19.07283, 72.88261, 12'691'836),
         MakePlace("Siddāpur", "Karnataka", "Asia/Kolkata", 14.34322, 74.894, 14'769),
         MakePlace("Port Blair", "", "Asia/Kolkata", 11.66613, 92.74635, 112'050)},
        {{0, "Bombay"}, {1, "Siddapura"}, {2, "Port-Blair"}});
    std::ostringstream out;
    WritePlaceIndex(written, out);
    const Result<Gazetteer> read = ReadPlaceIndex(out.str());
    ASSERT_TRUE(read) << read.refusal().message;
    ASSERT_EQ(read->Places().size(), 3u);
    for (const char* typed : {"Bombay", "siddapur", "Siddapura", "port blair", "ai", "r"}) {
        const std::vector<Place> before = SearchAtlas(written, typed, 10);
        const std::vector<Place> after = SearchAtlas(*read, typed, 10);
        ASSERT_EQ(after.size(), before.size()) << typed;
        for (std::size_t i = 0; i < before.size(); ++i) {
            EXPECT_EQ(after[i].Label(), before[i].Label()) << typed;
            EXPECT_EQ(after[i].latitude, before[i].latitude) << typed;
            EXPECT_EQ(after[i].longitude, before[i].longitude) << typed;
            EXPECT_EQ(after[i].zoneId, before[i].zoneId) << typed;
            EXPECT_EQ(after[i].population, before[i].population) << typed;
        }
    }
}

TEST(PlaceIndex, RefusesWhatIsNotAnIndex) {
    for (const char* text : {"", "sarovin-places 2\n", "sarovin-places 1\ncountries\t1\n",
                             "sarovin-places 1\ncountries\t0\nregions\t0\nzones\t0\nplaces\t1\n"
                             "X\t\t0\t0\t1\t1\t1\nnames\t0\n"}) {
        EXPECT_FALSE(ReadPlaceIndex(text)) << text;
    }
}

}  // namespace
}  // namespace sarovin
