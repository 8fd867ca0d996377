#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QCompleter>
#include <QSettings>

#include "tests/app/window_fixture.h"

namespace sarovin {
namespace {

class PlaceChoiceTest : public testing::WindowTest {
  protected:
    // The list of places offered under the City box.
    QAbstractItemView* Places() {
        auto* completer = Box("txtCity")->findChild<QCompleter*>();
        EXPECT_NE(completer, nullptr);
        return completer->popup();
    }

    // Types into City as a person does and picks the first place offered.
    void TypeAndPickFirst(const char* letters) {
        Box("txtCity")->setFocus();
        QTest::keyClicks(Box("txtCity"), QString::fromLatin1(letters));
        QAbstractItemView* places = Places();
        ASSERT_TRUE(places->isVisible());
        places->setCurrentIndex(places->model()->index(0, 0));
        QTest::keyClick(places, Qt::Key_Return);
    }

    void TearDown() override { QSettings().clear(); }

    bool DaylightTicked() { return Find<QCheckBox>(QStringLiteral("chkDST"))->isChecked(); }
    QString OffsetBox() { return Box("txtUtcOffset")->text(); }
    void EnterMoment(const char* year, const char* month, const char* day, const char* hour,
                     const char* minute) {
        ChooseItem("cboYear", QString::fromLatin1(year));
        ChooseItem("cboMonth", QString::fromLatin1(month));
        ChooseItem("cboDate", QString::fromLatin1(day));
        ChooseItem("cboHour", QString::fromLatin1(hour));
        ChooseItem("cboMinute", QString::fromLatin1(minute));
    }
    QString ZoneNote() { return LabelText(QStringLiteral("lblZoneNote")); }
};

TEST_F(PlaceChoiceTest, TypingOffersTheMatchingPlaces) {
    Box("txtCity")->setFocus();
    QTest::keyClicks(Box("txtCity"), QStringLiteral("Ujj"));
    ASSERT_TRUE(Places()->isVisible());
    EXPECT_EQ(Places()->model()->index(0, 0).data().toString(), "Ujjain, Madhya Pradesh, India");
}

// A screen reader reaches the offered places in the accessibility tree,
// hears how many there are, and hears the zone note with the zone list.
TEST_F(PlaceChoiceTest, ScreenReadersHearThePlacesAndTheZoneNote) {
    EnterMoment("1980", "June", "15", "8", "30");
    Box("txtCity")->setFocus();
    QTest::keyClicks(Box("txtCity"), QStringLiteral("Ujj"));
    QAccessibleInterface* places = QAccessible::queryAccessibleInterface(Places());
    ASSERT_NE(places, nullptr);
    EXPECT_EQ(places->text(QAccessible::Name), "Places found");
    const int offered = Places()->model()->rowCount();
    EXPECT_TRUE(places->text(QAccessible::Description).startsWith(QString::number(offered)));
    ASSERT_GT(places->childCount(), 0);
    Places()->setCurrentIndex(Places()->model()->index(0, 0));
    QTest::keyClick(Places(), Qt::Key_Return);
    ASSERT_FALSE(ZoneNote().isEmpty());
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(List("cboTimeZone"))->text(QAccessible::Description),
        ZoneNote());
}

// Two letters are enough and spaces are not letters; the list shows the
// atlas's answer as it is, places that merely contain the text included.
TEST_F(PlaceChoiceTest, PlacesAreOfferedFromTwoLettersAsTheAtlasFindsThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"U", nullptr},
        {"U ", nullptr},
        {" U", nullptr},
        {"Uj", "Ujjain, Madhya Pradesh, India"},
        {"paulo", "S\u00E3o Paulo, S\u00E3o Paulo, Brazil"},
    };
    for (const auto& [typed, offered] : cases) {
        Box("txtCity")->clear();
        Box("txtCity")->setFocus();
        QTest::keyClicks(Box("txtCity"), QString::fromLatin1(typed));
        QStringList labels;
        for (int row = 0; row < Places()->model()->rowCount(); ++row) {
            labels << Places()->model()->index(row, 0).data().toString();
        }
        if (offered == nullptr) {
            EXPECT_TRUE(labels.isEmpty()) << typed;
        } else {
            EXPECT_TRUE(labels.contains(QString::fromUtf8(offered))) << typed;
        }
    }
}

