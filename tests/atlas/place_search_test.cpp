#include "atlas/place_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>

namespace sarovin {
namespace {

// Coordinates and zones are those of the towns' entries on geonames.org;
// the tolerance allows for the library rounding them.
constexpr double COORDINATE_TOLERANCE = 0.01;

TEST(KnownPlaces, HoldTheLibrarysTownsOnce) {
    const std::span<const Place> places = KnownPlaces();
    EXPECT_GT(places.size(), 20'000u);
    EXPECT_EQ(KnownPlaces().data(), places.data());
    EXPECT_TRUE(std::all_of(places.begin(), places.end(), [](const Place& place) {
        return !place.name.empty() && !place.zoneId.empty() && place.latitude >= -90.0 &&
               place.latitude <= 90.0 && place.longitude >= -180.0 && place.longitude <= 180.0;
    }));
}

TEST(FindPlaces, FindsUjjainFromItsFirstLetters) {
    const std::vector<Place> found = FindPlaces("Ujj", 10);
    ASSERT_FALSE(found.empty());
    const Place& ujjain = found.front();
    EXPECT_EQ(ujjain.Label(), "Ujjain, Madhya Pradesh, India");
    EXPECT_EQ(ujjain.countryCode, "IN");
    EXPECT_NEAR(ujjain.latitude, 23.18239, COORDINATE_TOLERANCE);
    EXPECT_NEAR(ujjain.longitude, 75.77643, COORDINATE_TOLERANCE);
    EXPECT_EQ(ujjain.zoneId, "Asia/Kolkata");
    EXPECT_GT(ujjain.population, 0u);
}

TEST(FindPlaces, MatchesWithoutAccentsOrCase) {
    for (const char* text : {"Sao Paulo", "SAO PAULO", "são paulo"}) {
        const std::vector<Place> found = FindPlaces(text, 5);
        ASSERT_FALSE(found.empty()) << text;
        EXPECT_EQ(found.front().name, "São Paulo") << text;
        EXPECT_EQ(found.front().zoneId, "America/Sao_Paulo") << text;
    }
}

// A German user: the library's catalogues would give "München, Bayern,
// Deutschland" (msgunfmt /usr/share/locale/de/LC_MESSAGES/geonames.mo).
// Set before the atlas is first read, which it is once per program.
const bool GERMAN_USER = [] {
    setenv("LANGUAGE", "de", 1);
    return std::setlocale(LC_ALL, "C.UTF-8") != nullptr;
}();

TEST(FindPlaces, KeepsGeoNamesOwnNamesWhateverTheUsersLanguage) {
    ASSERT_TRUE(GERMAN_USER);
    const std::vector<Place> found = FindPlaces("Munich", 1);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found.front().Label(), "Munich, Bavaria, Germany");
}

TEST(ResolvePlace, NewYorkIsTheCityNotWestNewYork) {
    const Result<Place> place = ResolvePlace("New York");
    ASSERT_TRUE(place) << place.refusal().message;
    EXPECT_EQ(place->Label(), "New York, New York, United States of America");
    EXPECT_NEAR(place->latitude, 40.71427, COORDINATE_TOLERANCE);
    EXPECT_NEAR(place->longitude, -74.00597, COORDINATE_TOLERANCE);
    EXPECT_EQ(place->zoneId, "America/New_York");
}

TEST(ResolvePlace, LondonAloneIsAmbiguousAndItsCountryDecides) {
    const Result<Place> alone = ResolvePlace("London");
    ASSERT_FALSE(alone);
    EXPECT_NE(alone.refusal().message.find("\nLondon, England, United Kingdom"), std::string::npos);
    EXPECT_NE(alone.refusal().message.find("\nLondon, Ontario, Canada"), std::string::npos);

    const Result<Place> british = ResolvePlace("London, United Kingdom");
    ASSERT_TRUE(british) << british.refusal().message;
    EXPECT_EQ(british->Label(), "London, England, United Kingdom");
    EXPECT_NEAR(british->latitude, 51.50853, COORDINATE_TOLERANCE);
    EXPECT_EQ(british->zoneId, "Europe/London");
}

TEST(ResolvePlace, IgnoresCase) {
    for (const char* query : {"ujjain", "UJJAIN", "Ujjain, madhya pradesh"}) {
        const Result<Place> place = ResolvePlace(query);
        ASSERT_TRUE(place) << query;
        EXPECT_EQ(place->Label(), "Ujjain, Madhya Pradesh, India") << query;
    }
}

}  // namespace
}  // namespace sarovin
