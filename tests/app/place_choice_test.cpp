#include <QAbstractItemView>
#include <QCheckBox>
#include <QCompleter>

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

    bool DaylightTicked() { return Find<QCheckBox>(QStringLiteral("chkDST"))->isChecked(); }
    QString ZoneNote() { return LabelText(QStringLiteral("lblZoneNote")); }
};

TEST_F(PlaceChoiceTest, TypingOffersTheMatchingPlaces) {
    Box("txtCity")->setFocus();
    QTest::keyClicks(Box("txtCity"), QStringLiteral("Ujj"));
    ASSERT_TRUE(Places()->isVisible());
    EXPECT_EQ(Places()->model()->index(0, 0).data().toString(), "Ujjain, Madhya Pradesh, India");
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

// GeoNames places Ujjain at 23.18239 N, 75.77643 E: 23°11' N, 75°47' E to
// the nearest minute; Asia/Kolkata kept IST, UTC+5:30, in 1980.
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
