#include <gtest/gtest.h>

#include "tests/transits/transit_support.h"
#include "transits/transit_tags.h"

namespace sarovin {
namespace {

using testing::MINUTE;

// The published chart of the ashtakavarga tests (6 February 1911): the Sun
// in Makara, the Moon in Mesha, Mars and Mercury in Dhanus, Jupiter in
// Thula, Venus in Kumbha, Saturn in Mesha, the Lagna in Vrischika.
Ashtakavarga PublishedAshtakavarga() {
    return ComputeAshtakavarga({9, 0, 8, 8, 6, 10, 0, 7}, AshtakavargaTables::Parashara);
}

struct KakshyaCase {
    AshtakaPoint lord;
    int sign;
    double start;  // 0: cut at the span's start
    double end;    // 0: cut at the span's end
};

// By hand from Saturn's own table in that chart: in Dhanus only Venus
// gives a bindu (the 11th from Kumbha), in Makara the Sun (1st), Venus
// (12th) and the Lagna (3rd), in Kumbha all but Mercury and Venus. So the
// windows are the Kakshyas of Venus in Dhanus (255°-258°45'), of the Sun,
// Venus and the Lagna in Makara (281°15'-288°45', 296°15'-300°) and of
// Saturn, Jupiter, Mars and the Sun in Kumbha (300°-315°). Saturn crossing
// those Kakshyas' edges, from its positions hour by hour:
//   swetest -b1.1.2019 -ut0:00 -p6 -sid1 -fJl -s60m -n8760 -head -g, (and each
//   year to 2023), each crossing put between the two hours by a straight line.
TEST(KakshyaWindows, SaturnsStaysInKakshyasWithABinduFollowTheHourlyScan) {
    TransitRequest request{.points = testing::ChosenNatalPoints(),
                           .from = JulianDayOfDate(2019, 1, 1),
                           .to = JulianDayOfDate(2024, 1, 1)};
    request.ashtakavarga = PublishedAshtakavarga();
    std::vector<TransitEvent> found;
    ASSERT_TRUE(
        SearchTransits(request, SwissPositionSources(AyanamsaSystem::Lahiri, LunarNode::Mean),
                       [&found](const TransitEvent& event) {
                           if (event.kind == TransitKind::Kakshya && event.transiting == Saturn) {
                               found.push_back(event);
                           }
                       }));
    constexpr int DHANUS = 8;
    constexpr int MAKARA = 9;
    constexpr int KUMBHA = 10;
    const KakshyaCase expected[] = {
        {AshtakaPoint::Venus, DHANUS, 0, 2458497.16110},
        {AshtakaPoint::Sun, MAKARA, 2459247.52864, 2459281.00972},
        {AshtakaPoint::Venus, MAKARA, 2459281.00972, 2459330.27980},
        {AshtakaPoint::Venus, MAKARA, 2459385.86349, 2459442.82372},  // retrograde
        {AshtakaPoint::Sun, MAKARA, 2459442.82372, 2459551.88817},
        {AshtakaPoint::Venus, MAKARA, 2459551.88817, 2459589.58344},
        {AshtakaPoint::Lagna, MAKARA, 2459654.11538, 2459698.59979},
        {AshtakaPoint::Saturn, KUMBHA, 2459698.59979, 2459772.88750},
        {AshtakaPoint::Lagna, MAKARA, 2459772.88750, 2459826.66162},
        {AshtakaPoint::Lagna, MAKARA, 2459922.81195, 2459962.02377},
        {AshtakaPoint::Saturn, KUMBHA, 2459962.02377, 2459993.76737},
        {AshtakaPoint::Jupiter, KUMBHA, 2459993.76737, 2460025.73549},
        {AshtakaPoint::Mars, KUMBHA, 2460025.73549, 2460065.85157},
        {AshtakaPoint::Sun, KUMBHA, 2460065.85157, 2460161.81229},
        {AshtakaPoint::Mars, KUMBHA, 2460161.81229, 2460214.69952},
        {AshtakaPoint::Jupiter, KUMBHA, 2460214.69952, 2460289.96139},
        {AshtakaPoint::Mars, KUMBHA, 2460289.96139, 0},
    };
    ASSERT_EQ(found.size(), std::size(expected));
    for (std::size_t index = 0; index < found.size(); ++index) {
        const TransitEvent& event = found[index];
        const KakshyaCase& c = expected[index];
        EXPECT_EQ(event.kakshyaLord, static_cast<int>(c.lord)) << index;
        EXPECT_EQ(event.sign, c.sign) << index;
        EXPECT_EQ(event.startCut, c.start == 0) << index;
        EXPECT_EQ(event.endCut, c.end == 0) << index;
        if (c.start != 0) {
            EXPECT_NEAR(event.start, c.start, MINUTE) << index;
        }
        if (c.end != 0) {
            EXPECT_NEAR(event.end, c.end, MINUTE) << index;
        }
    }
}

// Saturn's Sputa Drishti on the natal Mars at 15° peaks where its special
// 3rd-house aspect ends, 90° behind the point: Saturn at 285°, in Makara
// (its windows open and close at 285° in the hourly scan above).
TEST(KakshyaWindows, SputaWindowsAreReadInTheSignOfTheirPeak) {
    const std::vector<TransitEvent> events =
        testing::SearchChosen(JulianDayOfDate(2019, 1, 1), JulianDayOfDate(2024, 1, 1));
    int windows = 0;
    for (const TransitEvent& event : events) {
        if (event.kind == TransitKind::Sputa && event.transiting == Saturn && event.natal == Mars) {
            EXPECT_EQ(event.sign, 9) << IsoMinuteText(*event.peak);
            ++windows;
        }
    }
    EXPECT_EQ(windows, 2);
}

struct TagCase {
    TransitEvent event;
    std::optional<RunningPeriods> periods;
    std::optional<TransitBindus> bindus;
};

// Periods by hand with the Moon at 0°: Ketu's 7 years from birth (its
// Antardashas Ketu 0.408, Venus 1.167 years), then Venus's 20 (Venus first,
// 3.333 years), in savana years of 360 days. Bindus from the published
// chart: Saturn's own in Kumbha 6, the Sarva there 34; the Sun's in Mesha
// 4, Sarva 27. A Sputa window is read at its peak, the others at their
// start; the N Node has no table.
TEST(TransitTags, PeriodsAtThePeakOrStartAndTheBindusOfTheSignTransited) {
    const double birth = 2451545;
    const std::optional<Vimshottari> dasha = ComputeVimshottari(0, birth, DashaYear::Savana);
    const std::optional<Ashtakavarga> ashtakavarga = PublishedAshtakavarga();
    const TagCase cases[] = {
        {{.kind = TransitKind::Sputa,
          .transiting = Saturn,
          .start = birth + 100,
          .end = birth + 400,
          .peak = birth + 300,
          .sign = 10},
         RunningPeriods{SNode, Venus},
         TransitBindus{6, 34}},
        {{.kind = TransitKind::Graha, .transiting = Sun, .start = birth + 7.5 * 360, .sign = 0},
         RunningPeriods{Venus, Venus},
         TransitBindus{4, 27}},
        {{.kind = TransitKind::Graha, .transiting = NNode, .start = birth - 1, .sign = 0},
         std::nullopt,
         std::nullopt},
    };
    for (const TagCase& c : cases) {
        const TransitTags tags = TagsOf(c.event, dasha, ashtakavarga);
        EXPECT_EQ(tags.periods, c.periods) << c.event.transiting;
        EXPECT_EQ(tags.bindus, c.bindus) << c.event.transiting;
    }
}

}  // namespace
}  // namespace sarovin
