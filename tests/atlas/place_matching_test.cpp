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

// Two towns of GeoNames share the label "Sainte-Catherine, Quebec,
// Canada"; the coordinates --find-place prints (by hand: 45.4° is 45°24',
// 73.5833° is 73°35', 46.85° is 46°51', 71.6167° is 71°37') tell them
// apart, in the advice and in the query.
TEST(ResolvePlaceAmong, TownsOfOneLabelAreToldApartByTheirCoordinates) {
    std::vector<Place> places = {MakePlace("Sainte-Catherine", "Quebec", "Canada", "CA", 17'000),
                                 MakePlace("Sainte-Catherine", "Quebec", "Canada", "CA", 7'000)};
    places[0].latitude = 45.4;
    places[0].longitude = -73.5833;
    places[1].latitude = 46.85;
    places[1].longitude = -71.6167;
    const std::string first = "Sainte-Catherine, Quebec, Canada 45\u00B024' N 73\u00B035' W";
    const std::string second = "Sainte-Catherine, Quebec, Canada 46\u00B051' N 71\u00B037' W";
    EXPECT_EQ(ResolvePlaceAmong(places, "Sainte-Catherine, Quebec, Canada").refusal().message,
              "\"Sainte-Catherine, Quebec, Canada\" could be more than one place. Write it as one "
              "of these:\n" +
                  first + "\n" + second);
    const std::pair<std::string, double> cases[] = {
        {first, 45.4},
        {second, 46.85},
        {"sainte catherine, CA,\t46\u00B051' N 71\u00B037' W", 46.85},
    };
    for (const auto& [query, latitude] : cases) {
        const Result<Place> place = ResolvePlaceAmong(places, query);
        ASSERT_TRUE(place) << query;
        EXPECT_EQ(place->latitude, latitude) << query;
    }
    EXPECT_FALSE(ResolvePlaceAmong(places, "Sainte-Catherine 10\u00B000' N 10\u00B000' E"));
}

// Two towns whose labels differ only in marks, at the same minute: each
// label, written back from the advice, is the town it names.
TEST(ResolvePlaceAmong, LabelsThatDifferOnlyInMarksAreTakenAsWritten) {
    const std::vector<Place> places = {
        MakePlace("Panauti", "Bagmati Province", "Nepal", "NP", 27'000),
        MakePlace("Panauti\u0307\u0304", "Bagmati Province", "Nepal", "NP", 20'000)};
    for (const Place& place : places) {
        const Result<Place> resolved = ResolvePlaceAmong(places, place.Label());
        ASSERT_TRUE(resolved) << place.Label();
        EXPECT_EQ(resolved->name, place.name);
    }
    EXPECT_FALSE(ResolvePlaceAmong(places, "panauti"));
}

// The query is shown back with its control characters as '?', so that a
// line end in it cannot start a line of its own on standard error.
TEST(ResolvePlaceAmong, TheQueryShownBackHoldsNoControlCharacter) {
    EXPECT_EQ(ResolvePlaceAmong(SmallAtlas(), "Zzqx\nsarovin-report: a.dri: Please Enter Your Name")
                  .refusal()
                  .message,
              "No place is known as \"Zzqx?sarovin-report: a.dri: Please Enter Your Name\".");
    EXPECT_EQ(ResolvePlaceAmong(SmallAtlas(), "London\r").refusal().message.substr(0, 10),
              "\"London?\" ");
}

// Places with other names, populations as GeoNames gives them.
const Gazetteer& RenamedAtlas() {
    static const Gazetteer atlas(
        {
            MakePlace("Mumbai", "Maharashtra", "India", "IN", 12'691'836),
            MakePlace("Bombay", "New York", "United States of America", "US", 1'300),
            MakePlace("Chennai", "Tamil Nadu", "India", "IN", 4'681'087),
            MakePlace("Madras", "Oregon", "United States of America", "US", 6'700),
            MakePlace("Hyderabad", "Telangana", "India", "IN", 6'809'970),
            MakePlace("Hyderabad", "Sindh", "Pakistan", "PK", 1'386'330),
            MakePlace("Bombaim Town", "Goa", "India", "IN", 2'000),
        },
        {{0, "Bombay"}, {0, "Bombaim"}, {2, "Madras"}, {2, "chennai"}});
    return atlas;
}

// Exact, then prefix, then contained, whichever name matched, then by
// population; of two names alike, the first in key order; a place
// found by another name shows it; text after a comma narrows by the
// beginning of the region or country.
TEST(SearchAtlas, MatchesAnyNameAndShowsTheOneFound) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"Bombay",
         {"Mumbai (Bombay), Maharashtra, India", "Bombay, New York, United States of America"}},
        {"bomba",
         {"Mumbai (Bombaim), Maharashtra, India", "Bombaim Town, Goa, India",
          "Bombay, New York, United States of America"}},
        {"Chennai", {"Chennai, Tamil Nadu, India"}},
        {"Hyderabad, Sin", {"Hyderabad, Sindh, Pakistan"}},
        {"Hyderabad, PK", {"Hyderabad, Sindh, Pakistan"}},
        {"hyderabad, india", {"Hyderabad, Telangana, India"}},
        {"Hyderabad Sindh", {"Hyderabad, Sindh, Pakistan"}},
        {"Hyderabad, Gujarat", {}},
    };
    for (const auto& [typed, labels] : cases) {
        EXPECT_EQ(Labels(SearchAtlas(RenamedAtlas(), typed, 10)), labels) << typed;
    }
}

// A former name of a city ten times the size goes before a small town's
// own name; otherwise own names go first.
TEST(ResolveInAtlas, TakesTheNameAPersonMeans) {
    const std::pair<const char*, const char*> cases[] = {
        {"Madras", "Chennai (Madras), Tamil Nadu, India"},
        {"Bombay", "Mumbai (Bombay), Maharashtra, India"},
        {"Bombay, New York", "Bombay, New York, United States of America"},
        {"Bombaim", "Mumbai (Bombaim), Maharashtra, India"},
        {"Hyderabad, Sindh", "Hyderabad, Sindh, Pakistan"},
        {"Mumbai (Bombay), Maharashtra, India", "Mumbai, Maharashtra, India"},
    };
    for (const auto& [query, label] : cases) {
        const Result<Place> place = ResolveInAtlas(RenamedAtlas(), query);
        ASSERT_TRUE(place) << query << ": " << place.refusal().message;
        EXPECT_EQ(place->Label(), label) << query;
    }
    EXPECT_EQ(ResolveInAtlas(RenamedAtlas(), "Hyderabad").refusal().message,
              "\"Hyderabad\" could be more than one place. Write it as one of these:\n"
              "Hyderabad, Telangana, India\nHyderabad, Sindh, Pakistan");
}

}  // namespace
}  // namespace sarovin
