#include "atlas/place_matching.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sarovin {
namespace {

Place MakePlace(std::string name, std::string region, std::string country, std::string code,
                std::uint64_t population) {
    Place place;
    place.name = std::move(name);
    place.region = std::move(region);
    place.country = std::move(country);
    place.countryCode = std::move(code);
    place.population = population;
    return place;
}

const std::vector<Place>& SmallAtlas() {
    static const std::vector<Place> places = {
        MakePlace("West New York", "New Jersey", "United States of America", "US", 53'366),
        MakePlace("New York", "New York", "United States of America", "US", 8'804'190),
        MakePlace("York", "England", "United Kingdom", "GB", 153'717),
        MakePlace("London", "Ontario", "Canada", "CA", 346'765),
        MakePlace("London", "England", "United Kingdom", "GB", 8'961'989),
        MakePlace("Londonderry", "Northern Ireland", "United Kingdom", "GB", 83'652),
        MakePlace("São Paulo", "São Paulo", "Brazil", "BR", 10'021'295),
        MakePlace("Ujjain", "Madhya Pradesh", "India", "IN", 457'346),
        MakePlace("Burgdorf, Hanover", "Lower Saxony", "Germany", "DE", 30'000),
        MakePlace("Burgdorf", "Bern", "Switzerland", "CH", 15'000),
    };
    return places;
}

std::vector<std::string> Labels(const std::vector<Place>& places) {
    std::vector<std::string> labels;
    for (const Place& place : places) {
        labels.push_back(place.Label());
    }
    return labels;
}

TEST(PlaceLabel, JoinsTheKnownParts) {
    EXPECT_EQ(MakePlace("Ujjain", "Madhya Pradesh", "India", "IN", 0).Label(),
              "Ujjain, Madhya Pradesh, India");
    EXPECT_EQ(MakePlace("Monaco", "", "Monaco", "MC", 0).Label(), "Monaco, Monaco");
}

TEST(SearchPlaces, WholeNamesThenPrefixesThenContainmentEachByPopulation) {
    EXPECT_EQ(Labels(SearchPlaces(SmallAtlas(), "york", 10)),
              (std::vector<std::string>{
                  "York, England, United Kingdom",
                  "New York, New York, United States of America",
                  "West New York, New Jersey, United States of America",
              }));
    EXPECT_EQ(Labels(SearchPlaces(SmallAtlas(), "London", 10)),
              (std::vector<std::string>{
                  "London, England, United Kingdom",
                  "London, Ontario, Canada",
                  "Londonderry, Northern Ireland, United Kingdom",
              }));
}

// Yorkton begins with "york" and comes before the far larger New York,
// which merely contains it.
TEST(SearchPlaces, APrefixRanksBeforeMereContainmentWhateverThePopulation) {
    std::vector<Place> places = SmallAtlas();
    places.push_back(MakePlace("Yorkton", "Saskatchewan", "Canada", "CA", 16'280));
    EXPECT_EQ(Labels(SearchPlaces(places, "york", 10)),
              (std::vector<std::string>{
                  "York, England, United Kingdom",
                  "Yorkton, Saskatchewan, Canada",
                  "New York, New York, United States of America",
                  "West New York, New Jersey, United States of America",
              }));
}

TEST(SearchPlaces, IgnoresCaseAndAccents) {
    for (const char* text : {"Sao Paulo", "SÃO PAULO", "sao", "paulo"}) {
        EXPECT_EQ(Labels(SearchPlaces(SmallAtlas(), text, 10)),
                  (std::vector<std::string>{"São Paulo, São Paulo, Brazil"}))
            << text;
    }
}

TEST(SearchPlaces, KeepsAtMostTheLimit) {
    EXPECT_EQ(Labels(SearchPlaces(SmallAtlas(), "lon", 1)),
              (std::vector<std::string>{"London, England, United Kingdom"}));
    EXPECT_TRUE(SearchPlaces(SmallAtlas(), "lon", 0).empty());
}

TEST(SearchPlaces, FindsNothingForEmptyOrUnknownText) {
    for (const char* text : {"", "  ", "-", "Atlantis"}) {
        EXPECT_TRUE(SearchPlaces(SmallAtlas(), text, 10).empty()) << text;
    }
    EXPECT_TRUE(SearchPlaces({}, "London", 10).empty());
}

struct ResolveCase {
    const char* query;
    const char* label;
};

TEST(ResolvePlaceAmong, WrittenQueriesMeanOnePlace) {
    const ResolveCase cases[] = {
        {"New York", "New York, New York, United States of America"},
        {"new york, US", "New York, New York, United States of America"},
        {"London, United Kingdom", "London, England, United Kingdom"},
        {"London, GB", "London, England, United Kingdom"},
        {"London,Ontario", "London, Ontario, Canada"},
        {"London, Ontario, CA", "London, Ontario, Canada"},
        {"UJJAIN", "Ujjain, Madhya Pradesh, India"},
        {"Sao Paulo, Brazil", "São Paulo, São Paulo, Brazil"},
        {"Burgdorf, Hanover", "Burgdorf, Hanover, Lower Saxony, Germany"},
        {"Burgdorf, Switzerland", "Burgdorf, Bern, Switzerland"},
    };
    for (const ResolveCase& c : cases) {
        const Result<Place> place = ResolvePlaceAmong(SmallAtlas(), c.query);
        ASSERT_TRUE(place) << c.query << ": " << place.refusal().message;
        EXPECT_EQ(place->Label(), c.label) << c.query;
    }
}

TEST(ResolvePlaceAmong, EveryLabelResolvesToItsPlace) {
    for (const Place& place : SmallAtlas()) {
        const Result<Place> resolved = ResolvePlaceAmong(SmallAtlas(), place.Label());
        ASSERT_TRUE(resolved) << place.Label();
        EXPECT_EQ(resolved->Label(), place.Label());
    }
}

TEST(ResolvePlaceAmong, SeveralPlacesAreListedBestFirst) {
    const Result<Place> place = ResolvePlaceAmong(SmallAtlas(), "London");
    ASSERT_FALSE(place);
    EXPECT_EQ(place.refusal().message,
              "\"London\" could be more than one place. Write it as one of these:\n"
              "London, England, United Kingdom\n"
              "London, Ontario, Canada");
    EXPECT_EQ(place.refusal().icon, MessageIcon::Error);
}

TEST(ResolvePlaceAmong, PartNamesAreOfferedNotTaken) {
    const Result<Place> place = ResolvePlaceAmong(SmallAtlas(), "Ujj");
    ASSERT_FALSE(place);
    EXPECT_EQ(place.refusal().message,
              "No place is known as \"Ujj\". Places with names like it:\n"
              "Ujjain, Madhya Pradesh, India");
}

TEST(ResolvePlaceAmong, RefusesEmptyAndUnknownQueries) {
    EXPECT_EQ(ResolvePlaceAmong(SmallAtlas(), " , ").refusal().message,
              "Please write the name of the place.");
    EXPECT_EQ(ResolvePlaceAmong(SmallAtlas(), "Atlantis").refusal().message,
              "No place is known as \"Atlantis\".");
    EXPECT_FALSE(ResolvePlaceAmong(SmallAtlas(), "London, England, Canada"));
    EXPECT_EQ(ResolvePlaceAmong(SmallAtlas(), "Ujjain, Gujarat").refusal().message,
              "No place is known as \"Ujjain, Gujarat\". Places with names like it:\n"
              "Ujjain, Madhya Pradesh, India");
}

TEST(ResolvePlaceAmong, ListsTenCandidatesAndCountsTheRest) {
    std::vector<Place> springfields;
    for (int i = 0; i < 12; ++i) {
        springfields.push_back(MakePlace("Springfield", "Region " + std::to_string(i),
                                         "United States of America", "US",
                                         static_cast<std::uint64_t>(1000 + i)));
    }
    const std::string message = ResolvePlaceAmong(springfields, "Springfield").refusal().message;
    EXPECT_NE(message.find("\nSpringfield, Region 11, United States of America\n"),
              std::string::npos);
    EXPECT_EQ(message.find("Region 1,"), std::string::npos);
    EXPECT_TRUE(
        message.ends_with("\nSpringfield, Region 2, United States of America\n(and 2 more)"));
}

}  // namespace
}  // namespace sarovin
