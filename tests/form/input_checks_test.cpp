#include "form/input_checks.h"

#include <gtest/gtest.h>

#include <string>

#include "form/list_items.h"
#include "tests/support/sample_forms.h"

namespace sarovin {
namespace {

InputForm WithDate(int year, int month, int day) {
    InputForm form = testing::AshaRaoForm();
    form.yearPosition = year - FIRST_YEAR;
    form.monthPosition = month - 1;
    form.dayPosition = day - 1;
    return form;
}

struct DateCase {
    int year;
    int month;
    int day;
    const char* message;  // empty when the date passes
};

constexpr const char* FEBRUARY_MESSAGE = "Please Enter Correct Date Or Month!";
constexpr const char* DAY_31_MESSAGE = "Please Enter Correct Date Or Month !";

std::string MessageOf(const std::optional<Refusal>& refusal) {
    return refusal ? refusal->message : std::string();
}

TEST(FirstFailingCheck, KnowsTheDaysOfEachMonthWithoutTheCenturyRule) {
    const DateCase cases[] = {
        {1904, 2, 29, ""},
        {1996, 2, 29, ""},
        {2000, 2, 29, ""},
        {1901, 2, 29, FEBRUARY_MESSAGE},
        {2001, 2, 29, FEBRUARY_MESSAGE},
        {2000, 2, 30, FEBRUARY_MESSAGE},
        {2000, 2, 31, FEBRUARY_MESSAGE},
        {1901, 2, 28, ""},
        {2000, 4, 31, DAY_31_MESSAGE},
        {2000, 6, 31, DAY_31_MESSAGE},
        {2000, 9, 31, DAY_31_MESSAGE},
        {2000, 11, 31, DAY_31_MESSAGE},
        {2000, 4, 30, ""},
        {2000, 3, 31, ""},
        {2000, 5, 31, ""},
        {2000, 8, 31, ""},
        {2050, 12, 31, ""},
        {1901, 1, 1, ""},
    };
    for (const DateCase& c : cases) {
        EXPECT_EQ(MessageOf(FirstFailingCheck(WithDate(c.year, c.month, c.day))), c.message)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(FirstFailingCheck, DateMessagesDifferByOneSpace) {
    const std::optional<Refusal> february = FirstFailingCheck(WithDate(2001, 2, 29));
    const std::optional<Refusal> april = FirstFailingCheck(WithDate(2001, 4, 31));
    ASSERT_TRUE(february && april);
    EXPECT_EQ(february->message, "Please Enter Correct Date Or Month!");
    EXPECT_EQ(april->message, "Please Enter Correct Date Or Month !");
    EXPECT_EQ(february->icon, MessageIcon::Information);
    EXPECT_EQ(april->icon, MessageIcon::Information);
}

struct EmptyCase {
    std::string InputForm::*field;
    const char* message;
    InputField focus;
};

TEST(FirstFailingCheck, EachEmptyBoxHasItsMessageAndFocus) {
    const EmptyCase cases[] = {
        {&InputForm::name, "Please Enter Your Name", InputField::Name},
        {&InputForm::latitudeDegrees, "Please Enter Degree of Latitude",
         InputField::LatitudeDegrees},
        {&InputForm::latitudeMinutes, "Please Enter Minutes of Latitude",
         InputField::LatitudeMinutes},
        {&InputForm::longitudeDegrees, "Please Enter Degree of Longitude",
         InputField::LongitudeDegrees},
        {&InputForm::longitudeMinutes, "Please Enter Minute of Longitude",
         InputField::LongitudeMinutes},
        {&InputForm::city, "Please Enter Your City name", InputField::City},
        {&InputForm::state, "Please Enter Your State name", InputField::State},
        {&InputForm::country, "Please Enter Your Country name", InputField::Country},
    };
    for (const EmptyCase& c : cases) {
        InputForm form = testing::AshaRaoForm();
        form.*c.field = "";
        const std::optional<Refusal> failure = FirstFailingCheck(form);
        ASSERT_TRUE(failure) << c.message;
        EXPECT_EQ(failure->message, c.message);
        EXPECT_EQ(failure->icon, MessageIcon::Error);
        EXPECT_EQ(failure->focus, c.focus);
    }
}

TEST(FirstFailingCheck, StopsAtTheFirstFailureInOrder) {
    InputForm nameAndLatitude = testing::AshaRaoForm();
    nameAndLatitude.name.clear();
    nameAndLatitude.latitudeDegrees.clear();
    EXPECT_EQ(MessageOf(FirstFailingCheck(nameAndLatitude)), "Please Enter Your Name");

    InputForm cityAndApril = WithDate(2000, 4, 31);
    cityAndApril.city.clear();
    EXPECT_EQ(FirstFailingCheck(cityAndApril)->message, "Please Enter Your City name");

    InputForm noHemispheres = WithDate(2001, 2, 30);
    noHemispheres.latitudeHemisphere = LatitudeHemisphere::None;
    noHemispheres.longitudeHemisphere = LongitudeHemisphere::None;
    EXPECT_EQ(MessageOf(FirstFailingCheck(noHemispheres)),
              "Please Select Direction For The Latitude");
}

// A saved reading trims these texts, so one of spaces only would save as
// a file that no longer opens.
TEST(FirstFailingCheck, TextsOfSpacesOnlyAreEmpty) {
    const EmptyCase cases[] = {
        {&InputForm::name, "Please Enter Your Name", InputField::Name},
        {&InputForm::city, "Please Enter Your City name", InputField::City},
        {&InputForm::state, "Please Enter Your State name", InputField::State},
        {&InputForm::country, "Please Enter Your Country name", InputField::Country},
    };
    for (const EmptyCase& c : cases) {
        for (const char* blank : {" ", "   "}) {
            InputForm form = testing::AshaRaoForm();
            form.*c.field = blank;
            const std::optional<Refusal> failure = FirstFailingCheck(form);
            ASSERT_TRUE(failure) << c.message;
            EXPECT_EQ(failure->message, c.message);
            EXPECT_EQ(failure->focus, c.focus);
        }
    }
}

TEST(FirstFailingCheck, PassesPaddedTextsAndUncheckedRanges) {
    InputForm form = testing::AshaRaoForm();
    form.name = " Asha ";
    form.latitudeDegrees = "999";
    form.latitudeMinutes = "75";
    EXPECT_FALSE(FirstFailingCheck(form));
}

// After the twelve checks: a malformed or too large exact offset, then a
// zone the proposal left unsettled.
TEST(FirstFailingCheck, RefusesABadOffsetAndAnUnsettledZone) {
    const std::string wanted =
        "give an offset from UTC as +HH:MM or +HH:MM:SS (- for west of Greenwich), from -14:00 "
        "to +14:00.";
    struct Case {
        const char* utcOffset;
        const char* unsettled;
        std::string message;
    };
    const Case cases[] = {
        {"+05:45", "", ""},
        {"+14:01", "", "The UTC offset \"+14:01\" cannot be used: " + wanted},
        {"5:45", "", "The UTC offset \"5:45\" cannot be used: " + wanted},
        {"", "Choose which.", "Choose which."},
        {"x", "Choose which.", "The UTC offset \"x\" cannot be used: " + wanted},
    };
    for (const Case& c : cases) {
        InputForm form = testing::AshaRaoForm();
        form.utcOffset = c.utcOffset;
        form.zoneUnsettled = c.unsettled;
        const std::optional<Refusal> refusal = FirstFailingCheck(form);
        EXPECT_EQ(refusal ? refusal->message : "", c.message) << c.utcOffset;
    }
    InputForm nameless = testing::AshaRaoForm();
    nameless.name.clear();
    nameless.utcOffset = "x";
    EXPECT_EQ(FirstFailingCheck(nameless)->message, "Please Enter Your Name");
}

TEST(ApplyRepair, ChoosesNorthThenEastSoTheNextAttemptPasses) {
    InputForm form = testing::AshaRaoForm();
    form.latitudeHemisphere = LatitudeHemisphere::None;
    form.longitudeHemisphere = LongitudeHemisphere::None;
    const std::optional<Refusal> latitude = FirstFailingCheck(form);
    ASSERT_TRUE(latitude);
    EXPECT_EQ(latitude->repair, FormRepair::ChooseNorth);
    EXPECT_EQ(latitude->message, "Please Select Direction For The Latitude");
    ApplyRepair(latitude->repair, form);
    EXPECT_EQ(form.latitudeHemisphere, LatitudeHemisphere::North);

    const std::optional<Refusal> longitude = FirstFailingCheck(form);
    ASSERT_TRUE(longitude);
    EXPECT_EQ(longitude->repair, FormRepair::ChooseEast);
    EXPECT_EQ(longitude->message, "Please Select Direction For The Longitude");
    ApplyRepair(longitude->repair, form);
    EXPECT_EQ(form.longitudeHemisphere, LongitudeHemisphere::East);
    EXPECT_FALSE(FirstFailingCheck(form));
}

}  // namespace
}  // namespace sarovin
