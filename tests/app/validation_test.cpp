#include <QButtonGroup>

#include "tests/app/window_fixture.h"

namespace sarovin {
namespace {

using testing::WindowTest;

struct RefusalCase {
    const char* what;
    const char* emptyBox;  // nullptr: the date decides
    const char* month;
    const char* day;
    const char* year;
    const char* message;
    MessageIcon icon;
    const char* focus;  // nullptr: the focus stays where it was
};

TEST_F(WindowTest, ValidateInputRefusesWithTheFirstFailingMessage) {
    const RefusalCase cases[] = {
        {"empty name", "txtName", "June", "15", "1980", "Please Enter Your Name",
         MessageIcon::Error, "txtName"},
        {"empty latitude minutes", "txtLatMin", "June", "15", "1980",
         "Please Enter Minutes of Latitude", MessageIcon::Error, "txtLatMin"},
        {"empty longitude minutes", "txtLonMin", "June", "15", "1980",
         "Please Enter Minute of Longitude", MessageIcon::Error, "txtLonMin"},
        {"empty country", "txtCountry", "June", "15", "1980", "Please Enter Your Country name",
         MessageIcon::Error, "txtCountry"},
        {"city before the date", "txtCity", "April", "31", "1980", "Please Enter Your City name",
         MessageIcon::Error, "txtCity"},
        {"29 February 1901", nullptr, "February", "29", "1901",
         "Please Enter Correct Date Or Month!", MessageIcon::Information, nullptr},
        {"30 February 2000", nullptr, "February", "30", "2000",
         "Please Enter Correct Date Or Month!", MessageIcon::Information, nullptr},
        {"31 September", nullptr, "September", "31", "1980", "Please Enter Correct Date Or Month !",
         MessageIcon::Information, nullptr},
    };
    for (const RefusalCase& c : cases) {
        platform.messages.clear();
        EnterDelhiBirth();
        ChooseItem("cboMonth", QString::fromLatin1(c.month));
        ChooseItem("cboDate", QString::fromLatin1(c.day));
        ChooseItem("cboYear", QString::fromLatin1(c.year));
        if (c.emptyBox) {
            Box(c.emptyBox)->clear();
        }
        Find<QPushButton>(QStringLiteral("cmdCalculate"))->setFocus();
        EXPECT_FALSE(window.ValidateInput()) << c.what;
        ASSERT_EQ(platform.messages.size(), 1u) << c.what;
        EXPECT_EQ(platform.messages[0].text, c.message) << c.what;
        EXPECT_EQ(platform.messages[0].icon, c.icon) << c.what;
        const char* focus = c.focus ? c.focus : "cmdCalculate";
        EXPECT_TRUE(HasFocus(focus)) << c.what;
    }
}

TEST_F(WindowTest, ValidateInputPassesLeapDaysAndUncheckedRanges) {
    const char* years[] = {"1904", "1996", "2000"};
    for (const char* year : years) {
        EnterDelhiBirth();
        ChooseItem("cboMonth", QStringLiteral("February"));
        ChooseItem("cboDate", QStringLiteral("29"));
        ChooseItem("cboYear", QString::fromLatin1(year));
        EXPECT_TRUE(window.ValidateInput()) << year;
    }
    EnterDelhiBirth();
    Box("txtName")->setText(QStringLiteral(" Asha "));
    Box("txtLatDeg")->setText(QStringLiteral("999"));
    Box("txtLatMin")->setText(QStringLiteral("75"));
    EXPECT_TRUE(window.ValidateInput());
    EXPECT_TRUE(platform.messages.empty());
}

// A name of spaces only would be saved trimmed to nothing, and the file
// would not open again: it is refused as an empty name is.
TEST_F(WindowTest, ValidateInputRefusesANameOfSpacesOnly) {
    EnterDelhiBirth();
    Box("txtName")->setText(QStringLiteral("   "));
    EXPECT_FALSE(window.ValidateInput());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Please Enter Your Name");
    EXPECT_TRUE(HasFocus("txtName"));
}

TEST_F(WindowTest, AMissingHemisphereIsChosenForTheNextAttempt) {
    EnterDelhiBirth();
    for (const char* group : {"optLat_0", "optLong_0"}) {
        auto* option = Find<QRadioButton>(QString::fromLatin1(group));
        option->group()->setExclusive(false);
        option->setChecked(false);
        Find<QRadioButton>(QString::fromLatin1(group).replace('0', '1'))->setChecked(false);
        option->group()->setExclusive(true);
    }
    Click("cmdCalculate");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Please Select Direction For The Latitude");
    EXPECT_TRUE(Find<QRadioButton>(QStringLiteral("optLat_0"))->isChecked());
    EXPECT_EQ(FrontPanelName(), "Frame1");
    Click("cmdCalculate");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, "Please Select Direction For The Longitude");
    EXPECT_TRUE(Find<QRadioButton>(QStringLiteral("optLong_0"))->isChecked());
    Click("cmdCalculate");
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(FrontPanelName(), "Frame2");
}

TEST_F(WindowTest, ARefusedCalculationChangesNothing) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    const BirthRecord record = window.Record();
    const QString aspect = ArrayText("lblAspects_Sign_Graha", 4);
    Click("cmdBack");
    EnterGreenwichBirth();
    ChooseItem("cboMonth", QStringLiteral("April"));
    ChooseItem("cboDate", QStringLiteral("31"));
    Click("cmdCalculate");
    EXPECT_EQ(window.Record(), record);
    EXPECT_EQ(ArrayText("lblAspects_Sign_Graha", 4), aspect);
    EXPECT_EQ(FrontPanelName(), "Frame1");
    EXPECT_EQ(platform.messages.back().text, "Please Enter Correct Date Or Month !");
}

}  // namespace
}  // namespace sarovin