// The list shows the atlas's answer as it is, never filtered again by what
// was typed: a city found by its former name, or by the region typed after
// it, is offered though its label does not begin with the letters typed.
// Chosen, it fills the boxes with its own name.
TEST_F(PlaceChoiceTest, OffersPlacesFoundByAnotherNameOrByTheirRegion) {
    const std::pair<const char*, const char*> cases[] = {
        {"Bombay", "Mumbai (Bombay), Maharashtra, India"},
        {"Madras", "Chennai (Madras), Tamil Nadu, India"},
        {"Hyderabad Sindh", "Hyderabad, Sindh, Pakistan"},
    };
    for (const auto& [typed, offered] : cases) {
        Box("txtCity")->clear();
        Box("txtCity")->setFocus();
        QTest::keyClicks(Box("txtCity"), QString::fromLatin1(typed));
        ASSERT_TRUE(Places()->isVisible()) << typed;
        EXPECT_EQ(Places()->model()->index(0, 0).data().toString(), QString::fromUtf8(offered))
            << typed;
    }
    Box("txtCity")->clear();
    TypeAndPickFirst("Bombay");
    EXPECT_EQ(Box("txtCity")->text(), "Mumbai");
    EXPECT_EQ(Box("txtState")->text(), "Maharashtra");
}

// GeoNames places Ujjain at 23.18239 N, 75.77643 E: 23°11' N, 75°47' E to
// the nearest minute; Asia/Kolkata kept IST, UTC+05:30, in 1980.
TEST_F(PlaceChoiceTest, ChoosingAPlaceFillsEveryFieldAndProposesTheZone) {
    ChooseItem("cboYear", QStringLiteral("1980"));
    ChooseItem("cboMonth", QStringLiteral("June"));
    ChooseItem("cboDate", QStringLiteral("15"));
    Find<QCheckBox>(QStringLiteral("chkDST"))->setChecked(true);
    TypeAndPickFirst("Ujj");
    EXPECT_EQ(Box("txtCity")->text(), "Ujjain");
    EXPECT_EQ(Box("txtState")->text(), "Madhya Pradesh");
    EXPECT_EQ(Box("txtCountry")->text(), "India");
    EXPECT_EQ(Box("txtLatDeg")->text(), "23");
    EXPECT_EQ(Box("txtLatMin")->text(), "11");
    EXPECT_EQ(Box("txtLonDeg")->text(), "75");
    EXPECT_EQ(Box("txtLonMin")->text(), "47");
    EXPECT_TRUE(Find<QAbstractButton>(QStringLiteral("optLat_0"))->isChecked());
    EXPECT_TRUE(Find<QAbstractButton>(QStringLiteral("optLong_0"))->isChecked());
    EXPECT_EQ(List("cboTimeZone")->currentIndex(), 34);
    EXPECT_FALSE(DaylightTicked());
    EXPECT_TRUE(ZoneNote().startsWith("Asia/Kolkata on 15 June 1980")) << ZoneNote().toStdString();
    EXPECT_TRUE(HasFocus("cmdCalculate"));
}

// In 1943 India kept war time, an hour ahead of IST (zdump -v Asia/Kolkata).
TEST_F(PlaceChoiceTest, TheProposalFollowsTheDateUntilTheZoneIsSetByHand) {
    ChooseItem("cboYear", QStringLiteral("1980"));
    TypeAndPickFirst("Ujj");
    EXPECT_FALSE(DaylightTicked());
    ChooseItem("cboYear", QStringLiteral("1943"));
    EXPECT_TRUE(DaylightTicked());
    EXPECT_EQ(List("cboTimeZone")->currentIndex(), 34);

    QTest::mouseClick(Find<QCheckBox>(QStringLiteral("chkDST")), Qt::LeftButton);
    EXPECT_FALSE(DaylightTicked());
    ChooseItem("cboYear", QStringLiteral("1944"));
    EXPECT_FALSE(DaylightTicked());
}

// zdump -v Asia/Kathmandu: +0545 gmtoff=20700 since 1986. The list has no
// such row, so the exact offset is put in force and the calculation reads
// 08:30 as 02:45 UT.
TEST_F(PlaceChoiceTest, KathmanduComputesAtItsExactOffset) {
    Box("txtName")->setText(QStringLiteral("Asha Rao"));
    EnterMoment("1990", "June", "15", "8", "30");
    TypeAndPickFirst("Kathm");
    EXPECT_EQ(OffsetBox(), "+05:45");
    EXPECT_EQ(List("cboTimeZone")->currentIndex(), -1);
    EXPECT_TRUE(List("cboTimeZone")->placeholderText().contains("Asia/Kathmandu"));
    Find<QAction>(QStringLiteral("mnuSwiss"))->trigger();
    Click("cmdCalculate");
    EXPECT_TRUE(LabelText(QStringLiteral("lblEphemeris")).contains("UT 1990-06-15 02:45"))
        << LabelText(QStringLiteral("lblEphemeris")).toStdString();
    EXPECT_EQ(LabelText(QStringLiteral("lblOffsetUsed")),
              "UTC+05:45 from the atlas (Asia/Kathmandu)");
}

