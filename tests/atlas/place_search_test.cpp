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
    EXPECT_EQ(place->Label(), "New York City (New York), New York, United States of America");
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

// GeoNames counts its places of 1,000 people or more at about 130,000
// (readme.txt of the dump, on cities1000); a town of 15,000 such as
// Siddapur, Karnataka (GeoNames 1256385) is among them.
TEST(KnownPlaces, HoldThePlacesOfAThousandPeople) {
    EXPECT_GE(KnownPlaces().size(), 130'000u);
}

// The names on birth certificates written before the cities were renamed,
// and towns of a few thousand people. Labels, coordinates and zones from
// the places' GeoNames entries (ids 1277333, 1275339, 1264527, 1275004,
// 1259229, 1253405, 1256385, 1278551, 1176734); the former names from the
// renamings (Bombay 1995, Madras 1996, Calcutta 2001, Bangalore 2014,
// Poona 1978, Benares 1956, Gurgaon 2016, Allahabad 2018).
TEST(FindPlaces, FindsACityByAnyNameItIsKnownBy) {
    struct Case {
        const char* typed;
        const char* label;
        double latitude;
        double longitude;
        const char* zoneId;
    };
    const Case cases[] = {
        {"Bangalore", "Bengaluru (Bangalore), Karnataka, India", 12.97194, 77.59369,
         "Asia/Kolkata"},
        {"Bombay", "Mumbai (Bombay), Maharashtra, India", 19.07283, 72.88261, "Asia/Kolkata"},
        {"madras", "Chennai (Madras), Tamil Nadu, India", 13.08784, 80.27847, "Asia/Kolkata"},
        {"CALCUTTA", "Kolkata (Calcutta), West Bengal, India", 22.56263, 88.36304, "Asia/Kolkata"},
        {"Poona", "Pune (Poona), Maharashtra, India", 18.51957, 73.85535, "Asia/Kolkata"},
        {"Benares", "Varanasi (Benares), Uttar Pradesh, India", 25.31668, 83.01041, "Asia/Kolkata"},
        {"Gurugram", "Gurgaon (Gurugram), Haryana, India", 28.4601, 77.02635, "Asia/Kolkata"},
        {"Prayagraj", "Allah\u0101b\u0101d (Prayagraj), Uttar Pradesh, India", 25.44478, 81.84322,
         "Asia/Kolkata"},
        {"Siddapur", "Sidd\u0101pur, Karnataka, India", 14.34322, 74.894, "Asia/Kolkata"},
        {"Ankola, Karnataka", "Ankola, Karnataka, India", 14.66049, 74.3047, "Asia/Kolkata"},
        {"Hyderabad, Sindh", "Hyderabad, Sindh, Pakistan", 25.39242, 68.37366, "Asia/Karachi"},
        {"Hyderabad, Pakistan", "Hyderabad, Sindh, Pakistan", 25.39242, 68.37366, "Asia/Karachi"},
    };
    for (const Case& c : cases) {
        const std::vector<Place> found = FindPlaces(c.typed, 5);
        ASSERT_FALSE(found.empty()) << c.typed;
        EXPECT_EQ(found.front().Label(), c.label) << c.typed;
        const Result<Place> resolved = ResolvePlace(c.typed);
        ASSERT_TRUE(resolved) << resolved.refusal().message;
        EXPECT_EQ(resolved->Label(), c.label);
        EXPECT_NEAR(resolved->latitude, c.latitude, COORDINATE_TOLERANCE) << c.typed;
        EXPECT_NEAR(resolved->longitude, c.longitude, COORDINATE_TOLERANCE) << c.typed;
        EXPECT_EQ(resolved->zoneId, c.zoneId) << c.typed;
    }
}

// Where a comma cannot be typed, as in the City box, the last words may
// still name the region.
TEST(FindPlaces, TheLastWordsMayNameTheRegion) {
    const std::vector<Place> found = FindPlaces("Hyderabad Sindh", 5);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.front().Label(), "Hyderabad, Sindh, Pakistan");
}

}  // namespace
}  // namespace sarovin
