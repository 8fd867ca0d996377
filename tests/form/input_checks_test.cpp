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
    int failingStep;  // 0 when the date passes
};

TEST(FirstFailingCheck, KnowsTheDaysOfEachMonthWithoutTheCenturyRule) {
    const DateCase cases[] = {
        {1904, 2, 29, 0},  {1996, 2, 29, 0},  {2000, 2, 29, 0},  {1901, 2, 29, 11},
        {2001, 2, 29, 11}, {2000, 2, 30, 11}, {2000, 2, 31, 11}, {1901, 2, 28, 0},
        {2000, 4, 31, 12}, {2000, 6, 31, 12}, {2000, 9, 31, 12}, {2000, 11, 31, 12},
        {2000, 4, 30, 0},  {2000, 3, 31, 0},  {2000, 5, 31, 0},  {2000, 8, 31, 0},
        {2050, 12, 31, 0}, {1901, 1, 1, 0},
    };
    for (const DateCase& c : cases) {
        const CheckFailure* failure = FirstFailingCheck(WithDate(c.year, c.month, c.day));
        EXPECT_EQ(failure ? failure->step : 0, c.failingStep)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(FirstFailingCheck, DateMessagesDifferByOneSpace) {
    const CheckFailure* february = FirstFailingCheck(WithDate(2001, 2, 29));
    const CheckFailure* april = FirstFailingCheck(WithDate(2001, 4, 31));
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
        const CheckFailure* failure = FirstFailingCheck(form);
        ASSERT_NE(failure, nullptr) << c.message;
        EXPECT_EQ(failure->message, c.message);
        EXPECT_EQ(failure->icon, MessageIcon::Error);
        EXPECT_EQ(failure->focus, c.focus);
    }
}

TEST(FirstFailingCheck, StopsAtTheFirstFailureInOrder) {
    InputForm nameAndLatitude = testing::AshaRaoForm();
    nameAndLatitude.name.clear();
    nameAndLatitude.latitudeDegrees.clear();
    EXPECT_EQ(FirstFailingCheck(nameAndLatitude)->step, 1);

    InputForm cityAndApril = WithDate(2000, 4, 31);
    cityAndApril.city.clear();
    EXPECT_EQ(FirstFailingCheck(cityAndApril)->message, "Please Enter Your City name");

    InputForm noHemispheres = WithDate(2001, 2, 30);
    noHemispheres.latitudeHemisphere = LatitudeHemisphere::None;
    noHemispheres.longitudeHemisphere = LongitudeHemisphere::None;
    EXPECT_EQ(FirstFailingCheck(noHemispheres)->step, 9);
}

TEST(FirstFailingCheck, PassesSpacesAndUncheckedRanges) {
    InputForm form = testing::AshaRaoForm();
    form.name = "   ";
    form.latitudeDegrees = "999";
    form.latitudeMinutes = "75";
    EXPECT_EQ(FirstFailingCheck(form), nullptr);
}

TEST(ApplyCheckRepair, ChoosesNorthThenEastSoTheNextAttemptPasses) {
    InputForm form = testing::AshaRaoForm();
    form.latitudeHemisphere = LatitudeHemisphere::None;
    form.longitudeHemisphere = LongitudeHemisphere::None;
    const CheckFailure* latitude = FirstFailingCheck(form);
    ASSERT_EQ(latitude->step, 9);
    EXPECT_EQ(latitude->message, "Please Select Direction For The Latitude");
    ApplyCheckRepair(*latitude, form);
    EXPECT_EQ(form.latitudeHemisphere, LatitudeHemisphere::North);

    const CheckFailure* longitude = FirstFailingCheck(form);
    ASSERT_EQ(longitude->step, 10);
    EXPECT_EQ(longitude->message, "Please Select Direction For The Longitude");
    ApplyCheckRepair(*longitude, form);
    EXPECT_EQ(form.longitudeHemisphere, LongitudeHemisphere::East);
    EXPECT_EQ(FirstFailingCheck(form), nullptr);
}

}  // namespace
}  // namespace sarovin