// zdump -v Asia/Kolkata: war time +0630 isdst=1 in 1943, Madras time
// gmtoff=19270 (+5:21:10) until 1906. Going back to 1901 leaves no tick of
// 1943 behind; choosing a row by hand returns to the rows.
TEST_F(PlaceChoiceTest, TheProposalLeavesNothingOfTheEarlierDate) {
    EnterMoment("1943", "June", "15", "8", "30");
    TypeAndPickFirst("Ujj");
    EXPECT_TRUE(DaylightTicked());
    EXPECT_EQ(OffsetBox(), "");
    ChooseItem("cboYear", QStringLiteral("1901"));
    EXPECT_FALSE(DaylightTicked());
    EXPECT_EQ(OffsetBox(), "+05:21:10");
    ChooseItem("cboYear", QStringLiteral("1980"));
    EXPECT_EQ(OffsetBox(), "");
    EXPECT_EQ(List("cboTimeZone")->currentIndex(), 34);
}

// zdump -v -c 2021,2022 America/New_York: 01:30 on 7 November 2021 came
// first as EDT, then as EST. Nothing is calculated until one is chosen.
TEST_F(PlaceChoiceTest, ARepeatedClockTimeWaitsForAChoice) {
    EnterDelhiBirth();
    EnterMoment("2021", "November", "7", "1", "30");
    Box("txtCity")->clear();
    TypeAndPickFirst("New Y");
    EXPECT_TRUE(Find<QPushButton>(QStringLiteral("cmdFirstTime"))->isVisibleTo(&window));
    Click("cmdCalculate");
    EXPECT_EQ(FrontPanelName(), "Frame1");
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_TRUE(platform.messages.back().text.contains("came twice"));
    Click("cmdFirstTime");
    EXPECT_EQ(List("cboTimeZone")->currentIndex(), 27);
    EXPECT_TRUE(DaylightTicked());
    EXPECT_FALSE(Find<QPushButton>(QStringLiteral("cmdFirstTime"))->isVisibleTo(&window));
    Click("cmdCalculate");
    EXPECT_EQ(FrontPanelName(), "Frame2");
}

// A typed offset is checked when calculating; one outside -14:00..+14:00
// is refused with its own message.
TEST_F(PlaceChoiceTest, ATypedOffsetReplacesTheRowUntilARowIsChosen) {
    EnterDelhiBirth();
    Box("txtUtcOffset")->setFocus();
    QTest::keyClicks(Box("txtUtcOffset"), QStringLiteral("+14:30"));
    EXPECT_EQ(List("cboTimeZone")->currentIndex(), -1);
    Click("cmdCalculate");
    EXPECT_EQ(FrontPanelName(), "Frame1");
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_TRUE(
        platform.messages.back().text.startsWith("The UTC offset \"+14:30\" cannot be used"));
    Box("txtUtcOffset")->clear();
    QTest::keyClicks(Box("txtUtcOffset"), QStringLiteral("+05:45"));
    Click("cmdCalculate");
    EXPECT_EQ(LabelText(QStringLiteral("lblOffsetUsed")), "UTC+05:45 as typed");
    Click("cmdBack");
    List("cboTimeZone")->setCurrentIndex(34);
    emit List("cboTimeZone")->activated(34);
    EXPECT_EQ(Box("txtUtcOffset")->text(), "");
    Click("cmdCalculate");
    EXPECT_EQ(LabelText(QStringLiteral("lblOffsetUsed")),
              "UTC+05:30 from the zone row Indian Time, IST, +5.3");
}

TEST_F(PlaceChoiceTest, TypingAnotherCityForgetsTheChosenPlace) {
    TypeAndPickFirst("Ujj");
    EXPECT_FALSE(ZoneNote().isEmpty());
    Box("txtCity")->setFocus();
    QTest::keyClick(Box("txtCity"), Qt::Key_Backspace);
    EXPECT_TRUE(ZoneNote().isEmpty());
    const int zone = List("cboTimeZone")->currentIndex();
    ChooseItem("cboYear", QStringLiteral("1943"));
    EXPECT_EQ(List("cboTimeZone")->currentIndex(), zone);
}

}  // namespace
}  // namespace sarovin
